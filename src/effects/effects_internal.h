// What the effect files share among themselves.
#pragma once

namespace qel {

struct Game;
struct Effect;

// A message drawn as text: where, how large, its colours and how long it stays.
struct TextEffectKind {
  int kind;
  int x, y, size;
  int colour;      // the colour it appears in
  int altColour;   // the colour it blinks to; 0 for a steady text
  int blinkAbove;  // the blink counter switches the colour when it passes this
  int lastFrame;   // the text goes once its age passes this
  const char *text;
};

const TextEffectKind *FindTextKind(int kind);

// Frees the slot of an effect that has run its course.
void EndEffect(Effect &e);
// The supply ship: drifts down the field and opens the shop when the ship touches it.
void UpdateShopShip(Game &g, Effect &e);

}  // namespace qel
