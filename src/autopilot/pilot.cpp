// The pilot's decisions outside play: the screens between stages and the supply ship's shop.
// Play itself is in pilot_play.cpp.
#include "autopilot/pilot.h"

#include <algorithm>

#include "game.h"

namespace qel {

namespace {

// The title's first row starts a story game; the mission select's first row attacks the space
// station first (then the asteroids and Jupiter in either order, the satellite base last).
constexpr int kStoryRow = 0;
constexpr int kFirstMissionRow = 0;
constexpr int kOptionsExitRow = 0;

// The shop's steps that read the keys; in the others it shows a message or a wipe.
bool ShopOpen(const Game &g) {
  int phase = g.shell.PHASE;
  return g.shell.SCENE == kScenePlay &&
         (phase == kShopEnter || phase == kShopChoose || phase == kShopLeave || phase == kShopIntro);
}

}  // namespace

PilotSkill SkillOf(int skill) {
  static constexpr PilotSkill kSkills[kPilotSkillMax + 1] = {
      {6, 5, 0.0},
      {10, 3, 0.5},
      {14, 1, 1.5},
      {20, 0, 2.0},
  };
  return kSkills[std::clamp(skill, 0, kPilotSkillMax)];
}

Pilot::Pilot(int skill) : skill_(std::clamp(skill, 0, kPilotSkillMax)), params_(SkillOf(skill_)) {}

unsigned Pilot::Decide(const Game &g) {
  // FRAMECNT moves once per main-loop pass; a modal wait leaves it as it was.
  bool newFrame = g.shell.FRAMECNT != lastFrameCount_;
  lastFrameCount_ = g.shell.FRAMECNT;
  if (tap_.lastScene != g.shell.SCENE) tap_ = Tapper{0, 0, g.shell.SCENE};

  if (ShopOpen(g)) {
    ForgetPlay();
    return DecideShop(g);
  }
  if (shop_.open) {
    shop_ = ShopVisit{};
    tap_.step = 0;
  }
  if (g.shell.SCENE == kScenePlay) {
    // In a wipe within play no frame runs and nothing reads the keys: hold them as they are.
    if (!newFrame && inPlay_) return lastPlayKeys_;
    inPlay_ = true;
    lastPlayKeys_ = DecidePlay(g);
    return lastPlayKeys_;
  }
  ForgetPlay();
  return DecideMenu(g);
}

unsigned Pilot::Tap(unsigned key) {
  if (tap_.step == 0) tap_.key = key;
  unsigned out = tap_.step < 2 ? tap_.key : 0;
  tap_.step = (tap_.step + 1) % 4;
  return out;
}

void Pilot::ForgetPlay() {
  inPlay_ = false;
  seenValid_ = false;
  delayed_.clear();
  target_ = -1;
  changePressed_ = 0;
  lastMove_ = 4;
}

unsigned Pilot::DecideMenu(const Game &g) {
  const Shell &sh = g.shell;
  switch (sh.SCENE) {
    case kSceneOpening:
    case kScenePrologue:
    case kSceneGameOver:
    case kSceneEnding: return Tap(kPilotShot);
    case kSceneTitle:
      if (sh.PHASE != 1) return Tap(0);
      if (g.shop.CURSOR > kStoryRow) return Tap(kPilotUp);
      if (g.shop.CURSOR < kStoryRow) return Tap(kPilotDown);
      return Tap(kPilotShot);
    case kSceneMissionSelect:
      if (sh.PHASE == 2) {
        // The list wraps around, so UP always gets there.
        if (g.shop.CURSOR2 != kFirstMissionRow) return Tap(kPilotUp);
        return Tap(kPilotShot);
      }
      return Tap(sh.PHASE == 11 ? static_cast<unsigned>(kPilotShot) : 0u);
    case kScenePause: return Tap(kPilotPause);
    case kSceneMusicRoom: return Tap(kPilotChange);
    case kSceneOptions:
      if (g.shop.CURSOR > kOptionsExitRow) return Tap(kPilotUp);
      return Tap(kPilotShot);
    default: return Tap(0);
  }
}

// ---- The shop ---------------------------------------------------------------------------------

namespace {

// How much a weapon at a level is worth to this pilot, who lines up under its targets: strong
// forward fire first, then reach and spread.
int WeaponWorth(int weapon, int level) {
  static constexpr int kWorth[9][2] = {{0, 0}, {3, 5}, {5, 6}, {9, 10}, {9, 10},
                                       {6, 7}, {6, 8}, {6, 7}, {6, 8}};
  if (weapon < 1 || weapon > 8) return 0;
  return kWorth[weapon][level >= 2 ? 1 : 0];
}

// Two slots: the better weapon counts twice, the other once, and a second copy of the same
// weapon adds nothing.
int LoadoutWorth(int w0, int l0, int w1, int l1) {
  int a = WeaponWorth(w0, l0), b = WeaponWorth(w1, l1);
  if (w0 == w1) return 2 * std::max(a, b);
  return 2 * std::max(a, b) + std::min(a, b);
}

int SystemWorth(int system) {
  switch (system) {
    case 10: return 2;
    case 11: return 4;
    case 12: return 3;
    case 13: return 6;
    default: return 0;
  }
}

}  // namespace

// The next item worth fetching in this visit (kItemExit when nothing is), and for a weapon the
// slot it should go into.
int Pilot::ChooseShopItem(const Game &g, int *slot) const {
  const Shop &shop = g.shop;
  const Player &p = g.player;
  *slot = -1;
  if (shop_.actions >= 12) return kItemExit;
  double best = 0;
  int bestItem = kItemExit;
  for (int c = 0; c < 2; ++c) {
    for (int r = 0; r < 4; ++r) {
      int k = shop.SHOPITEM[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)];
      if (k < 1 || k > kItemKeepPack || shop_.refused[static_cast<std::size_t>(k)]) continue;
      int price = shop.PRICE[static_cast<std::size_t>(k)];
      if (price < 0 || price > p.SCORE) continue;
      double value = 0;
      int into = -1;
      if (k <= 8) {
        int now = LoadoutWorth(p.WEAPON[0], p.WLEVEL[0], p.WEAPON[1], p.WLEVEL[1]);
        for (int s = 0; s < 2; ++s) {
          if (p.WEAPON[static_cast<std::size_t>(s)] == k && p.WLEVEL[static_cast<std::size_t>(s)] >= 2)
            continue;
          int level = p.WEAPON[static_cast<std::size_t>(s)] == k ? 2 : 1;
          int then = s == 0 ? LoadoutWorth(k, level, p.WEAPON[1], p.WLEVEL[1])
                            : LoadoutWorth(p.WEAPON[0], p.WLEVEL[0], k, level);
          double v = 3.0 * (then - now);
          if (v > value) value = v, into = s;
        }
      } else if (k == kItemShieldFull) {
        double missing = p.SHIELDMAX > 0 ? 1.0 - static_cast<double>(p.SHIELD) / p.SHIELDMAX : 0;
        value = missing > 0.15 ? 60.0 * missing : 0;
      } else if (k <= kItemLastSystem) {
        value = 2.0 * (SystemWorth(k) - SystemWorth(p.SYSTEM));
      } else if (k == kItemShieldPack) {
        value = p.SHIELDMAX < 100 ? 14 : 0;
      } else if (k == kItemCredit) {
        value = p.CREDIT == 0 ? 18 : p.CREDIT < 4 ? 11 : 4;
      } else if (k == kItemKeepPack) {
        value = p.KEEP == -1 ? 0 : 3;
      }
      // Cheap help first when two things are worth about as much.
      double utility = value - price / 1000.0;
      if (value >= 2 && utility > best) best = utility, bestItem = k, *slot = into;
    }
  }
  // A bigger shield before the refill, so that the refill fills the bigger one.
  if (bestItem == kItemShieldFull && p.SHIELDMAX < 100 && !shop_.refused[kItemShieldPack]) {
    for (int c = 0; c < 2; ++c)
      for (int r = 0; r < 4; ++r) {
        int price = shop.PRICE[kItemShieldPack];
        if (shop.SHOPITEM[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)] == kItemShieldPack &&
            price >= 0 && price + shop.PRICE[kItemShieldFull] <= p.SCORE)
          bestItem = kItemShieldPack, *slot = -1;
      }
  }
  return bestItem;
}

