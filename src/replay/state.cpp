#include "replay/state.h"

#include <cstring>
#include <memory>
#include <sstream>
#include <type_traits>

#include "game.h"

namespace qel {

namespace {

// Writes every field as fixed-size little-endian bytes.
class Saver {
 public:
  template <class T>
  void Num(const T &x) {
    static_assert(std::is_arithmetic_v<T>);
    std::uint64_t bits = 0;
    if constexpr (std::is_floating_point_v<T>) {
      static_assert(sizeof(T) == 8);
      std::memcpy(&bits, &x, 8);
    } else {
      bits = static_cast<std::uint64_t>(x);
    }
    for (std::size_t i = 0; i < sizeof(T); ++i) out.push_back(static_cast<char>((bits >> (8 * i)) & 0xFF));
  }
  template <class E>
  void Enum(const E &e) {
    Num(static_cast<std::int32_t>(e));
  }
  void Text(const std::string &s) {
    Num(static_cast<std::uint32_t>(s.size()));
    out += s;
  }
  void Generator(const std::mt19937_64 &rng) {
    std::ostringstream os;
    os << rng;
    Text(os.str());
  }
  void Spawns(const std::vector<DebugSpawn> &spawns) {
    Num(static_cast<std::uint32_t>(spawns.size()));
    for (const DebugSpawn &s : spawns) Num(s.type), Num(s.pos);
  }
  std::string out;
};

// Reads the fields back in the same order; any shortfall marks the whole load as failed.
class Loader {
 public:
  explicit Loader(const std::string &bytes) : in_(bytes) {}
  template <class T>
  void Num(T &x) {
    static_assert(std::is_arithmetic_v<T>);
    if (pos_ + sizeof(T) > in_.size()) {
      failed = true;
      return;
    }
    std::uint64_t bits = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i)
      bits |= static_cast<std::uint64_t>(static_cast<unsigned char>(in_[pos_ + i])) << (8 * i);
    pos_ += sizeof(T);
    if constexpr (std::is_same_v<T, bool>) {
      x = bits != 0;
    } else if constexpr (std::is_floating_point_v<T>) {
      std::memcpy(&x, &bits, 8);
    } else {
      x = static_cast<T>(bits);
    }
  }
  template <class E>
  void Enum(E &e) {
    std::int32_t v = 0;
    Num(v);
    e = static_cast<E>(v);
  }
  void Text(std::string &s) {
    std::uint32_t n = 0;
    Num(n);
    if (failed || n > in_.size() - pos_) {
      failed = true;
      return;
    }
    s.assign(in_, pos_, n);
    pos_ += n;
  }
  void Generator(std::mt19937_64 &rng) {
    std::string text;
    Text(text);
    std::istringstream is(text);
    std::mt19937_64 restored;
    if (!failed && (is >> restored)) rng = restored;
    else failed = true;
  }
  void Spawns(std::vector<DebugSpawn> &spawns) {
    std::uint32_t n = 0;
    Num(n);
    if (failed || n > (in_.size() - pos_) / 8) {
      failed = true;
      return;
    }
    spawns.assign(n, DebugSpawn{});
    for (DebugSpawn &s : spawns) Num(s.type), Num(s.pos);
  }
  bool AtEnd() const { return pos_ == in_.size(); }
  bool failed = false;

