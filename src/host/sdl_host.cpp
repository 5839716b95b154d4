#include "host/sdl_host.h"

#include <SDL.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <thread>
#include <vector>

#include "host/input_map.h"
#include "host/menu_bar.h"
#include "host/screen_layout.h"
#include "host/screenshot.h"
#include "host/sdl_audio.h"
#include "host/sdl_joystick.h"
#include "platform/png_io.h"
#include "platform/surface.h"
#include "platform/text.h"

namespace qel {

// The key map speaks USB usage numbers; SDL promises its scancodes are the same.
static_assert(SDL_SCANCODE_A == usb::A && SDL_SCANCODE_Z == usb::Z);
static_assert(SDL_SCANCODE_1 == usb::Digit1 && SDL_SCANCODE_0 == usb::Digit0);
static_assert(SDL_SCANCODE_RETURN == usb::Enter && SDL_SCANCODE_ESCAPE == usb::Escape);
static_assert(SDL_SCANCODE_TAB == usb::Tab && SDL_SCANCODE_SPACE == usb::Space);
static_assert(SDL_SCANCODE_F1 == usb::F1 && SDL_SCANCODE_F12 == usb::F12);
static_assert(SDL_SCANCODE_RIGHT == usb::Right && SDL_SCANCODE_LEFT == usb::Left);
static_assert(SDL_SCANCODE_DOWN == usb::Down && SDL_SCANCODE_UP == usb::Up);
static_assert(SDL_SCANCODE_KP_ENTER == usb::KeypadEnter);
static_assert(SDL_SCANCODE_LSHIFT == usb::LeftShift && SDL_SCANCODE_RSHIFT == usb::RightShift);

namespace {

constexpr int kQueueSize = 256;
constexpr int kVirtualKeys = 256;
constexpr std::uint64_t kNoticeMs = 1000;  // how long the caption tells of a screenshot

using Clock = std::chrono::steady_clock;
// A wait on SDL's event queue can end a fraction of a millisecond late; the last stretch before
// a deadline is slept on the fine clock instead.
constexpr auto kFineStretch = std::chrono::microseconds(1500);

// A machine without a graphics device node has no OpenGL but the software kind: asking for it
// would only spend a tenth of a second to learn that.
bool NoGraphicsDevice() {
  std::error_code ignored;
  return !std::filesystem::exists("/dev/dri", ignored);
}

// Whether the OpenGL the renderer draws with is done in software (llvmpipe under Xvfb, in
// virtual machines and over remote X): then SDL's plain framebuffer costs less.
bool SoftwareOpenGl(SDL_Renderer *renderer) {
  SDL_RendererInfo info{};
  if (SDL_GetRendererInfo(renderer, &info) != 0 || std::strncmp(info.name, "opengl", 6) != 0) return false;
  using GetString = const unsigned char *(*)(unsigned int);
  auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
  constexpr unsigned int kGlRenderer = 0x1F01;
  const unsigned char *name = getString ? getString(kGlRenderer) : nullptr;
  if (!name) return false;
  const std::string gl(reinterpret_cast<const char *>(name));
  for (const char *soft : {"llvmpipe", "softpipe", "Software Rasterizer", "SWR", "swrast"})
    if (gl.find(soft) != std::string::npos) return true;
  return false;
}

SDL_Rect ToSdl(const PixelRect &r) { return SDL_Rect{r.x, r.y, r.w, r.h}; }

// SDL falls back to an invisible window when there is no display, unless asked for one.
bool NoDisplay() {
  const char *driver = SDL_GetCurrentVideoDriver();
  if (!driver) return true;
  const bool invisible = std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0;
  return invisible && !std::getenv("SDL_VIDEODRIVER");
}

// Events for the game, first in first out. Fixed size: nothing is allocated while playing.
class EventQueue {
 public:
  void Push(const HostEvent &ev) {
    if (count_ == kQueueSize) return;
    // One close request is enough (the close box and the quit that follows it).
    if (ev.kind == HostEvent::Kind::Close && closePending_) return;
    closePending_ |= ev.kind == HostEvent::Kind::Close;
    events_[(head_ + count_++) % kQueueSize] = ev;
  }
  bool Pop(HostEvent &ev) {
    if (count_ == 0) return false;
    ev = events_[head_];
    head_ = (head_ + 1) % kQueueSize;
    --count_;
    if (ev.kind == HostEvent::Kind::Close) closePending_ = false;
    return true;
  }

