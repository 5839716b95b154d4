// A host without window or sound: a virtual clock that moves only when the game waits,
// key presses scripted by pass number, and sound, music and message boxes recorded.
#pragma once

#include <cstdint>
#include <deque>
#include <set>
#include <string>
#include <vector>

#include "host/host.h"
#include "platform/surface.h"

namespace qel {

struct ScriptedEvent {
  std::uint64_t pass = 0;  // delivered before this pass of the main loop
  HostEvent event;
};

// Reads an input script: one event per line, "PASS down KEY", "PASS up KEY", "PASS menu
// fullscreen|reset|quit", "PASS close", "PASS focuslost", "PASS padadded" or "PASS padremoved" (the fake
// pad is plugged in or pulled out). KEY is Z X C SHIFT LEFT RIGHT UP DOWN F1 F2 TAB ESC
// SPACE or a letter A..Z. Blank lines and lines starting with # are skipped. On a malformed
// line returns false with a message naming the line in *error.
bool ParseInputScript(const std::string &text, std::vector<ScriptedEvent> *events, std::string *error);
// The virtual-key code of a script key name, or 0.
int KeyCodeFromName(const std::string &name);

struct FakeJoystick {
  bool present = false;
  bool readOk = true;
  bool capsOk = true;
  JoyPos pos{32767, 32767, 0};
  JoyCaps caps;
};

class HeadlessHost : public Host {
 public:
  HeadlessHost() = default;

  void AddScript(const std::vector<ScriptedEvent> &events);
  // Queues an event for the next pump, changing the held keys at once.
  void Inject(const HostEvent &ev);
  void PressKey(int vkCode) { Inject({HostEvent::Kind::KeyDown, vkCode, MenuItem::FullScreen}); }
  void ReleaseKey(int vkCode) { Inject({HostEvent::Kind::KeyUp, vkCode, MenuItem::FullScreen}); }
  void ConnectPad() { Inject({HostEvent::Kind::PadAdded, 0, MenuItem::FullScreen}); }
  void DisconnectPad() { Inject({HostEvent::Kind::PadRemoved, 0, MenuItem::FullScreen}); }

  std::uint64_t NowMs() override { return now_; }
  bool WaitEvent(HostEvent &ev, int timeoutMs) override;
  void BeginPass(std::uint64_t pass, PassKind kind) override;
  bool KeyDown(int vkCode) override { return held_.count(vkCode) != 0; }
  void Present(const Surface &mscreen) override;
  void SetFullScreen(bool on) override { fullScreen = on; }
  void SetCaption(const std::string &text) override { caption = text; }
  void SetMenuEnabled(MenuItem item, bool enabled) override { menuEnabled[static_cast<int>(item)] = enabled; }
  void ShowCursor(bool visible) override { cursorVisible = visible; }
  void MessageBox(const std::string &title, const std::string &text) override;
  int JoyCount() override { return joystick.present ? 1 : 0; }
  bool JoyRead(int id, JoyPos &pos) override;
  bool JoyGetCaps(int id, JoyCaps &caps) override;
  bool MusicOpen(const std::string &path) override;
  bool MusicPlay() override;
  void MusicClose() override;
  bool MusicStopped() override { return musicOpen && musicStopped; }
  void MusicRewindAndPlay() override;
  void SoundPlay(const std::string &path) override { sounds.push_back(path); }
  void MusicPrepare(const std::vector<std::string> &paths) override { preparedMusic = paths; }
  std::string UserDataDir() override { return userDataDir; }

  // What the game did, for tests and the command line.
  // A copy of the picture last presented, kept while keepFrames is set (runs that only play
  // turn it off: the copy is the dearest part of a headless pass).
  Surface lastFrame{480, 480, 0};
  bool keepFrames = true;
  std::uint64_t presents = 0;
  bool fullScreen = false;
  std::string caption;
  bool menuEnabled[kMenuItems] = {true, true, true};
  bool cursorVisible = true;
  std::vector<std::string> messageBoxes;  // "title: text"
  bool echoMessageBoxes = false;          // each box also on standard error (the headless program)
  std::vector<std::string> musicLog;      // "open PATH", "play", "close", "rewind"
  std::vector<std::string> sounds;
  std::vector<std::string> preparedMusic;  // the pieces the game said it may play
  bool musicOpen = false;
  bool musicStopped = false;  // set by a test to pretend the piece has ended
  FakeJoystick joystick;
  std::string userDataDir;

 private:
  std::uint64_t now_ = 1000;
  std::vector<ScriptedEvent> script_;
  std::size_t scriptPos_ = 0;
  std::deque<HostEvent> pending_;
  std::set<int> held_;
};

}  // namespace qel
