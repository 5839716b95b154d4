#include "host/menu_bar.h"

#include <algorithm>
#include <string>
#include <utility>

#include "platform/text.h"

namespace qel {

namespace {

const std::string &Label(int i) {
  static const std::string labels[kMenuItems] = {"全画面", "リセット", "終了"};
  return labels[i];
}

// The classic desktop colours: button face, its light and dark edges, the text.
constexpr Pixel kFace = 0xD4D0C8;
constexpr Pixel kLight = 0xFFFFFF;
constexpr Pixel kShadow = 0x808080;
constexpr Pixel kText = 0x000000;

constexpr int kTextSize = 12;
constexpr int kItemPadding = 7;

int CodePoints(const std::string &utf8) {
  int n = 0;
  for (char c : utf8) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return n;
}

// A one-`t`-pixel frame: `topLeft` on the top and left sides, `bottomRight` on the others.
void DrawEdge(Surface &s, const PixelRect &r, int t, Pixel topLeft, Pixel bottomRight) {
  const int x2 = r.x + r.w - 1, y2 = r.y + r.h - 1;
  FillBox(s, r.x, r.y, x2, r.y + t - 1, topLeft);
  FillBox(s, r.x, r.y, r.x + t - 1, y2, topLeft);
  FillBox(s, r.x, y2 - t + 1, x2, y2, bottomRight);
  FillBox(s, x2 - t + 1, r.y, x2, y2, bottomRight);
}

}  // namespace

MenuBar::MenuBar(std::shared_ptr<TextRenderer> text, int scale)
    : text_(std::move(text)),
      scale_(std::max(scale, 1)),
      textSize_(kTextSize * scale_),
      picture_(kPictureSide * scale_, kMenuBarHeight * scale_, kFace) {
  enabled_.fill(true);
  LayOutItems(scale_);
}

void MenuBar::LayOutItems(int scale) {
  int x = 0;
  for (int i = 0; i < kMenuItems; ++i) {
    const int textW = text_ ? text_->Width(Label(i), textSize_, false) : CodePoints(Label(i)) * textSize_;
    const int w = textW + 2 * kItemPadding * scale;
    items_[i] = {x, scale, w, (kMenuBarHeight - 2) * scale};
    x += w;
  }
}

void MenuBar::SetEnabled(MenuItem item, bool enabled) {
  bool &e = enabled_[Index(item)];
  dirty_ |= e != enabled;
  e = enabled;
}

int MenuBar::ItemAt(int x, int y) const {
  for (int i = 0; i < kMenuItems; ++i) {
    if (items_[i].Contains(x, y)) return i;
  }
  return -1;
}

void MenuBar::MouseMove(int x, int y) {
  const int at = ItemAt(x, y);
  dirty_ |= at != hover_;
  hover_ = at;
}

void MenuBar::MouseLeave() {
  dirty_ |= hover_ != -1;
  hover_ = -1;
}

void MenuBar::MouseDown(int x, int y) {
  MouseMove(x, y);
  pressed_ = hover_;
  dirty_ = true;
}

std::optional<MenuItem> MenuBar::MouseUp(int x, int y) {
  MouseMove(x, y);
  const int was = std::exchange(pressed_, -1);
  dirty_ = true;
  if (was < 0 || was != hover_ || !enabled_[was]) return std::nullopt;
  return static_cast<MenuItem>(was);
}

void MenuBar::ForgetMouse() {
  dirty_ |= hover_ != -1 || pressed_ != -1;
  hover_ = pressed_ = -1;
}

const Surface &MenuBar::Picture() {
  if (dirty_) Draw();
  dirty_ = false;
  return picture_;
}

void MenuBar::Draw() {
  Fill(picture_, kFace);
  for (int i = 0; i < kMenuItems; ++i) DrawItem(i);
}

void MenuBar::DrawItem(int i) {
  const PixelRect &r = items_[i];
  // A disabled item never lights up; a pressed one sinks while the mouse is over it.
  const bool sunken = enabled_[i] && pressed_ == i && hover_ == i;
  const bool raised = enabled_[i] && hover_ == i && pressed_ < 0;
  if (sunken) DrawEdge(picture_, r, scale_, kShadow, kLight);
  if (raised) DrawEdge(picture_, r, scale_, kLight, kShadow);
  const int shift = sunken ? scale_ : 0;
  DrawLabel(i, shift, shift);
}

void MenuBar::DrawLabel(int i, int dx, int dy) {
  if (!text_) return;
  const int x = items_[i].x + kItemPadding * scale_ + dx;
  const int y = (picture_.h - textSize_) / 2 + dy;
  if (enabled_[i]) {
    text_->Draw(picture_, Label(i), textSize_, kText, x, y, false);
    return;
  }
  // Greyed the classic way: grey text over a white copy one pixel down and right.
  text_->Draw(picture_, Label(i), textSize_, kLight, x + scale_, y + scale_, false);
  text_->Draw(picture_, Label(i), textSize_, kShadow, x, y, false);
}

}  // namespace qel