 private:
  std::array<HostEvent, kQueueSize> events_{};
  int head_ = 0;
  int count_ = 0;
  bool closePending_ = false;
};

class SdlHost final : public Host {
 public:
  explicit SdlHost(const SdlHostOptions &options);
  ~SdlHost() override;
  bool Open(std::string *error);

  std::uint64_t NowMs() override {
    return static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - clockBase_).count());
  }
  bool WaitEvent(HostEvent &ev, int timeoutMs) override;
  bool KeyDown(int vkCode) override;
  void Present(const Surface &mscreen) override;
  void SetFullScreen(bool on) override;
  void SetCaption(const std::string &text) override;
  void SetMenuEnabled(MenuItem item, bool enabled) override;
  void ShowCursor(bool visible) override;
  void MessageBox(const std::string &title, const std::string &text) override;
  int JoyCount() override { return joysticks_->Count(); }
  bool JoyRead(int id, JoyPos &pos) override { return joysticks_->Read(id, pos); }
  bool JoyGetCaps(int id, JoyCaps &caps) override { return joysticks_->GetCaps(id, caps); }
  bool MusicOpen(const std::string &path) override { return audio_->MusicOpen(path); }
  bool MusicPlay() override { return audio_->MusicPlay(); }
  void MusicClose() override { audio_->MusicClose(); }
  bool MusicStopped() override { return audio_->MusicStopped(); }
  void MusicRewindAndPlay() override { audio_->MusicRewindAndPlay(); }
  void MusicPrepare(const std::vector<std::string> &paths) override { audio_->MusicPrepare(paths); }
  void SoundPlay(const std::string &path) override { audio_->SoundPlay(path); }
  std::string UserDataDir() override;

 private:
  bool CreateWindowAndRenderer(std::string *error);
  SDL_Renderer *CreateRenderer();
  void LogPresent();
  bool CreateTextures();
  void DestroyTextures();
  void RecreateTextures();
  void Reupload();
  void Repaint();
  void UploadBar();
  void Translate(const SDL_Event &e);
  void OnWindowEvent(const SDL_WindowEvent &e);
  void OnKey(const SDL_KeyboardEvent &e);
  void OnMouseButton(const SDL_MouseButtonEvent &e);
  bool ToBar(int windowX, int windowY, int &x, int &y);
  void ReleaseAllKeys();
  void DrainSdlEvents();
  void OnDevices(const std::vector<HostEvent::Kind> &kinds);
  void FitBarToWindow();
  void TakeScreenshot(const Surface &picture);
  void ShowNotice(const std::string &text);
  void EndNotice();

  SdlHostOptions options_;
  int scale_;
  bool fullScreen_;
  bool videoUp_ = false;
  SDL_Window *window_ = nullptr;
  SDL_Renderer *renderer_ = nullptr;
  SDL_Texture *picture_ = nullptr;
  SDL_Texture *barTexture_ = nullptr;
  // The picture texture holds the last picture presented, which had this stamp.
  bool hasPicture_ = false;
  std::uint64_t shownStamp_ = 0;
  bool screenshotWanted_ = false;  // F12 was pressed: the next picture presented is saved
  MenuBar bar_;
  EventQueue queue_;
  std::array<int, kVirtualKeys> held_{};  // keys held, by virtual-key code (two Shift keys)
  std::array<bool, SDL_NUM_SCANCODES> scanHeld_{};
  std::unique_ptr<SdlJoysticks> joysticks_;
  std::unique_ptr<SdlAudio> audio_;
  std::string caption_;                               // what the game last asked the caption to say
  std::uint64_t noticeUntil_ = 0;                     // a notice shows in the caption until then (0: none)
  std::vector<std::thread> writers_;                  // screenshots being encoded
  const Clock::time_point clockBase_ = Clock::now();  // NowMs() counts from here
  std::FILE *pacingLog_ = nullptr;
  Clock::time_point lastPump_{};  // when SDL last gathered events
};

