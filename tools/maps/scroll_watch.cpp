#include "maps/scroll_watch.h"

#include <stdlib.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <memory>

#include "game.h"
#include "host/headless_host.h"
#include "platform/png_io.h"
#include "platform/sheets.h"
#include "shell/shell.h"
#include "stage/stage.h"
#include "stage/stage_rules.h"
#include "stage/tiles.h"
#include "stage/timeline.h"

namespace qel::maps {
namespace {

namespace fs = std::filesystem;

// The game paints the maps it loads into its layer surfaces, one 32-pixel band per grid row. The
// player gives it probe grids instead of the real ones, and probe tile sheets in which tile
// `code` is a flat block of colour code + 1, and reads back from the surfaces which grid row
// every band shows. A probe row holds its number in columns 0 and 1, and in column 0 also
// whether it was painted by the load or while scrolling (the player swaps the grids once the
// load has painted); outside the grid the game reads code 0 in every column.
constexpr int kTile = 32;
constexpr int kBands = 17;       // the surfaces' 544 pixel rows hold bands 0..16
constexpr int kProbeWidth = 33;  // column 0 whole, the first pixel of column 1
constexpr int kNowhere = -1;     // a band showing no grid row (outside the grid, or never painted)
constexpr int kScrolledBit = 0x100;

int ProbeCode(int column, int row, bool scrolled) {
  if (column == 0) return 1 + (row >> 4) + (scrolled ? 16 : 0);
  if (column == 1) return 1 + (row & 15);
  return 0;
}

Pixel ProbeColour(int code) { return static_cast<Pixel>(code + 1); }

// The band's grid row (with kScrolledBit when painted while scrolling), or kNowhere.
int DecodeBand(const Surface &s, int band) {
  const int c0 = static_cast<int>(s.at(0, kTile * band)) - 1,
            c1 = static_cast<int>(s.at(kTile, kTile * band)) - 1;
  if (c0 < 1 || c0 > 32 || c1 < 1 || c1 > 16) return kNowhere;
  const bool scrolled = c0 > 16;
  return (((c0 - 1) & 15) << 4 | (c1 - 1)) | (scrolled ? kScrolledBit : 0);
}

Grid ProbeGrid(bool scrolled) {
  Grid grid{};
  for (int r = 0; r < kGridSide; ++r)
    for (int c = 0; c <= 1; ++c)
      grid[static_cast<std::size_t>(r * kGridSide + c)] =
          static_cast<std::uint8_t>(ProbeCode(c, r, scrolled));
  return grid;
}

class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (fs::temp_directory_path() / "make_maps-XXXXXX").string();
    if (mkdtemp(pattern.data())) path_ = pattern;
  }
  ~TempFolder() {
    std::error_code ec;
    if (!path_.empty()) fs::remove_all(path_, ec);
  }
  TempFolder(const TempFolder &) = delete;
  TempFolder &operator=(const TempFolder &) = delete;
  const std::string &path() const { return path_; }

 private:
  std::string path_;
};

// Every sheet of the catalogue, empty but for the tile sheets' probe colours.
std::shared_ptr<const SheetSet> ProbeSheets(const std::string &dir, std::string *error) {
  for (const SheetSpec &spec : SheetCatalogue()) {
    const bool mask = spec.kind == SheetKind::Mask;
    Surface s(spec.w, spec.h, mask && spec.conv == MaskConv::AndXor ? 0xFFFFFF : 0);
    if (spec.family == Family::HAI && (spec.index == 0 || spec.index == 1))
      for (int code = 0; code < 100; ++code)
        FillBox(s, (code / 10) * kTile, (code % 10) * kTile, (code / 10) * kTile + kTile - 1,
                (code % 10) * kTile + kTile - 1, ProbeColour(code));
    if (!WritePng(dir + "/" + SheetFileName(spec), s, {}, error)) return nullptr;
  }
  return SheetSet::Load(dir, error);
}

bool WriteGridFile(const std::string &path, const Grid &grid) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char *>(grid.data()), static_cast<std::streamsize>(grid.size()));
  return static_cast<bool>(out);
}

std::string MapName(const char *file) {
  std::string name = file;
  return name.substr(0, name.size() - 4);  // without ".map"
}

