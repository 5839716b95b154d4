// The music device and the one sound channel, mixed by our own SDL audio callback: MIDI pieces
// through FluidSynth (MidiSequencer + FluidSynthSink) and WAV sound effects (SoundChannel).
// Every call comes from the main thread and returns at once; the audio thread does the work.
// Without an audio device every call is a silent no-op and the game goes on.
#pragma once

#include <SDL.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "host/music_midi.h"
#include "host/music_sequencer.h"
#include "host/sdl_audio_synth.h"
#include "host/sound_channel.h"

namespace qel {

// A sound file is a short effect; anything larger is not one of ours.
constexpr std::size_t kMaxSoundBytes = std::size_t{16} << 20;

// Decodes a WAV file of any format SDL reads into mono floats at this rate; null when the bytes
// are no WAV SDL can read.
std::unique_ptr<SoundClip> DecodeWav(const std::uint8_t *bytes, std::size_t size, int rate);

struct SdlAudioOptions {
  // False: no device is opened and the owner pulls the samples with Render (tools and tests).
  bool device = true;
  int rate = 44100;
  std::vector<std::string> soundfonts = SoundfontCandidates();
};

class SdlAudio {
 public:
  static constexpr int kFrames = 512;  // the device's buffer: about 12 ms

  explicit SdlAudio(SdlAudioOptions options = {});
  ~SdlAudio();
  SdlAudio(const SdlAudio &) = delete;
  SdlAudio &operator=(const SdlAudio &) = delete;

  bool MusicOpen(const std::string &path);
  bool MusicPlay();
  void MusicClose();
  bool MusicStopped();
  void MusicRewindAndPlay();
  // Reads the pieces and has the synthesizer ready the instruments they choose.
  void MusicPrepare(const std::vector<std::string> &paths);
  void SoundPlay(const std::string &path);
  // The player's volumes, 0 (silent) to 100 (as made).
  void SetVolumes(int music, int sound);
  // The factor a volume setting scales the samples by: its square, so that the steps sound even.
  static float Gain(int volume);

  // Whether anything is heard at all: a device opened, or samples are pulled.
  bool HasOutput() const { return synth_ != nullptr; }
  // Null without output.
  FluidSynthSink *synth() { return synth_.get(); }
  // Mixes the next frames of 16-bit interleaved stereo: the device callback's work.
  void Render(std::int16_t *stereo, int frames);

 private:
  class Lock;
  static void Callback(void *self, Uint8 *stream, int bytes);
  bool OpenDevice(int rate);
  const SoundClip *Clip(const std::string &path);
  void RenderChunk(std::int16_t *stereo, int frames);

  SDL_AudioDeviceID device_ = 0;
  bool subsystemUp_ = false;
  std::unique_ptr<FluidSynthSink> synth_;
  MidiSequencer sequencer_;
  // The open piece; swapped under the lock, freed outside it.
  std::unique_ptr<MidiSong> song_;
  std::atomic<bool> musicPlaying_{false};
  SoundChannel channel_;
  std::atomic<const SoundClip *> pendingSound_{nullptr};
  std::unordered_map<std::string, std::unique_ptr<SoundClip>> clips_;  // null: unplayable
  std::vector<float> mix_;
  std::atomic<float> musicGain_{1.0f};
  std::atomic<float> soundGain_{1.0f};
  int rate_;
};

}  // namespace qel
