// The heads-up display over the play field.
#pragma once

namespace qel {

struct Game;

void DrawHud(Game &g);

}  // namespace qel
