// Music by number through the single music device, and sound effects on one channel.
#pragma once

#include <string>

namespace qel {

struct Game;

struct Audio {
  int MUSICNO = 0;
  int MUSICLOOP = 0;
  int SNDLOCK = 0;
};

void PlayMusic(Game &g, int n);
void PlaySound(Game &g, int n);
void LoopMusic(Game &g);
void OpenMidi(Game &g, const std::string &name);
void PlayMidi(Game &g);
void CloseMidi(Game &g);
void PlayWave(Game &g, const std::string &name);

// The file of music number n ("" for none), and whether that piece loops.
const char *MusicFile(int n);
// The file of sound number n ("" for none).
std::string SoundFile(int n);

}  // namespace qel
