// MIDI files: anything is read or refused; what is read plays through the sequencer (into a
// sink that only counts) for a few seconds without fault.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "host/music_midi.h"
#include "host/music_sequencer.h"

namespace {

class CountingSink : public qel::MidiSink {
 public:
  void Send(const qel::MidiEvent &, const std::uint8_t *) override { ++events; }
  void ReleaseAll() override {}
  void Reset() override {}
  void Render(float *stereo, int frames) override {
    for (int i = 0; i < 2 * frames; ++i) stereo[i] = 0;
  }
  long events = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  qel::MidiSong song;
  if (!qel::ParseMidi(data, size, song)) return 0;
  qel::MidiSequencer sequencer(8000);
  CountingSink sink;
  std::vector<float> buffer(2 * 512);
  sequencer.Start(&song);
  for (int block = 0; block < 64 && sequencer.Playing(); ++block) sequencer.Render(sink, buffer.data(), 512);
  return 0;
}
