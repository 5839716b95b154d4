// Where the 480 x 480 picture goes in the window and on a full screen.
#pragma once

namespace qel {

struct PixelRect {
  int x = 0, y = 0, w = 0, h = 0;
  bool Contains(int px, int py) const { return px >= x && py >= y && px < x + w && py < y + h; }
  bool operator==(const PixelRect &o) const { return x == o.x && y == o.y && w == o.w && h == o.h; }
};

constexpr int kPictureSide = 480;
// The menu bar above the picture, in unscaled pixels.
constexpr int kMenuBarHeight = 20;
// The old full-screen mode was a 640 x 480 screen with the picture in its middle (x = 80).
constexpr int kCanvasWidth = 640;
constexpr int kCanvasHeight = 480;

// How the picture fills more room than it needs: by whole multiples of its size, or as large
// as fits (then not every pixel is the same size).
enum class Scaling { Integer, Fit };

// Window mode: the menu bar on top, the picture below it, both `scale` times their size.
struct WindowLayout {
  int width = 0, height = 0;
  int barScale = 1;   // the menu bar is drawn this many times its size
  PixelRect menuBar;  // the bar's own picture; the strip to its right is filled with its last column
  PixelRect picture;
};
WindowLayout LayoutWindow(int scale);

// A window the player resized to width x height: the menu bar along the top at the largest whole
// scale at which bar and picture fit (at least 1), the picture centred on black below it.
WindowLayout LayoutResizedWindow(int width, int height, Scaling scaling);

// The largest whole scale whose window (menu bar and picture) fits in width x height; at least 1.
int LargestWindowScale(int width, int height);

// Full screen: the 640 x 480 canvas fitted to the output, by the largest whole factor when
// one fits (or, with Scaling::Fit, as large as fits), otherwise shrunk keeping its shape;
// centred, black around.
struct FullScreenLayout {
  PixelRect canvas;
  PixelRect picture;
};
FullScreenLayout LayoutFullScreen(int outputWidth, int outputHeight, Scaling scaling = Scaling::Integer);

}  // namespace qel