SdlHostOptions WithMenuFont(SdlHostOptions options) {
  std::string ignored;
  if (!options.text) options.text = TextRenderer::Open(TextRenderer::DefaultFontPath(), &ignored);
  return options;
}

SdlHost::SdlHost(const SdlHostOptions &options)
    : options_(WithMenuFont(options)),
      scale_(options.scale < 1 ? 1 : options.scale),
      fullScreen_(options.fullScreen),
      bar_(options_.text, scale_) {}

SdlHost::~SdlHost() {
  for (std::thread &t : writers_) t.join();
  if (pacingLog_) std::fclose(pacingLog_);
  audio_.reset();
  joysticks_.reset();
  DestroyTextures();
  if (renderer_) SDL_DestroyRenderer(renderer_);
  if (window_) SDL_DestroyWindow(window_);
  if (videoUp_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
  SDL_Quit();
}

bool SdlHost::Open(std::string *error) {
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "0");
  SDL_SetHint(SDL_HINT_RENDER_VSYNC, "0");  // the game paces itself
  SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    *error = std::string("cannot open a window: ") + SDL_GetError();
    return false;
  }
  videoUp_ = true;
  if (NoDisplay()) {
    *error = "cannot open a window: no display to show it on (is DISPLAY set?)";
    return false;
  }
  if (options_.scale == 0) {
    SDL_Rect desk{};
    if (SDL_GetDisplayUsableBounds(0, &desk) == 0) scale_ = LargestWindowScale(desk.w, desk.h);
    bar_ = MenuBar(options_.text, scale_);
  }
  if (!options_.pacingLog.empty() && !(pacingLog_ = std::fopen(options_.pacingLog.c_str(), "w"))) {
    *error = "cannot write " + options_.pacingLog + ": " + std::strerror(errno);
    return false;
  }
  if (!CreateWindowAndRenderer(error)) return false;
  // Letters must arrive as key events, not go to an input method.
  SDL_StopTextInput();
  joysticks_ = std::make_unique<SdlJoysticks>(options_.controllerMappings);
  audio_ = std::make_unique<SdlAudio>();
  audio_->SetVolumes(options_.musicVolume, options_.soundVolume);
  return true;
}

bool SdlHost::CreateWindowAndRenderer(std::string *error) {
  const WindowLayout layout = LayoutWindow(scale_);
  const Uint32 flags = SDL_WINDOW_RESIZABLE | (fullScreen_ ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
  window_ = SDL_CreateWindow("", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, layout.width, layout.height,
                             flags);
  if (window_) renderer_ = CreateRenderer();
  if (!renderer_ || !CreateTextures()) {
    *error = std::string("cannot open a window: ") + SDL_GetError();
    return false;
  }
  // Never smaller than the picture at 1x. Set once the renderer exists: on X11 an OpenGL renderer
  // makes the window anew, and the new one would not carry a limit set before.
  const WindowLayout smallest = LayoutWindow(1);
  SDL_SetWindowMinimumSize(window_, smallest.width, smallest.height);
  return true;
}

// The accelerated renderer on a real graphics device. Where OpenGL is software only (llvmpipe
// under Xvfb, in virtual machines, over remote X) SDL's own software renderer into the window's
// plain framebuffer costs a fraction of it. SDL_RENDER_DRIVER still chooses when it is set.
SDL_Renderer *SdlHost::CreateRenderer() {
  const bool chosen = std::getenv("SDL_RENDER_DRIVER") != nullptr;
  SDL_Renderer *renderer = nullptr;
  if (chosen || !NoGraphicsDevice()) {
    renderer = SDL_CreateRenderer(window_, -1, 0);
    if (renderer && !chosen && SoftwareOpenGl(renderer)) {
      SDL_DestroyRenderer(renderer);
      renderer = nullptr;
    }
  }
  if (!renderer) {
    // Else SDL would keep the framebuffer in an OpenGL texture on X11, software drawn again.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    renderer = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
  }
  return renderer;
}

bool SdlHost::CreateTextures() {
  const Surface &bar = bar_.Picture();
  picture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, kPictureSide,
                               kPictureSide);
  barTexture_ =
      SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, bar.w, bar.h);
  if (!picture_ || !barTexture_) return false;
  // The top byte of our pixels is zero, not an opacity.
  SDL_SetTextureBlendMode(picture_, SDL_BLENDMODE_NONE);
  SDL_SetTextureBlendMode(barTexture_, SDL_BLENDMODE_NONE);
  SDL_SetTextureScaleMode(picture_, options_.smooth ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
  SDL_SetTextureScaleMode(barTexture_, SDL_ScaleModeNearest);
  Reupload();
  return true;
}

