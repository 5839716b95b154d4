// Scene 6: the frozen field with its overlay, and the hidden equipment keys.
#include "game.h"
#include "hud/hud.h"
#include "platform/sound.h"
#include "screens/screens.h"
#include "stage/render.h"

namespace qel {

namespace {

// One row of the equipment keys: group key E or A held with a letter.
struct EquipmentRow {
  int group;   // KEYS(8): 21 system, 22 bomb
  int letter;  // KEYS(9)
  int value;   // the system or bomb number
};

constexpr int kGroupWeapon = 20, kGroupSystem = 21, kGroupBomb = 22;

constexpr EquipmentRow kEquipmentRows[] = {
    {kGroupSystem, 9, 10}, {kGroupSystem, 10, 11}, {kGroupSystem, 11, 12}, {kGroupSystem, 3, 13},
    {kGroupBomb, 12, 0},   {kGroupBomb, 10, 1},    {kGroupBomb, 9, 2},
};

// Every row that fires plays the switch sound and costs half the score.
void AfterEquipmentChange(Game &g) {
  PlaySound(g, kSoundSwitch);
  g.player.SCORE /= 2;
  DrawHud(g);
}

void RunEquipmentKeys(Game &g) {
  Player &p = g.player;
  auto &keys = g.input.KEYS;
  int letter = keys[9];
  if (keys[8] == kGroupWeapon && letter >= 1 && letter <= 8 && p.WEAPON[p.WSLOT] != letter) {
    p.WEAPON[p.WSLOT] = letter;
    p.WLEVEL[p.WSLOT] = 1;
    keys[8] = 0;  // fires once while the keys stay held
    AfterEquipmentChange(g);
  }
  for (const EquipmentRow &row : kEquipmentRows) {
    if (keys[8] != row.group || keys[9] != row.letter) continue;
    if (row.group == kGroupSystem && p.SYSTEM != row.value) {
      p.PSTAT[kStatRecoveryInterval] = ShieldRecoveryInterval(row.value);
      p.SYSTEM = row.value;
      AfterEquipmentChange(g);
    } else if (row.group == kGroupBomb && p.BOMBKIND != row.value) {
      p.PSTAT[kStatChargeInterval] = BombChargeInterval(row.value);
      p.BOMBKIND = row.value;
      AfterEquipmentChange(g);
    }
  }
}

}  // namespace

void RunPause(Game &g) {
  ReadInput(g);
  RenderGame(g, 0);
  Input &in = g.input;
  if (TakePress(in, kPadPause)) g.shell.SCENE = kScenePlay;  // PHASE keeps its value: play goes on
  RunEquipmentKeys(g);
  in.PADOLD[kPadPause] = in.PAD[kPadPause];
}

}  // namespace qel
