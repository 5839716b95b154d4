// The headless input script: any text is read or refused with a message, never more.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "host/headless_host.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const std::string text(reinterpret_cast<const char *>(data), size);
  std::vector<qel::ScriptedEvent> events;
  std::string error;
  const bool ok = qel::ParseInputScript(text, &events, &error);
  if (!ok && error.empty()) std::abort();       // a refusal always says why
  if (!ok && error.size() > 200) std::abort();  // and briefly
  return 0;
}
