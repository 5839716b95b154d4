#include "platform/sound.h"

#include <cstdio>
#include <vector>

#include "game.h"

namespace qel {

namespace {

std::string DataPath(Game &g, const std::string &name) { return g.config.dataDir + "/" + name; }

}  // namespace

const char *MusicFile(int n) {
  static const char *const kFiles[10] = {"",        "b04.mid", "b03.mid", "b02.mid", "b01.mid",
                                         "b05.mid", "b06.mid", "b07.mid", "b08.mid", "b09.mid"};
  return (n >= 1 && n <= 9) ? kFiles[n] : "";
}

std::string SoundFile(int n) {
  if (n < 1 || n > 22 || n == 11) return "";
  char name[16];
  std::snprintf(name, sizeof name, "s%02d.wav", n);
  return name;
}

void PrepareMusic(Game &g) {
  std::vector<std::string> paths;
  for (int n = 1; n <= 9; ++n) paths.push_back(DataPath(g, MusicFile(n)));
  g.host.MusicPrepare(paths);
}

void OpenMidi(Game &g, const std::string &name) {
  g.host.MusicClose();
  g.host.MusicOpen(DataPath(g, name));
}

void PlayMidi(Game &g) { g.host.MusicPlay(); }

void CloseMidi(Game &g) {
  g.host.MusicClose();
  g.audio.MUSICNO = 0;
}

void PlayMusic(Game &g, int n) {
  CloseMidi(g);
  if (g.settings.OPTION[kOptMusicOff] != 0) return;
  g.audio.MUSICNO = n;
  if (n >= 1 && n <= 9) OpenMidi(g, MusicFile(n));
  g.audio.MUSICLOOP = (n == 6 || n == 9) ? 0 : -1;
  PlayMidi(g);
}

void LoopMusic(Game &g) {
  if (g.audio.MUSICLOOP != -1) return;
  if (g.host.MusicStopped()) g.host.MusicRewindAndPlay();
}

void PlayWave(Game &g, const std::string &name) { g.host.SoundPlay(DataPath(g, name)); }

void PlaySound(Game &g, int n) {
  if (g.settings.OPTION[kOptSoundOff] == 1) n = 0;
  if (g.audio.SNDLOCK != 0) return;
  std::string file = SoundFile(n);
  if (!file.empty()) PlayWave(g, file);
}

}  // namespace qel
