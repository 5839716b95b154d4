// The game's version, written once: the window's caption, --version and the replay files use it.
#pragma once

#define QELVANE_VERSION "1.3"

namespace qel {

inline constexpr char kGameVersion[] = QELVANE_VERSION;
inline constexpr char kGameCaption[] = "QELVANE Der" QELVANE_VERSION;

}  // namespace qel
