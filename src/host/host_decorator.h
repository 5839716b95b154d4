// A host that hands every call on to another host. The replay recorder and player, the autopilot
// and the balance report sit between the game and the real host this way, each overriding only
// the calls it changes.
#pragma once

#include <string>

#include "host/host.h"

namespace qel {

struct Game;

class HostDecorator : public Host {
 public:
  explicit HostDecorator(Host &inner) : inner_(inner) {}

  // Told once the game that talks to this host exists (it is built with the host).
  virtual void Attach(const Game &game) { game_ = &game; }

  std::uint64_t NowMs() override { return inner_.NowMs(); }
  bool WaitEvent(HostEvent &ev, int timeoutMs) override { return inner_.WaitEvent(ev, timeoutMs); }
  void BeginPass(std::uint64_t pass, PassKind kind) override { inner_.BeginPass(pass, kind); }
  bool KeyDown(int vkCode) override { return inner_.KeyDown(vkCode); }
  void Present(const Surface &mscreen) override { inner_.Present(mscreen); }
  void SetFullScreen(bool on) override { inner_.SetFullScreen(on); }
  void SetCaption(const std::string &text) override { inner_.SetCaption(text); }
  void SetMenuEnabled(MenuItem item, bool enabled) override { inner_.SetMenuEnabled(item, enabled); }
  void ShowCursor(bool visible) override { inner_.ShowCursor(visible); }
  void MessageBox(const std::string &title, const std::string &text) override {
    inner_.MessageBox(title, text);
  }
  int JoyCount() override { return inner_.JoyCount(); }
  bool JoyRead(int id, JoyPos &pos) override { return inner_.JoyRead(id, pos); }
  bool JoyGetCaps(int id, JoyCaps &caps) override { return inner_.JoyGetCaps(id, caps); }
  bool MusicOpen(const std::string &path) override { return inner_.MusicOpen(path); }
  bool MusicPlay() override { return inner_.MusicPlay(); }
  void MusicClose() override { inner_.MusicClose(); }
  bool MusicStopped() override { return inner_.MusicStopped(); }
  void MusicRewindAndPlay() override { inner_.MusicRewindAndPlay(); }
  void MusicPrepare(const std::vector<std::string> &paths) override { inner_.MusicPrepare(paths); }
  void SoundPlay(const std::string &path) override { inner_.SoundPlay(path); }
  std::string UserDataDir() override { return inner_.UserDataDir(); }

 protected:
  Host &inner_;
  const Game *game_ = nullptr;
};

}  // namespace qel
