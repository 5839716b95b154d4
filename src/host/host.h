// What the game needs from the machine it runs on, and nothing more.
// The game library only ever talks to this interface; SdlHost and HeadlessHost implement it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qel {

struct Surface;

// Key codes are the old virtual-key numbers the game was written against.
namespace vk {
constexpr int Tab = 9, Shift = 16, Esc = 27, Space = 32;
constexpr int Left = 37, Up = 38, Right = 39, Down = 40;
constexpr int F1 = 112, F2 = 113;
constexpr int A = 65;  // letters A..Z are 65..90
constexpr int Z = 90;
// What the four button keys send: SHOT, CHANGE, BOMB and PAUSE, whichever keys they are bound to.
constexpr int kButtonKeys[4] = {'Z', 'X', 'C', Shift};
}  // namespace vk

// The three items of the window's menu bar.
enum class MenuItem { FullScreen = 0, Reset = 1, Quit = 2 };
constexpr int kMenuItems = 3;

struct HostEvent {
  // FocusLost: the window no longer has the keyboard (its held keys are already released).
  // PadAdded: a pad became the one in use (JoyCount and JoyRead now see it as device 0).
  // PadRemoved: the pad in use was pulled out.
  enum class Kind { None, KeyDown, KeyUp, Menu, Close, FocusLost, PadAdded, PadRemoved };
  static constexpr Kind kLastKind = Kind::PadRemoved;
  Kind kind = Kind::None;
  int key = 0;                           // KeyDown / KeyUp: virtual-key code
  MenuItem menu = MenuItem::FullScreen;  // Menu
};

// Who began a pass: the main loop, or code that holds the loop in a modal wait (a wipe step, the
// shop's loop). Only a main-loop pass starts with nothing of the game's code on the stack.
enum class PassKind { Main, Modal };

struct JoyPos {
  int x = 0, y = 0;
  std::uint32_t buttons = 0;  // bit 0 = button 1
};

struct JoyCaps {
  int xmin = 0, xmax = 65535, ymin = 0, ymax = 65535;
  int buttons = 4;
};

class Host {
 public:
  virtual ~Host() = default;

  // Monotonic milliseconds since some fixed point; never wraps in practice.
  virtual std::uint64_t NowMs() = 0;
  // Takes the next pending event. With none pending, sleeps up to timeoutMs for one
  // (0 = just look). Returns false when the time ran out without an event.
  virtual bool WaitEvent(HostEvent &ev, int timeoutMs) = 0;
  // Told at the start of every counted pass (scripted hosts key their input to it).
  virtual void BeginPass(std::uint64_t pass, PassKind kind) { (void)pass, (void)kind; }

  // Whether the key is held at this moment (the game's asynchronous key state).
  virtual bool KeyDown(int vkCode) = 0;

  // Shows the 480 x 480 visible surface.
  virtual void Present(const Surface &mscreen) = 0;
  virtual void SetFullScreen(bool on) = 0;
  virtual void SetCaption(const std::string &text) = 0;
  virtual void SetMenuEnabled(MenuItem item, bool enabled) = 0;
  virtual void ShowCursor(bool visible) = 0;
  // Modal: returns when the player has closed the box.
  virtual void MessageBox(const std::string &title, const std::string &text) = 0;

  virtual int JoyCount() = 0;
  virtual bool JoyRead(int id, JoyPos &pos) = 0;
  virtual bool JoyGetCaps(int id, JoyCaps &caps) = 0;

  // The music device: one piece at a time, like the old alias-style device.
  virtual bool MusicOpen(const std::string &path) = 0;
  virtual bool MusicPlay() = 0;
  virtual void MusicClose() = 0;
  // True while a piece is open and has stopped playing.
  virtual bool MusicStopped() = 0;
  virtual void MusicRewindAndPlay() = 0;
  // Every piece the game may open, told once at the start, so that a synthesizer can ready
  // their instruments ahead of time.
  virtual void MusicPrepare(const std::vector<std::string> &paths) { (void)paths; }

  // One sound channel: a new sound replaces the one that plays. A missing file is silent.
  virtual void SoundPlay(const std::string &path) = 0;

  // Where the save goes when the data folder cannot be written (empty: nowhere).
  virtual std::string UserDataDir() = 0;
};

}  // namespace qel
