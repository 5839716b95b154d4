// Reading and writing RGBA PNG files for the art tools.
#pragma once

#include <string>

#include "art/canvas.h"

namespace qel::art {

bool ReadRgbaPng(const std::string &path, Canvas &out, std::string *error);

}  // namespace qel::art
