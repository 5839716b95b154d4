#include "platform/input.h"

#include "game.h"

namespace qel {

namespace {

// Which KEYS element a key event sets, and to what. The first matching row wins.
struct KeyRow {
  int vkCode;
  int element;
  int value;
};

constexpr KeyRow kKeyTable[] = {
    {vk::F1, 10, kCmdTitle},
    {vk::F2, 10, kCmdScreenMode},
    {vk::Tab, 10, kCmdCursor},
    {vk::Esc, 10, kCmdExit},
    {vk::Space, 10, kCmdSpace},
    {'N', 9, 1},
    {'L', 9, 2},
    {'B', 9, 3},
    {'V', 9, 4},
    {'W', 9, 5},
    {'F', 9, 6},
    {'M', 9, 7},
    {'S', 9, 8},
    {'R', 9, 9},
    {'H', 9, 10},
    {'D', 9, 11},
    {'G', 9, 12},
    {'U', 8, 20},
    {'E', 8, 21},
    {'A', 8, 22},
};

const KeyRow *FindKey(int vkCode) {
  for (const KeyRow &row : kKeyTable)
    if (row.vkCode == vkCode) return &row;
  return nullptr;
}

int Axis(int value, int lo, int hi) { return (value > hi ? 1 : 0) - (value < lo ? 1 : 0); }

}  // namespace

void FormKeyDown(Game &g, int vkCode) {
  if (const KeyRow *row = FindKey(vkCode)) g.input.KEYS[row->element] = row->value;
}

void FormKeyUp(Game &g, int vkCode) {
  // Releasing any key of a shared element clears it, even if another one is still held.
  if (const KeyRow *row = FindKey(vkCode)) g.input.KEYS[row->element] = 0;
}

void InitJoystick(Game &g, int margin) {
  Input &in = g.input;
  in.JOYID = -1;
  int n = g.host.JoyCount();
  for (int id = 0; id < n; ++id) {
    JoyPos pos;
    if (g.host.JoyRead(id, pos)) {
      in.JOYID = id;
      break;
    }
  }
  if (in.JOYID < 0) return;
  JoyCaps caps;
  if (!g.host.JoyGetCaps(in.JOYID, caps)) {
    in.JOYID = -1;
    return;
  }
  // The margin is meant for a 0..65535 range: keep the same fraction on any other range.
  auto scaled = [&](int lo, int hi) {
    return static_cast<int>(static_cast<long long>(margin) * (hi - lo) / 65535);
  };
  in.JOYXLO = caps.xmin + scaled(caps.xmin, caps.xmax);
  in.JOYXHI = caps.xmax - scaled(caps.xmin, caps.xmax);
  in.JOYYLO = caps.ymin + scaled(caps.ymin, caps.ymax);
  in.JOYYHI = caps.ymax - scaled(caps.ymin, caps.ymax);
}

void SetJoyButtons(Game &g) {
  for (int i = 0; i < 4; ++i) {
    int n = g.settings.OPTION[kOptButtonShot + i];
    g.input.JOYMASK[i + 1] = (n >= 1 && n <= 12) ? (1 << (n - 1)) : 0;
  }
}

void ReadInput(Game &g) {
  Input &in = g.input;
  in.PAD.fill(0);
  in.KEYHIT.fill(0);

  in.JOYX = in.JOYY = 0;
  in.JOYBTN = 0;
  JoyPos pos;
  // A read that fails (a pad unplugged) counts as centred with no buttons.
  if (in.JOYID >= 0 && g.host.JoyRead(in.JOYID, pos)) {
    in.JOYX = Axis(pos.x, in.JOYXLO, in.JOYXHI);
    in.JOYY = Axis(pos.y, in.JOYYLO, in.JOYYHI);
    in.JOYBTN = static_cast<std::int32_t>(pos.buttons);
  }

  // The keyboard overrides an axis only when exactly one of its two keys is down.
  int h = (g.host.KeyDown(vk::Right) ? 1 : 0) - (g.host.KeyDown(vk::Left) ? 1 : 0);
  if (h != 0) in.JOYX = h;
  int v = (g.host.KeyDown(vk::Down) ? 1 : 0) - (g.host.KeyDown(vk::Up) ? 1 : 0);
  if (v != 0) in.JOYY = v;

  for (int k = 1; k <= 4; ++k)
    if (g.host.KeyDown(in.KEYS[k - 1])) in.KEYHIT[k] = 1 << (k - 1);

  if (in.JOYX == -1) in.PAD[kPadLeft] = 1;
  if (in.JOYX == 1) in.PAD[kPadRight] = 1;
  if (in.JOYY == -1) in.PAD[kPadUp] = 1;
  if (in.JOYY == 1) in.PAD[kPadDown] = 1;

  static constexpr int kButtonPad[5] = {0, kPadShot, kPadChange, kPadBomb, kPadPause};
  for (int k = 1; k <= 4; ++k)
    if ((in.JOYBTN & in.JOYMASK[k]) != 0 || in.KEYHIT[k] != 0) in.PAD[kButtonPad[k]] = 1;
}

}  // namespace qel
