#include "autopilot/report.h"

#include <cmath>
#include <sstream>

#include "game.h"

namespace qel {

namespace {

int LiveBullets(const Game &g) {
  int n = 0;
  for (const EnemyShot &b : g.enemies.ESHOT) n += b.FLAG != 0 ? 1 : 0;
  return n;
}

bool Losing(int pstate) { return pstate == kShipFalling || pstate == kShipWrecked; }

bool Clearing(int pstate) {
  return pstate == kShipFlyOutStart || pstate == kShipFlyingOut || pstate == kShipFinalStart ||
         pstate == kShipFinalFlyOut || pstate == kShipGone;
}

}  // namespace

void BalanceReport::Observe(const Game &g) {
  const int scene = g.shell.SCENE;
  const Stage &st = g.stage;
  // A stage starts (or starts again) when its clock stands at the lead-in and was not there
  // a pass ago.
  bool startNow = scene == kScenePlay && st.STAGETIME <= -90 &&
                  (!seen_.valid || seen_.scene != kScenePlay || st.STAGETIME < seen_.stageTime ||
                   st.STAGE != seen_.stage || st.MISSION != seen_.mission);
  if (startNow) {
    StageReport *cur = current();
    if (cur && shipLost_ && cur->stage == st.STAGE && cur->mission == st.MISSION) {
      ++cur->attempts;
      attemptPasses_ = emptyRun_ = fullRun_ = 0;
      shipLost_ = false;
      bossEntry_.fill(-1);
      for (SeenEnemy &e : seen_.enemy) e = SeenEnemy{};
      seen_.shield = g.player.SHIELD;
      seen_.gauge = g.player.GAUGE;
    } else {
      StartEntry(g);
    }
  } else if (open_ && scene != kScenePlay && scene != kScenePause) {
    open_ = false;  // the game is over, or it went back to the title
  }
  if (!stages_.empty() && (scene == kSceneGameOver || scene == kSceneEndingIntro || scene == kSceneEnding ||
                           scene == kSceneTitle))
    gameEnded_ = true;
  if (open_ && seen_.valid) Track(g);
  Remember(g);
}

void BalanceReport::StartEntry(const Game &g) {
  StageReport r;
  r.stage = g.stage.STAGE;
  r.mission = g.stage.MISSION;
  r.difficulty = g.settings.DIFF;
  r.scoreAtEnd = g.player.SCORE;
  stages_.push_back(r);
  open_ = true;
  shipLost_ = false;
  attemptPasses_ = emptyRun_ = fullRun_ = 0;
  bossEntry_.fill(-1);
  for (SeenEnemy &e : seen_.enemy) e = SeenEnemy{};
  seen_.shield = g.player.SHIELD;
  seen_.gauge = g.player.GAUGE;
  seen_.pstate = g.player.PSTATE;
}

void BalanceReport::Track(const Game &g) {
  StageReport &r = stages_.back();
  const Player &p = g.player;
  ++r.passes;
  ++attemptPasses_;
  r.scoreAtEnd = p.SCORE;
  const int bullets = LiveBullets(g);
  r.peakBullets = std::max(r.peakBullets, bullets);
  fullRun_ = bullets >= kEnemyShotsMade ? fullRun_ + 1 : 0;
  r.longestFullBullets = std::max(r.longestFullBullets, fullRun_);
  if (p.SHIELD < seen_.shield) r.shieldDamage += seen_.shield - p.SHIELD;
  if (seen_.gauge - p.GAUGE >= 50) ++r.bombsUsed;
  if (Losing(p.PSTATE) && !Losing(seen_.pstate)) ++r.shipsLost, shipLost_ = true;

  // Enemies: who came, who was destroyed, and the bosses' times.
  bool coreDied = false, bossCame = false, anyEnemy = false;
  for (std::size_t i = 0; i < g.enemies.ENEMY.size(); ++i) {
    const Enemy &e = g.enemies.ENEMY[i];
    const SeenEnemy &was = seen_.enemy[i];
    if (was.live && was.mode < 300 && e.FLAG != 0 && e.MODE == 300 && was.core == -1) coreDied = true;
  }
  for (std::size_t i = 0; i < g.enemies.ENEMY.size(); ++i) {
    const Enemy &e = g.enemies.ENEMY[i];
    const SeenEnemy &was = seen_.enemy[i];
    bool live = e.FLAG != 0;
    bool dying = e.MODE >= 300 && e.MODE <= 302;
    anyEnemy |= live && e.MODE != 0 && !dying;  // on the field and not blowing up
    // A slot emptied and filled again within one frame shows as a jump or another type.
    // (A boss may jump: the warp's teleporting guardian does.)
    bool replaced =
        was.live && live && !dying &&
        (e.MODE != was.mode || (!was.boss && std::fabs(e.X - was.x) + std::fabs(e.Y - was.y) > 120));
    bool fresh = live && !dying && (!was.live || replaced);
    if (was.live && !was.boss && was.mode < 300 && (!live || replaced)) {
      // DamageEnemy parks what it destroys at y 500; a boss's core takes the small fry with it.
      bool destroyed = !live && (e.Y == 500 || (coreDied && was.mode < 120));
      if (destroyed) ++r.enemiesKilled;
    }
    if (was.live && !was.boss && was.mode >= 150 && was.mode < 300 && live && e.MODE == was.mode &&
        was.vuln == -1 && e.VULN == 0)
      ++r.enemiesKilled;  // a boss part wrecked
    if (was.live && was.boss == 1 && was.mode < 300) {
      int b = bossEntry_[i];
      if (live && e.MODE == 300) {
        ++r.enemiesKilled;
        if (b >= 0)
          r.bosses[static_cast<std::size_t>(b)].killedAfter =
              attemptPasses_ - r.bosses[static_cast<std::size_t>(b)].appear;
        bossEntry_[i] = -1;
      } else if (!live || replaced) {
        if (b >= 0) r.bosses[static_cast<std::size_t>(b)].left = true;
        bossEntry_[i] = -1;
      }
    }
    if (fresh) {
      ++r.enemiesSpawned;
      bossEntry_[i] = -1;
      if (e.BOSS == 1) {
        BossReport boss;
        boss.type = e.MODE;
        boss.attempt = r.attempts;
        boss.appear = attemptPasses_;
        r.bosses.push_back(boss);
        bossCame = true;
        bossEntry_[i] = static_cast<int>(r.bosses.size()) - 1;
      }
    }
  }
  // The empty stretches of play: the clock running, the ship flying, nobody there.
  if (bossCame || Clearing(p.PSTATE)) {
    emptyRun_ = 0;  // the lull before a boss, and the one after the last, are the stage's design
  } else if (anyEnemy || g.stage.STAGETIME < 0 || g.shell.SCENE != kScenePlay || p.PSTATE != kShipPlay) {
    if (emptyRun_ > r.longestEmpty) r.longestEmpty = emptyRun_, r.longestEmptyFrom = emptyFrom_;
    emptyRun_ = 0;
  } else if (emptyRun_++ == 0) {
    emptyFrom_ = g.stage.STAGETIME;
  }
  if (Clearing(p.PSTATE) && !Losing(p.PSTATE)) {
    r.cleared = true;
    open_ = false;
  }
}

void BalanceReport::Remember(const Game &g) {
  seen_.valid = true;
  seen_.scene = g.shell.SCENE;
  seen_.stage = g.stage.STAGE;
  seen_.mission = g.stage.MISSION;
  seen_.stageTime = g.stage.STAGETIME;
  seen_.pstate = g.player.PSTATE;
  seen_.shield = g.player.SHIELD;
  seen_.gauge = g.player.GAUGE;
  for (std::size_t i = 0; i < g.enemies.ENEMY.size(); ++i) {
    const Enemy &e = g.enemies.ENEMY[i];
    seen_.enemy[i] = SeenEnemy{e.FLAG != 0, e.MODE, e.HP, e.VULN, e.BOSS, e.CORE, e.X, e.Y};
  }
}

std::string BalanceReport::Json() const {
  std::ostringstream j;
  j << "{\"stages\": [";
  for (std::size_t i = 0; i < stages_.size(); ++i) {
    const StageReport &r = stages_[i];
    j << (i ? ",\n  " : "\n  ");
    j << "{\"stage\": " << r.stage << ", \"mission\": " << r.mission << ", \"difficulty\": \""
      << (r.difficulty == 0 ? "hard" : "normal") << "\", \"cleared\": " << (r.cleared ? "true" : "false")
      << ", \"passes\": " << r.passes << ", \"attempts\": " << r.attempts
      << ", \"shipsLost\": " << r.shipsLost << ", \"shieldDamage\": " << r.shieldDamage
      << ", \"bombsUsed\": " << r.bombsUsed << ", \"enemiesSpawned\": " << r.enemiesSpawned
      << ", \"enemiesKilled\": " << r.enemiesKilled << ", \"score\": " << r.scoreAtEnd
      << ", \"peakBullets\": " << r.peakBullets << ", \"longestEmpty\": " << r.longestEmpty
      << ", \"longestEmptyFrom\": " << r.longestEmptyFrom
      << ", \"longestFullBullets\": " << r.longestFullBullets << ", \"bosses\": [";
    for (std::size_t b = 0; b < r.bosses.size(); ++b) {
      const BossReport &boss = r.bosses[b];
      j << (b ? ", " : "") << "{\"type\": " << boss.type << ", \"attempt\": " << boss.attempt
        << ", \"appear\": " << boss.appear << ", \"killedAfter\": " << boss.killedAfter
        << ", \"left\": " << (boss.left ? "true" : "false") << "}";
    }
    j << "]}";
  }
  j << (stages_.empty() ? "]}" : "\n]}");
  return j.str();
}

void ReportHost::BeginPass(std::uint64_t pass, PassKind kind) {
  HostDecorator::BeginPass(pass, kind);
  if (!game_ || kind != PassKind::Main) return;
  report.Observe(*game_);
  // Thrown like the end of --passes: the run ends where it stands and its outputs are written.
  if ((stopWhenStageEnds && report.firstStageEnded()) || (stopWhenGameEnds && report.gameEnded()))
    throw ProgramEnd{0};
}

}  // namespace qel
