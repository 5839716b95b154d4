// The pads and joysticks: game controllers through SDL's mappings, anything else as a raw
// joystick. Devices are kept in the order they were plugged in; the first one still plugged in is
// the one in use and the game sees it as device 0, so the choice stays while it stays connected.
#pragma once

#include <string>
#include <vector>

#include <SDL.h>

#include "host/host.h"

namespace qel {

class SdlJoysticks {
 public:
  // Reads extra controller mappings from mappingFile when it exists (SDL's own database and
  // SDL_GAMECONTROLLERCONFIG are read by SDL itself), then opens what is plugged in.
  explicit SdlJoysticks(const std::string &mappingFile = "");
  ~SdlJoysticks();
  SdlJoysticks(const SdlJoysticks &) = delete;
  SdlJoysticks &operator=(const SdlJoysticks &) = delete;

  int Count() const { return static_cast<int>(devices_.size()); }
  bool Read(int id, JoyPos &pos);
  bool GetCaps(int id, JoyCaps &caps);

  // SDL_JOYDEVICEADDED with its device index, SDL_JOYDEVICEREMOVED with its instance id. The
  // events the game is to see are appended to *out: PadAdded when a pad became the one in use;
  // PadRemoved when the one in use went (then PadAdded when another takes its place).
  void Added(int deviceIndex, std::vector<HostEvent::Kind> *out);
  void Removed(SDL_JoystickID instance, std::vector<HostEvent::Kind> *out);

  // Whether the device in use is a game controller (false for a raw joystick or none).
  bool UsingController() const { return !devices_.empty() && devices_[0].pad != nullptr; }

 private:
  struct Device {
    SDL_JoystickID instance = -1;
    SDL_Joystick *joy = nullptr;
    SDL_GameController *pad = nullptr;  // null: read as a raw joystick
  };
  bool Open(int deviceIndex, Device *device);
  static void Close(Device &device);

  bool ready_ = false;
  std::vector<Device> devices_;
};

}  // namespace qel
