// What the real music pieces cost: PlayMusic's stall on the main thread (close, read and parse
// the file, start) and the first device buffer after it (the programme changes and first notes),
// each beside the same work for the tiny test piece in the same run; and the memory and load
// time of the General MIDI soundfont with FluidSynth's samples loaded all at once or only for
// the programmes the nine pieces choose (synth.dynamic-sample-loading).
#include <benchmark/benchmark.h>
#include <fluidsynth.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "audio_bench_support.h"
#include "host/music_midi.h"
#include "host/sdl_audio.h"

namespace qel {
namespace {

using bench::kBuild;
using bench::kTestMidi;
using bench::PulledAudio;

const std::string kMainTheme = kBuild + "/d/b01.mid";  // the longest piece
const char *const kFont = "/usr/share/sounds/sf2/FluidR3_GM.sf2";

// PlayMusic's part on the host, as the game's main thread pays it.
void BM_PlayMusicStall(benchmark::State &state, const std::string &piece) {
  auto audio = PulledAudio();
  for (auto _ : state) {
    audio->MusicOpen(piece);
    audio->MusicPlay();
  }
}
BENCHMARK_CAPTURE(BM_PlayMusicStall, test_piece, kTestMidi)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_PlayMusicStall, main_theme, kMainTheme)->Unit(benchmark::kMicrosecond);

// The audio thread's first buffer after the start (the reset, programme changes and first notes
// of every voice), against a buffer in the middle of the piece.
void BM_FirstBuffer(benchmark::State &state, const std::string &piece, bool restart) {
  auto audio = PulledAudio();
  std::vector<std::int16_t> buffer(2 * SdlAudio::kFrames);
  audio->MusicOpen(piece);
  audio->MusicPlay();
  for (auto _ : state) {
    if (restart) {
      state.PauseTiming();
      audio->MusicPlay();
      state.ResumeTiming();
    }
    audio->Render(buffer.data(), SdlAudio::kFrames);
    if (!restart && audio->MusicStopped()) audio->MusicRewindAndPlay();
  }
}
BENCHMARK_CAPTURE(BM_FirstBuffer, main_theme_first, kMainTheme, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FirstBuffer, main_theme_steady, kMainTheme, false)->Unit(benchmark::kMicrosecond);

// The (bank, programme) pairs the nine pieces choose.
std::set<std::pair<int, int>> ProgramsOfThePieces() {
  std::set<std::pair<int, int>> used;
  for (int n = 1; n <= 9; ++n) {
    std::ifstream in(kBuild + "/d/b0" + std::to_string(n) + ".mid", std::ios::binary);
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                          std::istreambuf_iterator<char>());
    MidiSong song;
    if (ParseMidi(bytes.data(), bytes.size(), song)) used.merge(ProgrammesChosen(song));
  }
  return used;
}

long ResidentKb() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  statm >> pages >> resident;
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

struct FontCost {
  double residentMb = 0, loadMs = 0;
};

// Loads the font in a child process, so that each measure starts from the same clean memory:
// every sample loaded at once, and as the game makes it: dynamic loading with every programme
// the pieces use pinned (on the loader thread, in the game), which brings their samples in.
FontCost MeasureFont(bool dynamic) {
  int fds[2];
  if (pipe(fds) != 0) return {};
  const pid_t child = fork();
  if (child == 0) {
    close(fds[0]);
    fluid_set_log_function(FLUID_WARN, nullptr, nullptr);
    fluid_set_log_function(FLUID_INFO, nullptr, nullptr);
    const long before = ResidentKb();
    const auto start = std::chrono::steady_clock::now();
    fluid_settings_t *settings = new_fluid_settings();
    fluid_settings_setnum(settings, "synth.sample-rate", 44100);
    fluid_settings_setnum(settings, "synth.gain", 0.3);
    fluid_settings_setint(settings, "synth.dynamic-sample-loading", dynamic ? 1 : 0);
    fluid_synth_t *synth = new_fluid_synth(settings);
    const int id = fluid_synth_sfload(synth, kFont, 1);
    if (dynamic) {
      for (const auto &[bank, program] : ProgramsOfThePieces()) {
        fluid_synth_pin_preset(synth, id, bank, program);
      }
    }
    FontCost cost;
    cost.loadMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    cost.residentMb = static_cast<double>(ResidentKb() - before) / 1024.0;
    if (write(fds[1], &cost, sizeof cost) != sizeof cost) _exit(1);
    _exit(0);
  }
  close(fds[1]);
  FontCost cost;
  if (read(fds[0], &cost, sizeof cost) != sizeof cost) cost = {};
  close(fds[0]);
  waitpid(child, nullptr, 0);
  return cost;
}

void BM_SoundfontMemory(benchmark::State &state) {
  const bool dynamic = state.range(0) != 0;
  FontCost cost;
  for (auto _ : state) cost = MeasureFont(dynamic);
  state.counters["resident_MB"] = cost.residentMb;
  state.counters["load_ms"] = cost.loadMs;
  state.SetLabel(dynamic ? "dynamic sample loading, the pieces' programmes pinned (the game's setting)"
                         : "all samples loaded");
}
BENCHMARK(BM_SoundfontMemory)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qel
