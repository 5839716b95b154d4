// The pilot in play: it foresees where every bullet and enemy will be over the next frames,
// chooses among the nine moves the one whose continuation keeps the ship's hit box clear and
// brings it under its target, fires, switches weapon slots and bombs when there is no way out.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "autopilot/pilot.h"
#include "game.h"

namespace qel {

namespace {

constexpr int kH = kPilotMaxLookAhead;
constexpr int kMoveDx[9] = {-1, 0, 1, -1, 0, 1, -1, 0, 1};
constexpr int kMoveDy[9] = {-1, -1, -1, 0, 0, 0, 1, 1, 1};
constexpr int kStill = 4;
constexpr double kSpeed = 8;  // pixels per frame on each axis
constexpr double kMinX = 0, kMaxX = 448, kMinY = 32, kMaxY = 416;
constexpr double kHitCost = 100;  // per shield point of a hit foreseen for the next frame
constexpr double kRestY = 380;    // where the ship waits when nothing asks it elsewhere
constexpr int kMaxThreats = 96;
constexpr int kMaxMines = 8;
constexpr double kCrowdCost = 4;  // per frame spent right beside an enemy that shoots
constexpr double kCrowdRange = 70;

unsigned MoveKeys(int move) {
  unsigned keys = 0;
  if (kMoveDx[move] < 0) keys |= kPilotLeft;
  if (kMoveDx[move] > 0) keys |= kPilotRight;
  if (kMoveDy[move] < 0) keys |= kPilotUp;
  if (kMoveDy[move] > 0) keys |= kPilotDown;
  return keys;
}

struct Box {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

bool Overlap(const Box &a, const Box &b) { return a.x1 < b.x2 && a.x2 > b.x1 && a.y1 < b.y2 && a.y2 > b.y1; }

// One thing that can hurt the ship, foreseen frame by frame.
struct Threat {
  std::array<Box, kH + 1> at;
  std::uint32_t harmful = 0;  // bit t: it can hurt at frame t
  double damage = 3;
  bool persistent = false;
  double crowd = 0;  // an enemy: how close the ship may come before its shots get too short to dodge
};

// A mine whose field moves the ship: where it will sit and in which frames it pulls or pushes.
struct Mine {
  double cx = 0, cy = 0;
  int from = 0, to = 0;  // active in frames from..to
  int away = 1;          // +1 pushes, -1 pulls
};

struct Foresight {
  int horizon = 0;
  int threats = 0;
  std::array<Threat, kMaxThreats> threat;
  int mines = 0;
  std::array<Mine, kMaxMines> mine;
  int invulnerableUntil = 0;  // hits up to this frame do nothing
};

// A bullet's picture box at its current place: (X + HX1, Y + HY1) - (X + HX2, Y + HY2).
Box ShotBox(double x, double y, const EnemyShot &b) { return {x + b.HX1, y + b.HY1, x + b.HX2, y + b.HY2}; }

void AddLinear(Threat &t, const Box &now, double vx, double vy, int horizon, double spread) {
  for (int f = 1; f <= horizon; ++f) {
    double s = spread * f;
    t.at[static_cast<std::size_t>(f)] = {now.x1 + vx * f - s, now.y1 + vy * f - s, now.x2 + vx * f + s,
                                         now.y2 + vy * f + s};
  }
}

std::uint32_t AllFrames(int horizon) { return horizon >= 31 ? 0xFFFFFFFFu : ((1u << (horizon + 1)) - 2u); }

// Where bullet b will be in each of the next frames, by the way its kind is seen to fly.
bool ForeseeShot(const EnemyShot &b, const Player &p, int horizon, Threat &t, Foresight &fs) {
  t = Threat{};
  t.damage = b.DMG;
  t.persistent = b.PERSIST != 0;
  int m = b.MODE;
  std::uint32_t all = AllFrames(horizon);
  if (m == 14 || m == 15) {
    // A mine cannot hurt, but its field moves the ship once it has come to rest.
    if (fs.mines >= kMaxMines) return false;
    Mine &mine = fs.mine[static_cast<std::size_t>(fs.mines++)];
    int travel = b.CNT[0] == 0 ? std::max(0, static_cast<int>(b.CNT[1])) : 0;
    mine.cx = b.X + 24 + (b.CNT[0] == 0 ? b.DX * travel : 0);
    mine.cy = b.Y + 24 + (b.CNT[0] == 0 ? b.DY * travel : 0);
    mine.from = b.CNT[0] == 0 ? travel + 1 : 1;
    mine.to = mine.from + (b.CNT[0] == 0 ? b.CNT[2] : b.CNT[2] - 1);
    mine.away = m == 14 ? 1 : -1;
    return false;
  }
  Box now = ShotBox(b.X, b.Y, b);
  if (m >= 1 && m <= 12 && b.SHEET == 29) {
    // A fused bullet is harmless while it flies and bursts into a blast where its fuse ends.
    int fuse = std::max(1, static_cast<int>(b.CNT[5]));
    double bx = b.X + b.DX * fuse, by = b.Y + b.DY * fuse;
    Box blast{bx + 5, by + 5, bx + 27, by + 27};
    for (int f = 1; f <= horizon; ++f) {
      t.at[static_cast<std::size_t>(f)] = blast;
      if (f >= fuse + 2 && f <= fuse + 30) t.harmful |= 1u << f;
    }
    t.damage = 2;
    t.persistent = true;
    return t.harmful != 0;
  }
  if (m >= 1 && m <= 12) {
    if (b.NOHIT != 0) return false;
    AddLinear(t, now, b.DX, b.DY, horizon, 0);
    t.harmful = all;
    return true;
  }
  if (m == 13) {
    if (b.NOHIT != 0) return false;
    double x = b.X, y = b.Y, dy = b.DY;
    for (int f = 1; f <= horizon; ++f) {
      x += b.DX, y += dy;
      if (dy < 15) dy += 2;
      t.at[static_cast<std::size_t>(f)] = ShotBox(x, y, b);
    }
    t.harmful = all;
    return true;
  }
  if (m == 16 || m == 17) {
    if (b.NOHIT != 0) return false;
    double x = b.X, y = b.Y, dx = b.DX, dy = b.DY;
    int bounces = b.CNT[2];
    for (int f = 1; f <= horizon; ++f) {
      x += b.CNT[5] * dx, y += b.CNT[6] * dy;
      bool walls = m == 16 || bounces > 0;
      if (walls && ((x < 0 && dx < 0) || (x > 455 && dx > 0))) dx = -dx, bounces -= m == 17;
      if (m == 17 && bounces > 0 && ((y < 0 && dy < 0) || (y > 455 && dy > 0))) dy = -dy, --bounces;
      t.at[static_cast<std::size_t>(f)] = ShotBox(x, y, b);
    }
    t.harmful = all;
    return true;
  }
  if (m == 18 || m == 19) {
    if (b.NOHIT != 0) return false;
    AddLinear(t, now, 0, b.DY, horizon, 0);
    t.harmful = all;
    return true;
  }
  if ((m >= 20 && m <= 24) || (m >= 30 && m <= 34)) {
    if (b.NOHIT != 0) return false;
    AddLinear(t, now, b.DX, b.DY, horizon, 0);
    t.harmful = all;
    return true;
  }
  if (m >= 25 && m <= 28) {
    if (b.CNT[0] != 2) {
      if (b.NOHIT != 0) return false;
      AddLinear(t, now, b.DX, b.DY, horizon, 0);
      t.harmful = all;
      return true;
    }
    // A corner: harmless while it turns, then a new segment heads for where the ship is.
    int wait = std::max(1, static_cast<int>(b.CNT[5]));
    bool across = b.CNT[4] == 0;
    Box seg = across ? Box{b.X, b.Y + 4, b.X + 31, b.Y + 8} : Box{b.X + 4, b.Y, b.X + 8, b.Y + 31};
    double vx = 0, vy = 0;
    if (across) vx = b.X + 16 < p.PX + 16 ? b.CNT[3] : -b.CNT[3];
    else vy = b.Y + 16 < p.PY + 16 ? b.CNT[2] : -b.CNT[2];
    for (int f = 1; f <= horizon; ++f) {
      int moving = std::max(0, f - wait);
      t.at[static_cast<std::size_t>(f)] = {seg.x1 + vx * moving, seg.y1 + vy * moving, seg.x2 + vx * moving,
                                           seg.y2 + vy * moving};
      if (f >= wait) t.harmful |= 1u << f;
    }
    return t.harmful != 0;
  }
  if (m == 50) {
    for (int f = 1; f <= horizon; ++f) {
      t.at[static_cast<std::size_t>(f)] = now;
      int count = b.CNT[0] + f - 1;
      if (count >= 1 && count <= 29) t.harmful |= 1u << f;
    }
    return t.harmful != 0;
  }
  if (m == 55 || m == 56) {
    if (b.NOHIT != 0) return false;
    for (int f = 1; f <= horizon; ++f) {
      if (b.H < 150) {
        // Still growing: its full length is taken at once.
        t.at[static_cast<std::size_t>(f)] = {b.X + b.HX1, b.Y + 1, b.X + b.HX2, b.Y + 148};
      } else {
        t.at[static_cast<std::size_t>(f)] = {now.x1, now.y1 + b.DY * f, now.x2, now.y2 + b.DY * f};
      }
    }
    t.harmful = all;
    return true;
  }
  if (b.NOHIT != 0) return false;
  for (int f = 1; f <= horizon; ++f) t.at[static_cast<std::size_t>(f)] = now;
  t.harmful = all;
  return true;
}

// Hits foreseen further ahead count for less: the future is less sure.
const std::array<double, kH + 1> kFrameWeight = [] {
  std::array<double, kH + 1> w{};
  for (int f = 0; f <= kH; ++f) w[static_cast<std::size_t>(f)] = f <= 3 ? 1.0 : std::pow(0.92, f - 3);
  return w;
}();
double FrameWeight(int f) { return kFrameWeight[static_cast<std::size_t>(f)]; }

// How each enemy slot is seen to move, pixels per frame.
struct Motion {
  std::array<double, 31> vx{}, vy{};
};

struct PlanResult {
  double danger = 0;    // foreseen hits, weighted by how soon they come
  double place = 0;     // how far from where the ship wants to be
  int firstHit = 1000;  // the frame of the first hit, 1000 for none
};

struct Goal {
  double x = 224, y = kRestY;  // the wanted PX, PY
  double toleranceX = 0;       // anywhere this close to x serves as well
  double weightX = 1.0, weightY = 0.35;
};

// Half the width of the stream a weapon's forward shots make, about the ship's centre line.
double StreamHalfWidth(int weapon) {
  static constexpr double kHalf[9] = {0, 8, 3.5, 4, 11, 5, 8.5, 5, 10.5};
  return weapon >= 1 && weapon <= 8 ? kHalf[weapon] : 4;
}

double EdgeCost(double x, double y) {
  double c = 0;
  if (x < 24) c += (24 - x) * 0.6;
  if (x > kMaxX - 24) c += (x - (kMaxX - 24)) * 0.6;
  if (y < 120) c += (120 - y) * 0.25;
  if (y > kMaxY - 8) c += (y - (kMaxY - 8)) * 0.3;
  return c;
}

// The threats worth testing in each frame: those within the ship's reach by then.
struct FrameLists {
  std::array<std::array<std::uint8_t, kMaxThreats>, kH + 1> index;
  std::array<int, kH + 1> count{};
};

void BuildFrameLists(const Foresight &fs, const Player &p, double margin, FrameLists &lists) {
  for (int f = 1; f <= fs.horizon; ++f) {
    int n = 0;
    double reach = (kSpeed + (fs.mines > 0 ? 4 : 0)) * f + margin + 7;
    Box r{p.PX + p.HBX1 - reach, p.PY + p.HBY1 - reach, p.PX + p.HBX2 + reach, p.PY + p.HBY2 + reach};
    for (int i = 0; i < fs.threats; ++i) {
      const Threat &t = fs.threat[static_cast<std::size_t>(i)];
      if (!(t.harmful & (1u << f))) continue;
      const Box &b = t.at[static_cast<std::size_t>(f)];
      Box grown{b.x1 - t.crowd, b.y1 - t.crowd, b.x2 + t.crowd, b.y2 + t.crowd};
      if (Overlap(r, grown))
        lists.index[static_cast<std::size_t>(f)][static_cast<std::size_t>(n++)] =
            static_cast<std::uint8_t>(i);
    }
    lists.count[static_cast<std::size_t>(f)] = n;
  }
}

// The ship flying a plan, frame by frame; a copy carries on from any point of it.
struct Flight {
  double x = 0, y = 0;
  double danger = 0, placeSum = 0;
  int firstHit = 1000;
  int invulnerableUntil = 0;
  std::uint64_t hitLow = 0, hitHigh = 0;  // non-persistent threats already met

