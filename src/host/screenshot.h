// Screenshot files: qelvane_YYYY-MM-DD_HH-MM-SS.png in the player's folder, never overwriting.
#pragma once

#include <ctime>
#include <string>

namespace qel {

// The file name for a screenshot taken at this local time; the n-th of the same second (n > 1)
// gets "_n" before ".png".
std::string ScreenshotName(const std::tm &local, int n);

// Creates the folder when needed and the next free screenshot file in it, empty, so that no other
// screenshot can take the name while this one is written. Returns its path, or "" with the
// reason in *error.
std::string ReserveScreenshotFile(const std::string &folder, std::time_t when, std::string *error);

}  // namespace qel