// Everything of the game that its scrolling reads and writes, for trying each moment a boss may
// fall from the same point. The frame counter counts only for its parity (stage 2's half speed).
struct Moment {
  int t = 0;
  bool held = false;
  int frameParity = 0;
  std::array<int, 4> row{}, sub{}, speed{};
  int starSpeed = 0;
  std::array<std::array<int, kBands>, 2> bands{};  // each layer's band identities
  std::array<std::bitset<kRows>, 2> scrolledIn{};  // rows painted while scrolling so far

  std::vector<int> key() const {
    std::vector<int> k = {t, held, frameParity, starSpeed};
    k.insert(k.end(), row.begin(), row.end());
    k.insert(k.end(), sub.begin(), sub.end());
    k.insert(k.end(), speed.begin(), speed.end());
    for (const auto &b : bands) k.insert(k.end(), b.begin(), b.end());
    return k;
  }
};

// What one map file has been seen to show, in flat tables while playing.
struct Record {
  std::bitset<kRows> shown, atLoad, scrolled, looped;
  std::vector<unsigned char> join = std::vector<unsigned char>(kRows * kRows, 0);
};

// The layers' surfaces are played cut down to the top band and the first pixel row of the
// second while they only scroll down: the game paints every row that comes in at the top, and
// the copy that moves the surface one band down shows in that pixel row. Whatever else happens
// there (a layer moving up, paints elsewhere) makes the stage play again on whole surfaces.
struct WholeSurfacesNeeded {};

class StagePlayer {
 public:
  StagePlayer(Game &g, std::map<std::string, Record> &records) : g_(g), records_(records) {}

  void play(const StageRules &rules) {
    stage_ = rules.stage;
    const StageClock clock = StageClockOf(stage_);
    holds_ = clock.holds;
    end_ = (clock.flyOutAbove >= 0 ? clock.flyOutAbove : kStageTimeMax) + kFlyOutFrames;
    const char *files[2] = {rules.far.file, rules.near.file};
    for (int L = 0; L < 2; ++L)
      record_[static_cast<std::size_t>(L)] = files[L] ? &records_[MapName(files[L])] : nullptr;
    try {
      cut_ = true;
      explore();
    } catch (const WholeSurfacesNeeded &) {
      cut_ = false;
      explore();
    }
  }

 private:
  // The fly-out and the wait after it end well within this many frames of the order to fly
  // out; by then every stage's scenery has come to rest or runs its last loop.
  static constexpr int kFlyOutFrames = 400;
  static constexpr int kWholeHeight = 544, kCutHeight = kTile + 1;

  void explore() {
    std::set<std::vector<int>> seen;
    std::vector<Moment> frontier{start()};
    while (!frontier.empty()) {
      std::vector<Moment> next;
      for (const Moment &m : frontier) {
        restore(m);
        while (!now_.held && now_.t < end_) frame();
        if (!now_.held) continue;
        // The boss may fall at any moment of the loops the layers run meanwhile. Once a
        // moment comes round that was tried before, the rest of this wait was tried too.
        for (;;) {
          Moment exit = capture();
          exit.held = false;
          if (!seen.insert(exit.key()).second) break;
          next.push_back(exit);
          frame();
        }
      }
      frontier = std::move(next);
    }
  }

  Surface &surface(int layer) { return g_.surf.MASTER[layer == 0 ? 0 : 1]; }
  std::array<int, kBands> &bands(int layer) { return now_.bands[static_cast<std::size_t>(layer)]; }

  Moment start() {
    Stage &st = g_.stage;
    for (Surface &s : g_.surf.MASTER) s = Surface(kProbeWidth, kWholeHeight, 0);
    st.MAPSET = 0;
    st.STAGE = stage_;
    LoadStageMap(g_, stage_);
    st.MAPA = st.MAPB = ProbeGrid(true);
    st.STAGETIME = -100;
    g_.shell.FRAMECNT = 0;
    now_ = Moment();
    for (int L = 0; L < 2; ++L) {
      for (int k = 0; k < kBands; ++k) bands(L)[static_cast<std::size_t>(k)] = DecodeBand(surface(L), k);
      note(L);
    }
    if (cut_) cutSurfaces();
    for (int L = 0; L < 2; ++L) stamp(L);
    return capture();
  }

  void cutSurfaces() {
    for (Surface &s : g_.surf.MASTER) {
      Surface top(kProbeWidth, kCutHeight, 0);
      BitBlt(top, 0, 0, kProbeWidth, kCutHeight, s, 0, 0, Rop::Copy);
      s = std::move(top);
    }
  }

