// What drawing one picture costs: whole-screen copies, masked sprites, text and a headless pass.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "autopilot/autopilot_host.h"
#include "autopilot/pilot.h"
#include "game.h"
#include "host/headless_host.h"
#include "platform/text.h"
#include "shell/shell.h"

namespace {

using namespace qel;

void BM_FullScreenCopy(benchmark::State &state) {
  Surface a(480, 480), b(480, 480);
  for (auto _ : state) {
    BitBlt(a, 0, 0, 480, 480, b, 0, 0, Rop::Copy);
    benchmark::DoNotOptimize(a.px.data());
  }
}
BENCHMARK(BM_FullScreenCopy);

// A frame of play draws a few hundred 32 x 32 masked sprites.
void BM_MaskedSprites300(benchmark::State &state) {
  Surface dst(480, 480), mask(64, 32, 0xFFFFFF), colour(64, 32);
  for (auto _ : state) {
    for (int i = 0; i < 300; ++i) {
      int x = (i * 37) % 500 - 10, y = (i * 53) % 500 - 10;
      BitBlt(dst, x, y, 32, 32, mask, 0, 0, Rop::Or);
      BitBlt(dst, x, y, 32, 32, colour, 0, 0, Rop::And);
    }
    benchmark::DoNotOptimize(dst.px.data());
  }
}
BENCHMARK(BM_MaskedSprites300);

void BM_StretchToScreen(benchmark::State &state) {
  Surface dst(480, 480), src(96, 96);
  for (auto _ : state) {
    StretchBlt(dst, 0, 0, 480, 480, src, 0, 0, 96, 96, Rop::Copy);
    benchmark::DoNotOptimize(dst.px.data());
  }
}
BENCHMARK(BM_StretchToScreen);

void BM_HudText(benchmark::State &state) {
  std::string error;
  auto text = TextRenderer::Open(TextRenderer::DefaultFontPath(), &error);
  if (!text) {
    state.SkipWithError(error.c_str());
    return;
  }
  Surface dst(480, 480);
  for (auto _ : state) {
    text->Draw(dst, "Sc 01250", 20, 0xFFFFFF, 5, 3, true);
    text->Draw(dst, "050/050", 20, 0xFFFFFF, 195, 3, true);
    text->Draw(dst, "CREDIT  2", 15, 0xFFFFFF, 190, 460, true);
    benchmark::DoNotOptimize(dst.px.data());
  }
}
BENCHMARK(BM_HudText);

// The built sheets and the font; a benchmark that cannot have them is skipped with the reason.
bool LoadGameAssets(benchmark::State &state, std::shared_ptr<const SheetSet> *sheets,
                    std::shared_ptr<TextRenderer> *text) {
  std::string error;
  *sheets = SheetSet::Load(QELVANE_SHEETS_DIR, &error);
  if (*sheets) *text = TextRenderer::Open(TextRenderer::DefaultFontPath(), &error);
  if (!*sheets || !*text) state.SkipWithError(error.c_str());
  return *sheets && *text;
}

// One pass of the main loop on the headless host, with no pacing wait.
void BM_HeadlessPass(benchmark::State &state) {
  std::shared_ptr<const SheetSet> sheets;
  std::shared_ptr<TextRenderer> text;
  if (!LoadGameAssets(state, &sheets, &text)) return;
  HeadlessHost host;
  GameConfig cfg;
  cfg.dataDir = "/nonexistent";
  Game g(host, sheets, text, cfg);
  StartUp(g);
  g.shell.WAITMS = 0;
  g.shell.SCENE = kScenePause;
  for (auto _ : state) RunPass(g);
}
BENCHMARK(BM_HeadlessPass);

// A stage played headless at full speed, the autopilot flying an invincible ship, as the soak,
// replay checks and balance runs play it: passes per second from the stage's start.
void BM_HeadlessStage(benchmark::State &state) {
  std::shared_ptr<const SheetSet> sheets;
  std::shared_ptr<TextRenderer> text;
  if (!LoadGameAssets(state, &sheets, &text)) return;
  constexpr int kPasses = 3000;
  for (auto _ : state) {
    state.PauseTiming();
    HeadlessHost host;
    host.keepFrames = false;
    AutopilotHost pilot(host, kPilotSkillMax);
    GameConfig cfg;
    cfg.dataDir = std::string(QELVANE_SHEETS_DIR) + "/../d";
    cfg.seed = 5, cfg.seeded = true, cfg.invincible = true;
    cfg.startStage = static_cast<int>(state.range(0));
    auto g = std::make_unique<Game>(pilot, sheets, text, cfg);
    pilot.Attach(*g);
    g->shell.maxPasses = kPasses;
    state.ResumeTiming();
    Main(*g);
  }
  state.SetItemsProcessed(state.iterations() * kPasses);
  state.counters["passes_per_s"] =
      benchmark::Counter(static_cast<double>(state.iterations() * kPasses), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_HeadlessStage)->ArgName("stage")->Arg(1)->Arg(6)->Arg(9)->Unit(benchmark::kMillisecond);

}  // namespace
