#include "host/sdl_audio.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <set>
#include <string>
#include <utility>

#include "platform/file_io.h"

namespace qel {

namespace {

std::uint32_t Le32(const std::uint8_t *p) {
  return p[0] | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16) | (std::uint32_t{p[3]} << 24);
}

// Whether the bytes are a whole WAV file of a kind a sound effect can be: every chunk inside the
// file, a format of 1 to 8 channels at 4 to 192 kHz. SDL's reader believes the sizes a header
// claims and would ask for gigabytes on a few damaged bytes, so they are checked here first.
bool WavIsWhole(const std::uint8_t *bytes, std::size_t size) {
  if (size < 12 || std::memcmp(bytes, "RIFF", 4) != 0 || std::memcmp(bytes + 8, "WAVE", 4) != 0) return false;
  bool format = false, data = false;
  for (std::size_t at = 12; at + 8 <= size;) {
    const std::uint32_t length = Le32(bytes + at + 4);
    if (length > size - at - 8) return false;
    if (std::memcmp(bytes + at, "fmt ", 4) == 0) {
      if (length < 16) return false;
      const std::uint8_t *f = bytes + at + 8;
      const int channels = f[2] | (f[3] << 8);
      const std::uint32_t frequency = Le32(f + 4);
      if (channels < 1 || channels > 8 || frequency < 4000 || frequency > 192000) return false;
      format = true;
    }
    if (std::memcmp(bytes + at, "data", 4) == 0) data = true;
    at += 8 + length + (length & 1);
  }
  return format && data;
}

}  // namespace

// Any WAV SDL can read, turned into mono floats at the output's rate.
std::unique_ptr<SoundClip> DecodeWav(const std::uint8_t *bytes, std::size_t size, int rate) {
  if (size > kMaxSoundBytes || !WavIsWhole(bytes, size)) return nullptr;
  SDL_AudioSpec spec;
  Uint8 *data = nullptr;
  Uint32 length = 0;
  SDL_RWops *in = SDL_RWFromConstMem(bytes, static_cast<int>(size));
  if (!in || !SDL_LoadWAV_RW(in, 1, &spec, &data, &length)) return nullptr;
  SDL_AudioCVT cvt;
  std::unique_ptr<SoundClip> clip;
  if (SDL_BuildAudioCVT(&cvt, spec.format, spec.channels, spec.freq, AUDIO_F32SYS, 1, rate) >= 0) {
    std::vector<Uint8> work(static_cast<std::size_t>(length) * static_cast<std::size_t>(cvt.len_mult));
    std::copy(data, data + length, work.begin());
    cvt.buf = work.data();
    cvt.len = static_cast<int>(length);
    if (SDL_ConvertAudio(&cvt) == 0) {
      clip = std::make_unique<SoundClip>();
      const auto *f = reinterpret_cast<const float *>(work.data());
      clip->samples.assign(f, f + cvt.len_cvt / static_cast<int>(sizeof(float)));
    }
  }
  SDL_FreeWAV(data);
  return clip;
}

namespace {

bool ReadFile(const std::string &path, std::vector<std::uint8_t> &bytes) {
  std::string read;
  if (ReadWholeFile(path, &read) != ReadResult::Ok) return false;
  bytes.assign(read.begin(), read.end());
  return true;
}

std::unique_ptr<SoundClip> LoadClip(const std::string &path, int rate) {
  std::string bytes;
  if (ReadWholeFile(path, &bytes, nullptr, kMaxSoundBytes) != ReadResult::Ok) return nullptr;
  return DecodeWav(reinterpret_cast<const std::uint8_t *>(bytes.data()), bytes.size(), rate);
}

// Music and a sound at their loudest together can pass full scale: the top tenth is bent
// smoothly towards it instead of being clipped flat.
std::int16_t ToPcm(float x) {
  constexpr float kKnee = 0.9f;
  const float a = std::fabs(x);
  if (a > kKnee) x = std::copysign(kKnee + (1.0f - kKnee) * std::tanh((a - kKnee) / (1.0f - kKnee)), x);
  return static_cast<std::int16_t>(std::lrint(x * 32767.0f));
}

}  // namespace

// Holds the device's lock (nothing without a device): the callback is not running meanwhile.
class SdlAudio::Lock {
 public:
  explicit Lock(SDL_AudioDeviceID id) : id_(id) {
    if (id_) SDL_LockAudioDevice(id_);
  }
  ~Lock() {
    if (id_) SDL_UnlockAudioDevice(id_);
  }
  Lock(const Lock &) = delete;
  Lock &operator=(const Lock &) = delete;

 private:
  SDL_AudioDeviceID id_;
};

SdlAudio::SdlAudio(SdlAudioOptions options)
    : sequencer_(options.rate), mix_(2 * kFrames), rate_(options.rate) {
  if (options.device && !OpenDevice(options.rate)) return;
  synth_ = std::make_unique<FluidSynthSink>(rate_, std::move(options.soundfonts));
  if (device_) SDL_PauseAudioDevice(device_, 0);
}

