// The room behind the keeper: the shop deck of the supply ship. Steel wall panels under a warm
// ceiling light, a porthole onto space and the blue rim of a planet at her right (picture left),
// and shelves of goods at her left. It stays darker and cooler than she is, so that she stands out.
#include <cmath>
#include <cstdint>

#include "art/keeper_kit.h"
#include "art/registry.h"

namespace qel::art::keeper {
namespace {

constexpr Ramp kSteel = {Rgb(10, 14, 28), Rgb(22, 30, 50),  Rgb(34, 46, 72),
                         Rgb(46, 60, 92), Rgb(66, 84, 120), Rgb(104, 124, 160)};
constexpr Ramp kCrate = {Rgb(40, 18, 6),    Rgb(96, 44, 16),   Rgb(150, 76, 28),
                         Rgb(196, 110, 44), Rgb(232, 150, 70), Rgb(252, 200, 120)};
constexpr Ramp kCan = {Rgb(8, 30, 24),    Rgb(20, 64, 52),    Rgb(36, 102, 80),
                       Rgb(56, 140, 104), Rgb(100, 184, 138), Rgb(170, 226, 190)};

// A box lit from the top left: light top and left edges, dark bottom and right ones, an outline.
void Block(Canvas &c, int x, int y, int w, int h, const Ramp &r) {
  c.fillRect(x, y, w, h, r[0]);
  c.fillRect(x + 1, y + 1, w - 2, h - 2, r[2]);
  c.fillRect(x + 1, y + 1, w - 2, 1, r[4]);
  c.fillRect(x + 1, y + 1, 1, h - 2, r[3]);
  c.fillRect(x + 2, y + h - 2, w - 3, 1, r[1]);
  c.fillRect(x + w - 2, y + 2, 1, h - 3, r[1]);
}

// The wall: panels in rows, lit from the ceiling and falling off towards the floor.
void Wall(Canvas &c) {
  for (int y = 0; y < c.h; ++y)
    for (int x = 0; x < c.w; ++x) {
      double v = 1.0 - y / 300.0 + (BayerRank(x, y) / 16.0 - 0.5) * 0.12;
      c.set(x, y, v > 0.78 ? kSteel[4] : v > 0.45 ? kSteel[3] : kSteel[2]);
    }
  for (int y : {34, 98, 162, 226}) {
    c.fillRect(0, y, c.w, 1, kSteel[1]);
    c.fillRect(0, y + 1, c.w, 1, kSteel[5]);
  }
  for (int x : {52, 104, 156})
    for (int y = 0; y < c.h; ++y) {
      c.set(x, y, kSteel[1]);
      c.set(x + 1, y, kSteel[4]);
    }
  for (int y : {38, 94, 102, 158, 166, 222, 230})
    for (int x : {4, 48, 56, 100, 108, 152, 160, 204}) {
      c.set(x, y, kSteel[5]);
      c.set(x + 1, y + 1, kSteel[1]);
    }
}

void CeilingLight(Canvas &c) {
  c.fillRect(0, 0, c.w, 9, kSteel[1]);
  for (int x = 8; x < c.w - 8; x += 50) {
    c.fillRect(x, 2, 36, 5, Rgb(255, 224, 150));
    c.fillRect(x, 2, 36, 1, Rgb(255, 250, 220));
    c.fillRect(x, 6, 36, 1, Rgb(220, 160, 80));
  }
  c.fillRect(0, 9, c.w, 1, kSteel[0]);
}

// Stars from a fixed seed, so every build draws the same sky.
void Stars(Canvas &c, int cx, int cy, int r) {
  std::uint32_t s = 0x9E3779B9u;
  for (int i = 0; i < 40; ++i) {
    s = s * 1664525u + 1013904223u;
    int x = cx - r + static_cast<int>((s >> 8) % static_cast<std::uint32_t>(2 * r));
    s = s * 1664525u + 1013904223u;
    int y = cy - r + static_cast<int>((s >> 8) % static_cast<std::uint32_t>(2 * r));
    if (std::hypot(x - cx, y - cy) < r - 2) c.set(x, y, i % 5 == 0 ? Rgb(255, 255, 255) : Rgb(150, 170, 220));
  }
}

void Porthole(Canvas &c, int cx, int cy, int r) {
  c.fillCircle(cx, cy, r + 5, kSteel[0]);
  c.fillCircle(cx - 0.5, cy - 0.5, r + 4, kSteel[5]);
  c.fillCircle(cx + 0.5, cy + 0.5, r + 3.5, kSteel[2]);
  c.fillCircle(cx, cy, r + 3, kSteel[3]);
  c.fillCircle(cx, cy, r, Rgb(6, 8, 24));
  Stars(c, cx, cy, r);
  // The planet's rim low in the window, with its air glowing at the edge.
  for (int y = cy - r; y <= cy + r; ++y)
    for (int x = cx - r; x <= cx + r; ++x) {
      if (std::hypot(x + 0.5 - cx, y + 0.5 - cy) > r) continue;
      double d = std::hypot(x + 0.5 - (cx - 30), y + 0.5 - (cy + 70)) - 72;
      if (d < 0) c.set(x, y, d > -3 ? Rgb(120, 210, 240) : d > -8 ? Rgb(44, 120, 190) : Rgb(28, 72, 140));
      else if (d < 2) c.set(x, y, Rgb(48, 90, 150));
    }
  for (int a = 0; a < 8; ++a) {
    double t = a * 3.14159265 / 4;
    c.fillCircle(cx + (r + 2) * std::cos(t), cy + (r + 2) * std::sin(t), 1, kSteel[5]);
  }
  // A glint on the glass.
  c.line(cx - r * 0.55, cy - r * 0.25, cx - r * 0.25, cy - r * 0.55, 1, Rgb(90, 110, 150));
}

void Shelf(Canvas &c, int x, int y, int w) {
  c.fillRect(x, y, w, 4, kSteel[5]);
  c.fillRect(x, y + 1, w, 2, kSteel[4]);
  c.fillRect(x, y + 4, w, 2, kSteel[0]);
}

// Goods on the shelves at the keeper's left: crates, canisters and a small green plant.
void Goods(Canvas &c) {
  Shelf(c, 150, 70, 60);
  Block(c, 158, 50, 20, 20, kCrate);
  c.fillRect(160, 58, 16, 2, kCrate[5]);
  Block(c, 180, 56, 14, 14, kCrate);
  for (int x : {196, 203}) Block(c, x, 54, 7, 16, kCan);
  Shelf(c, 150, 132, 60);
  Block(c, 162, 114, 14, 18, kCan);
  Block(c, 176, 118, 12, 14, kCan);
  Block(c, 190, 108, 18, 24, kCrate);
  c.fillRect(192, 118, 14, 2, kCrate[5]);
  Shelf(c, 150, 196, 60);
  c.fillRect(186, 186, 14, 10, kCrate[2]);
  c.fillRect(186, 186, 14, 1, kCrate[4]);
  for (int i = 0; i < 9; ++i) {
    double a = -2.6 + 0.6 * i;
    c.line(193, 186, 193 + 10 * std::cos(a), 186 + 9 * std::sin(a), 2, i % 2 ? kCan[4] : kCan[3]);
  }
  Block(c, 160, 176, 20, 20, kCrate);
}

// The status lights of the deck.
void Lamps(Canvas &c) {
  for (int i = 0; i < 4; ++i) c.fillRect(6, 120 + 6 * i, 3, 3, i == 2 ? Rgb(255, 96, 80) : Rgb(96, 240, 160));
}

}  // namespace

ART_SHEET(HAI13) {
  Wall(c);
  CeilingLight(c);
  Porthole(c, 30, 66, 34);
  Goods(c);
  Lamps(c);
}

}  // namespace qel::art::keeper
