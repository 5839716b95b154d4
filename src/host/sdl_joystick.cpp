#include "host/sdl_joystick.h"

#include <algorithm>
#include <cstdio>

#include "host/input_map.h"

namespace qel {

namespace {

constexpr int kMaxButtons = 32;

int HatX(Uint8 hat) { return (hat & SDL_HAT_LEFT) ? -1 : (hat & SDL_HAT_RIGHT) ? 1 : 0; }
int HatY(Uint8 hat) { return (hat & SDL_HAT_UP) ? -1 : (hat & SDL_HAT_DOWN) ? 1 : 0; }

std::uint32_t ButtonBits(SDL_Joystick *joy) {
  const int n = std::min(SDL_JoystickNumButtons(joy), kMaxButtons);
  std::uint32_t bits = 0;
  for (int b = 0; b < n; ++b) {
    if (SDL_JoystickGetButton(joy, b)) bits |= std::uint32_t{1} << b;
  }
  return bits;
}

// A joystick without a mapping: its first two axes, its first hat, its buttons as they come.
JoyPos ReadRaw(SDL_Joystick *joy) {
  JoyPos pos;
  const Uint8 hat = SDL_JoystickNumHats(joy) > 0 ? SDL_JoystickGetHat(joy, 0) : SDL_HAT_CENTERED;
  const int axes = SDL_JoystickNumAxes(joy);
  pos.x = OldJoyAxis(axes > 0 ? SDL_JoystickGetAxis(joy, 0) : 0, HatX(hat));
  pos.y = OldJoyAxis(axes > 1 ? SDL_JoystickGetAxis(joy, 1) : 0, HatY(hat));
  pos.buttons = ButtonBits(joy);
  return pos;
}

JoyPos ReadController(SDL_GameController *c) {
  static constexpr SDL_GameControllerButton kOrder[kPadLeftTrigger] = {
      SDL_CONTROLLER_BUTTON_A,
      SDL_CONTROLLER_BUTTON_B,
      SDL_CONTROLLER_BUTTON_X,
      SDL_CONTROLLER_BUTTON_Y,
      SDL_CONTROLLER_BUTTON_LEFTSHOULDER,
      SDL_CONTROLLER_BUTTON_RIGHTSHOULDER,
      SDL_CONTROLLER_BUTTON_BACK,
      SDL_CONTROLLER_BUTTON_START,
      SDL_CONTROLLER_BUTTON_LEFTSTICK,
      SDL_CONTROLLER_BUTTON_RIGHTSTICK,
  };
  PadReading r;
  r.leftX = SDL_GameControllerGetAxis(c, SDL_CONTROLLER_AXIS_LEFTX);
  r.leftY = SDL_GameControllerGetAxis(c, SDL_CONTROLLER_AXIS_LEFTY);
  r.leftTrigger = SDL_GameControllerGetAxis(c, SDL_CONTROLLER_AXIS_TRIGGERLEFT);
  r.rightTrigger = SDL_GameControllerGetAxis(c, SDL_CONTROLLER_AXIS_TRIGGERRIGHT);
  r.dpadUp = SDL_GameControllerGetButton(c, SDL_CONTROLLER_BUTTON_DPAD_UP) != 0;
  r.dpadDown = SDL_GameControllerGetButton(c, SDL_CONTROLLER_BUTTON_DPAD_DOWN) != 0;
  r.dpadLeft = SDL_GameControllerGetButton(c, SDL_CONTROLLER_BUTTON_DPAD_LEFT) != 0;
  r.dpadRight = SDL_GameControllerGetButton(c, SDL_CONTROLLER_BUTTON_DPAD_RIGHT) != 0;
  for (int b = 0; b < kPadLeftTrigger; ++b)
    if (SDL_GameControllerGetButton(c, kOrder[b])) r.buttons |= std::uint32_t{1} << b;
  return JoyFromPad(r);
}

}  // namespace

SdlJoysticks::SdlJoysticks(const std::string &mappingFile) {
  ready_ = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
  if (!ready_) return;
  if (!mappingFile.empty()) {
    SDL_RWops *f = SDL_RWFromFile(mappingFile.c_str(), "rb");
    if (f && SDL_GameControllerAddMappingsFromRW(f, 1) < 0)
      std::fprintf(stderr, "qelvane: %s: %s\n", mappingFile.c_str(), SDL_GetError());
  }
  std::vector<HostEvent::Kind> ignored;
  for (int i = 0; i < SDL_NumJoysticks(); ++i) Added(i, &ignored);
}

SdlJoysticks::~SdlJoysticks() {
  for (Device &d : devices_) Close(d);
  if (ready_) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

bool SdlJoysticks::Open(int deviceIndex, Device *device) {
  if (SDL_IsGameController(deviceIndex)) {
    device->pad = SDL_GameControllerOpen(deviceIndex);
    device->joy = device->pad ? SDL_GameControllerGetJoystick(device->pad) : nullptr;
  }
  if (!device->joy) {
    if (device->pad) SDL_GameControllerClose(device->pad);
    device->pad = nullptr;
    device->joy = SDL_JoystickOpen(deviceIndex);
  }
  if (!device->joy) return false;
  device->instance = SDL_JoystickInstanceID(device->joy);
  return device->instance >= 0;
}

void SdlJoysticks::Close(Device &device) {
  if (device.pad) SDL_GameControllerClose(device.pad);
  else if (device.joy) SDL_JoystickClose(device.joy);
  device = Device{};
}

void SdlJoysticks::Added(int deviceIndex, std::vector<HostEvent::Kind> *out) {
  if (!ready_) return;
  // SDL also reports the devices that were there when it started: those are open already.
  const SDL_JoystickID instance = SDL_JoystickGetDeviceInstanceID(deviceIndex);
  for (const Device &d : devices_)
    if (d.instance == instance) return;
  Device device;
  if (!Open(deviceIndex, &device)) {
    Close(device);
    return;
  }
  devices_.push_back(device);
  if (devices_.size() == 1) out->push_back(HostEvent::Kind::PadAdded);
}

void SdlJoysticks::Removed(SDL_JoystickID instance, std::vector<HostEvent::Kind> *out) {
  for (std::size_t i = 0; i < devices_.size(); ++i) {
    if (devices_[i].instance != instance) continue;
    Close(devices_[i]);
    devices_.erase(devices_.begin() + static_cast<std::ptrdiff_t>(i));
    if (i != 0) return;
    out->push_back(HostEvent::Kind::PadRemoved);
    if (!devices_.empty()) out->push_back(HostEvent::Kind::PadAdded);
    return;
  }
}

bool SdlJoysticks::Read(int id, JoyPos &pos) {
  if (id < 0 || id >= Count()) return false;
  Device &d = devices_[static_cast<std::size_t>(id)];
  if (!SDL_JoystickGetAttached(d.joy)) return false;
  SDL_JoystickUpdate();
  pos = d.pad ? ReadController(d.pad) : ReadRaw(d.joy);
  return true;
}

bool SdlJoysticks::GetCaps(int id, JoyCaps &caps) {
  if (id < 0 || id >= Count()) return false;
  const Device &d = devices_[static_cast<std::size_t>(id)];
  caps = JoyCaps{};
  caps.buttons = d.pad ? kPadButtons : std::clamp(SDL_JoystickNumButtons(d.joy), 0, kMaxButtons);
  return true;
}

}  // namespace qel
