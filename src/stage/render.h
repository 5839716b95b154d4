// Drawing one picture of play into DISPLAY.
#pragma once

namespace qel {

struct Game;

// copy 0: copy the finished picture to MSCREEN; any other value: leave it in DISPLAY.
void RenderGame(Game &g, int copy);

}  // namespace qel
