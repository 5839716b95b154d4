// Music by number through the single music device, and sound effects on one channel.
#pragma once

#include <string>

namespace qel {

struct Game;

// The sound effects by number (sNN.wav; 4 is never played and 11 has no file).
enum SoundEffect : int {
  kSoundNone = 0,
  kSoundHit = 1,
  kSoundBlast = 2,
  kSoundBigBlast = 3,
  kSoundPop = 5,
  kSoundJet = 6,
  kSoundCannon = 7,
  kSoundBossFire = 8,
  kSoundNeedle = 9,
  kSoundSwitch = 10,
  kSoundGigaCrash = 12,
  kSoundDamage = 13,
  kSoundCursor = 14,
  kSoundConfirm = 15,
  kSoundRefuse = 16,
  kSoundWarning = 17,
  kSoundThunder = 18,
  kSoundWarp = 19,
  kSoundRumble = 20,
  kSoundZigZag = 21,
  kSoundField = 22,
};

// The music pieces by number, as the music room lists them; 0 is silence.
enum MusicPiece : int {
  kMusicSilence = 0,
  kMusicQuickMovement = 1,  // stage 1
  kMusicPerilousZone = 2,   // stages 2 and 4
  kMusicUneasyFlight = 3,   // stage 3, the boss rush
  kMusicMainTheme = 4,      // prologue, first stage, warp, extra stage
  kMusicTwinkleDark = 5,    // a boss appears
  kMusicMissionComplete = 6,
  kMusicStopTheTime = 7,  // the return to Earth
  kMusicAlarm = 8,        // the last bosses
  kMusicWarmMelody = 9,   // the staff roll
};

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
// Tells the host every piece there is, before the first plays.
void PrepareMusic(Game &g);
// The file of sound number n ("" for none).
std::string SoundFile(int n);

}  // namespace qel
