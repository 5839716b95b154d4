// Where the 480 x 480 picture goes in the window and on a full screen.
#pragma once

namespace qel {

struct PixelRect {
  int x = 0, y = 0, w = 0, h = 0;
  bool Contains(int px, int py) const { return px >= x && py >= y && px < x + w && py < y + h; }
  bool operator==(const PixelRect &o) const {
    return x == o.x && y == o.y && w == o.w && h == o.h;
  }
};

constexpr int kPictureSide = 480;
// The menu bar above the picture, in unscaled pixels.
constexpr int kMenuBarHeight = 20;
// The old full-screen mode was a 640 x 480 screen with the picture in its middle (x = 80).
constexpr int kCanvasWidth = 640;
constexpr int kCanvasHeight = 480;

// Window mode: the menu bar on top, the picture below it, both `scale` times their size.
struct WindowLayout {
  int width = 0, height = 0;
  PixelRect menuBar;
  PixelRect picture;
};
WindowLayout LayoutWindow(int scale);

// Full screen: the 640 x 480 canvas fitted to the output, by the largest whole factor when
// one fits, otherwise shrunk keeping its shape; centred, black around.
struct FullScreenLayout {
  PixelRect canvas;
  PixelRect picture;
};
FullScreenLayout LayoutFullScreen(int outputWidth, int outputHeight);

}  // namespace qel
