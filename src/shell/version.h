// The game's version, written once: the window's caption, --version and the replay files use it.
#pragma once

// The number itself comes from the build (project(VERSION) in CMakeLists.txt), so the program,
// its package and its AppStream release can never disagree.
#ifndef QELVANE_VERSION
#error "QELVANE_VERSION is defined by the build"
#endif

namespace qel {

inline constexpr char kGameVersion[] = QELVANE_VERSION;
inline constexpr char kGameCaption[] = "QELVANE Der" QELVANE_VERSION;

}  // namespace qel
