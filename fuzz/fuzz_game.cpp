#include "fuzz_game.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace qel::fuzz {

std::string DataFolder() {
  static const std::string dir = [] {
    char pattern[] = "/tmp/qelvane-fuzz-XXXXXX";
    const char *made = mkdtemp(pattern);
    if (!made) std::abort();
    return std::string(made);
  }();
  return dir;
}

void WriteData(const std::string &name, const std::string &bytes) {
  std::ofstream out(DataFolder() + "/" + name, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

FuzzGame::FuzzGame(GameConfig config) {
  static const std::shared_ptr<const SheetSet> sheets = SheetSet::Blank();
  static const std::shared_ptr<TextRenderer> text = [] {
    std::string error;
    auto t = TextRenderer::Open(TextRenderer::DefaultFontPath(), &error);
    if (!t) {
      std::fprintf(stderr, "fuzz: %s\n", error.c_str());
      std::abort();
    }
    return t;
  }();
  config.dataDir = DataFolder();
  config.seeded = true;
  config.writeSave = false;
  game = std::make_unique<Game>(host, sheets, text, config);
}

}  // namespace qel::fuzz
