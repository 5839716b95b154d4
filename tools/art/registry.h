// Procedural art: each generator draws one sheet, named like its file ("TOKU4", "EN18", "PL").
#pragma once

#include <string>
#include <vector>

#include "art/canvas.h"

namespace qel::art {

using DrawFn = void (*)(Canvas &);

struct Generator {
  std::string sheet;
  DrawFn draw;
};

std::vector<Generator> &Generators();

struct RegisterArt {
  RegisterArt(const char *sheet, DrawFn draw) { Generators().push_back({sheet, draw}); }
};

// Place at namespace scope in a file of tools/art/: ART_SHEET(TOKU4) { ... draws into c ... }
#define ART_SHEET(NAME)                                               \
  static void Draw_##NAME(::qel::art::Canvas &c);                     \
  static ::qel::art::RegisterArt register_##NAME(#NAME, Draw_##NAME); \
  static void Draw_##NAME(::qel::art::Canvas &c)

}  // namespace qel::art
