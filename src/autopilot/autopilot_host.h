// The autopilot at the host boundary: it presses the game keys exactly as a player's keyboard
// would (held state and key events), and passes everything else on to the real host.
#pragma once

#include <deque>

#include "autopilot/pilot.h"
#include "host/host_decorator.h"

namespace qel {

class AutopilotHost : public HostDecorator {
 public:
  AutopilotHost(Host &inner, int skill) : HostDecorator(inner), pilot_(skill) {}

  void BeginPass(std::uint64_t pass, PassKind kind) override;
  bool KeyDown(int vkCode) override;
  bool WaitEvent(HostEvent &ev, int timeoutMs) override;

  unsigned held() const { return held_; }

 private:
  // The virtual-key code of pilot key bit i (the game's own bindings for the four buttons).
  int KeyCode(int bit) const;
  bool IsPilotKey(int vkCode) const;

  Pilot pilot_;
  unsigned held_ = 0;
  std::deque<HostEvent> queued_;
};

}  // namespace qel
