#include "maps/scroll_sim.h"

#include <algorithm>
#include <array>
#include <set>

namespace qel::maps {
namespace {

constexpr int kFar = 0, kNear = 1;
constexpr int kSurfaceRows = 18;
constexpr int kScrolled = 0x1000;  // a surface row painted while scrolling (markers resolved)

struct LayerSim {
  int row = 0, sub = 32, speed = 0;
  bool moved = false;
  std::array<int, kSurfaceRows> surf{};
};

struct Sim {
  int t = -100;
  bool frozen = false;
  int frame = 0;
  std::array<LayerSim, 2> layer{};
  int picRow = 0, picSpeed = 0;
};

struct Loop {
  int layer, a, b;
};

struct StageDef {
  int stage;
  std::array<const char *, 2> file;  // "" where the stage has no such layer
  std::array<int, 2> start, speed;
  int nearRowAfterLoad;  // -1: keep the start row
  std::vector<int> bossTimes;  // the clock stands from T + 1 until the boss has gone
  int endTime;
  int picRow;
  std::vector<Loop> loops;
};

const std::vector<StageDef> &Stages() {
  static const std::vector<StageDef> stages = {
      {1, {"st1b", "st1a"}, {118, 237}, {1, 0}, -1, {4200}, 4700, 0, {{0, 0, 14}, {1, 0, 14}}},
      {2, {"st2b", "st2a"}, {0, 15}, {0, 1}, -1, {4200}, 4700, 0, {{0, 0, 14}, {1, 0, 14}}},
      {3, {"", "st3a"}, {0, 3}, {0, -1}, 17, {4200}, 4700, -150, {}},
      {4, {"st4b", "st4a"}, {75, 225}, {1, 0}, -1, {4200}, 4700, 0, {{0, 46, 60}, {0, 31, 45}, {0, 0, 14}, {1, 0, 14}}},
      // The timed bosses of stage 5 keep the clock running round a stretch of 120 frames; for
      // the scenery that is the same as a clock that stands.
      {5, {"st5b", "st5a"}, {15, 15}, {0, 0}, -1, {599, 1099, 1599, 2099, 3200}, 3400, -300,
       {{0, 0, 14}, {0, 20, 30}, {1, 0, 14}, {1, 20, 30}}},
      {6, {"st6b", "st6a"}, {165, 118}, {1, 2}, -1, {1000, 2000, 2800}, 2950, -300,
       {{0, 152, 166}, {0, 124, 125}, {0, 75, 89}, {1, 113, 115}, {1, 92, 104}, {1, 80, 81}, {1, 45, 59}, {1, 0, 0}}},
      {7, {"st7b", "st7a"}, {15, 142}, {0, 0}, -1, {200, 800, 1600, 2400, 3200, 4011}, 4500, 0,
       {{1, 120, 134}, {1, 106, 119}, {1, 91, 104}, {1, 76, 77}, {1, 60, 74}, {1, 49, 58}, {1, 20, 21}, {1, 0, 13}}},
      {8, {"st4b", "st2a"}, {31, 100}, {1, 2}, -1, {100, 200, 300, 400, 500, 600, 700}, 1100, 0, {{0, 31, 45}, {1, 100, 114}}},
  };
  return stages;
}

void Wrap(Sim &s, int layer, int a, int b) {
  if (s.layer[layer].row < a) s.layer[layer].row = b;
}

void Clamp(Sim &s, int layer, int most) { s.layer[layer].row = std::min(s.layer[layer].row, most); }

void StopBoth(Sim &s) { s.layer[kFar].speed = s.layer[kNear].speed = 0; }

void WrapStage6(Sim &s) {
  const int t = s.t;
  if (t <= 1004) Wrap(s, kFar, 152, 166);
  else if (t <= 2001) Clamp(s, kFar, 150), Wrap(s, kFar, 124, 125);
  else Wrap(s, kFar, 75, 89);
  if (t <= 89) Wrap(s, kNear, 113, 115);
  else if (t <= 1299) Wrap(s, kNear, 92, 104);
  else if (t <= 2004) Wrap(s, kNear, 80, 81);
  else if (t <= 2499) Clamp(s, kNear, 65), Wrap(s, kNear, 45, 59);
  else Wrap(s, kNear, 0, 0);
}

void WrapStage7(Sim &s) {
  const int t = s.t;
  if (s.layer[kFar].row < 0) {
    s.layer[kFar].row = 57;
    if (s.picSpeed == 0) StopBoth(s), s.picSpeed = 1;
  }
  if (t <= 799) Wrap(s, kNear, 120, 134);
  else if (t <= 1549) Wrap(s, kNear, 106, 119);
  else if (t == 1550) return;  // no rule at this one moment
  else if (t <= 1609) Wrap(s, kNear, 91, 104);
  else if (t <= 2349) Wrap(s, kNear, 76, 77);
  else if (t <= 2409) Wrap(s, kNear, 60, 74);
  else if (t <= 4004) Wrap(s, kNear, 49, 58);
  else if (t <= 4012) Wrap(s, kNear, 20, 21);
  else Wrap(s, kNear, 0, 13);
}

// The loops and clamps of a stage; both layers' rules run whichever layer moved.
void ApplyWrapRules(Sim &s, int stage) {
  const int t = s.t;
  switch (stage) {
    case 1:
      Wrap(s, kFar, 0, 14);
      if (s.layer[kNear].row < 0) s.layer[kNear].row = 14, StopBoth(s);
      break;
    case 2: Wrap(s, kFar, 0, 14), Wrap(s, kNear, 0, 14); break;
    case 4:
      if (t >= 600 && t <= 2249) Wrap(s, kFar, 46, 60);
      else if (t >= 2250 && t <= 2999) Wrap(s, kFar, 31, 45);
      else Wrap(s, kFar, 0, 14);
      Wrap(s, kNear, 0, 14);
      break;
    case 5:
      Wrap(s, kFar, t > 2849 ? 20 : 0, t > 2849 ? 30 : 14);
      Wrap(s, kNear, t > 2799 ? 20 : 0, t > 2799 ? 30 : 14);
      break;
    case 6: WrapStage6(s); break;
    case 7: WrapStage7(s); break;
    case 8: Wrap(s, kFar, 31, 45), Wrap(s, kNear, 100, 114); break;
    default: break;
  }
}

void LayerStep(Sim &s, int layer, int stage) {
  LayerSim &l = s.layer[static_cast<std::size_t>(layer)];
  const int speed = l.speed;
  l.moved = speed != 0;
  l.sub -= speed;
  if (!((l.sub < 1 && speed > 0) || (speed < 0 && l.sub > 31))) return;
  const bool down = speed >= 1;
  l.sub = down ? 32 : 0;
  if (down) std::copy_backward(l.surf.begin(), l.surf.begin() + 15, l.surf.begin() + 16);
  else std::copy(l.surf.begin() + 1, l.surf.begin() + 16, l.surf.begin());
  l.row += down ? -1 : 1;
  ApplyWrapRules(s, stage);
  l.surf[down ? 0 : 15] = (l.row & 0xFF) | kScrolled;
}

void BeforeStep(Sim &s, int stage) {
  if (stage == 1 && s.t == 200) s.layer[kNear].speed = 2;
  if (stage == 3 && s.t == 4150) s.layer[kNear].speed = 0;
}

void AfterStep(Sim &s, int stage) {
  const int t = s.t;
  LayerSim &far = s.layer[kFar], &near = s.layer[kNear];
  if (stage == 2) far.speed = (s.frame & 1) ? 0 : 1;
  if (stage == 4 && t == 300) near.speed = 2;
  if (stage == 4 && (t == 2250 || t == 3080)) far.speed = 16;
  if (stage == 4 && (t == 2330 || t == 3200)) far.speed = 1;
  if (stage == 5 && t == 0) far.speed = 16;
  if (stage == 5 && t == 50) near.speed = 32;
  if (stage == 5 && t == 3000) StopBoth(s);
  if (stage == 6) {
    s.picRow += s.picSpeed;
    if (t == 2280) far.speed = 16;
    if (t == 2350) far.speed = 1;
    if (t == 3000) StopBoth(s);
    if (t == 2799) s.picSpeed = 2;
    if (s.picRow >= 0) s.picRow = 0, StopBoth(s), s.picSpeed = 0;
  }
  if (stage == 7 && (t == 300 || t == 4100)) near.speed = 16;
  if (stage == 7 && t == 4010) far.speed = 1;
  if (stage == 7 && t == 4015) far.speed = 2;
}

// What one file has been seen to show, collected in flat tables while playing.
struct Record {
  std::bitset<kRows> shown, atLoad, scrolled;
  std::vector<unsigned char> join = std::vector<unsigned char>(kRows * kRows, 0);
};

class Player {
 public:
  explicit Player(std::map<std::string, Record> &records) : records_(records) {}

