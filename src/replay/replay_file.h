// A replay file: how a game started, what it read from the host and when, and the state hashes
// that prove playback follows it. The format is described in docs/REPLAYS.md.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace qel {

constexpr char kReplayMagic[8] = {'Q', 'E', 'L', 'V', 'R', 'E', 'P', '\x1a'};
constexpr std::uint16_t kReplayFormatVersion = 1;
constexpr std::uint32_t kReplayHashInterval = 300;

// What the game read. Each kind of read, with its argument (the key, the joystick), is one
// channel; playback hands the n-th read of a channel the n-th recorded value.
enum class ReadKind : std::uint8_t { Clock = 1, Event = 2, Key = 3, JoyCount = 4, JoyRead = 5, JoyCaps = 6 };

struct ChannelKey {
  ReadKind kind = ReadKind::Clock;
  std::int32_t arg = 0;
  bool operator<(const ChannelKey &o) const { return kind != o.kind ? kind < o.kind : arg < o.arg; }
};

// A value repeated count times in a row.
struct Run {
  std::string value;
  std::uint64_t count = 0;
};

// The values of one channel, run-length encoded.
struct Channel {
  std::vector<Run> runs;
  void Append(const std::string &value);
  std::uint64_t Size() const;
};

// Hands a channel's values back one by one.
class ChannelCursor {
 public:
  explicit ChannelCursor(const Channel *channel = nullptr) : channel_(channel) {}
  // False when the channel has no more values.
  bool Next(std::string *value);
  bool AtEnd() const;

 private:
  const Channel *channel_;
  std::size_t run_ = 0;
  std::uint64_t used_ = 0;
};

// How the recorded game began.
enum class ReplayStart : std::uint8_t {
  Program = 1,   // from start-up, with the command line's start (--stage, --shop, --ending)
  Snapshot = 2,  // from the saved state at the first pass of a game chosen on the title
};

// How the recording ended.
enum class ReplayEnd : std::uint8_t {
  Title = 1,      // the game went back to the title (or the opening)
  Program = 2,    // the program ended while it was played
  PassLimit = 3,  // --passes ended the run
};

struct Replay {
  std::string gameVersion;
  std::uint64_t seed = 0;
  bool seeded = false;
  ReplayStart start = ReplayStart::Program;
  std::string mode;  // "story", "extra", "boss", "stage9", "shop3", "ending"
  // The save file's first bytes in force at the start (a shorter count: the file was short).
  std::uint8_t settingsCount = 0;
  std::array<std::uint8_t, 32> settings{};
  std::uint64_t startPass = 0;
  std::uint64_t endPass = 0;
  ReplayEnd end = ReplayEnd::Program;
  std::uint32_t hashInterval = kReplayHashInterval;

  // Snapshot start: the whole play state; program start: the command line's start only.
  std::string state;
  std::map<ChannelKey, Channel> channels;
  // (pass, hash) at the start, every hashInterval passes and at the end.
  std::vector<std::pair<std::uint64_t, std::uint64_t>> hashes;
};

std::string EncodeReplay(const Replay &r);
// Refuses a file that is not a replay, is damaged or cut short, or was made by another
// version; *error says which, in words for the player.
bool DecodeReplay(const std::string &bytes, Replay *r, std::string *error);

bool ReadReplayFile(const std::string &path, Replay *r, std::string *error);
// Writes through a temporary file and a rename, so a cut-off write leaves no half file.
bool WriteReplayFile(const std::string &path, const Replay &r, std::string *error);

// Shared by the recorder and the player for the values of a channel.
void PutVarint(std::string &out, std::uint64_t v);
bool GetVarint(const std::string &in, std::size_t *pos, std::uint64_t *v);
inline std::uint64_t ZigZag(std::int64_t v) {
  return (static_cast<std::uint64_t>(v) << 1) ^ static_cast<std::uint64_t>(v >> 63);
}
inline std::int64_t UnZigZag(std::uint64_t v) {
  return static_cast<std::int64_t>(v >> 1) ^ -static_cast<std::int64_t>(v & 1);
}

}  // namespace qel
