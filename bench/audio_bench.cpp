// What the audio host costs: the soundfont load (on its own thread, off the game's passes), the
// calls the game makes on its main thread, one device buffer's mixing, and how soon after
// PlayMusic the first note sounds.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "audio_bench_support.h"
#include "host/sdl_audio.h"

namespace qel {
namespace {

using bench::kBuild;
using bench::kTestMidi;
using bench::PulledAudio;

void BM_SoundfontLoad(benchmark::State &state) {
  std::string font;
  for (auto _ : state) {
    FluidSynthSink sink(44100, SoundfontCandidates());
    sink.WaitLoaded();
    font = sink.fontPath();
  }
  state.SetLabel(font);
}
BENCHMARK(BM_SoundfontLoad)->Unit(benchmark::kMillisecond)->Iterations(3);

// PlayMusic's part on the host: close, read and parse the file, start.
void BM_MusicOpenAndPlay(benchmark::State &state) {
  auto audio = PulledAudio();
  for (auto _ : state) {
    audio->MusicOpen(kTestMidi);
    audio->MusicPlay();
  }
}
BENCHMARK(BM_MusicOpenAndPlay)->Unit(benchmark::kMicrosecond);

void BM_SoundPlay(benchmark::State &state) {
  auto audio = PulledAudio();
  const std::string s08 = kBuild + "/d/s08.wav";
  for (auto _ : state) audio->SoundPlay(s08);
}
BENCHMARK(BM_SoundPlay);

// One device buffer (512 frames, 11.6 ms of sound) with the music and a sound playing.
void BM_MixOneBuffer(benchmark::State &state) {
  auto audio = PulledAudio();
  std::vector<std::int16_t> buffer(2 * SdlAudio::kFrames);
  const std::string s17 = kBuild + "/d/s17.wav";
  audio->MusicOpen(kTestMidi);
  audio->MusicPlay();
  for (auto _ : state) {
    if (audio->MusicStopped()) audio->MusicRewindAndPlay();
    audio->SoundPlay(s17);
    audio->Render(buffer.data(), SdlAudio::kFrames);
  }
}
BENCHMARK(BM_MixOneBuffer)->Unit(benchmark::kMicrosecond);

// Milliseconds of sound from MusicPlay to the first audible sample (-60 dBFS), device latency
// not counted: that adds at most one buffer.
void BM_FirstNoteAfterPlay(benchmark::State &state) {
  auto audio = PulledAudio();
  std::vector<std::int16_t> buffer(2 * 16);
  double ms = 0;
  for (auto _ : state) {
    audio->MusicOpen(kTestMidi);
    audio->MusicPlay();
    int frames = 0;
    for (bool heard = false; !heard && frames < 44100; frames += 16) {
      audio->Render(buffer.data(), 16);
      for (std::int16_t v : buffer) heard |= std::abs(v) > 33;
    }
    ms = frames * 1000.0 / 44100;
    audio->MusicClose();
    std::vector<std::int16_t> tail(2 * 44100);
    audio->Render(tail.data(), 44100);  // let the release die away
  }
  state.counters["first_note_ms"] = ms;
}
BENCHMARK(BM_FirstNoteAfterPlay)->Iterations(3);

}  // namespace
}  // namespace qel
