// The window's host on SDL's offscreen driver: its clock and waits, and F12.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "host/sdl_host.h"
#include "platform/png_io.h"
#include "platform/surface.h"
#include "support/test_game.h"

namespace qel {
namespace {

class SdlHostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ownDriver_ = std::getenv("SDL_VIDEODRIVER") == nullptr;
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
  }
  void TearDown() override {
    if (ownDriver_) unsetenv("SDL_VIDEODRIVER");
  }
  std::unique_ptr<Host> Open(const std::string &screenshots = "") {
    SdlHostOptions options;
    options.text = test::SharedText();
    options.screenshotFolder = screenshots;
    std::string error;
    std::unique_ptr<Host> host = CreateSdlHost(options, &error);
    EXPECT_TRUE(host) << error;
    return host;
  }
  bool ownDriver_ = false;
};

// The game's pace rests on this: a pass lasts until the millisecond clock has reached its end.
TEST_F(SdlHostTest, AWaitLastsUntilTheMillisecondClockReachesItsEnd) {
  std::unique_ptr<Host> host = Open();
  ASSERT_TRUE(host);
  HostEvent ev;
  while (host->WaitEvent(ev, 0)) {}
  for (int ms : {1, 2, 5, 16, 31}) {
    const std::uint64_t start = host->NowMs();
    EXPECT_FALSE(host->WaitEvent(ev, ms));
    EXPECT_GE(host->NowMs(), start + static_cast<std::uint64_t>(ms)) << ms;
  }
}

// F12 saves the picture presented next: the one on the screen, or the same one again.
TEST_F(SdlHostTest, F12SavesThePictureShown) {
  test::TempDir folder;
  Surface picture(480, 480);
  FillBox(picture, 10, 20, 200, 300, 0x12AB34);
  {
    std::unique_ptr<Host> host = Open(folder.path());
    ASSERT_TRUE(host);
    host->Present(picture);
    for (Uint32 type : {SDL_KEYDOWN, SDL_KEYUP}) {
      SDL_Event key{};
      key.type = type;
      key.key.keysym.scancode = SDL_SCANCODE_F12;
      key.key.keysym.sym = SDLK_F12;
      ASSERT_EQ(SDL_PushEvent(&key), 1) << SDL_GetError();
    }
    HostEvent ev;
    while (host->WaitEvent(ev, 0)) {}
    host->Present(picture);  // unchanged: not uploaded again, but still saved
  }                          // the host waits for its screenshot writers
  int files = 0;
  for (const auto &entry : std::filesystem::directory_iterator(folder.path())) {
    ++files;
    Surface saved;
    std::string error;
    ASSERT_TRUE(ReadPng(entry.path().string(), saved, nullptr, &error)) << error;
    EXPECT_EQ(saved.px, picture.px);
  }
  EXPECT_EQ(files, 1);
}

}  // namespace
}  // namespace qel
