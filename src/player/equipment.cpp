#include "player/player.h"

namespace qel {

void Equip(Player &p, const Equipment &e) {
  p.WSLOT = 0;
  p.CREDIT = e.credit;
  p.SHIELDMAX = e.shieldMax;
  p.SHIELD = e.shieldMax;
  p.SYSTEM = e.system;
  p.BOMBKIND = e.bombKind;
  p.WEAPON = e.weapon;
  p.WLEVEL = e.wlevel;
}

int ShieldRecoveryInterval(int system) {
  switch (system) {
    case 11: return 35;
    case 12:
    case 13: return 45;
    default: return 40;
  }
}

int BombChargeInterval(int bombKind) {
  switch (bombKind) {
    case 0: return 5;
    case 2: return 10;
    default: return 15;
  }
}

int FireWait(const Player &p, int weapon) {
  if (weapon < 1 || weapon >= static_cast<int>(p.FIREWAIT.size())) return 0;
  return p.FIREWAIT[weapon];
}

}  // namespace qel
