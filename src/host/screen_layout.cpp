#include "host/screen_layout.h"

#include <algorithm>

namespace qel {

WindowLayout LayoutWindow(int scale) {
  const int s = std::max(scale, 1);
  WindowLayout l;
  l.width = kPictureSide * s;
  l.height = (kMenuBarHeight + kPictureSide) * s;
  l.menuBar = {0, 0, l.width, kMenuBarHeight * s};
  l.picture = {0, kMenuBarHeight * s, kPictureSide * s, kPictureSide * s};
  return l;
}

namespace {

// The canvas size on an output too small for it at 1:1.
void ShrinkCanvas(int outW, int outH, int &w, int &h) {
  if (outW * kCanvasHeight <= outH * kCanvasWidth) {
    w = outW;
    h = outW * kCanvasHeight / kCanvasWidth;
  } else {
    h = outH;
    w = outH * kCanvasWidth / kCanvasHeight;
  }
}

}  // namespace

FullScreenLayout LayoutFullScreen(int outputWidth, int outputHeight) {
  FullScreenLayout l;
  if (outputWidth <= 0 || outputHeight <= 0) return l;
  const int factor = std::min(outputWidth / kCanvasWidth, outputHeight / kCanvasHeight);
  int w = kCanvasWidth * factor;
  int h = kCanvasHeight * factor;
  if (factor < 1) ShrinkCanvas(outputWidth, outputHeight, w, h);
  l.canvas = {(outputWidth - w) / 2, (outputHeight - h) / 2, w, h};
  // The picture is as high as the canvas and sits in its middle.
  l.picture = {l.canvas.x + (w - h) / 2, l.canvas.y, h, h};
  return l;
}

}  // namespace qel
