// audio_capture [--pull FILE.raw] [--seconds S] [--loop] [--font PATH]
//               [--sound MS FILE]... [--music MS FILE]... [--close MS]... [--rewind MS]...
//
// Plays sound effects and MIDI pieces through the game's audio host at the given times (ms
// from the start) and reports what it measures: the soundfont's load time, how long each call
// held the caller, when a piece stopped and, when pulling, how long after PlayMusic its first
// note was heard. With --loop the one-second music timer restarts a stopped piece. Without a
// piece to play no soundfont is loaded (standard error says so).
//
// Without --pull the sound goes to SDL's audio device: run it with SDL_AUDIODRIVER=disk
// SDL_DISKAUDIOFILE=out.raw to capture what a player would hear (44100 Hz, S16LE, stereo).
// With --pull no device is opened: the samples are rendered as fast as possible into FILE.raw,
// in the same format, the same every time.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "host/sdl_audio.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Action {
  double ms;
  std::string kind, path;
};

struct Options {
  std::string pull;
  double seconds = 3;
  bool loop = false;
  std::vector<std::string> fonts;
  std::vector<Action> actions;
};

double MillisSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

bool ParseArgs(int argc, char **argv, Options &o) {
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    const int left = argc - i - 1;
    if (a == "--pull" && left >= 1) o.pull = argv[++i];
    else if (a == "--seconds" && left >= 1) o.seconds = std::atof(argv[++i]);
    else if (a == "--loop") o.loop = true;
    else if (a == "--font" && left >= 1) o.fonts.emplace_back(argv[++i]);
    else if ((a == "--sound" || a == "--music") && left >= 2) {
      o.actions.push_back({std::atof(argv[i + 1]), a.substr(2), argv[i + 2]});
      i += 2;
    } else if ((a == "--close" || a == "--rewind") && left >= 1) {
      o.actions.push_back({std::atof(argv[++i]), a.substr(2), ""});
    } else {
      return false;
    }
  }
  std::stable_sort(o.actions.begin(), o.actions.end(),
                   [](const Action &x, const Action &y) { return x.ms < y.ms; });
  return true;
}

// Runs one action and says how long the call took.
void Run(qel::SdlAudio &audio, const Action &a, double nowMs) {
  const auto start = Clock::now();
  bool ok = true;
  if (a.kind == "sound") audio.SoundPlay(a.path);
  if (a.kind == "music") ok = audio.MusicOpen(a.path) && audio.MusicPlay();
  if (a.kind == "close") audio.MusicClose();
  if (a.kind == "rewind") audio.MusicRewindAndPlay();
  std::printf("%8.1f ms  %s %s%s (the call took %.3f ms)\n", nowMs, a.kind.c_str(), a.path.c_str(),
              ok ? "" : " FAILED", MillisSince(start));
}

// Follows the piece: reports its stop, and restarts it as the music timer would.
struct MusicWatch {
  bool wasStopped = false;
  double lastPollMs = 0;
  void Check(qel::SdlAudio &audio, double nowMs, bool loop) {
    const bool stopped = audio.MusicStopped();
    if (stopped && !wasStopped) std::printf("%8.1f ms  the piece reports stopped\n", nowMs);
    wasStopped = stopped;
    if (loop && nowMs - lastPollMs >= 1000) {
      lastPollMs = nowMs;
      if (stopped) {
        audio.MusicRewindAndPlay();
        wasStopped = false;
        std::printf("%8.1f ms  music timer: restarted\n", nowMs);
      }
    }
  }
};

bool Audible(const std::int16_t *s, int n) {
  for (int i = 0; i < n; ++i) {
    if (std::abs(s[i]) > 33) return true;  // -60 dBFS
  }
  return false;
}

int Pull(qel::SdlAudio &audio, const Options &o) {
  std::FILE *out = std::fopen(o.pull.c_str(), "wb");
  if (!out) return std::fprintf(stderr, "audio_capture: cannot write %s\n", o.pull.c_str()), 1;
  constexpr int kChunk = 64;  // 1.45 ms: the timing of actions and of the first note
  std::int16_t buffer[2 * kChunk];
  const auto total = static_cast<long>(o.seconds * 44100);
  std::size_t next = 0;
  double musicAt = -1;
  MusicWatch watch;
  for (long frame = 0; frame < total; frame += kChunk) {
    const double now = static_cast<double>(frame) * 1000.0 / 44100;
    for (; next < o.actions.size() && o.actions[next].ms <= now; ++next) {
      Run(audio, o.actions[next], now);
      if (o.actions[next].kind == "music" || o.actions[next].kind == "rewind") musicAt = now;
    }
    watch.Check(audio, now, o.loop);
    audio.Render(buffer, kChunk);
    if (musicAt >= 0 && Audible(buffer, 2 * kChunk)) {
      std::printf("%8.1f ms  first sound, %.1f ms after the piece started\n", now, now - musicAt);
      musicAt = -1;
    }
    std::fwrite(buffer, sizeof buffer, 1, out);
  }
  std::fclose(out);
  return 0;
}

int Live(qel::SdlAudio &audio, const Options &o) {
  const auto start = Clock::now();
  std::size_t next = 0;
  MusicWatch watch;
  while (MillisSince(start) < o.seconds * 1000) {
    for (; next < o.actions.size() && o.actions[next].ms <= MillisSince(start); ++next) {
      Run(audio, o.actions[next], MillisSince(start));
    }
    watch.Check(audio, MillisSince(start), o.loop);
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  return 0;
}

}  // namespace

int main(int argc, char **argv) {
  Options o;
  if (!ParseArgs(argc, argv, o)) {
    std::fprintf(stderr,
                 "usage: audio_capture [--pull FILE.raw] [--seconds S] [--loop] [--font PATH] "
                 "[--sound MS FILE] [--music MS FILE] [--close MS] [--rewind MS]\n");
    return 2;
  }
  qel::SdlAudioOptions options;
  options.device = o.pull.empty();
  if (!o.fonts.empty()) options.soundfonts = o.fonts;
  // Sound effects alone need no synthesizer: start at once.
  const bool music =
      std::any_of(o.actions.begin(), o.actions.end(), [](const Action &a) { return a.kind == "music"; });
  if (!music) options.soundfonts.clear();
  const auto start = Clock::now();
  qel::SdlAudio audio(options);
  std::printf("audio host ready in %.1f ms\n", MillisSince(start));
  if (!audio.HasOutput()) return std::printf("no audio output\n"), 0;
  audio.synth()->WaitLoaded();
  std::printf("soundfont %s loaded in %.1f ms\n",
              audio.synth()->fontPath().empty() ? "(none)" : audio.synth()->fontPath().c_str(),
              audio.synth()->loadMillis());
  std::printf("the times below count from %.1f ms after the audio host was made\n", MillisSince(start));
  return o.pull.empty() ? Live(audio, o) : Pull(audio, o);
}
