// The stage tiles: what every code of the far sheet (HAI0) and the near sheet (HAI1/HAI2) shows
// and how its four sides may meet their neighbours. The tile painters draw from this table and
// the map compiler checks the maps against it, so a tile and the rule for placing it never part.
//
// Most tiles belong to a family: two materials (a base and a material) and one tile for every
// way of setting the four corners of the 32 x 32 cell to one or the other. The boundary between
// the materials runs through the middle of the cell, so two tiles fit together exactly when they
// agree on the corners they share. A side's edge class therefore names the materials of its two
// corners ("-|hull" = nothing on the left, hull on the right), plus ":g" when a girder (or ":c"
// when a conduit) crosses its midpoint. Two neighbours fit when their facing edge classes are
// equal. Stamps (pictures of several tiles) give their inner sides classes of their own, so
// they only fit together in their drawn order.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace qel::tiles {

enum class Layer { Far, Near };
enum Side : int { kTop = 0, kBottom = 1, kLeft = 2, kRight = 3 };

// How the boundary between a family's two materials is shaped.
enum class Style {
  Blocky,  // straight along the cell's centre lines, corners bevelled: decks, floors, hulls
  Round,   // a rounded, noisy curve: rocks, clouds, dust, coasts
};

// Corner bits of a tile: which of its corners lie in the family's material.
constexpr int kCornerTL = 8, kCornerTR = 4, kCornerBL = 2, kCornerBR = 1;
// The corner sets a family draws, in the order of Family::codes. The diagonal pairs (6 and 9)
// are left out: a shape may not touch itself corner to corner.
constexpr std::array<int, 13> kCornerSets = {1, 2, 3, 4, 5, 7, 8, 10, 11, 12, 13, 14, 15};

struct Family {
  const char *name;
  Layer layer;
  const char *base;      // material of a clear corner; "-" is nothing (the near layer's hole)
  const char *material;  // material of a set corner
  Style style;
  int baseCode;  // the tile with no corner set
  std::array<int, 13> codes;
};

// Connector bits: a girder or conduit leaves the tile through the middle of these sides.
constexpr int kLinkTop = 1, kLinkBottom = 2, kLinkLeft = 4, kLinkRight = 8;

struct Tile {
  Layer layer = Layer::Far;
  int code = 0;
  std::string name;
  std::array<std::string, 4> edge;  // by Side
  const Family *family = nullptr;   // null for tiles drawn on their own
  int corners = 0;                  // corner bits (family tiles)
  int links = 0;                    // connector bits
  std::string detail;               // what is drawn on top, or the stamp's name
  int part = 0;                     // the stamp's cell, row-major
};

inline const std::vector<Family> &Families() {
  // clang-format off
  static const std::vector<Family> families = {
      // Far layer.
      {"dust", Layer::Far, "space", "dust", Style::Round, 0, {10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22}},
      {"moon", Layer::Far, "space", "moon", Style::Round, 0, {30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42}},
      {"land", Layer::Far, "sea", "land", Style::Round, 83, {70, 71, 72, 73, 74, 75, 76, 77, 78, 79, 80, 81, 82}},
      // Near layer.
      {"floor", Layer::Near, "-", "floor", Style::Blocky, 0, {10, 11, 12, 13, 14, 16, 17, 18, 19, 20, 21, 22, 15}},
      {"rock", Layer::Near, "-", "rock", Style::Round, 0, {34, 35, 36, 37, 38, 39, 40, 42, 43, 44, 45, 46, 47}},
      {"hull", Layer::Near, "-", "hull", Style::Blocky, 0, {50, 51, 52, 53, 54, 55, 56, 57, 58, 59, 60, 61, 62}},
      {"fleet", Layer::Near, "-", "fleet", Style::Blocky, 0, {70, 71, 72, 73, 74, 75, 76, 77, 78, 79, 80, 81, 82}},
      {"cloud", Layer::Near, "-", "cloud", Style::Round, 0, {23, 31, 32, 33, 48, 49, 83, 84, 85, 86, 87, 88, 89}},
  };
  // clang-format on
  return families;
}

inline const char *CornerSetName(int corners) {
  switch (corners) {
    case 1: return "corner_tl";  // the top-left corner of a shape
    case 2: return "corner_tr";
    case 4: return "corner_bl";
    case 8: return "corner_br";
    case 3: return "edge_top";
    case 12: return "edge_bottom";
    case 5: return "edge_left";
    case 10: return "edge_right";
    case 7: return "inner_tl";  // a notch cut into the shape's top-left
    case 11: return "inner_tr";
    case 13: return "inner_bl";
    case 14: return "inner_br";
    case 15: return "full";
    default: return "?";
  }
}

