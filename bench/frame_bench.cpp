// What one game frame costs at its busiest: the final stage's fortress picture over both scroll
// layers, with every table full (31 enemies, 30 bullets, 51 shots, 30 effects), against the
// floor of the whole-screen work such a frame cannot do without; and each whole-screen
// operation against memset or memcpy of the same bytes.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <ctime>
#include <memory>
#include <string>

#include "effects/effects.h"
#include "enemy/enemy.h"
#include "game.h"
#include "host/headless_host.h"
#include "shell/shell.h"
#include "stage/stage.h"

namespace {

using namespace qel;

constexpr int kBusiestStage = 6;
constexpr int kFortressTime = 2850;  // the fortress picture is shown from 2800

// Processor time of this thread in microseconds: what is compared is timed alike and
// interleaved, so other work on the machine shifts neither against the other.
double ThreadMicros() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e6 + static_cast<double>(t.tv_nsec) / 1e3;
}

// The whole-screen work a frame of that stage cannot do without: the far layer copied, the
// near one through its mask (one pass), and the finished picture copied to the screen.
struct Floor {
  Surface display{480, 480}, screen{480, 480};
  Surface far{544, 544}, mask{544, 544, 0xFFFFFF}, near{544, 544};
  void Run() {
    BitBlt(display, 0, 0, 480, 480, far, 0, 16, Rop::Copy);
    BitBlt2(display, 0, 0, 480, 480, mask, near, 0, 16, Rop::And, Rop::Xor);
    BitBlt(screen, 0, 0, 480, 480, display, 0, 0, Rop::Copy);
    benchmark::DoNotOptimize(screen.px.data());
  }
};

void BM_FrameFloor(benchmark::State &state) {
  Floor f;
  for (auto _ : state) f.Run();
}
BENCHMARK(BM_FrameFloor);

// Each whole-screen operation against the C library's memset of the 480 x 480 picture, or its
// memcpy of every source the operation reads, timed in turns: the ratio is how far the
// operation is from what memory allows.
enum class Op { Cls, ClsColour, Copy, And, Or, Xor, AndXor, Layers };

void BM_RasterOp(benchmark::State &state) {
  const auto op = static_cast<Op>(state.range(0));
  const bool fill = op == Op::Cls || op == Op::ClsColour;
  Surface dst(480, 480, op == Op::ClsColour ? 0x123456 : 0), a(544, 544, 0x0F0F0F), b(544, 544, 0x334455);
  Surface c(544, 544, 0x777777), plain(480, 480);
  const std::size_t bytes = dst.px.size() * sizeof(Pixel);
  double opMicros = 0, libMicros = 0;
  for (auto _ : state) {
    double t0 = ThreadMicros();
    switch (op) {
      case Op::Cls:
      case Op::ClsColour: Cls(dst); break;
      case Op::Copy: BitBlt(dst, 0, 0, 480, 480, a, 0, 16, Rop::Copy); break;
      case Op::And: BitBlt(dst, 0, 0, 480, 480, a, 0, 16, Rop::And); break;
      case Op::Or: BitBlt(dst, 0, 0, 480, 480, a, 0, 16, Rop::Or); break;
      case Op::Xor: BitBlt(dst, 0, 0, 480, 480, a, 0, 16, Rop::Xor); break;
      case Op::AndXor: BitBlt2(dst, 0, 0, 480, 480, a, b, 0, 16, Rop::And, Rop::Xor); break;
      case Op::Layers: BlitLayers(dst, a, 16, b, c, 8); break;
    }
    benchmark::DoNotOptimize(dst.px.data());
    double t1 = ThreadMicros();
    if (fill) {
      std::memset(plain.px.data(), 0x12, bytes);
    } else {  // a copy of each source the operation reads
      std::memcpy(plain.px.data(), a.px.data(), bytes);
      if (op == Op::AndXor || op == Op::Layers) std::memcpy(plain.px.data(), b.px.data(), bytes);
      if (op == Op::Layers) std::memcpy(plain.px.data(), c.px.data(), bytes);
    }
    benchmark::DoNotOptimize(plain.px.data());
    double t2 = ThreadMicros();
    opMicros += t1 - t0, libMicros += t2 - t1;
  }
  double n = static_cast<double>(std::max<benchmark::IterationCount>(state.iterations(), 1));
  state.counters["op_us"] = opMicros / n;
  state.counters[fill ? "memset_us" : "memcpy_us"] = libMicros / n;
  state.counters["ratio"] = libMicros > 0 ? opMicros / libMicros : 0;
}
// 0 Cls, 1 Cls to a colour of four different bytes, 2 Copy, 3 And, 4 Or, 5 Xor,
// 6 And then Xor from two sources, 7 both scroll layers.
BENCHMARK(BM_RasterOp)->ArgName("op")->DenseRange(0, 7)->Unit(benchmark::kMicrosecond);