 private:
  const std::string &in_;
  std::size_t pos_ = 0;
};

template <class V, class C>
void Nums(V &v, C &c) {
  for (auto &x : c) v.Num(x);
}

template <class V, class C>
void Texts(V &v, C &c) {
  for (auto &s : c) v.Text(s);
}

template <class V, class S>
void VisitShell(V &v, S &s) {
  v.Num(s.SCENE), v.Num(s.PHASE), v.Num(s.FRAMECNT), v.Num(s.FRAMESTART), v.Num(s.FRAMEEND);
  v.Num(s.FRAMETIME), v.Num(s.WAITMS), v.Num(s.passStartMs), v.Num(s.passes), v.Enum(s.menuCommand);
  v.Num(s.resetEnabled), v.Num(s.cursorVisible), v.Num(s.lastMusicPoll), v.Num(s.gamesStarted);
  v.Num(s.modalDepth), v.Num(s.pauseRequested);
}

template <class V, class I>
void VisitInput(V &v, I &in) {
  Nums(v, in.PAD), Nums(v, in.PADOLD), Nums(v, in.KEYS), Nums(v, in.KEYHIT);
  v.Num(in.JOYID), v.Num(in.JOYXLO), v.Num(in.JOYXHI), v.Num(in.JOYYLO), v.Num(in.JOYYHI);
  v.Num(in.JOYX), v.Num(in.JOYY), v.Num(in.JOYBTN), Nums(v, in.JOYMASK);
}

template <class V, class A>
void VisitAudio(V &v, A &a) {
  v.Num(a.MUSICNO), v.Num(a.MUSICLOOP), v.Num(a.SNDLOCK);
}

template <class V, class S>
void VisitSettings(V &v, S &s) {
  Nums(v, s.OPTION), Nums(v, s.SAVEBUF), v.Num(s.DIFF);
}

template <class V, class S>
void VisitStage(V &v, S &st) {
  v.Num(st.STAGE), v.Num(st.STAGETIME), v.Num(st.MISSION), Nums(v, st.MISSIONS), v.Num(st.MAPSET);
  Nums(v, st.LROW), Nums(v, st.LSUB), Nums(v, st.LSPEED);
  for (auto &star : st.STAR) v.Num(star.SX), v.Num(star.SY), v.Num(star.SV), v.Num(star.SC);
  v.Num(st.STARSPEED), Nums(v, st.MAPA), Nums(v, st.MAPB), Nums(v, st.ENMAP);
}

template <class V, class S>
void VisitShot(V &v, S &s) {
  v.Num(s.X), v.Num(s.Y), v.Num(s.W), v.Num(s.H), v.Num(s.HX1), v.Num(s.HY1), v.Num(s.HX2), v.Num(s.HY2);
  v.Num(s.DX), v.Num(s.DY), v.Num(s.SPR), v.Num(s.FLAG), v.Num(s.KIND), v.Num(s.POW), Nums(v, s.V);
  v.Num(s.T1), v.Num(s.T2), v.Num(s.AGE), v.Num(s.PIERCE);
}

template <class V, class P>
void VisitPlayer(V &v, P &p) {
  v.Num(p.PX), v.Num(p.PY), v.Num(p.MX), v.Num(p.MY), v.Num(p.PBANK), v.Num(p.PSTATE), v.Num(p.INVUL);
  v.Num(p.SHIELD), v.Num(p.SHIELDMAX), v.Num(p.GAUGE), v.Num(p.BOMBKIND), v.Num(p.SYSTEM), v.Num(p.KEEP);
  v.Num(p.CREDIT), Nums(v, p.WEAPON), v.Num(p.WSLOT), Nums(v, p.WLEVEL), Nums(v, p.PSTAT);
  v.Num(p.HBX1), v.Num(p.HBY1), v.Num(p.HBX2), v.Num(p.HBY2), v.Num(p.volleyTimer), Nums(v, p.FIREWAIT);
  v.Num(p.SCORE);
  for (auto &s : p.PSHOT) VisitShot(v, s);
}

template <class V, class E>
void VisitEnemy(V &v, E &e) {
  v.Num(e.X), v.Num(e.Y), v.Num(e.DX), v.Num(e.DY), v.Num(e.W), v.Num(e.H), v.Num(e.HX1), v.Num(e.HY1);
  v.Num(e.HX2), v.Num(e.HY2), v.Num(e.ROW), v.Num(e.SHEET), v.Num(e.FLAG), v.Num(e.HP), v.Num(e.PTS);
  v.Num(e.MODE), v.Num(e.FRAME), Nums(v, e.CNT), Nums(v, e.VAL), v.Num(e.NOHIT), v.Num(e.PRIO);
  v.Num(e.NORAM), v.Num(e.CORE), v.Num(e.LOCK), v.Num(e.VULN), v.Num(e.BOSS);
}

template <class V, class B>
void VisitBullet(V &v, B &b) {
  v.Num(b.X), v.Num(b.Y), v.Num(b.W), v.Num(b.H), v.Num(b.DX), v.Num(b.DY), v.Num(b.HX1), v.Num(b.HY1);
  v.Num(b.HX2), v.Num(b.HY2), v.Num(b.ROW), v.Num(b.SYOFF), v.Num(b.SHEET), v.Num(b.FLAG), v.Num(b.MODE);
  v.Num(b.PERSIST), v.Num(b.DMG), v.Num(b.ANG), Nums(v, b.CNT), v.Num(b.FRAME), v.Num(b.NOHIT);
  v.Num(b.ERASE);
}

template <class V, class E>
void VisitEnemies(V &v, E &en) {
  for (auto &e : en.ENEMY) VisitEnemy(v, e);
  Nums(v, en.ENORDER), v.Num(en.ENMAX), v.Num(en.RANK), Nums(v, en.WORK);
  for (auto &b : en.ESHOT) VisitBullet(v, b);
}

template <class V, class E>
void VisitEffects(V &v, E &ef) {
  for (auto &e : ef.EFFECT) {
    v.Num(e.X), v.Num(e.Y), v.Num(e.DX), v.Num(e.DY), v.Num(e.W), v.Num(e.H), v.Num(e.SHEET);
    Nums(v, e.V), v.Num(e.KIND), v.Num(e.FLAG), v.Num(e.FRAME), v.Text(e.TEXT);
  }
}

template <class V, class S>
void VisitShop(V &v, S &s) {
  Texts(v, s.ITEMNAME), Texts(v, s.ITEMDESC), Nums(v, s.BOUGHT), Nums(v, s.PRICE);
  for (auto &column : s.SHOPITEM) Nums(v, column);
  Nums(v, s.FACE), v.Num(s.CURSOR), v.Num(s.CURSOR2);
}

template <class V, class S>
void VisitScreens(V &v, S &s) {
  Texts(v, s.MENUTEXT), Texts(v, s.STAGENAME), v.Num(s.SHOPMEET), v.Num(s.openingShipY);
  v.Num(s.openingLogoY), v.Num(s.titleIdleSince), v.Num(s.demoUnavailable);
}

// What the command line chose that play still reads.
template <class V, class C>
void VisitConfig(V &v, C &c) {
  v.Num(c.startStage), v.Num(c.startMission), v.Num(c.difficulty), v.Spawns(c.spawns);
  v.Num(c.invincible), v.Num(c.shopStage), v.Num(c.shopTime), v.Num(c.ending);
}

template <class V, class G>
void VisitGame(V &v, G &g, bool withAudio) {
  VisitConfig(v, g.config);
  v.Generator(g.rng);
  VisitShell(v, g.shell);
  VisitInput(v, g.input);
  if (withAudio) VisitAudio(v, g.audio);
  VisitSettings(v, g.settings);
  VisitStage(v, g.stage);
  VisitPlayer(v, g.player);
  VisitEnemies(v, g.enemies);
  VisitEffects(v, g.effects);
  VisitShop(v, g.shop);
  VisitScreens(v, g.screens);
}

}  // namespace

