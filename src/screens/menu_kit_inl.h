// The page-pair template of menu_kit.h.
#pragma once

#include "game.h"

namespace qel {

template <typename DrawPage>
void DrawPagePair(Game &g, DrawPage draw) {
  draw(PageSide{g.surf.MASTER[1], false});
  draw(PageSide{g.surf.MASTER[2], true});
}

}  // namespace qel
