#include "game.h"
#include "platform/random.h"
#include "stage/stage.h"

namespace qel {

namespace {

constexpr int kStarSpeedRange[6][2] = {{1, 3}, {2, 7}, {3, 10}, {5, 14}, {10, 15}, {15, 20}};

int StarSpeed(Game &g) {
  int s = g.stage.STARSPEED;
  if (s < 0 || s > 5) s = 0;
  return RandomRange(g, kStarSpeedRange[s][0], kStarSpeedRange[s][1]);
}

// The near layer seen through its mask at row `sub`: where a star is set before the layer goes
// over it, the picture ends as (star & mask) ^ near.
struct Through {
  const Surface *mask = nullptr, *near = nullptr;
  int sub = 0;
};

// Draws every star at its place, then moves it on.
void StarsThrough(Game &g, const Through &layer) {
  static constexpr int kNewStarColour[3] = {14, 15, 11};
  Surface &d = g.surf.DISPLAY;
  auto set = [&](int x, int y, Pixel c) {
    if (layer.near && d.contains(x, y)) {
      const int ly = y + layer.sub;
      if (layer.mask->contains(x, ly) && layer.near->contains(x, ly))
        c = (c & layer.mask->at(x, ly)) ^ layer.near->at(x, ly);
    }
    SetPixelV(d, x, y, c);
  };
  for (int i = 0; i < kStarCount; ++i) {
    Star &s = g.stage.STAR[i];
    Pixel c = QBColor(s.SC);
    set(s.SX, s.SY, c);
    set(s.SX, s.SY + 1, c);
    set(s.SX + 1, s.SY, c);
    set(s.SX + 1, s.SY + 1, c);
    s.SY += s.SV;
    if (s.SY > 480) {
      s.SY = 0;
      s.SX = RandomRange(g, 1, 479);
      s.SV = StarSpeed(g);
      s.SC = kNewStarColour[RandomRange(g, 0, 2)];
    }
  }
}

// The background as it is drawn, step by step, with the passes over the whole picture that
// change nothing left out: the clear before a far layer that covers it, and separate passes
// for what lies under the near layer. The clear or the far layer, the stars over it and the
// near layer become one pass, with each star's pixels seen through the near layer.
class Background {
 public:
  Background(Game &g, bool clearFirst) : g_(g), clear_(clearFirst) {}
  ~Background() { Settle(); }

  void Far() { farPending_ = true; }

  void Stars() {
    if (farPending_ || clear_)
      starsPending_ = true;  // drawn with the near layer, or when the next step needs them
    else StarsThrough(g_, {});
  }

  void Near() {
    Surface &d = g_.surf.DISPLAY;
    const Surface &mask = g_.surf.MASTER[2], &near = g_.surf.MASTER[1];
    const int sub = g_.stage.LSUB[kNear];
    const int farSub = g_.stage.LSUB[kFar];
    const bool nearCovers = Covers(mask, 0, sub, d) && Covers(near, 0, sub, d);
    if (farPending_ && nearCovers && Covers(g_.surf.MASTER[0], 0, farSub, d)) {
      BlitLayers(d, g_.surf.MASTER[0], farSub, mask, near, sub);
    } else if (!farPending_ && clear_ && nearCovers && d.clearColour == 0) {
      BitBlt(d, 0, 0, 480, 480, near, 0, sub, Rop::Copy);  // (0 & mask) ^ near
    } else {
      Settle();
      BitBlt2(d, 0, 0, 480, 480, mask, near, 0, sub, Rop::And, Rop::Xor);
      return;
    }
    farPending_ = clear_ = false;
    if (starsPending_) StarsThrough(g_, {&mask, &near, sub});
    starsPending_ = false;
  }

  // A large picture of the HAI family through its mask.
  void Picture(int mask, int colour, int w, int h, int x, Rop maskRop, Rop colourRop) {
    Settle();
    int y = g_.stage.LROW[kPicture];
    BitBlt2(g_.surf.DISPLAY, x, y, w, h, g_.sheet(Family::HAI, mask), g_.sheet(Family::HAI, colour), 0, 0,
            maskRop, colourRop);
  }

  // The prepared menu page over the stars, at the given height.
  void Page(int y) {
    Settle();
    BitBlt2(g_.surf.DISPLAY, 0, y, 480, 480, g_.surf.MASTER[2], g_.surf.MASTER[1], 0, 0, Rop::And, Rop::Xor);
  }

 private:
  // Draws what is still owed, in order: the clear, the far layer, the stars.
  void Settle() {
    Surface &d = g_.surf.DISPLAY;
    if (farPending_) {
      int farSub = g_.stage.LSUB[kFar];
      if (clear_ && !Covers(g_.surf.MASTER[0], 0, farSub, d)) Cls(d);
      BitBlt(d, 0, 0, 480, 480, g_.surf.MASTER[0], 0, farSub, Rop::Copy);
    } else if (clear_) {
      Cls(d);
    }
    if (starsPending_) StarsThrough(g_, {});
    farPending_ = clear_ = starsPending_ = false;
  }

  Game &g_;
  bool clear_;
  bool farPending_ = false;
  bool starsPending_ = false;
};

}  // namespace

void ComposeBackground(Game &g, int stage, bool clearFirst) {
  Background b(g, clearFirst);
  int t = g.stage.STAGETIME;
  switch (stage) {
    case 1:
      b.Far();
      b.Stars();
      b.Near();
      break;
    case 2:
    case 8:
      b.Far();
      b.Near();
      break;
    case 3:
      b.Stars();
      b.Picture(10, 4, 200, 186, 0, Rop::And, Rop::Xor);
      b.Near();
      break;
    case 4:
      b.Far();
      if (t < 550) b.Stars();
      b.Near();
      break;
    case 5:
      b.Far();
      if (t < 50 || t > 2849) b.Stars();
      if (t > 2849) b.Picture(11, 3, 300, 279, 200, Rop::And, Rop::Xor);
      b.Near();
      break;
    case 6:
      b.Far();
      if (t > 2799) b.Picture(8, t <= 2801 ? 7 : 9, 480, 257, 0, Rop::Or, Rop::And);
      b.Near();
      break;
    case 7:
      if (t > 3900) b.Far();
      if (t < 400) b.Stars();
      b.Near();
      break;
    case 9:
    case 11: b.Stars(); break;
    case 10: b.Far(); break;
    case 15:
      b.Stars();
      b.Page(0);
      break;
    case 16:
      b.Stars();
      b.Page(g.stage.LROW[kNear]);
      break;
    default: break;
  }
}

void DrawStars(Game &g) { StarsThrough(g, {}); }

void InitStars(Game &g) {
  static constexpr int kStarColour[3] = {15, 14, 11};
  for (int i = 0; i < kStarCount; ++i) {
    Star &s = g.stage.STAR[i];
    s.SX = RandomRange(g, 1, 479);
    s.SY = RandomRange(g, 1, 479);
    s.SV = StarSpeed(g);
    s.SC = kStarColour[RandomRange(g, 0, 2)];
  }
}

}  // namespace qel
