// The program's icon for the desktop: the ZOZE as the game draws it, level and nose up.
#pragma once

#include <string>
#include <vector>

#include "art/canvas.h"

namespace qel::art {

// The icon at size px square: the player's level frame of 32 x 32 scaled by a whole number,
// pixel for pixel, on a transparent background (alpha 0 or 255, nothing in between).
// size must be a multiple of 32.
Canvas AppIcon(int size);

// Writes DIR/SIZE.png for each of sizes (multiples of 32).
bool WriteAppIcons(const std::string &dir, const std::vector<int> &sizes, std::string *error);

}  // namespace qel::art