// The renderer lost its textures' contents: the bar is drawn again now, the picture at the next
// present (the game presents at every pump).
void SdlHost::Reupload() {
  hasPicture_ = false;
  UploadBar();
  Repaint();
}

// The renderer lost the textures themselves.
void SdlHost::RecreateTextures() {
  DestroyTextures();
  CreateTextures();
}

void SdlHost::DestroyTextures() {
  if (picture_) SDL_DestroyTexture(picture_);
  if (barTexture_) SDL_DestroyTexture(barTexture_);
  picture_ = barTexture_ = nullptr;
}

void SdlHost::UploadBar() {
  const Surface &bar = bar_.Picture();
  SDL_UpdateTexture(barTexture_, nullptr, bar.px.data(), bar.w * static_cast<int>(sizeof(Pixel)));
}

// Draws the whole window from what it holds and shows it.
void SdlHost::Repaint() {
  int w = 0, h = 0;
  if (SDL_GetRendererOutputSize(renderer_, &w, &h) != 0 || w <= 0 || h <= 0) return;
  const WindowLayout layout = LayoutResizedWindow(w, h, options_.scaling);
  SDL_Rect dst = ToSdl(fullScreen_ ? LayoutFullScreen(w, h, options_.scaling).picture : layout.picture);
  // The black around the picture; a window of the picture's own size has none.
  const bool covered = !fullScreen_ && hasPicture_ && dst.x == 0 && dst.w == w && dst.y == layout.menuBar.h &&
                       dst.y + dst.h == h;
  if (!covered) {
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
  }
  if (!fullScreen_) {
    if (bar_.Dirty()) UploadBar();
    const SDL_Rect barRect = ToSdl(layout.menuBar);
    SDL_RenderCopy(renderer_, barTexture_, nullptr, &barRect);
    // A wider window: the bar's last column carries it to the right edge.
    if (layout.width > barRect.w) {
      const Surface &bar = bar_.Picture();
      const SDL_Rect edge{bar.w - 1, 0, 1, bar.h};
      const SDL_Rect rest{barRect.w, 0, layout.width - barRect.w, barRect.h};
      SDL_RenderCopy(renderer_, barTexture_, &edge, &rest);
    }
  }
  if (hasPicture_) SDL_RenderCopy(renderer_, picture_, nullptr, &dst);
  SDL_RenderPresent(renderer_);
}

void SdlHost::Present(const Surface &mscreen) {
  if (mscreen.w != kPictureSide || mscreen.h != kPictureSide) return;
  // Every pump presents; a picture that did not change needs no upload or swap.
  if (screenshotWanted_) TakeScreenshot(mscreen);
  if (hasPicture_ && mscreen.stamp == shownStamp_) return;
  shownStamp_ = mscreen.stamp;
  hasPicture_ = true;
  SDL_UpdateTexture(picture_, nullptr, mscreen.px.data(), kPictureSide * static_cast<int>(sizeof(Pixel)));
  Repaint();
  LogPresent();
}