// Every kind of ordinary enemy, spread over the field away from the ship.
void FillEnemies(Game &g) {
  static constexpr int kTypes[] = {1,  3,  4,  5,  6,  7,  8,  14, 15, 16, 17, 18, 19, 20, 21, 22,
                                   26, 27, 28, 30, 31, 32, 33, 34, 35, 36, 40, 41, 50, 51, 52};
  int n = 0;
  for (int type : kTypes) {
    int slot = FindFreeEnemy(g);
    if (slot < 0) break;
    SpawnEnemy(g, type == 30 ? 1 : 0, type);
    Enemy &e = g.enemies.ENEMY[slot];
    e.X = 16 + (n % 8) * 56, e.Y = 40 + (n / 8) * 60, e.CNT[8] = 0, e.NOHIT = 0;
    ++n;
  }
}

void FillBullets(Game &g) {
  static constexpr int kModes[][2] = {{6, 0},  {5, 1},  {7, 2},  {6, 3},  {20, 0}, {22, 0}, {30, 0}, {16, 0},
                                      {18, 0}, {13, 1}, {25, 0}, {55, 0}, {14, 0}, {50, 0}, {6, 4}};
  for (int round = 0; round < 2; ++round)
    for (const auto &m : kModes) {
      Enemy &shooter = g.enemies.ENEMY[(m[0] + round) % kEnemySlots];
      shooter.CNT[10] = 8;
      FireEnemyShot(g, (m[0] + round) % kEnemySlots, m[0], m[1]);
    }
}

void FillShots(Game &g) {
  for (int kind = 1; FindFreePlayerShot(g) >= 0; kind = kind % 8 + 1)
    for (int sub = 0; sub < 4 && FindFreePlayerShot(g) >= 0; ++sub) FirePlayerShot(g, kind, sub);
}

void FillEffects(Game &g) {
  for (int i = 0; i < kEnemySlots; ++i) SpawnEffect(g, i, 2);
}

// The final stage at its fortress, the fight holding the clock, every table full.
std::unique_ptr<Game> BusiestFrame(HeadlessHost &host, std::string *error) {
  auto sheets = SheetSet::Load(QELVANE_SHEETS_DIR, error);
  auto text = TextRenderer::Open(TextRenderer::DefaultFontPath(), error);
  if (!sheets || !text) return nullptr;
  GameConfig cfg;
  cfg.dataDir = std::string(QELVANE_SHEETS_DIR) + "/../d";
  cfg.seed = 1, cfg.seeded = true, cfg.invincible = true;
  cfg.startStage = kBusiestStage;
  auto g = std::make_unique<Game>(host, sheets, text, cfg);
  StartUp(*g);
  g->shell.WAITMS = 0;
  for (int i = 0; i < 120; ++i) RunPass(*g);
  g->stage.STAGETIME = kFortressTime;
  g->player.PSTAT[20] = 1;
  g->player.PSTATE = 0, g->player.PY = 420;
  for (Enemy &e : g->enemies.ENEMY) e.FLAG = 0;
  for (EnemyShot &s : g->enemies.ESHOT) s.FLAG = 0;
  FillEnemies(*g);
  FillBullets(*g);
  FillShots(*g);
  FillEffects(*g);
  return g;
}

template <typename Table>
int Live(const Table &table) {
  int n = 0;
  for (const auto &r : table) n += r.FLAG != 0;
  return n;
}

void BM_GameFrameFullTables(benchmark::State &state) {
  HeadlessHost host;
  std::string error;
  auto game = BusiestFrame(host, &error);
  if (!game) {
    state.SkipWithError(error.c_str());
    return;
  }
  Game &g = *game;
  const Enemies enemies = g.enemies;
  const Player player = g.player;
  const Effects effects = g.effects;
  state.counters["enemies"] = Live(enemies.ENEMY);
  state.counters["bullets"] = Live(enemies.ESHOT);
  state.counters["shots"] = Live(player.PSHOT);
  state.counters["effects"] = Live(effects.EFFECT);
  Floor floor;
  double frameMicros = 0, floorMicros = 0;
  for (auto _ : state) {
    state.PauseTiming();
    g.enemies = enemies, g.player = player, g.effects = effects;
    g.stage.STAGETIME = kFortressTime;
    double before = ThreadMicros();
    floor.Run();
    floorMicros += ThreadMicros() - before;
    state.ResumeTiming();
    before = ThreadMicros();
    GameFrame(g);
    frameMicros += ThreadMicros() - before;
  }
  double n = static_cast<double>(std::max<benchmark::IterationCount>(state.iterations(), 1));
  state.counters["frame_us"] = frameMicros / n;
  state.counters["floor_us"] = floorMicros / n;
  state.counters["ratio"] = floorMicros > 0 ? frameMicros / floorMicros : 0;
}
BENCHMARK(BM_GameFrameFullTables)->Unit(benchmark::kMicrosecond);

}  // namespace