  Moment capture() {
    const Stage &st = g_.stage;
    Moment m = now_;
    m.t = st.STAGETIME;
    m.frameParity = g_.shell.FRAMECNT & 1;
    for (std::size_t i = 0; i < 4; ++i)
      m.row[i] = st.LROW[i], m.sub[i] = st.LSUB[i], m.speed[i] = st.LSPEED[i];
    m.starSpeed = st.STARSPEED;
    return m;
  }

  // Puts back the pixel row of a band that tells which grid row it shows (black for none): the
  // game moves its surfaces by whole bands, so that row is all that is ever read back.
  void paintBand(int layer, int band, int id) {
    Surface &s = surface(layer);
    const int y = kTile * band;
    if (id == kNowhere) {
      FillBox(s, 0, y, kProbeWidth - 1, y, 0);
      return;
    }
    for (int c = 0; c < 2; ++c)
      FillBox(s, kTile * c, y, kTile * c + kTile - 1, y,
              ProbeColour(ProbeCode(c, id & 0xFF, (id & kScrolledBit) != 0)));
  }

  void restore(const Moment &m) {
    Stage &st = g_.stage;
    now_ = m;
    st.STAGETIME = m.t;
    g_.shell.FRAMECNT = m.frameParity;
    for (std::size_t i = 0; i < 4; ++i)
      st.LROW[i] = m.row[i], st.LSUB[i] = m.sub[i], st.LSPEED[i] = m.speed[i];
    st.STARSPEED = m.starSpeed;
    for (int L = 0; L < 2; ++L) {
      for (int k = 0; k * kTile < surface(L).h; ++k) paintBand(L, k, bands(L)[static_cast<std::size_t>(k)]);
      stamp(L);
      note(L);
    }
  }

  // Marks every band that exists (in a pixel no probe reads), so that what the game moves or
  // paints anew shows.
  static Pixel Stamp(int band) { return 0x800000u | static_cast<Pixel>(band); }
  static bool IsStamp(Pixel p) { return (p & 0xFF0000u) == 0x800000u; }
  void stamp(int layer) {
    Surface &s = surface(layer);
    for (int k = 0; k * kTile < s.h; ++k) SetPixelV(s, 1, kTile * k, Stamp(k));
  }

  void frame() {
    Stage &st = g_.stage;
    st.STAGETIME = now_.t;
    ScrollBackground(g_, stage_);
    for (int L = 0; L < 2; ++L) observe(L);
    ++g_.shell.FRAMECNT;
    int t = st.STAGETIME;
    if (!now_.held && t < kStageTimeMax) ++t;
    for (const ClockHold &h : holds_)
      if (!now_.held && t == h.from) t = h.at, now_.held = true;
    st.STAGETIME = now_.t = t;
  }

  void paintedWhileScrolling(int layer, int id) {
    Record *rec = record_[static_cast<std::size_t>(layer)];
    if (id == kNowhere || !rec) return;
    auto &scrolledIn = now_.scrolledIn[static_cast<std::size_t>(layer)];
    const std::size_t row = static_cast<std::size_t>(id & 0xFF);
    if (scrolledIn[row]) rec->looped.set(row);
    scrolledIn.set(row);
  }

  // What the frame did to the layer's surface; false when it did nothing.
  bool observeWhole(int L) {
    Surface &s = surface(L);
    bool changed = false;
    for (int k = 0; k < kBands && !changed; ++k) changed = s.at(1, kTile * k) != Stamp(k);
    if (!changed) return false;
    for (int k = 0; k < kBands; ++k) {
      const bool painted = !IsStamp(s.at(1, kTile * k));
      bands(L)[static_cast<std::size_t>(k)] = DecodeBand(s, k);
      if (painted) paintedWhileScrolling(L, bands(L)[static_cast<std::size_t>(k)]);
    }
    return true;
  }

  bool observeCut(int L) {
    Surface &s = surface(L);
    const Pixel top = s.at(1, 0), second = s.at(1, kTile);
    if (top == Stamp(0) && second == Stamp(1)) return false;
    // Only "one band down, a new row painted at the top" can be followed here.
    if (second != Stamp(0) || IsStamp(top)) throw WholeSurfacesNeeded{};
    auto &b = bands(L);
    std::copy_backward(b.begin(), b.end() - 1, b.end());
    b[0] = DecodeBand(s, 0);
    paintedWhileScrolling(L, b[0]);
    return true;
  }

