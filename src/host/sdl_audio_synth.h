// The music synthesizer: FluidSynth with one General MIDI soundfont, loaded once, on a thread of
// its own so that nothing waits for it. Until the font is in, the synthesizer is not Ready and
// the music holds still; a font that cannot be found or loaded leaves the music silent.
// Only the samples of the instruments in use are held in memory: those the pieces choose are
// loaded ahead (Pin), off the audio thread, which would otherwise stall to read them.
#pragma once

#include <atomic>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "host/music_sequencer.h"

typedef struct _fluid_hashtable_t fluid_settings_t;
typedef struct _fluid_synth_t fluid_synth_t;

namespace qel {

// The soundfonts tried in order: $QELVANE_SOUNDFONT when set, then the Debian paths.
std::vector<std::string> SoundfontCandidates();

class FluidSynthSink : public MidiSink {
 public:
  enum class State { Loading, Ready, Failed };

  // Starts loading at once; the fonts are tried in order, the first that loads is kept. With
  // no font to try the music is silent without a word (tools that play only sounds).
  FluidSynthSink(int sampleRate, std::vector<std::string> fonts);
  ~FluidSynthSink() override;
  FluidSynthSink(const FluidSynthSink &) = delete;
  FluidSynthSink &operator=(const FluidSynthSink &) = delete;

  State state() const { return state_.load(std::memory_order_acquire); }
  // Blocks until the load has ended (for tools and tests).
  State WaitLoaded();
  // Once loaded: the font in use and how long the load took.
  const std::string &fontPath() const { return fontPath_; }
  double loadMillis() const { return loadMillis_; }

  // Loads and keeps the samples of these (bank, programme) pairs: on the loader thread before
  // the synthesizer is Ready when told in time, else on a thread of their own.
  void Pin(std::set<std::pair<int, int>> programmes);

  void Send(const MidiEvent &ev, const std::uint8_t *sysex) override;
  void ReleaseAll() override;
  void Reset() override;
  // Once no voice has sounded and the effects' tail has been inaudible for half a second, the
  // synthesizer rests (silence, no work) until the next message arrives.
  void Render(float *stereo, int frames) override;
  bool Resting() const;

 private:
  void Load(int sampleRate, const std::vector<std::string> &fonts);
  bool TryFont(const std::string &path);
  void PinNow(const std::set<std::pair<int, int>> &programmes);

  fluid_settings_t *settings_ = nullptr;
  fluid_synth_t *synth_ = nullptr;
  std::string fontPath_;
  double loadMillis_ = 0;
  int fontId_ = -1;
  int quietFrames_ = 0;  // frames rendered since anything could be heard (audio thread)
  std::atomic<State> state_{State::Loading};
  std::mutex pinMutex_;
  std::set<std::pair<int, int>> toPin_;  // told while the font loads
  bool fontLoaded_ = false;              // the loader has taken toPin_
  std::thread loader_;
  std::thread pinner_;
};

}  // namespace qel