  bool Hit(int i) const { return i < 64 ? (hitLow >> i) & 1u : (hitHigh >> (i - 64)) & 1u; }
  void MarkHit(int i) {
    if (i < 64) hitLow |= std::uint64_t{1} << i;
    else hitHigh |= std::uint64_t{1} << (i - 64);
  }

  void Step(const Foresight &fs, const FrameLists &lists, const Player &p, int f, int move, double margin,
            const Goal &goal) {
    x = std::clamp(x + kSpeed * kMoveDx[move], kMinX, kMaxX);
    y = std::clamp(y + kSpeed * kMoveDy[move], kMinY, kMaxY);
    for (int i = 0; i < fs.mines; ++i) {
      const Mine &mine = fs.mine[static_cast<std::size_t>(i)];
      if (f < mine.from || f > mine.to) continue;
      double dx = (x + 16) - mine.cx, dy = (y + 16) - mine.cy;
      if (std::fabs(dx) + dy >= 400) continue;
      x += 4 * mine.away * ((dx > 0) - (dx < 0));
      y += 4 * mine.away * ((dy > 0) - (dy < 0));
    }
    const double nearMargin = margin + 6;
    Box ship{x + p.HBX1 - margin, y + p.HBY1 - margin, x + p.HBX2 + margin, y + p.HBY2 + margin};
    Box wide{x + p.HBX1 - nearMargin, y + p.HBY1 - nearMargin, x + p.HBX2 + nearMargin,
             y + p.HBY2 + nearMargin};
    double w = FrameWeight(f);
    double cx = x + 16, cy = y + 9;
    int n = lists.count[static_cast<std::size_t>(f)];
    const auto &index = lists.index[static_cast<std::size_t>(f)];
    for (int k = 0; k < n; ++k) {
      int i = index[static_cast<std::size_t>(k)];
      const Threat &t = fs.threat[static_cast<std::size_t>(i)];
      const Box &tb = t.at[static_cast<std::size_t>(f)];
      if (t.crowd > 0) {
        double dx = std::max({tb.x1 - cx, cx - tb.x2, 0.0});
        double dy = std::max({tb.y1 - cy, cy - tb.y2, 0.0});
        double d2 = dx * dx + dy * dy, r2 = t.crowd * t.crowd;
        if (d2 < r2) danger += kCrowdCost * (1 - d2 / r2) * w;
      }
      if (!Overlap(wide, tb)) continue;
      if (!Overlap(ship, tb)) {
        danger += 0.04 * kHitCost * t.damage * w;
        continue;
      }
      if (f <= invulnerableUntil || Hit(i)) continue;
      danger += kHitCost * t.damage * w;
      firstHit = std::min(firstHit, f);
      if (!t.persistent) MarkHit(i);
      invulnerableUntil = f + (t.persistent ? 1 : 9);
    }
    placeSum += goal.weightX * std::max(0.0, std::fabs(x - goal.x) - goal.toleranceX) +
                goal.weightY * std::fabs(y - goal.y);
  }

