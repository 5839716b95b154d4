// The keeper's face features, one cell per expression part, drawn over the clean skin of her
// portrait: eyebrows (neutral, worried, raised and friendly, serious), eyes (open, smiling arcs,
// gently closed, a wink) and mouths (closed and serious, a small "o" nobody asks for, a small
// smile, a dismayed frown, an open smile). Her left and right features are mirror images, except
// the highlights in her eyes, which both face the light at the top left.
#include "art/keeper_kit.h"
#include "art/registry.h"

namespace qel::art::keeper {
namespace {

const std::vector<Ink> kEyeInks = {
    {'K', Rgb(36, 14, 14)},    {'k', Rgb(138, 74, 60)}, {'S', Rgb(253, 248, 244)},
    {'s', Rgb(200, 192, 216)}, {'D', Rgb(12, 74, 68)},  {'I', Rgb(22, 140, 114)},
    {'L', Rgb(92, 208, 160)},  {'P', Rgb(8, 36, 32)},   {'W', Rgb(255, 255, 255)},
};
const std::vector<Ink> kBrowInks = {{'B', kHair[0]}, {'b', kHair[1]}};
const std::vector<Ink> kMouthInks = {
    {'M', Rgb(122, 40, 40)},
    {'m', Rgb(208, 128, 112)},
    {'R', Rgb(142, 32, 48)},
    {'T', Rgb(232, 128, 138)},
};

// Her right eye (picture left), 20 wide: the outer corner is at column 0. The iris spans
// columns 5..15; its highlights are added by Highlights().
const Glyph kEyeOpen = {{
    "......KKKKKKKK......",
    "...KKKKKKKKKKKKKK...",
    ".KKKKKKDDDDDDDKKKKK.",
    "K..KssDDDDDDDDDssK..",
    "...SSDIIIDPPDIIDSS..",
    "...SSDIIIPPPPIIDSS..",
    "...SSDIIPPPPPPIDSS..",
    "....SDIIIPPPPIIDS...",
    "....SDLIIIIIIILDS...",
    ".....DLLLIIILLLD....",
    "......DDLLLLLDD.....",
    ".....kkkkkkkkkkk....",
}};
const Glyph kEyeSmile = {{
    "....................",
    "....................",
    "....................",
    "......KKKKKKKK......",
    "....KKKKKKKKKKKK....",
    "..KKKK........KKKK..",
    ".KKK............KKK.",
    "KK................K.",
    "....................",
}};
const Glyph kEyeClosed = {{
    "....................",
    "....................",
    "....................",
    "....................",
    "....................",
    "K..................k",
    ".KKKK..........KKKK.",
    "...KKKKKKKKKKKKKK...",
    ".....KKKKKKKKKK.....",
    "...k..k..k..k.......",
}};

void EyeHighlights(Canvas &c, int x, int y, bool mirrored) {
  int ix = mirrored ? x + 19 - 15 : x + 5;  // the iris's left column
  for (int dy = 4; dy <= 5; ++dy)
    for (int dx = 2; dx <= 3; ++dx) c.set(ix + dx, y + dy, Rgb(255, 255, 255));
  c.set(ix + 8, y + 8, Rgb(255, 255, 255));
}

void Eye(Canvas &c, const Glyph &g, int cell, bool mirrored, bool open) {
  int x = 62 * cell + (mirrored ? 38 : 4), y = 1;
  Stamp(c, g, x, y, kEyeInks, mirrored);
  if (open) EyeHighlights(c, x, y, mirrored);
}

// Her right brow (picture left), the outer end at column 0.
const Glyph kBrows[4] = {
    {{"", "", "......bBBBBBb.......", "...bBBBBBBBBBBBb....", ".bBBb.........bBBb..",
      "bb.................."}},
    {{"", "...............bBBb.", "...........bBBBBBb..", ".......bBBBBBb......", "...bBBBBb...........",
      ".bBBb...............", "bb.................."}},
    {{"......bBBBBBb.......", "...bBBBBBBBBBBBb....", ".bBBb.........bBBBb.", "bb..............bb..", ""}},
    {{"", "", "bBBBb...............", ".bBBBBBBb...........", ".....bBBBBBBBb......", ".........bBBBBBBBBb.",
      "..............bBBBb."}},
};

const Glyph kMouths[5] = {
    {{"", "", "", ".....MMMMMMM.....", "......mmmmm......"}},
    {{"", "", "......MMMMM......", ".....MRRRRRM.....", ".....MRRRRRM.....", "......MMMMM......"}},
    {{"", "", "", "....M.......M....", ".....MMMMMMM.....", ".......mmm......."}},
    {{"", "", "", "......MMMMM......", "....MM.....MM....", "...M.........M..."}},
    {{"", "...MMMMMMMMMMM...", "...MRRRRRRRRRM...", "....MRRRRRRRM....", "....MRRTTTRRM....",
      ".....MRTTTRM.....", "......MMMMM......"}},
};

}  // namespace

ART_SHEET(TOKU39) {
  for (int cell = 0; cell < 4; ++cell) {
    Stamp(c, kBrows[cell], 64 * cell + 4, 0, kBrowInks);
    Stamp(c, kBrows[cell], 64 * cell + 39, 0, kBrowInks, true);
  }
}

ART_SHEET(TOKU40) {
  const Glyph *left[4] = {&kEyeOpen, &kEyeSmile, &kEyeClosed, &kEyeOpen};
  const Glyph *right[4] = {&kEyeOpen, &kEyeSmile, &kEyeClosed, &kEyeSmile};
  for (int cell = 0; cell < 4; ++cell) {
    Eye(c, *left[cell], cell, false, left[cell] == &kEyeOpen);
    Eye(c, *right[cell], cell, true, right[cell] == &kEyeOpen);
  }
}

ART_SHEET(TOKU41) {
  for (int cell = 0; cell < 5; ++cell) Stamp(c, kMouths[cell], 17 * cell, 0, kMouthInks);
}

}  // namespace qel::art::keeper
