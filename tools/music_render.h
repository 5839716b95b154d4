// Plays one piece through the game's own audio host with its samples pulled (no device): the
// synthesizer, soundfont, gain and effects the game uses, faster than real time and the same on
// every run. Shared by the music check and the music tests.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "audio_measure.h"
#include "host/music_midi.h"
#include "host/sdl_audio.h"

namespace music_render {

constexpr int kRate = 44100;
constexpr int kAudible = 33;  // -60 dBFS in 16-bit samples

struct Render {
  std::vector<std::int16_t> stereo;  // interleaved, the piece and then its ring-out
  double pieceSeconds = 0;           // from the start until the host reported the piece stopped
  bool played = false;               // the file opened and the host played it
};

inline bool ReadSong(const std::string &path, qel::MidiSong &song) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                        std::istreambuf_iterator<char>());
  return qel::ParseMidi(bytes.data(), bytes.size(), song);
}

// Plays the piece from its start until the host says it stopped (at most maxSeconds), then
// goes on for ringSeconds, so that the release of the last notes is kept too.
inline Render PlayPiece(qel::SdlAudio &audio, const std::string &path, double maxSeconds,
                        double ringSeconds) {
  Render r;
  if (!audio.MusicOpen(path) || !audio.MusicPlay()) return r;
  r.played = true;
  constexpr int kChunk = 512;  // the device's buffer
  std::int16_t buffer[2 * kChunk];
  long frames = 0;
  const auto most = static_cast<long>(maxSeconds * kRate);
  while (!audio.MusicStopped() && frames < most) {
    audio.Render(buffer, kChunk);
    r.stereo.insert(r.stereo.end(), buffer, buffer + 2 * kChunk);
    frames += kChunk;
  }
  r.pieceSeconds = static_cast<double>(frames) / kRate;
  for (long ring = 0; ring < static_cast<long>(ringSeconds * kRate); ring += kChunk) {
    audio.Render(buffer, kChunk);
    r.stereo.insert(r.stereo.end(), buffer, buffer + 2 * kChunk);
  }
  audio.MusicClose();
  return r;
}

inline void Split(const std::vector<std::int16_t> &stereo, audio_measure::Signal &left,
                  audio_measure::Signal &right) {
  left.resize(stereo.size() / 2);
  right.resize(stereo.size() / 2);
  for (std::size_t i = 0; i < left.size(); ++i) {
    left[i] = stereo[2 * i] / 32768.0;
    right[i] = stereo[2 * i + 1] / 32768.0;
  }
}

// The first and one past the last frame above -60 dBFS (0 and 0 for silence).
inline std::size_t FirstAudible(const std::vector<std::int16_t> &stereo) {
  for (std::size_t i = 0; i < stereo.size(); ++i) {
    if (std::abs(stereo[i]) > kAudible) return i / 2;
  }
  return stereo.size() / 2;
}
inline std::size_t EndOfSound(const std::vector<std::int16_t> &stereo, std::size_t endFrame) {
  for (std::size_t i = std::min(stereo.size(), 2 * endFrame); i > 0; --i) {
    if (std::abs(stereo[i - 1]) > kAudible) return (i - 1) / 2 + 1;
  }
  return 0;
}

}  // namespace music_render
