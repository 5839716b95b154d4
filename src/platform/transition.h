// The one wipe of the game: a grid of lines growing denser in five steps.
#pragma once

namespace qel {

struct Game;

// 0 fade to black, 1 reveal DISPLAY, 3 fade to white; any other kind does nothing.
void Transition(Game &g, int kind);

}  // namespace qel
