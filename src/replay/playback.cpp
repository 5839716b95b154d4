#include "replay/playback.h"

#include <cstdio>

#include "game.h"
#include "platform/sound.h"
#include "replay/recording_host.h"
#include "replay/state.h"
#include "shell/shell.h"
#include "shell/window.h"

namespace qel {

ReplayHost::ReplayHost(Host &inner, const Replay &replay, PlaybackOptions options, PlaybackResult *result)
    : HostDecorator(inner), replay_(replay), options_(std::move(options)), result_(result) {
  for (const auto &[key, channel] : replay_.channels) cursors_.emplace(key, ChannelCursor(&channel));
}

bool ReplayHost::AllReadsUsed() const {
  for (const auto &[key, cursor] : cursors_)
    if (!cursor.AtEnd()) return false;
  return true;
}

void ReplayHost::Fail(const std::string &message) {
  result_->message = message;
  result_->exitCode = 1;
  throw ProgramEnd{1};
}

void ReplayHost::StopByPlayer(bool close) {
  result_->stoppedByPlayer = true;
  result_->closeRequested = close;
  throw ProgramEnd{0};
}

void ReplayHost::StopByMenu(MenuItem item) {
  result_->menuChosen = true;
  result_->menuItem = item;
  StopByPlayer(false);
}

void ReplayHost::Compare(std::uint64_t pass, std::uint64_t expected) {
  if (!game_ || result_->mismatchPass != 0 || PlayStateHash(*game_) == expected) return;
  result_->mismatchPass = pass;
  if (options_.verify) Fail("the game differs from the recording at pass " + std::to_string(pass));
}

void ReplayHost::CheckFinalHash() {
  if (!replay_.hashes.empty() && replay_.hashes.back().first == result_->passes)
    Compare(result_->passes, replay_.hashes.back().second);
  result_->reachedEnd = result_->passes == replay_.endPass && AllReadsUsed();
}

void ReplayHost::BeginPass(std::uint64_t pass, PassKind) {
  // The real host's own pass count (a script, a surrounding game) is not this game's.
  result_->passes = pass;
  if (!live_) return;
  if (replay_.end != ReplayEnd::Program && pass >= replay_.endPass) {
    CheckFinalHash();
    throw ProgramEnd{0};
  }
  // A game that ended the program has its last hash taken after the last pass, not at a start.
  std::size_t atStarts =
      replay_.hashes.size() - (replay_.end == ReplayEnd::Program && !replay_.hashes.empty() ? 1 : 0);
  while (nextHash_ < atStarts && replay_.hashes[nextHash_].first <= pass) {
    if (replay_.hashes[nextHash_].first == pass) Compare(pass, replay_.hashes[nextHash_].second);
    ++nextHash_;
  }
  if (options_.paced) WatchViewer(0);
}

std::string ReplayHost::Next(ReadKind kind, int arg) {
  auto it = cursors_.find({kind, arg});
  std::string value;
  if (it == cursors_.end() || !it->second.Next(&value))
    Fail("the game read more than was recorded, at pass " + std::to_string(result_->passes));
  return value;
}

void ReplayHost::WatchViewer(int timeoutMs) {
  HostEvent ev;
  while (inner_.WaitEvent(ev, timeoutMs)) {
    timeoutMs = 0;
    if (ev.kind == HostEvent::Kind::Close) StopByPlayer(true);
    if (ev.kind == HostEvent::Kind::Menu && (options_.demo || ev.menu == MenuItem::Quit)) StopByMenu(ev.menu);
    if (ev.kind == HostEvent::Kind::KeyDown && (options_.demo || ev.key == vk::Esc || ev.key == vk::F1))
      StopByPlayer(false);
  }
  if (!options_.demo) return;
  int pads = inner_.JoyCount();
  for (int id = 0; id < pads; ++id) {
    JoyPos pos;
    if (inner_.JoyRead(id, pos) && pos.buttons != 0) StopByPlayer(false);
  }
}

std::uint64_t ReplayHost::NowMs() {
  if (!live_) return inner_.NowMs();
  std::size_t pos = 0;
  std::uint64_t delta = 0;
  std::string value = Next(ReadKind::Clock, 0);
  if (!GetVarint(value, &pos, &delta) || pos != value.size()) Fail("the replay's recorded clock is damaged");
  clock_ += static_cast<std::uint64_t>(UnZigZag(delta));
  if (options_.paced) {
    if (!clockStarted_) {
      clockStarted_ = true;
      firstClock_ = clock_;
      realStart_ = inner_.NowMs();
    }
    // Wait until as much real time has passed as had passed in the recording.
    for (;;) {
      std::uint64_t now = inner_.NowMs();
      std::uint64_t target = realStart_ + (clock_ - firstClock_);
      if (clock_ < firstClock_ || now >= target) break;
      WatchViewer(static_cast<int>(target - now));
    }
  }
  return clock_;
}

bool ReplayHost::WaitEvent(HostEvent &ev, int timeoutMs) {
  (void)timeoutMs;
  if (!live_) return false;
  bool got = false;
  if (!DecodeEvent(Next(ReadKind::Event, 0), &got, &ev)) Fail("the replay's recorded events are damaged");
  return got;
}

bool ReplayHost::KeyDown(int vkCode) {
  if (!live_) return false;
  std::string v = Next(ReadKind::Key, vkCode);
  if (v.size() != 1 || static_cast<unsigned char>(v[0]) > 1) Fail("the replay's recorded keys are damaged");
  return v[0] == '\1';
}

int ReplayHost::JoyCount() {
  if (!live_) return 0;
  std::string v = Next(ReadKind::JoyCount, 0);
  std::size_t pos = 0;
  std::uint64_t n = 0;
  if (!GetVarint(v, &pos, &n) || pos != v.size() || UnZigZag(n) < 0 || UnZigZag(n) > 16)
    Fail("the replay's recorded joysticks are damaged");
  return static_cast<int>(UnZigZag(n));
}

bool ReplayHost::JoyRead(int id, JoyPos &pos) {
  if (!live_) return false;
  bool ok = false;
  if (!DecodeJoyRead(Next(ReadKind::JoyRead, id), &ok, &pos))
    Fail("the replay's recorded joysticks are damaged");
  return ok;
}

bool ReplayHost::JoyGetCaps(int id, JoyCaps &caps) {
  if (!live_) return false;
  bool ok = false;
  if (!DecodeJoyCaps(Next(ReadKind::JoyCaps, id), &ok, &caps))
    Fail("the replay's recorded joysticks are damaged");
  return ok;
}

void ReplayHost::Present(const Surface &mscreen) {
  if (!options_.overlay) {
    inner_.Present(mscreen);
    return;
  }
  Surface shown = mscreen;
  options_.overlay(shown);
  inner_.Present(shown);
}

void ReplayHost::MessageBox(const std::string &title, const std::string &text) {
  std::fprintf(stderr, "qelvane: the replayed game showed \"%s: %s\"\n", title.c_str(), text.c_str());
}

PlaybackResult PlayReplay(const Replay &r, Host &host, std::shared_ptr<const SheetSet> sheets,
                          std::shared_ptr<TextRenderer> text, const std::string &dataDir,
                          const PlaybackOptions &options) {
  PlaybackResult result;
  ReplayHost replayHost(host, r, options, &result);
  GameConfig cfg;
  cfg.dataDir = dataDir;
  cfg.writeSave = false;
  cfg.useSaveBytes = true;
  cfg.saveBytes.assign(r.settings.begin(), r.settings.begin() + r.settingsCount);
  std::string error;
  if (r.start == ReplayStart::Program) {
    cfg.seed = r.seed;
    cfg.seeded = r.seeded;
    if (!LoadStartConfig(cfg, r.state, &error)) {
      result.exitCode = 1;
      result.message = error;
      return result;
    }
  }
  auto game = std::make_unique<Game>(replayHost, std::move(sheets), std::move(text), cfg);
  replayHost.Attach(*game);
  if (r.start == ReplayStart::Program) {
    replayHost.GoLive();
    result.exitCode = Main(*game);
  } else {
    // Start-up builds what a state does not hold (the pictures, the host's menu); the state
    // then puts the game where the recording began.
    try {
      StartUp(*game);
    } catch (const ProgramEnd &end) {
      result.exitCode = end.exitCode;
      result.message = "the game could not start";
      return result;
    }
    if (!LoadPlayState(*game, r.state, &error)) {
      result.exitCode = 1;
      result.message = error;
      return result;
    }
    Audio audio = game->audio;
    PlayMusic(*game, audio.MUSICNO);
    game->audio = audio;
    EnableResetMenu(*game, game->shell.resetEnabled);
    replayHost.GoLive();
    result.exitCode = RunPasses(*game);
  }
  if (r.end == ReplayEnd::Program && result.message.empty() && !result.stoppedByPlayer) {
    result.passes = game->shell.passes;
    replayHost.CheckFinalHash();
  }
  if (result.message.empty() && result.mismatchPass != 0)
    result.message = "the game differs from the recording at pass " + std::to_string(result.mismatchPass);
  if (result.message.empty() && !result.reachedEnd && !result.stoppedByPlayer)
    result.message = "the game ended at pass " + std::to_string(result.passes) +
                     " before the recorded end at pass " + std::to_string(r.endPass);
  if (options.verify && !result.message.empty()) result.exitCode = 1;
  if (options.finished) options.finished(*game);
  return result;
}

}  // namespace qel
