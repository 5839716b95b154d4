#include "game.h"

namespace qel {

Game::Game(Host &h, std::shared_ptr<const SheetSet> sheetSet, std::shared_ptr<TextRenderer> textRenderer,
           GameConfig cfg)
    : host(h),
      config(std::move(cfg)),
      sheets(std::move(sheetSet)),
      text(std::move(textRenderer)),
      rng(config.seed) {}

double Rnd(Game &g) {
  // 53 random bits make every double in [0, 1) equally likely on the 2^-53 grid.
  return static_cast<double>(g.rng() >> 11) * (1.0 / 9007199254740992.0);
}

}  // namespace qel
