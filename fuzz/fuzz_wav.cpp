// Sound effects: any bytes are decoded to a clip or refused.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "host/sdl_audio.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  auto clip = qel::DecodeWav(data, size, 44100);
  if (clip)
    for (float s : clip->samples)
      if (std::isnan(s)) std::abort();
  return 0;
}
