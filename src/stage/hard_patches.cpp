#include "stage/hard_patches.h"

namespace qel {

namespace {

constexpr char kMagic[] = "QPT1";
constexpr std::size_t kMagicSize = 4;
constexpr std::size_t kCellSize = 5;

bool FitsByte(int v) { return v >= 0 && v <= 255; }

}  // namespace

bool EncodePatches(const std::vector<PatchCell> &cells, std::string *bytes, std::string *error) {
  std::string out(kMagic, kMagicSize);
  for (std::size_t i = 0; i < cells.size(); ++i) {
    const PatchCell &c = cells[i];
    const int grid = static_cast<int>(c.grid);
    if (!FitsByte(c.stage) || !FitsByte(c.col) || !FitsByte(c.row) || !FitsByte(c.code) || grid < 0 ||
        grid > 1) {
      if (error) *error = "cell " + std::to_string(i) + " has a value outside 0..255";
      return false;
    }
    for (int v : {c.stage, grid, c.col, c.row, c.code}) out.push_back(static_cast<char>(v));
  }
  *bytes = std::move(out);
  return true;
}

bool DecodePatches(const std::string &bytes, std::vector<PatchCell> *cells, std::string *error) {
  auto fail = [&](const std::string &why) {
    if (error) *error = why;
    return false;
  };
  if (bytes.size() < kMagicSize || bytes.compare(0, kMagicSize, kMagic) != 0)
    return fail("does not start with QPT1");
  if ((bytes.size() - kMagicSize) % kCellSize != 0)
    return fail("has " + std::to_string(bytes.size()) + " bytes, which is no whole number of cells");
  std::vector<PatchCell> out;
  for (std::size_t at = kMagicSize; at < bytes.size(); at += kCellSize) {
    auto byte = [&](std::size_t k) { return static_cast<int>(static_cast<unsigned char>(bytes[at + k])); };
    if (byte(1) > 1)
      return fail("names grid " + std::to_string(byte(1)) + " in cell " + std::to_string(out.size()) +
                  " (0 is the schedule, 1 the near grid)");
    out.push_back({byte(0), static_cast<PatchGrid>(byte(1)), byte(2), byte(3), byte(4)});
  }
  *cells = std::move(out);
  return true;
}

}  // namespace qel