void SdlHost::LogPresent() {
  if (!pacingLog_) return;
  const auto us = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now().time_since_epoch());
  std::fprintf(pacingLog_, "%lld\n", static_cast<long long>(us.count()));
}

void SdlHost::SetFullScreen(bool on) {
  if (on == fullScreen_) return;
  fullScreen_ = on;
  bar_.ForgetMouse();
  if (on) {
    SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP);
  } else {
    SDL_SetWindowFullscreen(window_, 0);
    const WindowLayout layout = LayoutWindow(scale_);
    SDL_SetWindowSize(window_, layout.width, layout.height);
    SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
  }
  Repaint();
}

void SdlHost::SetCaption(const std::string &text) {
  caption_ = text;
  if (noticeUntil_ == 0) SDL_SetWindowTitle(window_, text.c_str());
}

void SdlHost::ShowNotice(const std::string &text) {
  const std::string title = caption_.empty() ? text : caption_ + " - " + text;
  SDL_SetWindowTitle(window_, title.c_str());
  noticeUntil_ = NowMs() + kNoticeMs;
}

void SdlHost::EndNotice() {
  if (noticeUntil_ == 0 || NowMs() < noticeUntil_) return;
  noticeUntil_ = 0;
  SDL_SetWindowTitle(window_, caption_.c_str());
}

// F12: the 480 x 480 picture as the player sees it, written on a thread of its own so that the
// pass goes on at once.
void SdlHost::TakeScreenshot(const Surface &shown) {
  screenshotWanted_ = false;
  std::string error;
  const std::string path = ReserveScreenshotFile(options_.screenshotFolder, std::time(nullptr), &error);
  if (path.empty()) {
    std::fprintf(stderr, "qelvane: no screenshot: %s\n", error.c_str());
    ShowNotice("no screenshot: " + error);
    return;
  }
  writers_.emplace_back([path, picture = shown] {
    std::string why;
    if (!WritePng(path, picture, {}, &why))
      std::fprintf(stderr, "qelvane: cannot write %s: %s\n", path.c_str(), why.c_str());
  });
  ShowNotice("screenshot " + path.substr(path.rfind('/') + 1));
}

void SdlHost::SetMenuEnabled(MenuItem item, bool enabled) {
  bar_.SetEnabled(item, enabled);
  if (bar_.Dirty() && !fullScreen_) Repaint();
}

void SdlHost::ShowCursor(bool visible) { SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE); }

void SdlHost::MessageBox(const std::string &title, const std::string &text) {
  if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, title.c_str(), text.c_str(), window_) != 0) {
    std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
  }
}

std::string SdlHost::UserDataDir() {
  char *path = SDL_GetPrefPath("", "qelvane");
  if (!path) return "";
  std::string dir(path);
  SDL_free(path);
  return dir;
}

bool SdlHost::KeyDown(int vkCode) {
  return vkCode >= 0 && vkCode < kVirtualKeys && held_[static_cast<std::size_t>(vkCode)] > 0;
}

bool SdlHost::WaitEvent(HostEvent &ev, int timeoutMs) {
  EndNotice();
  if (queue_.Pop(ev)) return true;
  DrainSdlEvents();
  if (queue_.Pop(ev)) return true;
  if (timeoutMs <= 0) return false;
  // The wait ends the moment the millisecond clock reaches now + timeout.
  const Clock::time_point deadline =
      clockBase_ + std::chrono::milliseconds(NowMs() + static_cast<std::uint64_t>(timeoutMs));
  for (;;) {
    const Clock::time_point now = Clock::now();
    if (now >= deadline) return false;
    if (deadline - now <= kFineStretch) {
      // The last stretch: a precise sleep, then what arrived meanwhile.
      std::this_thread::sleep_until(deadline);
      DrainSdlEvents();
      return queue_.Pop(ev);
    }
    // Wake before the deadline; events the game does not see (mouse moves, repaints) wake us
    // early too, and we sleep again.
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - now - kFineStretch);
    SDL_Event e;
    if (SDL_WaitEventTimeout(&e, static_cast<int>(std::max<std::int64_t>(ms.count(), 1))) == 0) continue;
    Translate(e);
    DrainSdlEvents();
    if (queue_.Pop(ev)) return true;
  }
}

