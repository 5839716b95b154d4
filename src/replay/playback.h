// Playing a replay: a game built afresh, started as the recorded one was, and driven by what the
// recorded one read from its host. The picture, music and sound go to the real host.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>

#include "host/host_decorator.h"
#include "replay/replay_file.h"

namespace qel {

struct Game;
class SheetSet;
class TextRenderer;
struct Surface;

struct PlaybackOptions {
  bool paced = false;   // as fast as possible, or at the recorded pace (in the window)
  bool verify = false;  // compare the state hashes and stop at the first that differs
  bool demo = false;    // any key or button ends it; Esc and F1 end a replay that is watched
  // Drawn over a copy of each presented picture (the demo's "DEMO"); the game never sees it.
  std::function<void(Surface &)> overlay;
  // Shown the replayed game once it has stopped (for a screenshot or a state dump).
  std::function<void(const Game &)> finished;
};

struct PlaybackResult {
  int exitCode = 0;
  bool reachedEnd = false;  // the recorded end was reached with every read used
  bool stoppedByPlayer = false;
  bool closeRequested = false;  // the window's close box ended it
  bool menuChosen = false;      // a menu item ended it (menuItem): the surrounding game carries it out
  MenuItem menuItem = MenuItem::FullScreen;
  std::uint64_t passes = 0;        // the pass reached
  std::uint64_t mismatchPass = 0;  // verify: the first pass whose hash differs (0: none)
  std::string message;             // what went wrong, for the player
};

// Plays r on the host with the loaded assets (the same ones the game uses).
PlaybackResult PlayReplay(const Replay &r, Host &host, std::shared_ptr<const SheetSet> sheets,
                          std::shared_ptr<TextRenderer> text, const std::string &dataDir,
                          const PlaybackOptions &options);

// The host the replayed game talks to: its reads come from the recording.
class ReplayHost : public HostDecorator {
 public:
  ReplayHost(Host &inner, const Replay &replay, PlaybackOptions options, PlaybackResult *result);

  // From now on reads are served from the recording (start-up before a snapshot reads the host).
  void GoLive() { live_ = true; }
  bool AllReadsUsed() const;
  void CheckFinalHash();

  void BeginPass(std::uint64_t pass, PassKind kind) override;
  std::uint64_t NowMs() override;
  bool WaitEvent(HostEvent &ev, int timeoutMs) override;
  bool KeyDown(int vkCode) override;
  int JoyCount() override;
  bool JoyRead(int id, JoyPos &pos) override;
  bool JoyGetCaps(int id, JoyCaps &caps) override;
  void Present(const Surface &mscreen) override;
  // The replay does not change the viewer's window.
  void SetFullScreen(bool) override {}
  void SetCaption(const std::string &) override {}
  void ShowCursor(bool) override {}
  void MessageBox(const std::string &title, const std::string &text) override;

 private:
  // The next recorded value of a channel; ends the playback when the recording has none.
  std::string Next(ReadKind kind, int arg);
  [[noreturn]] void Fail(const std::string &message);
  [[noreturn]] void StopByPlayer(bool close);
  [[noreturn]] void StopByMenu(MenuItem item);
  // Looks at the viewer's own input (and waits up to timeoutMs for it).
  void WatchViewer(int timeoutMs);
  void Compare(std::uint64_t pass, std::uint64_t expected);

  const Replay &replay_;
  PlaybackOptions options_;
  PlaybackResult *result_;
  bool live_ = false;
  std::map<ChannelKey, ChannelCursor> cursors_;
  std::size_t nextHash_ = 0;
  std::uint64_t clock_ = 0;
  bool clockStarted_ = false;
  std::uint64_t firstClock_ = 0, realStart_ = 0;
};

}  // namespace qel