bool SdlAudio::OpenDevice(int rate) {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    std::fprintf(stderr, "qelvane: no sound (%s); the game goes on silently\n", SDL_GetError());
    return false;
  }
  subsystemUp_ = true;
  SDL_AudioSpec want{};
  want.freq = rate;
  want.format = AUDIO_S16SYS;
  want.channels = 2;
  want.samples = kFrames;
  want.callback = Callback;
  want.userdata = this;
  // Exactly this format: SDL converts if the hardware wants another.
  device_ = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
  if (device_ == 0) {
    std::fprintf(stderr, "qelvane: no sound (%s); the game goes on silently\n", SDL_GetError());
    return false;
  }
  return true;
}

SdlAudio::~SdlAudio() {
  if (device_) SDL_CloseAudioDevice(device_);
  if (subsystemUp_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
  synth_.reset();
}

void SdlAudio::Callback(void *self, Uint8 *stream, int bytes) {
  static_cast<SdlAudio *>(self)->Render(reinterpret_cast<std::int16_t *>(stream),
                                        bytes / static_cast<int>(2 * sizeof(std::int16_t)));
}

void SdlAudio::Render(std::int16_t *stereo, int frames) {
  while (frames > 0) {
    const int n = std::min(frames, kFrames);
    RenderChunk(stereo, n);
    stereo += 2 * n;
    frames -= n;
  }
  musicPlaying_.store(sequencer_.Playing(), std::memory_order_release);
}

void SdlAudio::RenderChunk(std::int16_t *stereo, int frames) {
  float *mix = mix_.data();
  if (const SoundClip *clip = pendingSound_.exchange(nullptr, std::memory_order_acquire)) {
    channel_.Play(clip);
  }
  // While the soundfont loads the piece waits, so that it starts with its first note.
  if (!synth_ || synth_->state() == FluidSynthSink::State::Loading) {
    std::fill(mix, mix + 2 * frames, 0.0f);
  } else {
    sequencer_.Render(*synth_, mix, frames);
    const float music = musicGain_.load(std::memory_order_relaxed);
    if (music != 1.0f)
      for (int i = 0; i < 2 * frames; ++i) mix[i] *= music;
  }
  channel_.MixInto(mix, frames, soundGain_.load(std::memory_order_relaxed));
  for (int i = 0; i < 2 * frames; ++i) stereo[i] = ToPcm(mix[i]);
}

float SdlAudio::Gain(int volume) {
  const float v = static_cast<float>(std::clamp(volume, 0, 100)) / 100.0f;
  return v * v;
}

void SdlAudio::SetVolumes(int music, int sound) {
  musicGain_.store(Gain(music), std::memory_order_relaxed);
  soundGain_.store(Gain(sound), std::memory_order_relaxed);
}

bool SdlAudio::MusicOpen(const std::string &path) {
  MusicClose();
  if (!HasOutput()) return false;
  std::vector<std::uint8_t> bytes;
  auto song = std::make_unique<MidiSong>();
  if (!ReadFile(path, bytes) || !ParseMidi(bytes.data(), bytes.size(), *song)) return false;
  Lock lock(device_);
  song_ = std::move(song);
  return true;
}

bool SdlAudio::MusicPlay() {
  if (!song_) return false;
  Lock lock(device_);
  sequencer_.Start(song_.get());
  musicPlaying_.store(true, std::memory_order_release);
  return true;
}

void SdlAudio::MusicClose() {
  std::unique_ptr<MidiSong> closed;
  {
    Lock lock(device_);
    sequencer_.Stop();
    musicPlaying_.store(false, std::memory_order_release);
    closed = std::move(song_);
  }
}

bool SdlAudio::MusicStopped() { return song_ && !musicPlaying_.load(std::memory_order_acquire); }

void SdlAudio::MusicRewindAndPlay() { MusicPlay(); }

void SdlAudio::MusicPrepare(const std::vector<std::string> &paths) {
  if (!synth_) return;
  std::set<std::pair<int, int>> programmes;
  for (const std::string &path : paths) {
    std::vector<std::uint8_t> bytes;
    MidiSong song;
    if (!ReadFile(path, bytes) || !ParseMidi(bytes.data(), bytes.size(), song)) continue;
    programmes.merge(ProgrammesChosen(song));
  }
  synth_->Pin(std::move(programmes));
}

const SoundClip *SdlAudio::Clip(const std::string &path) {
  auto it = clips_.find(path);
  if (it == clips_.end()) it = clips_.emplace(path, LoadClip(path, rate_)).first;
  return it->second.get();
}

void SdlAudio::SoundPlay(const std::string &path) {
  if (!HasOutput()) return;
  // A missing file stays silent and leaves the sound that plays alone.
  if (const SoundClip *clip = Clip(path)) pendingSound_.store(clip, std::memory_order_release);
}

}  // namespace qel
