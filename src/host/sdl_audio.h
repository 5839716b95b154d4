// The music device and the one sound channel, on SDL_mixer. When no audio device opens,
// every call is a silent no-op and the game goes on.
#pragma once

#include <string>
#include <unordered_map>

#include <SDL_mixer.h>

namespace qel {

class SdlAudio {
 public:
  SdlAudio();
  ~SdlAudio();
  SdlAudio(const SdlAudio &) = delete;
  SdlAudio &operator=(const SdlAudio &) = delete;

  bool MusicOpen(const std::string &path);
  bool MusicPlay();
  void MusicClose();
  bool MusicStopped();
  void MusicRewindAndPlay();
  void SoundPlay(const std::string &path);

 private:
  bool opened_ = false;  // the audio device
  Mix_Music *music_ = nullptr;
  bool musicOpen_ = false;
  // Without a device a piece plays silently until it is closed.
  bool silentPlaying_ = false;
  // Loaded on first use; a file that failed to load stays silent (null).
  std::unordered_map<std::string, Mix_Chunk *> sounds_;
};

}  // namespace qel
