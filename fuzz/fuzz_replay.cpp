// Replay files: anything is decoded or refused; what decodes is written again to a file that
// decodes to the same replay.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "replay/replay_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  qel::Replay replay;
  std::string error;
  if (!qel::DecodeReplay(std::string(reinterpret_cast<const char *>(data), size), &replay, &error)) {
    if (error.empty()) std::abort();
    return 0;
  }
  const std::string again = qel::EncodeReplay(replay);
  qel::Replay second;
  if (!qel::DecodeReplay(again, &second, &error)) std::abort();
  if (qel::EncodeReplay(second) != again) std::abort();
  return 0;
}
