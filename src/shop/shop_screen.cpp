#include "shop/shop_screen.h"

#include <cstdio>

#include "game.h"
#include "hud/hud.h"
#include "platform/sound.h"
#include "shell/shell.h"
#include "shop/shop.h"

namespace qel {

namespace {

constexpr int kKeeperX = 260, kKeeperY = 50;

// One AND-XOR copy of a TOKU cell through its mask.
void MaskedCopy(Game &g, Surface &dst, int index, int sx, int w, int h, int x, int y) {
  BitBlt(dst, x, y, w, h, g.sheet(Family::TOKUM, index), sx, 0, Rop::And);
  BitBlt(dst, x, y, w, h, g.sheet(Family::TOKU, index), sx, 0, Rop::Xor);
}

void Panels(Surface &d, bool outlines) {
  struct Box {
    int x1, y1, x2, y2, colour;
  };
  static constexpr Box kBoxes[] = {{10, 330, 470, 430, 1}, {10, 50, 250, 320, 1}, {260, 50, 470, 320, 2}};
  for (const Box &b : kBoxes) {
    if (outlines) DrawBox(d, b.x1, b.y1, b.x2, b.y2, QBColor(15));
    else FillBox(d, b.x1, b.y1, b.x2, b.y2, QBColor(b.colour));
  }
}

// "----" for an item that cannot be had, otherwise the price with at least four digits.
void DrawPriceBox(Game &g, int price, int x, int y) {
  Surface &d = g.surf.DISPLAY;
  FillBox(d, x + 45, y + 7, x + 95, y + 24, QBColor(0));
  DrawBox(d, x + 45, y + 7, x + 95, y + 24, QBColor(15));
  char text[16] = "----";
  if (price >= 0) std::snprintf(text, sizeof text, "%04d", price);
  DrawText(g, d, text, 15, 15, x + 50, y + 8, 1);
}

void DrawGrid(Game &g) {
  const Shop &shop = g.shop;
  for (int row = 0; row <= 5; ++row)
    for (int col = 0; col <= 1; ++col) {
      int x = 25 + 110 * col, y = 70 + 40 * row, k = shop.SHOPITEM[col][row];
      BitBlt(g.surf.DISPLAY, x, y, 32, 32, g.sheet(Family::IT, k), 0, 0, Rop::Copy);
      if (row <= 3) DrawPriceBox(g, shop.PRICE[k], x, y);
    }
}

}  // namespace

void SetFace(Game &g, Face face) {
  auto &f = g.shop.FACE;
  f[0] = face.brows, f[1] = face.eyes, f[2] = face.mouth;
}

void FullRedraw(Game &g) {
  Surface &d = g.surf.DISPLAY;
  Cls(d);
  Panels(d, false);
  BitBlt(d, kKeeperX, kKeeperY, 210, 270, g.sheet(Family::HAI, 13), 0, 0, Rop::Copy);
  DrawKeeper(g);
  Panels(d, true);
  DrawGrid(g);
  DrawHud(g);
}

// The portrait covers the face features of the last expression, so the new ones go on clean skin.
void DrawKeeper(Game &g) {
  Surface &d = g.surf.DISPLAY;
  const auto &face = g.shop.FACE;
  MaskedCopy(g, d, 38, 0, 210, 270, kKeeperX, kKeeperY);
  MaskedCopy(g, d, 39, 64 * face[0], 64, 9, 330, 94);
  MaskedCopy(g, d, 40, 62 * face[1], 62, 13, 331, 102);
  MaskedCopy(g, d, 41, 17 * face[2], 17, 8, 353, 129);
  DrawBox(d, kKeeperX, kKeeperY, 470, 320, QBColor(15));
}

void PresentShop(Game &g) {
  Cls(g.surf.MSCREEN);
  BitBlt(g.surf.MSCREEN, 0, 0, 480, 480, g.surf.DISPLAY, 0, 0, Rop::Copy);
}

void DrawCursorFrame(Game &g, int x, int y) { MaskedCopy(g, g.surf.MSCREEN, 42, 0, 32, 32, x, y); }

void DrawItemPanel(Game &g, int k) {
  Surface &m = g.surf.MSCREEN;
  const Shop &shop = g.shop;
  BitBlt(m, 30, 340, 32, 32, g.sheet(Family::IT, k), 0, 0, Rop::Copy);
  DrawText(g, m, shop.ITEMNAME[k], 15, 11, 80, 350, 0);
  DrawText(g, m, shop.ITEMDESC[k], 15, 15, 20, 380, 0);
  DrawText(g, m, shop.ITEMDESC[29 + k], 15, 15, 20, 400, 0);
}

void KeeperSays(Game &g, Face face, const char *text, const MessageLook &look) {
  SetFace(g, face);
  DrawKeeper(g);
  PresentShop(g);
  if (look.sound != kSoundNone) PlaySound(g, look.sound);
  DrawText(g, g.surf.MSCREEN, text, 20, look.colour, look.x, 350, 1);
  ModalWait(g, look.waitMs);
}

// The arrow shows "▽" for four steps and "▼" for three.
void DialogueLoop(Game &g, const std::string &line1, const std::string &line2) {
  Input &in = g.input;
  int &step = g.shop.FACE[5];
  step = 0;
  for (;;) {
    ReadInput(g);
    if (Pressed(in, kPadShot)) {
      in.PADOLD[kPadShot] = 1;
      return;
    }
    PresentShop(g);
    DrawText(g, g.surf.MSCREEN, line1, 20, 15, 20, 350, 1);
    DrawText(g, g.surf.MSCREEN, line2, 20, 15, 20, 370, 1);
    DrawText(g, g.surf.MSCREEN, step <= 3 ? "▽" : "▼", 20, 15, 240, 400, 0);
    if (++step > 6) step = 0;
    in.PADOLD[kPadShot] = in.PAD[kPadShot];
    ModalWait(g, 100);
  }
}

}  // namespace qel
