#include "host/sound_channel.h"

namespace qel {

void SoundChannel::Play(const SoundClip *clip) {
  if (current_.clip) {
    fading_ = current_;
    fading_.fadeLeft = kFadeFrames;
  }
  current_ = Voice{};
  if (clip && !clip->samples.empty()) current_.clip = clip;
}

void SoundChannel::MixVoice(Voice &v, float *stereo, int frames, float gain) {
  if (!v.clip) return;
  const std::vector<float> &s = v.clip->samples;
  for (int i = 0; i < frames && v.pos < s.size(); ++i) {
    float x = s[v.pos++] * gain;
    if (v.fadeLeft > 0) {
      x *= static_cast<float>(v.fadeLeft) / (kFadeFrames + 1);
      if (--v.fadeLeft == 0) v.pos = s.size();
    }
    stereo[2 * i] += x;
    stereo[2 * i + 1] += x;
  }
  if (v.pos >= s.size()) v = Voice{};
}

void SoundChannel::MixInto(float *stereo, int frames, float gain) {
  MixVoice(fading_, stereo, frames, gain);
  MixVoice(current_, stereo, frames, gain);
}

}  // namespace qel