namespace detail {

inline std::string Corner(const Family &f, int corners, int bit) {
  return (corners & bit) ? f.material : f.base;
}

inline std::string Link(int links, int bit, char kind) {
  return (links & bit) ? std::string(":") + kind : std::string();
}

// A family tile: edges from its corners and connectors.
inline Tile FamilyTile(const Family &f, int code, int corners, const std::string &name, int links = 0,
                       const std::string &decor = "", char linkKind = 'g') {
  Tile t;
  t.layer = f.layer;
  t.code = code;
  t.name = name;
  t.family = &f;
  t.corners = corners;
  t.links = links;
  t.detail = decor;
  t.edge[kTop] =
      Corner(f, corners, kCornerTL) + "|" + Corner(f, corners, kCornerTR) + Link(links, kLinkTop, linkKind);
  t.edge[kBottom] = Corner(f, corners, kCornerBL) + "|" + Corner(f, corners, kCornerBR) +
                    Link(links, kLinkBottom, linkKind);
  t.edge[kLeft] =
      Corner(f, corners, kCornerTL) + "|" + Corner(f, corners, kCornerBL) + Link(links, kLinkLeft, linkKind);
  t.edge[kRight] =
      Corner(f, corners, kCornerTR) + "|" + Corner(f, corners, kCornerBR) + Link(links, kLinkRight, linkKind);
  return t;
}

inline const Family &FamilyNamed(const char *name) {
  for (const Family &f : Families())
    if (std::string(f.name) == name) return f;
  return Families().front();
}

// A tile drawn on its own with the same class on all four sides.
inline Tile Plain(Layer layer, int code, const std::string &name, const std::string &edge) {
  Tile t;
  t.layer = layer;
  t.code = code;
  t.name = name;
  t.edge = {edge, edge, edge, edge};
  t.detail = name;
  return t;
}

// Cell `part` of a stamp w tiles wide and h high drawn over `outside` (the class of its rim).
inline Tile StampPart(Layer layer, int code, const std::string &stamp, int w, int h, int part,
                      const std::string &outside) {
  Tile t = Plain(layer, code, stamp + "_" + std::to_string(part), outside);
  t.detail = stamp;
  t.part = part;
  const int col = part % w, row = part / w;
  auto inner = [&](const char *axis, int a, int b) {
    return stamp + ":" + axis + std::to_string(a) + "." + std::to_string(b);
  };
  if (row > 0) t.edge[kTop] = inner("h", row, col);
  if (row < h - 1) t.edge[kBottom] = inner("h", row + 1, col);
  if (col > 0) t.edge[kLeft] = inner("v", row, col);
  if (col < w - 1) t.edge[kRight] = inner("v", row, col + 1);
  return t;
}

inline void AddFamilies(std::vector<Tile> &out) {
  for (const Family &f : Families())
    for (std::size_t i = 0; i < kCornerSets.size(); ++i)
      out.push_back(FamilyTile(f, f.codes[i], kCornerSets[i],
                               std::string(f.name) + "_" + CornerSetName(kCornerSets[i])));
}

inline void AddFarTiles(std::vector<Tile> &out) {
  const Layer L = Layer::Far;
  const std::string space = "space|space";
  out.push_back(Plain(L, 0, "space", space));
  out.push_back(Plain(L, 1, "sky", "sky"));  // the fly-by backdrop, tiled on its own
  out.push_back(Plain(L, 2, "space_stars", space));
  out.push_back(Plain(L, 3, "space_galaxy", space));
  out.push_back(Plain(L, 4, "space_glow", space));
  for (int i = 0; i < 4; ++i)
    out.push_back(Plain(L, 5 + i, "warp_" + std::string(1, static_cast<char>('a' + i)), "warp"));
  Tile mouth = Plain(L, 9, "warp_mouth", "warp_mouth");  // space below, the tunnel above
  mouth.edge[kTop] = "warp";
  mouth.edge[kBottom] = space;
  out.push_back(mouth);
  const Family &dust = FamilyNamed("dust");
  out.push_back(FamilyTile(dust, 23, 15, "dust_knot", 0, "knot"));
  out.push_back(FamilyTile(dust, 24, 15, "dust_stars", 0, "stars"));
  out.push_back(FamilyTile(dust, 25, 15, "dust_dark", 0, "dark"));
  for (int i = 0; i < 4; ++i) out.push_back(Plain(L, 26 + i, "far_rock_" + std::to_string(i), space));
  const Family &moon = FamilyNamed("moon");
  out.push_back(FamilyTile(moon, 43, 15, "moon_crater", 0, "crater"));
  out.push_back(FamilyTile(moon, 44, 15, "moon_craters", 0, "craters"));
  for (int i = 0; i < 4; ++i) out.push_back(StampPart(L, 45 + i, "moon_basin", 2, 2, i, "moon|moon"));
  out.push_back(FamilyTile(moon, 49, 15, "moon_lights", 0, "lights"));
  // The mother computer's ground: a deck of plates with conduits, pads and the core pit.
  const std::string deck = "deck|deck";
  out.push_back(Plain(L, 50, "deck", deck));
  out.push_back(Plain(L, 51, "deck_vent", deck));
  out.push_back(Plain(L, 52, "deck_plate", deck));
  out.push_back(Plain(L, 53, "deck_pad", deck));
  Tile conduitV = Plain(L, 54, "deck_conduit_v", deck), conduitH = Plain(L, 55, "deck_conduit_h", deck),
       conduitX = Plain(L, 56, "deck_conduit_x", deck);
  conduitV.links = kLinkTop | kLinkBottom;
  conduitH.links = kLinkLeft | kLinkRight;
  conduitX.links = kLinkTop | kLinkBottom | kLinkLeft | kLinkRight;
  for (Tile *t : {&conduitV, &conduitH, &conduitX}) {
    for (int s = 0; s < 4; ++s)
      if (t->links & (1 << s)) t->edge[s] = deck + ":c";
    t->detail = "conduit";
    out.push_back(*t);
  }
  const int core[9] = {57, 58, 59, 60, 61, 62, 64, 65, 66};
  for (int i = 0; i < 9; ++i) out.push_back(StampPart(L, core[i], "core", 3, 3, i, deck));
  out.push_back(Plain(L, 63, "menu", "menu"));  // the mission-select backdrop, tiled on its own
  const Family &land = FamilyNamed("land");
  out.push_back(Plain(L, 83, "sea", "sea|sea"));
  out.push_back(Plain(L, 84, "sea_waves", "sea|sea"));
  out.push_back(Plain(L, 85, "sea_wake", "sea|sea"));
  out.push_back(FamilyTile(land, 86, 15, "land_ruins", 0, "ruins"));
  out.push_back(FamilyTile(land, 87, 15, "land_forest", 0, "forest"));
  out.push_back(FamilyTile(land, 88, 15, "land_fields", 0, "fields"));
  out.push_back(Plain(L, 89, "sea_isle", "sea|sea"));
}

inline void AddNearTiles(std::vector<Tile> &out) {
  const Layer L = Layer::Near;
  const std::string none = "-|-";
  out.push_back(Plain(L, 0, "empty", none));
  for (int i = 0; i < 4; ++i)
    out.push_back(Plain(L, 1 + i, "streak_" + std::string(1, static_cast<char>('a' + i)), none));
  const Family &fleet = FamilyNamed("fleet"), &hull = FamilyNamed("hull"), &floor = FamilyNamed("floor");
  out.push_back(FamilyTile(fleet, 5, 15, "fleet_lights", 0, "lights"));
  out.push_back(FamilyTile(fleet, 6, 15, "fleet_vents", 0, "vents"));
  out.push_back(FamilyTile(fleet, 7, 15, "fleet_dome", 0, "dome"));
  out.push_back(FamilyTile(hull, 8, 15, "hull_lights", 0, "lights"));
  out.push_back(FamilyTile(hull, 9, 15, "hull_hatch", 0, "hatch"));
  for (int i = 0; i < 4; ++i) out.push_back(StampPart(L, 24 + i, "hangar", 2, 2, i, "floor|floor"));
  out.push_back(FamilyTile(floor, 28, 15, "floor_dome", 0, "dome"));
  out.push_back(FamilyTile(floor, 29, 15, "floor_mast", 0, "mast"));
  out.push_back(FamilyTile(floor, 30, 15, "floor_lights", 0, "lights"));
  out.push_back(FamilyTile(floor, 41, 15, "floor_turret_base", 0, "turret_base"));
  out.push_back(FamilyTile(hull, 63, 0, "girder_v", kLinkTop | kLinkBottom));
  out.push_back(FamilyTile(hull, 64, 0, "girder_h", kLinkLeft | kLinkRight));
  out.push_back(FamilyTile(hull, 65, 0, "girder_x", kLinkTop | kLinkBottom | kLinkLeft | kLinkRight));
  out.push_back(FamilyTile(hull, 66, 3, "girder_onto_hull", kLinkTop));
  out.push_back(FamilyTile(hull, 67, 12, "girder_from_hull", kLinkBottom));
  out.push_back(FamilyTile(hull, 68, 15, "hull_cannon_mount", 0, "cannon_mount"));
  out.push_back(FamilyTile(hull, 69, 15, "hull_turret_base", 0, "turret_base"));
}

inline std::vector<Tile> BuildTiles() {
  std::vector<Tile> tiles;
  AddFamilies(tiles);
  AddFarTiles(tiles);
  AddNearTiles(tiles);
  return tiles;
}

}  // namespace detail

inline const std::vector<Tile> &Tiles() {
  static const std::vector<Tile> tiles = detail::BuildTiles();
  return tiles;
}

// The tile of a code, or null where the layer has none.
inline const Tile *FindTile(Layer layer, int code) {
  for (const Tile &t : Tiles())
    if (t.layer == layer && t.code == code) return &t;
  return nullptr;
}

// The highest code a layer can draw: the near sheet is 289 pixels wide, so its tenth column of
// tiles does not exist.
constexpr int LastCode(Layer layer) { return layer == Layer::Far ? 99 : 89; }

}  // namespace qel::tiles
