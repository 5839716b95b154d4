// A fresh game on the headless host, with its own temporary data folder.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "game.h"
#include "host/headless_host.h"

namespace qel::test {

// A temporary folder removed with everything in it when the object goes.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir &) = delete;
  TempDir &operator=(const TempDir &) = delete;
  const std::string &path() const { return path_; }
  std::string file(const std::string &name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

// The sheets made by the build, loaded once for the whole test run.
std::shared_ptr<const SheetSet> SharedSheets();
std::shared_ptr<TextRenderer> SharedText();

void WriteBytes(const std::string &path, const std::string &bytes);
std::string ReadBytes(const std::string &path);

// How many times sound n was played.
int SoundCount(const HeadlessHost &host, int n);
// Whether every pixel of the text, drawn as DrawText would draw it, shows in its colour at
// (x, y) of s.
bool ShowsText(Game &g, const Surface &s, const std::string &text, int size, int colour, int x, int y,
               int italic);

struct TestGame {
  TestGame();
  // Runs the start-up steps (the opening scene follows).
  void StartUp();
  // Runs n passes; returns the exit code if the program ended, -1 otherwise.
  int RunPasses(int n);

  TempDir data;
  TempDir userData;
  HeadlessHost host;
  std::unique_ptr<Game> game;
  Game &g() { return *game; }
};

}  // namespace qel::test