unsigned Pilot::DecideShop(const Game &g) {
  const Shop &shop = g.shop;
  const Player &p = g.player;
  if (!shop_.open) {
    shop_ = ShopVisit{};
    shop_.open = true;
    tap_ = Tapper{0, 0, g.shell.SCENE};
  }
  int phase = g.shell.PHASE;
  if (phase == kShopIntro) return Tap(kPilotShot);
  if (phase != kShopChoose) return Tap(0);
  if (tap_.step != 0) return Tap(0);  // a press under way keeps its key

  // The weapon dialogue: push towards the slot twice (the choice stops at the ends), then confirm.
  if (shop_.dialogueStep >= 0 && shop_.dialogueStep < 2) {
    ++shop_.dialogueStep;
    return Tap(shop_.slot == 0 ? kPilotLeft : kPilotRight);
  }
  if (shop_.dialogueStep == 2) {
    shop_.dialogueStep = 3;
    return Tap(kPilotShot);
  }
  if (shop_.item != 0) {
    // A choice was made: did it do anything?
    int k = shop_.item;
    bool done = p.SCORE != shop_.scoreBefore || shop.PRICE[static_cast<std::size_t>(k)] == kPriceSoldOut ||
                p.SHIELDMAX != shop_.shieldMaxBefore || p.CREDIT != shop_.creditBefore;
    if (k <= 8 && shop_.slot >= 0)
      done = done || p.WEAPON[static_cast<std::size_t>(shop_.slot)] != shop_.weaponBefore ||
             p.WLEVEL[static_cast<std::size_t>(shop_.slot)] != shop_.levelBefore;
    if (!done && ++shop_.waitPasses < 3) return Tap(0);
    if (!done) shop_.refused[static_cast<std::size_t>(k)] = true;
    shop_.item = 0;
    shop_.dialogueStep = -1;
    ++shop_.actions;
  }

  int slot = -1;
  int want = shop_.leaving ? kItemExit : ChooseShopItem(g, &slot);
  if (want == kItemExit) shop_.leaving = true;
  int col = -1, row = -1;
  for (int c = 0; c < 2 && col < 0; ++c)
    for (int r = 0; r < 6; ++r)
      if (shop.SHOPITEM[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)] == want) {
        col = c, row = r;
        break;
      }
  if (col < 0) return Tap(0);
  if (shop.CURSOR != row) return Tap(row > shop.CURSOR ? kPilotDown : kPilotUp);
  if (shop.CURSOR2 != col) return Tap(col > shop.CURSOR2 ? kPilotRight : kPilotLeft);
  if (want != kItemExit) {
    shop_.item = want;
    shop_.slot = slot;
    shop_.waitPasses = 0;
    shop_.scoreBefore = p.SCORE;
    shop_.shieldMaxBefore = p.SHIELDMAX;
    shop_.creditBefore = p.CREDIT;
    if (want <= 8 && slot >= 0) {
      shop_.weaponBefore = p.WEAPON[static_cast<std::size_t>(slot)];
      shop_.levelBefore = p.WLEVEL[static_cast<std::size_t>(slot)];
      shop_.dialogueStep = 0;
    }
  }
  return Tap(kPilotShot);
}

}  // namespace qel