  PlanResult Result(const Foresight &fs) const {
    PlanResult r;
    r.danger = danger;
    r.firstHit = firstHit;
    r.place = placeSum / fs.horizon + EdgeCost(x, y);
    return r;
  }
};

// Damage a weapon deals in a frame to a target dx to the side of the ship's centre and dy above
// it (negative: below), as the pilot reckons it.
double Coverage(int weapon, int level, double dx, double dy) {
  double ax = std::fabs(dx);
  bool above = dy > 0, below = dy < -16;
  switch (weapon) {
    case 1: {
      double v = above && ax < 16 ? 0.8 : 0;
      if (level >= 2 && dy > 90 && std::fabs(ax - 100) < 18) v += 0.6;
      return v;
    }
    case 2: {
      double half = level >= 2 ? 16 : 12;
      double v = 0;
      if (ax < half && (above || below)) v += 1.0;
      if (std::fabs(dy) < half) v += 0.9;
      return v;
    }
    case 3: return above ? (ax < 20 ? 2.2 : ax < 75 ? 1.0 : 0) : 0;
    case 4: {
      double v = above && ax < 18 ? 2.0 : 0;
      if (level >= 2 && below && ax < 18) v += 1.6;
      return v;
    }
    case 5: {
      if (!above) return 0;
      double v = 0;
      for (int k = -2; k <= 2; ++k)
        if (std::fabs(dx - k * 5.0 * dy / 20.0) < (level >= 2 ? 14 : 11)) v += 0.45;
      return v;
    }
    case 6: {
      double range = level >= 2 ? 320 : 240;
      return above && dy < range && ax < 22 ? 1.6 : 0;
    }
    case 7: {
      double v = above && ax < 14 ? 0.8 : 0;
      if (ax < std::fabs(dy) + 20) v += 0.35;
      return v;
    }
    case 8: {
      double range = level >= 2 ? 600 : 300;
      if (std::hypot(dx, dy) > range) return 0;
      double v = 0;
      if (ax < 18) v += 0.6;
      if (std::fabs(dy) < 18) v += 0.6;
      if (std::fabs(ax - std::fabs(dy)) < 22) v += 0.6;
      return v;
    }
    default: return 0;
  }
}

// A live enemy the ship's shots can hurt, on screen.
bool Shootable(const Enemy &e) {
  return e.FLAG != 0 && e.NOHIT == 0 && e.VULN == -1 && e.MODE != 0 && e.MODE < 300 && e.Y + e.HY2 > 0 &&
         e.Y + e.HY1 < 470 && e.X + e.HX2 > 0 && e.X + e.HX1 < 480;
}

// The frames t in [lo, hi] at which a + va t < b + vb t holds, narrowed into [*from, *to].
void Narrow(double a, double va, double b, double vb, double *from, double *to) {
  double d = b - a, v = va - vb;  // need v t < d
  if (std::fabs(v) < 1e-9) {
    if (d <= 0) *from = 1, *to = 0;
    return;
  }
  double t = d / v;
  if (v > 0) *to = std::min(*to, t - 1e-6);
  else *from = std::max(*from, t + 1e-6);
}

// The damage the ship's shots already in flight will do to each enemy, as far as straight lines
// tell: an enemy they will destroy anyway needs no more attention. (How much a kind of enemy
// takes is what a player learns by fighting it.)
std::array<double, 31> DamageInFlight(const Game &g, const std::array<double, 31> &vx,
                                      const std::array<double, 31> &vy) {
  std::array<double, 31> dmg{};
  const Player &p = g.player;
  for (const PlayerShot &s : p.PSHOT) {
    if (s.FLAG == 0 || s.POW <= 0) continue;
    bool pierce = s.PIERCE != 0;
    double life = s.KIND == 6 || s.KIND == 8 ? s.V[5] : 30;
    double bestT = 1e9;
    int bestE = -1;
    for (std::size_t i = 0; i < g.enemies.ENEMY.size(); ++i) {
      const Enemy &e = g.enemies.ENEMY[i];
      if (!(e.FLAG != 0 && e.NOHIT == 0 && e.VULN == -1 && e.MODE < 300)) continue;
      double from = 0, to = life;
      Narrow(s.X + s.HX1, s.DX, e.X + e.HX2, vx[i], &from, &to);
      Narrow(e.X + e.HX1, vx[i], s.X + s.HX2, s.DX, &from, &to);
      Narrow(s.Y + s.HY1, s.DY, e.Y + e.HY2, vy[i], &from, &to);
      Narrow(e.Y + e.HY1, vy[i], s.Y + s.HY2, s.DY, &from, &to);
      if (from > to) continue;
      if (pierce) dmg[i] += s.POW * std::min(6.0, std::max(1.0, to - from));
      else if (from < bestT) bestT = from, bestE = static_cast<int>(i);
    }
    if (bestE >= 0) dmg[static_cast<std::size_t>(bestE)] += s.KIND == 3 ? s.POW + 6 : s.POW;
  }
  return dmg;
}

// The centre of an enemy's hit box.
double CentreX(const Enemy &e) { return e.X + (e.HX1 + e.HX2) / 2; }
double CentreY(const Enemy &e) { return e.Y + (e.HY1 + e.HY2) / 2; }

// Every bullet, and every enemy that rams, foreseen over the horizon.
void ForeseeAll(const Game &g, const Motion &motion, int horizon, Foresight &fs) {
  const Player &p = g.player;
  const Enemies &en = g.enemies;
  fs.threats = 0, fs.mines = 0, fs.invulnerableUntil = 0;
  fs.horizon = horizon;
  if (p.INVUL == -1)
    fs.invulnerableUntil =
        p.PSTAT[kStatInvulnerable] > 0 ? static_cast<int>(p.PSTAT[kStatInvulnerable]) - 2 : 0;
  for (const EnemyShot &b : en.ESHOT) {
    if (b.FLAG == 0 || fs.threats >= kMaxThreats) continue;
    if (ForeseeShot(b, p, horizon, fs.threat[static_cast<std::size_t>(fs.threats)], fs)) ++fs.threats;
  }
  for (std::size_t i = 0; i < en.ENEMY.size() && fs.threats < kMaxThreats; ++i) {
    const Enemy &e = en.ENEMY[i];
    if (e.FLAG == 0 || e.MODE == 0 || e.NOHIT != 0 || e.NORAM != 0) continue;
    Threat &t = fs.threat[static_cast<std::size_t>(fs.threats++)];
    t = Threat{};
    t.damage = 5;
    if (e.MODE < 150) t.crowd = kCrowdRange;  // small craft shoot from close by; boss parts sit still
    Box now{std::round(e.X + e.HX1), std::round(e.Y + e.HY1), std::round(e.X + e.HX2),
            std::round(e.Y + e.HY2)};
    // Enemies steer: the further ahead, the less sure their place.
    AddLinear(t, now, motion.vx[i], motion.vy[i], horizon, 0.6);
    t.harmful = AllFrames(horizon);
  }
}

// The highest top of anything that would stop the active weapon's shots between the target and
// the ship (shots that do not pierce end at what takes no damage: a boss before it can be hurt,
// a wrecked part), or kNoBlock.
constexpr double kNoBlock = 1e9;
double BlockerBelow(const Game &g, std::size_t target, double aimX) {
  const Enemies &en = g.enemies;
  int weapon = ActiveWeapon(g.player);
  if (weapon == 2 || weapon == 6 || weapon == 8) return kNoBlock;
  const Enemy &t = en.ENEMY[target];
  double bottom = t.Y + t.HY2, nearest = kNoBlock, half = StreamHalfWidth(weapon);
  double shipCy = g.player.PY + 9;
  for (std::size_t k = 0; k < en.ENEMY.size(); ++k) {
    const Enemy &b = en.ENEMY[k];
    if (k == target || b.FLAG == 0 || b.NOHIT != 0 || b.VULN != 0) continue;
    if (b.X + b.HX2 <= aimX - half || b.X + b.HX1 >= aimX + half) continue;
    double top = b.Y + b.HY1;
    if (top > bottom - 4 && top < shipCy) nearest = std::min(nearest, top);
  }
  return nearest;
}
constexpr double kRoomBetween = 70;  // the gap the ship needs to fly between a blocker and its target

// Frames for the ship's shots to reach a target at height ey coming down at vy.
double LeadFrames(const Player &p, double ey, double vy) {
  double closing = 20.0 + std::max(-10.0, vy);
  return std::clamp((p.PY + 9 - ey) / closing, 0.0, 24.0);
}

// The enemy to line up under: near in x, low on the field, the boss first, and not one the
// shots already on their way will destroy.
int ChooseTarget(const Game &g, const Motion &motion, int current) {
  const Player &p = g.player;
  const Enemies &en = g.enemies;
  std::array<double, 31> coming = DamageInFlight(g, motion.vx, motion.vy);
  double shipCx = p.PX + 16, shipCy = p.PY + 9;
  int best = -1;
  double bestCost = 1e9;
  for (std::size_t i = 0; i < en.ENEMY.size(); ++i) {
    const Enemy &e = en.ENEMY[i];
    if (!Shootable(e)) continue;
    if (e.BOSS != 1 && coming[i] >= e.HP) continue;
    double ex = CentreX(e), ey = CentreY(e);
    double aimX = ex + motion.vx[i] * LeadFrames(p, ey, motion.vy[i]);
    bool above = ey < shipCy - 8;
    double cost = std::fabs(aimX - shipCx) / kSpeed + (above ? 0 : 40) + (shipCy - ey) / 60.0;
    double blockTop = BlockerBelow(g, i, aimX);
    if (blockTop < kNoBlock)
      cost += blockTop - (e.Y + e.HY2) >= kRoomBetween ? std::fabs(p.PY - (blockTop - 45)) / kSpeed / 2 : 60;
    if (e.BOSS == 1) cost -= 12;
    if (static_cast<int>(i) == current) cost -= 3;
    if (cost < bestCost) bestCost = cost, best = static_cast<int>(i);
  }
  return best;
}

// A target that swings faster than the ship can follow is waited for where it lingers: the
// stretch of its recent path it crosses most often, near the ship. False while the target does
// not swing so.
bool DwellPlace(TargetTrail &trail, double shipCx, double tolerance, double *x) {
  int size = static_cast<int>(trail.x.size());
  int n = std::min(trail.count, size);
  if (n < 60) return false;
  auto at = [&](int k) { return trail.x[static_cast<std::size_t>(k)]; };
  double lo = 1e9, hi = -1e9, travel = 0;
  for (int k = 0; k < n; ++k) lo = std::min(lo, at(k)), hi = std::max(hi, at(k));
  for (int k = 1; k < n; ++k)
    travel += std::fabs(at((trail.count - k) % size) - at((trail.count - k - 1) % size));
  if (hi - lo <= 120 || travel / (n - 1) <= 4.5) return false;
  constexpr int kBins = 20;
  constexpr double kWidth = 480.0 / kBins;
  std::array<int, kBins> count{};
  for (int k = 0; k < n; ++k)
    ++count[static_cast<std::size_t>(std::clamp(static_cast<int>(at(k) / kWidth), 0, kBins - 1))];
  // The target's box and the shot stream widen the place where a shot finds it.
  int spread = std::max(0, static_cast<int>(tolerance / kWidth));
  int bestBin = -1;
  double bestScore = -1;
  for (int bin = 0; bin < kBins; ++bin) {
    int sum = 0;
    for (int k = std::max(0, bin - spread); k <= std::min(kBins - 1, bin + spread); ++k)
      sum += count[static_cast<std::size_t>(k)];
    double centre = (bin + 0.5) * kWidth;
    double score = sum * (1.0 - std::fabs(centre - shipCx) / 600.0) * (bin == trail.dwellBin ? 1.25 : 1.0);
    if (score > bestScore) bestScore = score, bestBin = bin;
  }
  trail.dwellBin = bestBin;
  *x = (bestBin + 0.5) * kWidth;
  return true;
}

// Where the ship wants to be: under its target (between it and anything that would stop the
// shots), at the range its weapon needs, or at a supply ship worth visiting.
Goal PlaceFor(const Game &g, const Motion &motion, int target, TargetTrail &trail) {
  const Player &p = g.player;
  Goal goal;
  int weapon = ActiveWeapon(p), level = ActiveLevel(p);
  if (target >= 0) {
    std::size_t i = static_cast<std::size_t>(target);
    const Enemy &e = g.enemies.ENEMY[i];
    double ex = CentreX(e), ey = CentreY(e);
    goal.x = ex + motion.vx[i] * LeadFrames(p, ey, motion.vy[i]) - 16;
    goal.toleranceX = std::max(0.0, (e.HX2 - e.HX1) / 2.0 + StreamHalfWidth(weapon) - 4);
    if (trail.slot != target || trail.mode != e.MODE)
      trail.slot = target, trail.mode = e.MODE, trail.count = 0;
    trail.x[static_cast<std::size_t>(trail.count % static_cast<int>(trail.x.size()))] = ex;
    ++trail.count;
    double dwell = 0;
    if (DwellPlace(trail, p.PX + 16, goal.toleranceX, &dwell)) goal.x = dwell - 16, goal.toleranceX = 12;
    goal.x = std::clamp(goal.x, kMinX, kMaxX);
    // Short-range weapons want to be closer; nothing wants to sit on top of its target.
    double reach = weapon == 6 ? (level >= 2 ? 260 : 190) : weapon == 8 && level < 2 ? 240 : 1000;
    goal.y = std::clamp(std::min(kRestY, e.Y + e.HY2 + reach), std::min(kRestY, e.Y + e.HY2 + 90), kRestY);
    double blockTop = BlockerBelow(g, i, goal.x + 16);
    if (blockTop < kNoBlock && blockTop - (e.Y + e.HY2) >= kRoomBetween)
      goal.y = std::clamp(blockTop - 45, kMinY, goal.y);
  }
  for (const Effect &e : g.effects.EFFECT) {
    if (e.FLAG == 0 || e.KIND != kEffectSupplyShip || e.V[0] != 0) continue;  // a supply ship not yet visited
    bool free = e.V[5] < 0 && (g.stage.STAGE == 7 || g.stage.STAGE == 8);
    bool worth = free || p.SCORE >= 300 || (p.SHIELD < p.SHIELDMAX && p.SCORE >= 100);
    if (!worth || e.Y > 400) continue;
    // Its middle, a little below where it is now: it comes down three pixels a frame.
    goal.x = std::clamp(e.X + 32 - 16, kMinX, kMaxX);
    goal.y = std::clamp(e.Y + 32 + 3 * 6 - 9, kMinY, kMaxY);
    goal.weightX = 2.0, goal.weightY = 2.0, goal.toleranceX = 0;
    break;
  }
  return goal;
}

// The nine first moves, each with the best of its continuations (hold it, or change after one
// frame or after four); the best first move wins.
struct Choice {
  int move = kStill;
  PlanResult plan;
};

Choice ChooseMove(const Foresight &fs, const Player &p, double margin, const Goal &goal, int lastMove) {
  static thread_local FrameLists lists;  // scratch, rewritten by every decision
  BuildFrameLists(fs, p, margin, lists);
  static constexpr int kSwitchAt[2] = {1, 4};
  Choice c;
  double bestTotal = 1e18;
  for (int a = 0; a < 9; ++a) {
    PlanResult bestOfA;
    double bestOfATotal = 1e18;
    Flight start;
    start.x = p.PX, start.y = p.PY, start.invulnerableUntil = fs.invulnerableUntil;
    int done = 0;
    for (int s : kSwitchAt) {
      int upTo = std::min(s, fs.horizon);
      for (int f = done + 1; f <= upTo; ++f) start.Step(fs, lists, p, f, a, margin, goal);
      done = upTo;
      for (int b = 0; b < 9; ++b) {
        if (s == 1 && b == a) continue;  // the same plan as holding a throughout
        Flight plan = start;
        // Nothing makes up for danger already above the best plan found.
        for (int f = done + 1; f <= fs.horizon && plan.danger < bestOfATotal && plan.danger < bestTotal + 0.5;
             ++f)
          plan.Step(fs, lists, p, f, b, margin, goal);
        PlanResult r = plan.Result(fs);
        double total = r.danger + r.place;
        if (total < bestOfATotal) bestOfATotal = total, bestOfA = r;
      }
    }
    if (a == lastMove) bestOfATotal -= 0.5;  // no dithering between moves that are as good
    if (bestOfATotal < bestTotal) bestTotal = bestOfATotal, c.plan = bestOfA, c.move = a;
  }
  return c;
}

// Whether the other slot's weapon suits the targets on screen clearly better.
bool OtherSlotBetter(const Game &g) {
  const Player &p = g.player;
  int other = 1 - ActiveSlot(p);
  double shipCx = p.PX + 16, shipCy = p.PY + 9;
  double mine = 0, theirs = 0;
  for (const Enemy &e : g.enemies.ENEMY) {
    if (!Shootable(e)) continue;
    double dx = CentreX(e) - shipCx, dy = shipCy - CentreY(e);
    double w = e.BOSS == 1 ? 3.0 : 1.0;
    mine += w * Coverage(ActiveWeapon(p), ActiveLevel(p), dx, dy);
    theirs += w * Coverage(p.WEAPON[static_cast<std::size_t>(other)],
                           p.WLEVEL[static_cast<std::size_t>(other)], dx, dy);
  }
  return theirs > mine * 1.3 + 0.3;
}

}  // namespace

void Pilot::RememberObjects(const Game &g) {
  for (std::size_t i = 0; i < seenEnemy_.size(); ++i) {
    const Enemy &e = g.enemies.ENEMY[i];
    seenEnemy_[i] = Seen{e.X, e.Y, e.MODE, e.FLAG != 0};
  }
  seenValid_ = true;
}

unsigned Pilot::DecidePlay(const Game &g) {
  const Player &p = g.player;
  unsigned keys = kPilotShot;  // the guns never rest
  if (p.PSTATE == kShipPlay) {
    // How every enemy is seen to move: since the last frame, or as it was set going.
    Motion motion;
    for (std::size_t i = 0; i < seenEnemy_.size(); ++i) {
      const Enemy &e = g.enemies.ENEMY[i];
      const Seen &s = seenEnemy_[i];
      bool seen =
          seenValid_ && s.live && s.mode == e.MODE && std::fabs(e.X - s.x) < 48 && std::fabs(e.Y - s.y) < 48;
      motion.vx[i] = seen ? e.X - s.x : e.DX;
      motion.vy[i] = seen ? e.Y - s.y : e.DY;
    }
    static thread_local Foresight fs;  // scratch, rewritten by every decision (too big for the stack)
    ForeseeAll(g, motion, std::min(params_.lookAhead, kH), fs);
    target_ = ChooseTarget(g, motion, target_);
    Goal goal = PlaceFor(g, motion, target_, trail_);
    Choice c = ChooseMove(fs, p, params_.margin, goal, lastMove_);
    lastMove_ = c.move;
    keys |= MoveKeys(c.move);

    // A bomb when a hit is coming that no move avoids, or when any hit would be too many.
    bool cornered = c.plan.firstHit <= 3 && c.plan.danger >= kHitCost * 1.5;
    bool lowAndThreatened = p.SHIELD <= 12 && c.plan.firstHit <= 8;
    bool healWanted = p.BOMBKIND != 1 || p.SHIELD * 2 <= p.SHIELDMAX;
    if (p.GAUGE >= 100 && (cornered || lowAndThreatened) && healWanted) keys |= kPilotBomb;

    // CHANGE is a press: held one frame, then let go, and not again for a while.
    ++framesSinceChange_;
    if (changePressed_ > 0) {
      --changePressed_;
    } else if (framesSinceChange_ > 45 && OtherSlotBetter(g)) {
      keys |= kPilotChange;
      changePressed_ = 1;
      framesSinceChange_ = 0;
    }
  } else {
    target_ = -1;
  }
  RememberObjects(g);

  // The reaction delay: what was decided now is done some passes later.
  delayed_.push_back(keys);
  if (static_cast<int>(delayed_.size()) <= params_.reaction) return kPilotShot;
  unsigned out = delayed_.front();
  delayed_.pop_front();
  return out;
}

}  // namespace qel
