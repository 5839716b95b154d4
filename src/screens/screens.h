// State of the menu and story screens.
#pragma once

#include <array>
#include <string>

namespace qel {

struct Screens {
  std::array<std::string, 10> STAGENAME;
};

// The mission names of the mission select.
void SetStageNames(Screens &s);

}  // namespace qel
