#include "host/music_midi.h"

#include <algorithm>
#include <cstring>

namespace qel {

namespace {

constexpr std::uint32_t kDefaultTempo = 500000;  // microseconds per quarter note: 120 bpm

// Bounds-checked big-endian reading; once anything runs past the end, ok turns false for good.
struct Reader {
  const std::uint8_t *data;
  std::size_t size;
  std::size_t pos = 0;
  bool ok = true;

  bool Has(std::size_t n) {
    if (ok && size - pos >= n) return true;
    ok = false;
    return false;
  }
  std::uint8_t Byte() { return Has(1) ? data[pos++] : 0; }
  std::uint32_t BigEndian(int bytes) {
    std::uint32_t v = 0;
    for (int i = 0; i < bytes; ++i) v = (v << 8) | Byte();
    return v;
  }
  // A variable-length quantity: at most four bytes of seven bits.
  std::uint32_t Vlq() {
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) {
      std::uint8_t b = Byte();
      v = (v << 7) | (b & 0x7Fu);
      if (!(b & 0x80)) return v;
    }
    ok = false;
    return 0;
  }
  bool Skip(std::size_t n) {
    if (!Has(n)) return false;
    pos += n;
    return true;
  }
};

struct TickEvent {
  std::uint32_t tick;
  MidiEvent event;
};

struct TempoChange {
  std::uint32_t tick;
  std::uint32_t tempo;
};

struct Collected {
  std::vector<TickEvent> events;
  std::vector<TempoChange> tempos;
  std::vector<std::uint8_t> sysex;
  std::uint32_t endTick = 0;
};

int DataBytes(std::uint8_t status) {
  const std::uint8_t kind = status & 0xF0;
  return (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
}

void ReadMeta(Reader &r, std::uint32_t tick, Collected &out, bool &trackEnded) {
  const std::uint8_t type = r.Byte();
  const std::uint32_t length = r.Vlq();
  const std::size_t start = r.pos;
  if (!r.Has(length)) return;
  if (type == 0x2F) trackEnded = true;
  if (type == 0x51 && length == 3) {
    const std::uint32_t tempo = r.BigEndian(3);
    if (tempo > 0) out.tempos.push_back({tick, tempo});
  }
  r.pos = start + length;
}

void ReadSysex(Reader &r, std::uint8_t kind, std::uint32_t tick, Collected &out) {
  const std::uint32_t length = r.Vlq();
  if (!r.Has(length)) return;
  // 0xF7 packets are continuations or raw escapes: the synthesizer has no use for them.
  if (kind == 0xF0) {
    std::uint32_t n = length;
    if (n > 0 && r.data[r.pos + n - 1] == 0xF7) --n;
    MidiEvent ev;
    ev.status = 0xF0;
    ev.sysexOffset = static_cast<std::uint32_t>(out.sysex.size());
    ev.sysexLength = n;
    out.sysex.insert(out.sysex.end(), r.data + r.pos, r.data + r.pos + n);
    out.events.push_back({tick, ev});
  }
  r.pos += length;
}

// One MTrk chunk's body. Running status carries across meta events, as lenient readers do.
bool ReadTrack(Reader r, Collected &out) {
  std::uint32_t tick = 0;
  std::uint8_t running = 0;
  bool ended = false;
  while (r.ok && !ended && r.pos < r.size) {
    tick += r.Vlq();
    std::uint8_t b = r.Byte();
    if (b == 0xFF) {
      ReadMeta(r, tick, out, ended);
    } else if (b == 0xF0 || b == 0xF7) {
      ReadSysex(r, b, tick, out);
    } else {
      MidiEvent ev;
      if (b & 0x80) {
        if (b > 0xEF) return false;  // real-time and common messages do not belong in a file
        running = b;
        b = r.Byte();
      } else if (running == 0) {
        return false;
      }
      ev.status = running;
      ev.data1 = b & 0x7F;
      if (DataBytes(running) == 2) ev.data2 = r.Byte() & 0x7F;
      out.events.push_back({tick, ev});
    }
  }
  out.endTick = std::max(out.endTick, tick);
  return r.ok;
}

// Ticks to microseconds through the tempo changes, or at a fixed rate for SMPTE time.
class Clock {
 public:
  Clock(std::uint16_t division, const std::vector<TempoChange> &tempos)
      : division_(division), tempos_(tempos) {}

  // Ticks must be asked for in rising order.
  std::int64_t Micros(std::uint32_t tick) {
    if (division_ & 0x8000) return Smpte(tick);
    while (next_ < tempos_.size() && tempos_[next_].tick <= tick) {
      segMicros_ = At(tempos_[next_].tick);
      segTick_ = tempos_[next_].tick;
      tempo_ = tempos_[next_++].tempo;
    }
    return At(tick);
  }

 private:
  std::int64_t At(std::uint32_t tick) const {
    return segMicros_ + static_cast<std::int64_t>(tick - segTick_) * tempo_ / division_;
  }
  std::int64_t Smpte(std::uint32_t tick) const {
    const int fps = -static_cast<std::int8_t>(division_ >> 8);
    const std::int64_t ticksPerSecond = static_cast<std::int64_t>(division_ & 0xFF) * fps;
    // 29 stands for 29.97 frames a second (drop frame).
    if (fps == 29) return static_cast<std::int64_t>(tick) * 1001000000LL / (ticksPerSecond * 1000);
    return static_cast<std::int64_t>(tick) * 1000000LL / ticksPerSecond;
  }

  std::uint16_t division_;
  const std::vector<TempoChange> &tempos_;
  std::size_t next_ = 0;
  std::int64_t segMicros_ = 0;
  std::uint32_t segTick_ = 0;
  std::int64_t tempo_ = kDefaultTempo;
};

bool ValidDivision(std::uint16_t division) {
  if (!(division & 0x8000)) return division != 0;
  const int fps = -static_cast<std::int8_t>(division >> 8);
  return (fps == 24 || fps == 25 || fps == 29 || fps == 30) && (division & 0xFF) != 0;
}

bool ReadChunks(Reader &r, int tracks, Collected &out) {
  int found = 0;
  while (found < tracks && r.ok) {
    char id[4];
    if (!r.Has(4)) return false;
    std::memcpy(id, r.data + r.pos, 4);
    r.pos += 4;
    const std::uint32_t length = r.BigEndian(4);
    if (!r.Has(length)) return false;
    if (std::memcmp(id, "MTrk", 4) == 0) {
      if (!ReadTrack(Reader{r.data + r.pos, length}, out)) return false;
      ++found;
    }
    r.pos += length;  // other chunks are skipped, as the format asks
  }
  return found == tracks;
}

}  // namespace

bool ParseMidi(const std::uint8_t *data, std::size_t size, MidiSong &song) {
  Reader r{data, size};
  if (!r.Has(8) || std::memcmp(data, "MThd", 4) != 0) return false;
  r.pos = 4;
  const std::uint32_t headerLength = r.BigEndian(4);
  if (headerLength < 6 || !r.Has(headerLength)) return false;
  const std::uint32_t format = r.BigEndian(2);
  const int tracks = static_cast<int>(r.BigEndian(2));
  const auto division = static_cast<std::uint16_t>(r.BigEndian(2));
  r.pos = 8 + headerLength;
  if (format > 2 || tracks == 0 || !ValidDivision(division)) return false;

  Collected c;
  if (!ReadChunks(r, tracks, c)) return false;
  std::stable_sort(c.events.begin(), c.events.end(),
                   [](const TickEvent &a, const TickEvent &b) { return a.tick < b.tick; });
  std::stable_sort(c.tempos.begin(), c.tempos.end(),
                   [](const TempoChange &a, const TempoChange &b) { return a.tick < b.tick; });

  Clock clock(division, c.tempos);
  song.events.clear();
  song.events.reserve(c.events.size());
  for (TickEvent &e : c.events) {
    e.event.micros = clock.Micros(e.tick);
    song.events.push_back(e.event);
  }
  song.endMicros = clock.Micros(c.endTick);
  song.sysex = std::move(c.sysex);
  return true;
}

std::set<std::pair<int, int>> ProgrammesChosen(const MidiSong &song) {
  constexpr int kDrumChannel = 9, kDrumBank = 128;
  std::set<std::pair<int, int>> chosen = {{0, 0}, {kDrumBank, 0}};
  int bank[16] = {};
  for (const MidiEvent &e : song.events) {
    const int ch = e.status & 0x0F;
    if ((e.status & 0xF0) == 0xB0 && e.data1 == 0) bank[ch] = e.data2;  // bank select
    if ((e.status & 0xF0) == 0xC0) chosen.insert({ch == kDrumChannel ? kDrumBank : bank[ch], e.data1});
  }
  return chosen;
}

}  // namespace qel
