// Records every game played: what the game read from the host, read by read, from the game's
// start (the title's choice, or a start from the command line) to its end.
#pragma once

#include <string>
#include <vector>

#include "host/host_decorator.h"
#include "replay/replay_file.h"

namespace qel {

struct RecordingOptions {
  std::string file;    // every game is written here (a later game replaces an earlier one)
  std::string folder;  // each game is written here under its date and mode, and as last.qrp
};

class RecordingHost : public HostDecorator {
 public:
  RecordingHost(Host &inner, RecordingOptions options);

  // A game started by the command line is recorded from start-up on.
  void Attach(const Game &game) override;
  void BeginPass(std::uint64_t pass, PassKind kind) override;
  // Ends the game still being recorded once the game has stopped running.
  void Finish();

  std::uint64_t NowMs() override;
  bool WaitEvent(HostEvent &ev, int timeoutMs) override;
  bool KeyDown(int vkCode) override;
  int JoyCount() override;
  bool JoyRead(int id, JoyPos &pos) override;
  bool JoyGetCaps(int id, JoyCaps &caps) override;

  // The files written so far.
  const std::vector<std::string> &written() const { return written_; }

 private:
  void Start(ReplayStart start);
  void Stop(ReplayEnd end);
  void Write();
  void Record(ReadKind kind, int arg, const std::string &value);

  RecordingOptions options_;
  bool recording_ = false;
  Replay replay_;
  std::uint64_t lastClock_ = 0;
  std::uint64_t gamesSeen_ = 0;
  std::vector<std::string> written_;
};

// The values of each read as the recorder writes them and the player reads them back.
// A decoder returns false for a value it cannot read; *result is what the host call returned.
std::string EncodeEvent(bool got, const HostEvent &ev);
bool DecodeEvent(const std::string &value, bool *result, HostEvent *ev);
std::string EncodeJoyRead(bool ok, const JoyPos &pos);
bool DecodeJoyRead(const std::string &value, bool *result, JoyPos *pos);
std::string EncodeJoyCaps(bool ok, const JoyCaps &caps);
bool DecodeJoyCaps(const std::string &value, bool *result, JoyCaps *caps);

}  // namespace qel
