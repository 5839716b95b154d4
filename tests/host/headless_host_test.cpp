// The headless host: what it keeps of the pictures the game presents.
#include "host/headless_host.h"

#include <gtest/gtest.h>

#include "platform/surface.h"

namespace qel {
namespace {

// What it keeps of the pictures: a copy of each changed one, unless told to keep none.
TEST(HeadlessPictures, ACopyOfEachChangedPictureIsKeptOnlyWhenAskedFor) {
  HeadlessHost host;
  Surface picture(480, 480);
  FillBox(picture, 0, 0, 9, 9, 0xFF0000);
  host.Present(picture);
  EXPECT_EQ(host.lastFrame.px, picture.px);
  FillBox(picture, 0, 0, 9, 9, 0x00FF00);
  host.keepFrames = false;
  host.Present(picture);
  EXPECT_EQ(host.lastFrame.at(0, 0), 0xFF0000u);
  EXPECT_EQ(host.presents, 2u);
  host.keepFrames = true;
  host.Present(picture);
  EXPECT_EQ(host.lastFrame.at(0, 0), 0x00FF00u);
}

}  // namespace
}  // namespace qel