  void observe(int L) {
    const bool changed = cut_ ? observeCut(L) : observeWhole(L);
    if (changed) stamp(L);
    const int first = g_.stage.LSUB[L] / kTile;
    if (changed || first != firstShown_[static_cast<std::size_t>(L)]) note(L);
  }

  // Notes the rows the screen shows of the layer (from the band at the offset the picture is
  // composed with), and which rows are seen one above the other.
  void note(int L) {
    const int sub = g_.stage.LSUB[L];
    const int first = sub / kTile, last = (sub + 479) / kTile;
    firstShown_[static_cast<std::size_t>(L)] = first;
    Record *rec = record_[static_cast<std::size_t>(L)];
    if (!rec) return;
    const auto &b = bands(L);
    for (int k = first; k <= last; ++k) {
      const int id = b[static_cast<std::size_t>(k)];
      if (id == kNowhere) continue;
      const std::size_t row = static_cast<std::size_t>(id & 0xFF);
      rec->shown.set(row);
      (id & kScrolledBit ? rec->scrolled : rec->atLoad).set(row);
      const int below = k < last ? b[static_cast<std::size_t>(k + 1)] : kNowhere;
      if (below == kNowhere) continue;
      unsigned char &j = rec->join[row * kRows + static_cast<std::size_t>(below & 0xFF)];
      if (j == 0) j = static_cast<unsigned char>(stage_);
    }
  }

  Game &g_;
  std::map<std::string, Record> &records_;
  int stage_ = 0, end_ = 0;
  bool cut_ = true;
  std::vector<ClockHold> holds_;
  std::array<Record *, 2> record_{};
  Moment now_;
  std::array<int, 2> firstShown_{};
};

bool Wanted(const std::set<std::string> &names, const char *file) {
  return file && (names.empty() || names.count(MapName(file)));
}

}  // namespace

int MarkerTile(int stage, int code) {
  const GroundMarker *m = FindGroundMarker(stage, code);
  return m ? m->tile : 0;
}

bool PlayStages(const std::set<std::string> &names, std::map<std::string, Usage> &usage, std::string *error) {
  TempFolder temp;
  if (temp.path().empty()) return *error = "cannot make a temporary folder", false;
  const std::string sheetsDir = temp.path() + "/sheets", dataDir = temp.path() + "/d";
  std::error_code ec;
  fs::create_directories(sheetsDir, ec);
  fs::create_directories(dataDir, ec);
  std::shared_ptr<const SheetSet> sheets = ProbeSheets(sheetsDir, error);
  if (!sheets) return false;
  const Grid loadGrid = ProbeGrid(false), none{};
  bool written = WriteGridFile(dataDir + "/enemy.map", none);
  for (const StageRules &r : StageRulesTable())
    for (const char *file : {r.far.file, r.near.file})
      if (file) written = WriteGridFile(dataDir + "/" + file, loadGrid) && written;
  if (!written) return *error = "cannot write the probe grids into " + dataDir, false;

  HeadlessHost host;
  GameConfig config;
  config.dataDir = dataDir;
  config.seeded = true;
  Game g(host, sheets, nullptr, config);
  std::map<std::string, Record> records;
  StagePlayer player(g, records);
  for (const StageRules &r : StageRulesTable()) {
    if (!Wanted(names, r.far.file) && !Wanted(names, r.near.file)) continue;
    for (const char *file : {r.far.file, r.near.file})
      if (Wanted(names, file)) usage[MapName(file)].stages.push_back(r.stage);
    try {
      player.play(r);
    } catch (const ProgramEnd &) {
      return *error = "the game ended while loading stage " + std::to_string(r.stage), false;
    }
  }
  for (auto &[name, r] : records) {
    if (!usage.count(name)) continue;  // seen beside a wanted map; other stages may show more
    Usage &u = usage[name];
    u.shown = r.shown;
    u.shownAtLoad = r.atLoad;
    u.shownScrolled = r.scrolled;
    u.looped = r.looped;
    for (int i = 0; i < kRows * kRows; ++i)
      if (r.join[static_cast<std::size_t>(i)])
        u.joins[{i / kRows, i % kRows}] = r.join[static_cast<std::size_t>(i)];
  }
  return true;
}

}  // namespace qel::maps
