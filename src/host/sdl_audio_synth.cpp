#include "host/sdl_audio_synth.h"

#include <fluidsynth.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>

namespace qel {

namespace {

// FluidR3 first: of Debian's General MIDI fonts it sounds the fullest and loads in 0.15 to 0.3 s
// (145 MB). TimGM6mb loads in 40 ms but sounds dull and band-limited; MuseScore's Lite font takes
// 2 to 4 s and plays 7 dB softer. default-GM is whatever the system chose.
const char *const kSoundfonts[] = {
    "/usr/share/sounds/sf2/FluidR3_GM.sf2",
    "/usr/share/sounds/sf2/TimGM6mb.sf2",
    "/usr/share/sounds/sf3/MuseScore_General_Lite.sf3",
    "/usr/share/sounds/sf2/default-GM.sf2",
    "/usr/share/sounds/sf3/default-GM.sf3",
};

constexpr double kSynthGain = 0.3;  // a full arrangement peaks near -5 dBFS, under the effects
constexpr int kChannels = 16;
// Below a third of the last bit of 16-bit sound: what rounds to silence at any volume.
constexpr float kInaudible = 1.0f / 100000.0f;
// How long the reverb's tail must have stayed inaudible, with no voice sounding, before the
// synthesizer is left alone until the next message.
constexpr int kQuietFramesToRest = 22050;

// A SoundFont 2 or 3 file is a RIFF file of form "sfbk". Checking this first keeps other files
// away from FluidSynth's loaders, which complain loudly about them.
bool LooksLikeSoundfont(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  char head[12] = {};
  if (!in.read(head, sizeof head)) return false;
  return std::memcmp(head, "RIFF", 4) == 0 && std::memcmp(head + 8, "sfbk", 4) == 0;
}

// FluidSynth's own chatter would go to standard error; only its errors matter to us.
void QuietLog() {
  fluid_set_log_function(FLUID_WARN, nullptr, nullptr);
  fluid_set_log_function(FLUID_INFO, nullptr, nullptr);
  fluid_set_log_function(FLUID_DBG, nullptr, nullptr);
  fluid_set_log_function(FLUID_ERR, nullptr, nullptr);
}

}  // namespace

std::vector<std::string> SoundfontCandidates() {
  std::vector<std::string> fonts;
  const char *chosen = std::getenv("QELVANE_SOUNDFONT");
  if (chosen && *chosen) fonts.emplace_back(chosen);
  for (const char *path : kSoundfonts) fonts.emplace_back(path);
  return fonts;
}

FluidSynthSink::FluidSynthSink(int sampleRate, std::vector<std::string> fonts)
    : loader_([this, sampleRate, f = std::move(fonts)] { Load(sampleRate, f); }) {}

FluidSynthSink::~FluidSynthSink() {
  if (loader_.joinable()) loader_.join();
  if (pinner_.joinable()) pinner_.join();
  if (synth_) delete_fluid_synth(synth_);
  if (settings_) delete_fluid_settings(settings_);
}

FluidSynthSink::State FluidSynthSink::WaitLoaded() {
  if (loader_.joinable()) loader_.join();
  return state();
}

void FluidSynthSink::Load(int sampleRate, const std::vector<std::string> &fonts) {
  const auto start = std::chrono::steady_clock::now();
  QuietLog();
  settings_ = new_fluid_settings();
  if (settings_) {
    fluid_settings_setnum(settings_, "synth.sample-rate", sampleRate);
    fluid_settings_setnum(settings_, "synth.gain", kSynthGain);
    // Samples are read when an instrument is chosen, not all 140 MB of the font at once.
    fluid_settings_setint(settings_, "synth.dynamic-sample-loading", 1);
    synth_ = new_fluid_synth(settings_);
  }
  bool loaded = false;
  for (const std::string &path : fonts) {
    if (synth_ && TryFont(path)) {
      loaded = true;
      break;
    }
  }
  std::set<std::pair<int, int>> programmes;
  {
    std::lock_guard<std::mutex> lock(pinMutex_);
    programmes.swap(toPin_);
    fontLoaded_ = true;
  }
  if (loaded) PinNow(programmes);
  loadMillis_ = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  if (!loaded && !fonts.empty()) {
    std::fprintf(stderr,
                 "qelvane: no General MIDI soundfont could be loaded (install fluid-soundfont-gm "
                 "or set QELVANE_SOUNDFONT); the music is silent\n");
  }
  state_.store(loaded ? State::Ready : State::Failed, std::memory_order_release);
}

// A font that loads but lacks the piano is not a General MIDI font: it would play silence.
bool FluidSynthSink::TryFont(const std::string &path) {
  if (!LooksLikeSoundfont(path)) return false;
  const int id = fluid_synth_sfload(synth_, path.c_str(), 1);
  if (id == FLUID_FAILED) return false;
  fluid_sfont_t *font = fluid_synth_get_sfont_by_id(synth_, id);
  if (font && fluid_sfont_get_preset(font, 0, 0)) {
    fontPath_ = path;
    fontId_ = id;
    return true;
  }
  fluid_synth_sfunload(synth_, id, 1);
  return false;
}

void FluidSynthSink::Pin(std::set<std::pair<int, int>> programmes) {
  {
    std::lock_guard<std::mutex> lock(pinMutex_);
    if (!fontLoaded_) {
      toPin_.merge(programmes);
      return;
    }
  }
  if (pinner_.joinable()) pinner_.join();
  pinner_ = std::thread([this, p = std::move(programmes)] {
    // The loader may still be readying the pieces it was told of.
    while (state() == State::Loading) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    if (state() == State::Ready) PinNow(p);
  });
}

// An instrument the font lacks is skipped: choosing it plays nothing, as it would anyway.
void FluidSynthSink::PinNow(const std::set<std::pair<int, int>> &programmes) {
  for (const auto &[bank, programme] : programmes) fluid_synth_pin_preset(synth_, fontId_, bank, programme);
}

void FluidSynthSink::Send(const MidiEvent &ev, const std::uint8_t *sysex) {
  if (state() != State::Ready) return;
  quietFrames_ = 0;
  const int ch = ev.status & 0x0F;
  switch (ev.status & 0xF0) {
    case 0x80: fluid_synth_noteoff(synth_, ch, ev.data1); break;
    case 0x90: fluid_synth_noteon(synth_, ch, ev.data1, ev.data2); break;
    case 0xA0: fluid_synth_key_pressure(synth_, ch, ev.data1, ev.data2); break;
    case 0xB0: fluid_synth_cc(synth_, ch, ev.data1, ev.data2); break;
    case 0xC0: fluid_synth_program_change(synth_, ch, ev.data1); break;
    case 0xD0: fluid_synth_channel_pressure(synth_, ch, ev.data1); break;
    case 0xE0: fluid_synth_pitch_bend(synth_, ch, ev.data2 << 7 | ev.data1); break;
    default:
      if (ev.status == 0xF0 && sysex) {
        fluid_synth_sysex(synth_, reinterpret_cast<const char *>(sysex), static_cast<int>(ev.sysexLength),
                          nullptr, nullptr, nullptr, 0);
      }
  }
}

void FluidSynthSink::ReleaseAll() {
  if (state() != State::Ready) return;
  for (int ch = 0; ch < kChannels; ++ch) {
    fluid_synth_cc(synth_, ch, 64, 0);  // sustain
    fluid_synth_cc(synth_, ch, 66, 0);  // sostenuto
    fluid_synth_all_notes_off(synth_, ch);
  }
}

// Notes already sounding keep their release, so that a piece restarting over its own tail
// does not click.
void FluidSynthSink::Reset() {
  if (state() != State::Ready) return;
  ReleaseAll();
  for (int ch = 0; ch < kChannels; ++ch) {
    fluid_synth_cc(synth_, ch, 121, 0);  // reset all controllers
    fluid_synth_cc(synth_, ch, 0, 0);    // bank
    fluid_synth_cc(synth_, ch, 32, 0);
    fluid_synth_program_change(synth_, ch, 0);
    fluid_synth_cc(synth_, ch, 7, 100);  // volume
    fluid_synth_cc(synth_, ch, 10, 64);  // pan
    fluid_synth_cc(synth_, ch, 91, 40);  // reverb send
    fluid_synth_cc(synth_, ch, 93, 0);   // chorus send
    fluid_synth_pitch_wheel_sens(synth_, ch, 2);
  }
}

bool FluidSynthSink::Resting() const { return quietFrames_ >= kQuietFramesToRest; }

void FluidSynthSink::Render(float *stereo, int frames) {
  if (state() != State::Ready) {
    std::memset(stereo, 0, sizeof(float) * 2 * static_cast<std::size_t>(frames));
    return;
  }
  if (Resting()) {
    std::memset(stereo, 0, sizeof(float) * 2 * static_cast<std::size_t>(frames));
    return;
  }
  fluid_synth_write_float(synth_, frames, stereo, 0, 2, stereo, 1, 2);
  bool silent = fluid_synth_get_active_voice_count(synth_) == 0;
  for (int i = 0; silent && i < 2 * frames; ++i) silent = std::fabs(stereo[i]) < kInaudible;
  quietFrames_ = silent ? quietFrames_ + frames : 0;
}

}  // namespace qel
