#include "host/screen_layout.h"

#include <algorithm>

namespace qel {

WindowLayout LayoutWindow(int scale) {
  const int s = std::max(scale, 1);
  WindowLayout l;
  l.width = kPictureSide * s;
  l.height = (kMenuBarHeight + kPictureSide) * s;
  l.barScale = s;
  l.menuBar = {0, 0, l.width, kMenuBarHeight * s};
  l.picture = {0, kMenuBarHeight * s, kPictureSide * s, kPictureSide * s};
  return l;
}

int LargestWindowScale(int width, int height) {
  return std::max(1, std::min(width / kPictureSide, height / (kMenuBarHeight + kPictureSide)));
}

WindowLayout LayoutResizedWindow(int width, int height, Scaling scaling) {
  WindowLayout l;
  if (width <= 0 || height <= 0) return l;
  const int s = LargestWindowScale(width, height);
  l.width = width;
  l.height = height;
  l.barScale = s;
  l.menuBar = {0, 0, kPictureSide * s, kMenuBarHeight * s};
  const int roomH = std::max(height - l.menuBar.h, 0);
  int side = scaling == Scaling::Fit ? std::min(width, roomH)
                                     : kPictureSide * std::max(1, std::min(width, roomH) / kPictureSide);
  l.picture = {(width - side) / 2, l.menuBar.h + (roomH - side) / 2, side, side};
  return l;
}

namespace {

// The largest canvas of its shape that fits the output.
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

FullScreenLayout LayoutFullScreen(int outputWidth, int outputHeight, Scaling scaling) {
  FullScreenLayout l;
  if (outputWidth <= 0 || outputHeight <= 0) return l;
  const int factor = std::min(outputWidth / kCanvasWidth, outputHeight / kCanvasHeight);
  int w = kCanvasWidth * factor;
  int h = kCanvasHeight * factor;
  if (factor < 1 || scaling == Scaling::Fit) ShrinkCanvas(outputWidth, outputHeight, w, h);
  l.canvas = {(outputWidth - w) / 2, (outputHeight - h) / 2, w, h};
  // The picture is as high as the canvas and sits in its middle.
  l.picture = {l.canvas.x + (w - h) / 2, l.canvas.y, h, h};
  return l;
}

}  // namespace qel