// Pumping asks the X server, the joysticks and the sensors; a pass drains several times, and
// once a millisecond is enough to see everything as soon as before.
void SdlHost::DrainSdlEvents() {
  const Clock::time_point now = Clock::now();
  if (now - lastPump_ >= std::chrono::milliseconds(1)) {
    SDL_PumpEvents();
    lastPump_ = now;
  }
  SDL_Event e;
  while (SDL_PeepEvents(&e, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0) Translate(e);
}

void SdlHost::Translate(const SDL_Event &e) {
  switch (e.type) {
    case SDL_QUIT: queue_.Push({HostEvent::Kind::Close}); break;
    case SDL_WINDOWEVENT: OnWindowEvent(e.window); break;
    case SDL_KEYDOWN:
    case SDL_KEYUP: OnKey(e.key); break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: OnMouseButton(e.button); break;
    case SDL_MOUSEMOTION: {
      int x = 0, y = 0;
      if (ToBar(e.motion.x, e.motion.y, x, y)) bar_.MouseMove(x, y);
      else bar_.MouseLeave();
      break;
    }
    case SDL_JOYDEVICEADDED:
    case SDL_JOYDEVICEREMOVED: {
      std::vector<HostEvent::Kind> kinds;
      if (e.type == SDL_JOYDEVICEADDED) joysticks_->Added(e.jdevice.which, &kinds);
      else joysticks_->Removed(e.jdevice.which, &kinds);
      OnDevices(kinds);
      break;
    }
    case SDL_RENDER_DEVICE_RESET: RecreateTextures(); break;
    case SDL_RENDER_TARGETS_RESET: Reupload(); break;
    default: break;
  }
  if (bar_.Dirty() && !fullScreen_) Repaint();
}

void SdlHost::OnDevices(const std::vector<HostEvent::Kind> &kinds) {
  for (HostEvent::Kind kind : kinds) queue_.Push({kind});
}

// A window made larger or smaller: the bar is drawn at the scale the window now allows.
void SdlHost::FitBarToWindow() {
  if (fullScreen_) return;
  int w = 0, h = 0;
  if (SDL_GetRendererOutputSize(renderer_, &w, &h) != 0 || w <= 0 || h <= 0) return;
  const int barScale = LayoutResizedWindow(w, h, options_.scaling).barScale;
  if (barScale == bar_.Scale()) return;
  MenuBar bar(options_.text, barScale);
  for (int i = 0; i < kMenuItems; ++i)
    bar.SetEnabled(static_cast<MenuItem>(i), bar_.Enabled(static_cast<MenuItem>(i)));
  bar_ = std::move(bar);
  if (barTexture_) SDL_DestroyTexture(barTexture_);
  const Surface &picture = bar_.Picture();
  barTexture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, picture.w,
                                  picture.h);
  if (!barTexture_) return;
  SDL_SetTextureBlendMode(barTexture_, SDL_BLENDMODE_NONE);
  SDL_SetTextureScaleMode(barTexture_, SDL_ScaleModeNearest);
  UploadBar();
}

