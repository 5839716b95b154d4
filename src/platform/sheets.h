// The sprite-sheet catalogue: every family and index at its fixed size, loaded once at start-up.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "platform/surface.h"

namespace qel {

enum class Family { PL, PLM, EN, ENM, TOKU, TOKUM, HAI, IT, BG, STHAI };
constexpr int kFamilies = 10;

// How a sheet is drawn: opaque pictures are copied, the others come in colour/mask pairs.
enum class SheetKind { Opaque, Colour, Mask };
// AND-XOR: mask black on white, picture on black. OR-AND: mask white on black, picture on white.
enum class MaskConv { None, AndXor, OrAnd };

struct SheetSpec {
  Family family;
  int index;
  int w, h;
  SheetKind kind;
  MaskConv conv;
  int cellW, cellH;  // frame cell size, for diagnostic sheets and the contact sheet
};

const char *FamilyName(Family f);
// Every sheet of the game, in family and index order.
const std::vector<SheetSpec> &SheetCatalogue();
// The catalogue entry, or nullptr when the family has no such index.
const SheetSpec *FindSheet(Family f, int index);
// The mask drawn with a colour sheet (same index in the M family; the listed pairs for HAI and
// BG), or nullptr for opaque sheets and masks.
const SheetSpec *MaskFor(const SheetSpec &colour);
// File name of the sheet inside the sheets folder, e.g. "ENM12.png".
std::string SheetFileName(const SheetSpec &spec);
// The sheet as the game names it, e.g. "ENM(12)"; the single player sheets are "PL" and "PLM".
std::string SheetName(const SheetSpec &spec);

// All sheets, immutable once loaded. Shared by every Game of the process.
class SheetSet {
 public:
  // Loads every sheet of the catalogue from dir. On any missing, damaged or wrong-sized file,
  // or a mask pixel that is not pure black or white, returns nullptr and puts a message that
  // names the sheet in *error. A sheet is diagnostic when its PNG text entry Kind is "diagnostic".
  static std::shared_ptr<const SheetSet> Load(const std::string &dir, std::string *error);
  // A set of blank sheets at the right sizes (for tests that draw nothing from sheets).
  static std::shared_ptr<const SheetSet> Blank();

  // family(index); an index the family lacks yields an empty 0 x 0 surface, which draws nothing.
  const Surface &get(Family f, int index) const;
  // Whether the sheet was made by the diagnostic generator rather than from art.
  bool diagnostic(Family f, int index) const;
  int diagnosticCount() const;

 private:
  struct Entry {
    Surface surface;
    bool diagnostic = false;
  };
  std::array<std::vector<Entry>, kFamilies> families_;
  Surface empty_;
};

// Draws the w x h rectangle at (sx, sy) of a sheet at (x, y) the way the game draws it: colour
// sheets through their mask in their convention, opaque ones copied.
void DrawSheet(Surface &dst, int x, int y, int w, int h, const SheetSet &set, const SheetSpec &spec, int sx,
               int sy);

}  // namespace qel
