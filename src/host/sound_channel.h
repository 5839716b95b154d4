// The one sound-effect channel: a new sound replaces the one that plays. The replaced sound is
// faded out over a few milliseconds instead of cut, so that rapid retriggers do not click.
#pragma once

#include <cstddef>
#include <vector>

namespace qel {

// A sound effect in the output's sample rate, mono, full scale +-1.
struct SoundClip {
  std::vector<float> samples;
};

class SoundChannel {
 public:
  static constexpr int kFadeFrames = 128;  // about 3 ms at 44.1 kHz

  // Starts the clip from its beginning in place of whatever plays (nullptr: just stops).
  void Play(const SoundClip *clip);
  bool Playing() const { return current_.clip != nullptr; }
  // Adds the channel, centred and scaled by gain, to frames of interleaved stereo.
  void MixInto(float *stereo, int frames, float gain = 1.0f);

 private:
  struct Voice {
    const SoundClip *clip = nullptr;
    std::size_t pos = 0;
    int fadeLeft = 0;  // above 0: fading out, this many frames to go
  };
  static void MixVoice(Voice &v, float *stereo, int frames, float gain);

  Voice current_;
  Voice fading_;
};

}  // namespace qel