void SdlHost::OnWindowEvent(const SDL_WindowEvent &e) {
  switch (e.event) {
    case SDL_WINDOWEVENT_CLOSE: queue_.Push({HostEvent::Kind::Close}); break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
      ReleaseAllKeys();
      if (options_.pauseOnFocusLoss) queue_.Push({HostEvent::Kind::FocusLost});
      break;
    case SDL_WINDOWEVENT_LEAVE: bar_.MouseLeave(); break;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
      bar_.ForgetMouse();
      FitBarToWindow();
      Repaint();
      break;
    case SDL_WINDOWEVENT_SHOWN:
    case SDL_WINDOWEVENT_EXPOSED:
    case SDL_WINDOWEVENT_RESTORED: Repaint(); break;
    default: break;
  }
}

void SdlHost::OnKey(const SDL_KeyboardEvent &e) {
  if (e.keysym.scancode == SDL_SCANCODE_F12) {
    if (e.type == SDL_KEYDOWN && !e.repeat) screenshotWanted_ = !options_.screenshotFolder.empty();
    return;
  }
  const int code = options_.keys.VirtualKey(e.keysym.scancode);
  if (code == 0 || code >= kVirtualKeys) return;
  bool &scan = scanHeld_[e.keysym.scancode];
  int &held = held_[static_cast<std::size_t>(code)];
  if (e.type == SDL_KEYDOWN) {
    if (!scan) ++held;
    scan = true;
    // Auto-repeat comes through as further key-downs, as the game expects.
    queue_.Push({HostEvent::Kind::KeyDown, code});
    return;
  }
  if (!scan) return;  // already released when the window lost the focus
  scan = false;
  // The other Shift key may still be down.
  if (--held == 0) queue_.Push({HostEvent::Kind::KeyUp, code});
}

void SdlHost::ReleaseAllKeys() {
  for (int code = 0; code < kVirtualKeys; ++code) {
    if (held_[static_cast<std::size_t>(code)] > 0) queue_.Push({HostEvent::Kind::KeyUp, code});
  }
  held_.fill(0);
  scanHeld_.fill(false);
}

// Window coordinates to the menu bar's pixels; false outside the bar or in full screen.
bool SdlHost::ToBar(int windowX, int windowY, int &x, int &y) {
  if (fullScreen_) return false;
  int ww = 0, wh = 0, pw = 0, ph = 0;
  SDL_GetWindowSize(window_, &ww, &wh);
  if (SDL_GetRendererOutputSize(renderer_, &pw, &ph) != 0 || ww <= 0 || wh <= 0) return false;
  x = windowX * pw / ww;
  y = windowY * ph / wh;
  return LayoutResizedWindow(pw, ph, options_.scaling).menuBar.Contains(x, y);
}

void SdlHost::OnMouseButton(const SDL_MouseButtonEvent &e) {
  if (e.button != SDL_BUTTON_LEFT) return;
  int x = -1, y = -1;
  ToBar(e.x, e.y, x, y);  // outside the bar the point matches no item
  if (e.type == SDL_MOUSEBUTTONDOWN) {
    bar_.MouseDown(x, y);
    return;
  }
  if (const std::optional<MenuItem> item = bar_.MouseUp(x, y)) {
    HostEvent ev;
    ev.kind = HostEvent::Kind::Menu;
    ev.menu = *item;
    queue_.Push(ev);
  }
}

}  // namespace

KeyNames SdlKeyNames() {
  KeyNames names;
  names.usage = [](const std::string &name) {
    const SDL_Scancode code = SDL_GetScancodeFromName(name.c_str());
    return code == SDL_SCANCODE_UNKNOWN ? 0 : static_cast<int>(code);
  };
  names.name = [](int usage) {
    if (usage <= 0 || usage >= SDL_NUM_SCANCODES) return std::string();
    return std::string(SDL_GetScancodeName(static_cast<SDL_Scancode>(usage)));
  };
  return names;
}

std::unique_ptr<Host> CreateSdlHost(const SdlHostOptions &options, std::string *error) {
  auto host = std::make_unique<SdlHost>(options);
  std::string message;
  if (!host->Open(&message)) {
    if (error) *error = message;
    return nullptr;
  }
  return host;
}

}  // namespace qel
