#include "art/registry.h"

namespace qel::art {

std::vector<Generator> &Generators() {
  static std::vector<Generator> generators;  // filled by the ART_SHEET registrations
  return generators;
}

}  // namespace qel::art
