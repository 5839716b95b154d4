// Standard MIDI files, read into one list of channel messages timed in microseconds.
#pragma once

#include <cstddef>
#include <cstdint>
#include <set>
#include <utility>
#include <vector>

namespace qel {

struct MidiEvent {
  std::int64_t micros = 0;  // from the start of the piece
  std::uint8_t status = 0;  // channel message status (0x80..0xEF), or 0xF0 for a system exclusive
  std::uint8_t data1 = 0, data2 = 0;
  // A system exclusive message's bytes (without the leading 0xF0 and the closing 0xF7).
  std::uint32_t sysexOffset = 0, sysexLength = 0;
};

struct MidiSong {
  std::vector<MidiEvent> events;    // in time order; same-time events keep the file's order
  std::vector<std::uint8_t> sysex;  // the bytes of all system exclusive messages
  std::int64_t endMicros = 0;       // the end of the longest track, where the piece stops
};

// Reads a standard MIDI file (formats 0, 1 and 2; tracks of format 2 are played together).
// Returns false for anything that is not a complete, well-formed file.
bool ParseMidi(const std::uint8_t *data, std::size_t size, MidiSong &song);

// The (bank, programme) pairs a General MIDI synthesizer selects while playing the song: its
// programme changes under the bank chosen on their channel, the drum channel's in bank 128, and
// the piano and standard kit every channel starts from.
std::set<std::pair<int, int>> ProgrammesChosen(const MidiSong &song);

}  // namespace qel
