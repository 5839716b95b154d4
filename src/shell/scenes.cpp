#include "shell/scenes.h"

#include "game.h"
#include "screens/gallery.h"
#include "screens/screens.h"
#include "stage/stage.h"

namespace qel {

namespace {

// Every scene of the game, once. Numbers 5, 8, 12, 13 and 14 have never had a handler.
constexpr SceneEntry kScenes[] = {
    {kScenePlay, &GameFrame, "play"},
    {kSceneTitle, &RunTitle, "title"},
    {kScenePrologue, &RunPrologue, "prologue"},
    {kSceneEnding, &RunEnding, "ending"},
    {kSceneMissionSelect, &RunMissionSelect, "mission select"},
    {kScenePause, &RunPause, "pause"},
    {kSceneGameOver, &RunGameOver, "game over"},
    {kSceneMusicRoom, &RunMusicRoom, "music room"},
    {kSceneEndingIntro, &RunEndingIntro, "fly-by"},
    {kSceneOpening, &RunOpening, "opening"},
    {kSceneOptions, &RunOptions, "options"},
    {kSceneGallery, &RunGallery, "gallery"},
};

}  // namespace

const SceneEntry *FindScene(int scene) {
  for (const SceneEntry &e : kScenes)
    if (e.number == scene) return &e;
  return nullptr;
}

void RunScene(Game &g) {
  const SceneEntry *e = FindScene(g.shell.SCENE);
  if (e != nullptr) e->handler(g);
}

}  // namespace qel
