// The game's own call for text, on the renderer the Game holds. Kept apart from the renderer so
// that the art tools, which draw text too, do not depend on the Game.
#include "game.h"
#include "platform/text.h"

namespace qel {

void DrawText(Game &g, Surface &target, const std::string &text, int size, int colour, int x, int y,
              int italic) {
  g.text->Draw(target, text, size, QBColor(colour), x, y, italic == 1);
}

}  // namespace qel
