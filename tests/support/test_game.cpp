#include "support/test_game.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace qel::test {

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "qelvane-test-XXXXXX").string();
  char *made = mkdtemp(pattern.data());
  if (!made) throw std::runtime_error("cannot make a temporary folder");
  path_ = made;
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                               ec);
  std::filesystem::remove_all(path_, ec);
}

std::shared_ptr<const SheetSet> SharedSheets() {
  static std::shared_ptr<const SheetSet> sheets = [] {
    std::string error;
    auto s = SheetSet::Load(QELVANE_SHEETS_DIR, &error);
    if (!s) ADD_FAILURE() << "the built sheets do not load: " << error;
    return s ? s : SheetSet::Blank();
  }();
  return sheets;
}

std::shared_ptr<TextRenderer> SharedText() {
  static std::shared_ptr<TextRenderer> text = [] {
    std::string error;
    auto t = TextRenderer::Open(TextRenderer::DefaultFontPath(), &error);
    if (!t) ADD_FAILURE() << error;
    return t;
  }();
  return text;
}

void WriteBytes(const std::string &path, const std::string &bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadBytes(const std::string &path) {
  std::ifstream f(path, std::ios::binary);
  std::ostringstream ss;
  ss << f.rdbuf();
  return ss.str();
}

int SoundCount(const HeadlessHost &host, int n) {
  int count = 0;
  std::string file = "/" + SoundFile(n);
  for (const std::string &s : host.sounds)
    count += s.size() >= file.size() && s.compare(s.size() - file.size(), file.size(), file) == 0 ? 1 : 0;
  return count;
}

bool ShowsText(Game &g, const Surface &s, const std::string &text, int size, int colour, int x, int y,
               int italic) {
  Surface probe(s.w, s.h, 0);
  DrawText(g, probe, text, size, colour, x, y, italic);
  int lit = 0;
  for (int py = 0; py < s.h; ++py)
    for (int px = 0; px < s.w; ++px) {
      if (probe.at(px, py) == 0) continue;
      ++lit;
      if (s.at(px, py) != QBColor(colour)) return false;
    }
  return lit > 0;
}

TestGame::TestGame() {
  host.userDataDir = userData.path();
  GameConfig cfg;
  cfg.dataDir = data.path();
  cfg.seed = 12345;
  cfg.seeded = true;
  game = std::make_unique<Game>(host, SharedSheets(), SharedText(), cfg);
}

void TestGame::StartUp() { qel::StartUp(*game); }

int TestGame::RunPasses(int n) {
  try {
    for (int i = 0; i < n; ++i) RunPass(*game);
  } catch (const ProgramEnd &end) {
    return end.exitCode;
  }
  return -1;
}

}  // namespace qel::test
