// Reading and writing the PNG files of sheets and screenshots.
#pragma once

#include <map>
#include <string>

#include "platform/surface.h"

namespace qel {

// Writes the surface as an 8-bit RGB PNG. Text entries become tEXt chunks.
bool WritePng(const std::string &path, const Surface &s, const std::map<std::string, std::string> &text = {},
              std::string *error = nullptr);
// Reads an RGB or RGBA PNG (alpha ignored) into out; its tEXt chunks into *text when given.
bool ReadPng(const std::string &path, Surface &out, std::map<std::string, std::string> *text = nullptr,
             std::string *error = nullptr);

}  // namespace qel