  void play(const StageDef &d) {
    for (int L = 0; L < 2; ++L) {
      const char *file = d.file[static_cast<std::size_t>(L)];
      layerRecord_[static_cast<std::size_t>(L)] = file[0] ? &records_[file] : nullptr;
    }
    std::set<std::vector<int>> seen;
    std::vector<Sim> frontier{start(d)};
    while (!frontier.empty()) {
      std::vector<Sim> next;
      for (Sim s : frontier) {
        while (!s.frozen && s.t < d.endTime) frame(d, s);
        if (!s.frozen) continue;
        // The boss may fall at any moment of the loops the layers run meanwhile. Once a
        // moment comes round that was tried before, the rest of this wait was tried too.
        for (;;) {
          Sim exit = s;
          exit.frozen = false;
          if (!seen.insert(key(exit)).second) break;
          next.push_back(exit);
          frame(d, s);
        }
      }
      frontier = std::move(next);
    }
  }

 private:
  Sim start(const StageDef &d) {
    Sim s;
    s.picRow = d.picRow;
    for (int L = 0; L < 2; ++L) {
      LayerSim &l = s.layer[static_cast<std::size_t>(L)];
      l.row = d.start[static_cast<std::size_t>(L)];
      l.speed = d.speed[static_cast<std::size_t>(L)];
      for (int k = 0; k < kSurfaceRows; ++k) l.surf[static_cast<std::size_t>(k)] = (l.row + k) & 0xFF;
      l.moved = true;  // the first picture counts
    }
    if (d.nearRowAfterLoad >= 0) s.layer[kNear].row = d.nearRowAfterLoad;
    record(d, s);
    return s;
  }