std::string SavePlayState(const Game &g, bool withAudio) {
  Saver s;
  VisitGame(s, g, withAudio);
  return std::move(s.out);
}

bool LoadPlayState(Game &g, const std::string &bytes, std::string *error) {
  // Loaded into a copy first, so that a bad state leaves the game as it was.
  Loader probe(bytes);
  auto state = std::make_unique<Game>(g.host, g.sheets, g.text, g.config);
  VisitGame(probe, *state, true);
  if (probe.failed || !probe.AtEnd()) {
    *error = "the saved game state does not fit this version of the game";
    return false;
  }
  Loader loader(bytes);
  VisitGame(loader, g, true);
  return true;
}

std::uint64_t Fnv1a64(const std::string &bytes) {
  std::uint64_t h = 0xcbf29ce484222325ull;
  for (char c : bytes) {
    h ^= static_cast<unsigned char>(c);
    h *= 0x100000001b3ull;
  }
  return h;
}

std::uint64_t PlayStateHash(const Game &g) { return Fnv1a64(SavePlayState(g, false)); }

std::string SaveStartConfig(const GameConfig &config) {
  Saver s;
  VisitConfig(s, config);
  return std::move(s.out);
}

bool LoadStartConfig(GameConfig &config, const std::string &bytes, std::string *error) {
  GameConfig loaded = config;
  Loader loader(bytes);
  VisitConfig(loader, loaded);
  if (loader.failed || !loader.AtEnd()) {
    *error = "the replay's start does not fit this version of the game";
    return false;
  }
  config = std::move(loaded);
  return true;
}

}  // namespace qel
