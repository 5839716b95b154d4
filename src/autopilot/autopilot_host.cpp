#include "autopilot/autopilot_host.h"

#include "game.h"

namespace qel {

namespace {

constexpr int kPilotKeys = 8;

}  // namespace

int AutopilotHost::KeyCode(int bit) const {
  static constexpr int kDirections[4] = {vk::Left, vk::Right, vk::Up, vk::Down};
  if (bit < 4) return kDirections[bit];
  return game_ ? game_->input.KEYS[static_cast<std::size_t>(bit - 4)] : 0;
}

bool AutopilotHost::IsPilotKey(int vkCode) const {
  for (int bit = 0; bit < kPilotKeys; ++bit)
    if (KeyCode(bit) == vkCode) return true;
  return false;
}

void AutopilotHost::BeginPass(std::uint64_t pass, PassKind kind) {
  HostDecorator::BeginPass(pass, kind);
  if (!game_) return;
  unsigned next = pilot_.Decide(*game_);
  for (int bit = 0; bit < kPilotKeys; ++bit) {
    unsigned mask = 1u << bit;
    if ((next & mask) == (held_ & mask)) continue;
    HostEvent ev;
    ev.kind = (next & mask) ? HostEvent::Kind::KeyDown : HostEvent::Kind::KeyUp;
    ev.key = KeyCode(bit);
    queued_.push_back(ev);
  }
  held_ = next;
}

bool AutopilotHost::KeyDown(int vkCode) {
  for (int bit = 0; bit < kPilotKeys; ++bit)
    if (KeyCode(bit) == vkCode) return (held_ & (1u << bit)) != 0;
  return inner_.KeyDown(vkCode);
}

bool AutopilotHost::WaitEvent(HostEvent &ev, int timeoutMs) {
  if (!queued_.empty()) {
    ev = queued_.front();
    queued_.pop_front();
    return true;
  }
  // The player's own presses of the game keys are not the pilot's: they are dropped. Esc, F1,
  // the menu and the close box still work.
  while (inner_.WaitEvent(ev, timeoutMs)) {
    bool keyEvent = ev.kind == HostEvent::Kind::KeyDown || ev.kind == HostEvent::Kind::KeyUp;
    if (!keyEvent || !IsPilotKey(ev.key)) return true;
    timeoutMs = 0;
  }
  return false;
}

}  // namespace qel
