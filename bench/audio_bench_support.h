// What the audio benchmarks share: the build's data and an audio host without a device.
#pragma once

#include <memory>
#include <string>

#include "host/sdl_audio.h"

namespace qel::bench {

inline const std::string kBuild = QELVANE_AUDIO_BUILD_DIR;
inline const std::string kTestMidi = kBuild + "/test-assets/test.mid";

// An audio host whose buffers the benchmark pulls itself, with its soundfont loaded.
inline std::unique_ptr<SdlAudio> PulledAudio() {
  SdlAudioOptions o;
  o.device = false;
  auto audio = std::make_unique<SdlAudio>(o);
  audio->synth()->WaitLoaded();
  return audio;
}

}  // namespace qel::bench
