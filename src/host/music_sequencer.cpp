#include "host/music_sequencer.h"

#include <algorithm>

namespace qel {

void MidiSequencer::Start(const MidiSong *song) {
  song_ = song;
  next_ = 0;
  frame_ = 0;
  playing_ = song != nullptr;
  resetPending_ = playing_;
  releasePending_ = !playing_;
}

void MidiSequencer::Stop() {
  if (playing_) releasePending_ = true;
  playing_ = false;
  resetPending_ = false;
}

void MidiSequencer::SendDue(MidiSink &sink) {
  const auto &events = song_->events;
  while (next_ < events.size() && FrameOf(events[next_].micros) <= frame_) {
    const MidiEvent &ev = events[next_++];
    sink.Send(ev, ev.sysexLength ? song_->sysex.data() + ev.sysexOffset : nullptr);
  }
  // The piece ends with its longest track, which may be after its last message.
  if (next_ == events.size() && frame_ >= FrameOf(song_->endMicros)) playing_ = false;
}

int MidiSequencer::FramesToNext(int most) const {
  std::int64_t until = FrameOf(song_->endMicros);
  if (next_ < song_->events.size()) until = FrameOf(song_->events[next_].micros);
  return static_cast<int>(std::clamp<std::int64_t>(until - frame_, 1, most));
}

void MidiSequencer::Render(MidiSink &sink, float *stereo, int frames) {
  if (releasePending_) sink.ReleaseAll();
  if (resetPending_) sink.Reset();
  releasePending_ = resetPending_ = false;
  int done = 0;
  while (done < frames) {
    int n = frames - done;
    if (playing_) SendDue(sink);
    if (playing_) n = FramesToNext(n);
    sink.Render(stereo + 2 * done, n);
    if (playing_) frame_ += n;
    done += n;
  }
}

}  // namespace qel
