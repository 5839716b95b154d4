// The window's menu bar. SDL has no native one, so we draw it: a light-grey strip with the
// three items, clicked with the mouse like a classic desktop menu bar.
#pragma once

#include <array>
#include <memory>
#include <optional>

#include "host/host.h"
#include "host/screen_layout.h"
#include "platform/surface.h"

namespace qel {

class TextRenderer;

class MenuBar {
 public:
  // Without a text renderer the items keep their places but show no labels.
  MenuBar(std::shared_ptr<TextRenderer> text, int scale);

  int Scale() const { return scale_; }
  const PixelRect &ItemRect(MenuItem item) const { return items_[Index(item)]; }
  bool Enabled(MenuItem item) const { return enabled_[Index(item)]; }
  void SetEnabled(MenuItem item, bool enabled);

  // Mouse position and buttons in bar pixels (the bar's top-left corner is 0, 0).
  void MouseMove(int x, int y);
  void MouseLeave();
  void MouseDown(int x, int y);
  // The item chosen: the button went up over the enabled item it went down on.
  std::optional<MenuItem> MouseUp(int x, int y);
  // Forgets the mouse, as when the bar is hidden.
  void ForgetMouse();

  // Whether the look changed since the picture was last drawn.
  bool Dirty() const { return dirty_; }
  // The bar's picture, redrawn first if its look changed.
  const Surface &Picture();

 private:
  static int Index(MenuItem item) { return static_cast<int>(item); }
  int ItemAt(int x, int y) const;
  void LayOutItems(int scale);
  void Draw();
  void DrawItem(int i);
  void DrawLabel(int i, int dx, int dy);

  std::shared_ptr<TextRenderer> text_;
  int scale_;
  int textSize_;
  Surface picture_;
  std::array<PixelRect, kMenuItems> items_{};
  std::array<bool, kMenuItems> enabled_{};
  int hover_ = -1;
  int pressed_ = -1;
  bool dirty_ = true;
};

}  // namespace qel
