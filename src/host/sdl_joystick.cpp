#include "host/sdl_joystick.h"

#include <algorithm>

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

}  // namespace

SdlJoysticks::SdlJoysticks() { ready_ = SDL_InitSubSystem(SDL_INIT_JOYSTICK) == 0; }

SdlJoysticks::~SdlJoysticks() {
  CloseAll();
  if (ready_) SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}

int SdlJoysticks::Count() { return ready_ ? std::max(SDL_NumJoysticks(), 0) : 0; }

void SdlJoysticks::CloseAll() {
  for (SDL_Joystick *&joy : open_) {
    if (joy) SDL_JoystickClose(joy);
    joy = nullptr;
  }
}

void SdlJoysticks::DevicesChanged() { CloseAll(); }

SDL_Joystick *SdlJoysticks::Get(int id) {
  if (!ready_ || id < 0 || id >= static_cast<int>(open_.size())) return nullptr;
  SDL_Joystick *&joy = open_[static_cast<std::size_t>(id)];
  if (joy && !SDL_JoystickGetAttached(joy)) {
    SDL_JoystickClose(joy);
    joy = nullptr;
  }
  if (!joy && id < SDL_NumJoysticks()) joy = SDL_JoystickOpen(id);
  return joy;
}

bool SdlJoysticks::Read(int id, JoyPos &pos) {
  SDL_Joystick *joy = Get(id);
  if (!joy) return false;
  SDL_JoystickUpdate();
  const Uint8 hat = SDL_JoystickNumHats(joy) > 0 ? SDL_JoystickGetHat(joy, 0) : SDL_HAT_CENTERED;
  const int axes = SDL_JoystickNumAxes(joy);
  pos.x = OldJoyAxis(axes > 0 ? SDL_JoystickGetAxis(joy, 0) : 0, HatX(hat));
  pos.y = OldJoyAxis(axes > 1 ? SDL_JoystickGetAxis(joy, 1) : 0, HatY(hat));
  pos.buttons = ButtonBits(joy);
  return true;
}

bool SdlJoysticks::GetCaps(int id, JoyCaps &caps) {
  SDL_Joystick *joy = Get(id);
  if (!joy) return false;
  caps = JoyCaps{};
  caps.buttons = std::clamp(SDL_JoystickNumButtons(joy), 0, kMaxButtons);
  return true;
}

}  // namespace qel
