// The scene table: which handler one pass of the main loop runs for each scene number.
#pragma once

namespace qel {

struct Game;

using SceneHandler = void (*)(Game &);

struct SceneEntry {
  int number;
  SceneHandler handler;
  const char *name;  // for reports and tools
};

// The entry of a scene number, or nullptr when the number has no handler (such a pass runs only
// the housekeeping steps).
const SceneEntry *FindScene(int scene);
// Runs the handler of the current scene once.
void RunScene(Game &g);

}  // namespace qel
