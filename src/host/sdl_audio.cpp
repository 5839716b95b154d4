#include "host/sdl_audio.h"

#include <SDL.h>

#include <cstdio>

namespace qel {

namespace {

constexpr int kSoundChannel = 0;

bool FileExists(const std::string &path) {
  std::FILE *f = std::fopen(path.c_str(), "rb");
  if (!f) return false;
  std::fclose(f);
  return true;
}

}  // namespace

SdlAudio::SdlAudio() {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
  if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return;
  }
  Mix_AllocateChannels(1);
  opened_ = true;
}

SdlAudio::~SdlAudio() {
  MusicClose();
  if (!opened_) return;
  Mix_HaltChannel(-1);
  for (auto &entry : sounds_) Mix_FreeChunk(entry.second);
  Mix_CloseAudio();
  Mix_Quit();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlAudio::MusicOpen(const std::string &path) {
  MusicClose();
  if (!FileExists(path)) return false;
  if (opened_) {
    music_ = Mix_LoadMUS(path.c_str());
    if (!music_) return false;
  }
  musicOpen_ = true;
  return true;
}

bool SdlAudio::MusicPlay() {
  if (!musicOpen_) return false;
  if (!music_) {
    silentPlaying_ = true;
    return true;
  }
  return Mix_PlayMusic(music_, 0) == 0;
}

void SdlAudio::MusicClose() {
  if (music_) {
    Mix_HaltMusic();
    Mix_FreeMusic(music_);
    music_ = nullptr;
  }
  musicOpen_ = silentPlaying_ = false;
}

bool SdlAudio::MusicStopped() {
  if (!musicOpen_) return false;
  return music_ ? Mix_PlayingMusic() == 0 : !silentPlaying_;
}

void SdlAudio::MusicRewindAndPlay() {
  if (!musicOpen_) return;
  // Playing again starts from the beginning.
  if (music_) Mix_PlayMusic(music_, 0);
  silentPlaying_ = true;
}

void SdlAudio::SoundPlay(const std::string &path) {
  if (!opened_) return;
  auto it = sounds_.find(path);
  if (it == sounds_.end()) it = sounds_.emplace(path, Mix_LoadWAV(path.c_str())).first;
  // A new sound on the one channel replaces the one that plays.
  if (it->second) Mix_PlayChannel(kSoundChannel, it->second, 0);
}

}  // namespace qel
