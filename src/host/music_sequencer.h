// Plays a MidiSong into a synthesizer, sending each message on the frame it falls due.
// Lives on the audio thread: every call comes from there or under its lock.
#pragma once

#include <cstdint>

#include "host/music_midi.h"

namespace qel {

// The synthesizer side of the sequencer.
class MidiSink {
 public:
  virtual ~MidiSink() = default;
  virtual void Send(const MidiEvent &ev, const std::uint8_t *sysex) = 0;
  // Lets every sounding note go into its release (sustain pedals lifted too).
  virtual void ReleaseAll() = 0;
  // ReleaseAll, then every channel back to its power-on programme and controllers.
  virtual void Reset() = 0;
  // Writes frames of interleaved stereo.
  virtual void Render(float *stereo, int frames) = 0;
};

class MidiSequencer {
 public:
  explicit MidiSequencer(int sampleRate) : rate_(sampleRate) {}

  // Plays the song from its beginning (the song must outlive its playing).
  void Start(const MidiSong *song);
  // Stops at once; the notes that sound fade through their release.
  void Stop();
  // From Start until the end of the piece or Stop.
  bool Playing() const { return playing_; }
  std::int64_t Frame() const { return frame_; }

  // Renders frames through the sink; the release of notes goes on after the piece ends.
  void Render(MidiSink &sink, float *stereo, int frames);

 private:
  std::int64_t FrameOf(std::int64_t micros) const { return micros * rate_ / 1000000; }
  void SendDue(MidiSink &sink);
  int FramesToNext(int most) const;

  int rate_;
  const MidiSong *song_ = nullptr;
  std::size_t next_ = 0;
  std::int64_t frame_ = 0;
  bool playing_ = false;
  bool resetPending_ = false;
  bool releasePending_ = false;
};

}  // namespace qel
