// Joysticks by device number, opened on first use and forgotten when devices come or go.
#pragma once

#include <array>

#include <SDL.h>

#include "host/host.h"

namespace qel {

class SdlJoysticks {
 public:
  SdlJoysticks();
  ~SdlJoysticks();
  SdlJoysticks(const SdlJoysticks &) = delete;
  SdlJoysticks &operator=(const SdlJoysticks &) = delete;

  int Count();
  bool Read(int id, JoyPos &pos);
  bool GetCaps(int id, JoyCaps &caps);
  // A device was plugged in or out: the numbers may now mean other devices.
  void DevicesChanged();

 private:
  SDL_Joystick *Get(int id);
  void CloseAll();

  bool ready_ = false;
  std::array<SDL_Joystick *, 16> open_{};
};

}  // namespace qel
