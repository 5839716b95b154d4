// The one wipe of the game: a grid of lines growing denser in five steps.
#pragma once

namespace qel {

struct Game;

// A wipe takes this many steps, each a modal wait (and so a pass for scripts).
constexpr int kWipeSteps = 5;

// 0 fade to black, 1 reveal DISPLAY, 3 fade to white; any other kind does nothing.
void Transition(Game &g, int kind);

}  // namespace qel
