// Reading and writing RGBA PNG files for the art tools.
#pragma once

#include <string>

#include "art/canvas.h"

namespace qel::art {

bool ReadRgbaPng(const std::string &path, Canvas &out, std::string *error);
// Writes the canvas with its alpha channel; the file holds nothing but the pixels (no time).
bool WriteRgbaPng(const std::string &path, const Canvas &c, std::string *error);

}  // namespace qel::art