  void frame(const StageDef &d, Sim &s) {
    BeforeStep(s, d.stage);
    LayerStep(s, kFar, d.stage);
    LayerStep(s, kNear, d.stage);
    AfterStep(s, d.stage);
    record(d, s);
    ++s.frame;
    if (!s.frozen && s.t < 9999) ++s.t;
    for (int b : d.bossTimes)
      if (s.t == b) s.t = b + 1, s.frozen = true;
  }

  void record(const StageDef &d, const Sim &s) {
    for (int L = 0; L < 2; ++L) {
      const LayerSim &l = s.layer[static_cast<std::size_t>(L)];
      Record *rec = layerRecord_[static_cast<std::size_t>(L)];
      if (!l.moved || !rec) continue;
      Record &r = *rec;
      const int first = l.sub / 32, last = (l.sub + 479) / 32;
      for (int k = first; k <= last; ++k) {
        const int e = l.surf[static_cast<std::size_t>(k)], row = e & 0xFF;
        r.shown.set(static_cast<std::size_t>(row));
        (e & kScrolled ? r.scrolled : r.atLoad).set(static_cast<std::size_t>(row));
        if (k == last) continue;
        unsigned char &j = r.join[static_cast<std::size_t>(row * kRows + (l.surf[static_cast<std::size_t>(k + 1)] & 0xFF))];
        if (j == 0) j = static_cast<unsigned char>(d.stage);
      }
    }
  }

  static std::vector<int> key(const Sim &s) {
    std::vector<int> k = {s.t, s.frozen, s.frame & 1, s.picRow, s.picSpeed};
    for (const LayerSim &l : s.layer) {
      k.insert(k.end(), {l.row, l.sub, l.speed});
      k.insert(k.end(), l.surf.begin(), l.surf.end());
    }
    return k;
  }

  std::map<std::string, Record> &records_;
  std::array<Record *, 2> layerRecord_{};
};

}  // namespace

int MarkerTile(int stage, int code) {
  if (stage == 1 && code == 100) return 68;
  if (stage == 1 && code == 101) return 69;
  if (stage == 4 && code == 100) return 41;
  if (stage == 4 && code >= 102 && code <= 104) return 15;
  return 0;
}

std::map<std::string, Usage> PlayAllStages() {
  std::map<std::string, Record> records;
  std::map<std::string, Usage> usage;
  Player player(records);
  for (const StageDef &d : Stages()) {
    player.play(d);
    for (int L = 0; L < 2; ++L) {
      const char *file = d.file[static_cast<std::size_t>(L)];
      if (file[0] == 0) continue;
      Usage &u = usage[file];
      u.stages.push_back(d.stage);
      for (const Loop &loop : d.loops)
        if (loop.layer == L)
          for (int r = loop.a; r <= loop.b; ++r) u.looped.set(static_cast<std::size_t>(r));
    }
  }
  for (auto &[file, r] : records) {
    Usage &u = usage[file];
    u.shown = r.shown;
    u.shownAtLoad = r.atLoad;
    u.shownScrolled = r.scrolled;
    for (int i = 0; i < kRows * kRows; ++i)
      if (r.join[static_cast<std::size_t>(i)]) u.joins[{i / kRows, i % kRows}] = r.join[static_cast<std::size_t>(i)];
  }
  return usage;
}

}  // namespace qel::maps
