#include "replay/replay_file.h"

#include <zlib.h>

#include <sys/stat.h>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/file_io.h"
#include "shell/version.h"

namespace qel {

void Channel::Append(const std::string &value) {
  if (!runs.empty() && runs.back().value == value) {
    ++runs.back().count;
    return;
  }
  runs.push_back({value, 1});
}

std::uint64_t Channel::Size() const {
  std::uint64_t n = 0;
  for (const Run &r : runs) n += r.count;
  return n;
}

bool ChannelCursor::Next(std::string *value) {
  if (AtEnd()) return false;
  const Run &r = channel_->runs[run_];
  *value = r.value;
  if (++used_ >= r.count) ++run_, used_ = 0;
  return true;
}

bool ChannelCursor::AtEnd() const { return !channel_ || run_ >= channel_->runs.size(); }

void PutVarint(std::string &out, std::uint64_t v) {
  while (v >= 0x80) {
    out.push_back(static_cast<char>((v & 0x7F) | 0x80));
    v >>= 7;
  }
  out.push_back(static_cast<char>(v));
}

bool GetVarint(const std::string &in, std::size_t *pos, std::uint64_t *v) {
  *v = 0;
  for (int shift = 0; shift < 64; shift += 7) {
    if (*pos >= in.size()) return false;
    auto byte = static_cast<unsigned char>(in[(*pos)++]);
    *v |= static_cast<std::uint64_t>(byte & 0x7F) << shift;
    if ((byte & 0x80) == 0) return true;
  }
  return false;
}

namespace {

void PutFixed(std::string &out, std::uint64_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

void PutText(std::string &out, const std::string &s) {
  PutVarint(out, s.size());
  out += s;
}

// Reads what PutFixed, PutVarint and PutText wrote; the first shortfall sticks.
class Reader {
 public:
  explicit Reader(const std::string &in, std::size_t pos = 0) : in_(in), pos_(pos) {}
  std::uint64_t Fixed(int bytes) {
    if (!ok || pos_ + static_cast<std::size_t>(bytes) > in_.size()) return ok = false, 0;
    std::uint64_t v = 0;
    for (int i = 0; i < bytes; ++i)
      v |= static_cast<std::uint64_t>(static_cast<unsigned char>(in_[pos_++])) << (8 * i);
    return v;
  }
  std::uint64_t Varint() {
    std::uint64_t v = 0;
    if (ok && !GetVarint(in_, &pos_, &v)) ok = false;
    return ok ? v : 0;
  }
  std::string Text() {
    std::uint64_t n = Varint();
    if (!ok || n > in_.size() - pos_) return ok = false, std::string();
    std::string s = in_.substr(pos_, n);
    pos_ += n;
    return s;
  }
  std::size_t pos() const { return pos_; }
  bool ok = true;

 private:
  const std::string &in_;
  std::size_t pos_;
};

std::uint32_t Crc32(const std::string &bytes, std::size_t n) {
  return static_cast<std::uint32_t>(
      crc32(0L, reinterpret_cast<const Bytef *>(bytes.data()), static_cast<uInt>(n)));
}

std::string EncodeBody(const Replay &r) {
  std::string body;
  PutText(body, r.state);
  PutVarint(body, r.channels.size());
  for (const auto &[key, channel] : r.channels) {
    body.push_back(static_cast<char>(key.kind));
    PutVarint(body, ZigZag(key.arg));
    PutVarint(body, channel.runs.size());
    for (const Run &run : channel.runs) {
      PutVarint(body, run.count);
      PutText(body, run.value);
    }
  }
  PutVarint(body, r.hashes.size());
  for (const auto &[pass, hash] : r.hashes) {
    PutVarint(body, pass);
    PutFixed(body, hash, 8);
  }
  return body;
}

bool DecodeBody(const std::string &body, Replay *r) {
  Reader in(body);
  r->state = in.Text();
  std::uint64_t channels = in.Varint();
  for (std::uint64_t c = 0; in.ok && c < channels; ++c) {
    ChannelKey key;
    key.kind = static_cast<ReadKind>(in.Fixed(1));
    key.arg = static_cast<std::int32_t>(UnZigZag(in.Varint()));
    Channel &channel = r->channels[key];
    std::uint64_t runs = in.Varint();
    if (runs > body.size()) return false;
    for (std::uint64_t i = 0; in.ok && i < runs; ++i) {
      Run run;
      run.count = in.Varint();
      run.value = in.Text();
      if (run.count == 0) return false;
      channel.runs.push_back(std::move(run));
    }
  }
  std::uint64_t hashes = in.Varint();
  if (hashes > body.size()) return false;
  for (std::uint64_t i = 0; in.ok && i < hashes; ++i) {
    std::uint64_t pass = in.Varint();
    std::uint64_t hash = in.Fixed(8);
    r->hashes.emplace_back(pass, hash);
  }
  return in.ok && in.pos() == body.size();
}

}  // namespace

std::string EncodeReplay(const Replay &r) {
  std::string out(kReplayMagic, sizeof kReplayMagic);
  PutFixed(out, kReplayFormatVersion, 2);
  PutText(out, r.gameVersion);
  PutFixed(out, r.seed, 8);
  out.push_back(r.seeded ? 1 : 0);
  out.push_back(static_cast<char>(r.start));
  PutText(out, r.mode);
  out.push_back(static_cast<char>(r.settingsCount));
  out.append(reinterpret_cast<const char *>(r.settings.data()), r.settings.size());
  PutFixed(out, r.startPass, 8);
  PutFixed(out, r.endPass, 8);
  out.push_back(static_cast<char>(r.end));
  PutFixed(out, r.hashInterval, 4);

  std::string body = EncodeBody(r);
  uLongf packedSize = compressBound(static_cast<uLong>(body.size()));
  std::string packed(packedSize, '\0');
  compress2(reinterpret_cast<Bytef *>(packed.data()), &packedSize,
            reinterpret_cast<const Bytef *>(body.data()), static_cast<uLong>(body.size()), 9);
  packed.resize(packedSize);
  PutFixed(out, body.size(), 4);
  PutFixed(out, packed.size(), 4);
  out += packed;
  PutFixed(out, Crc32(out, out.size()), 4);
  return out;
}

bool DecodeReplay(const std::string &bytes, Replay *r, std::string *error) {
  *r = Replay{};
  if (bytes.size() < sizeof kReplayMagic ||
      std::memcmp(bytes.data(), kReplayMagic, sizeof kReplayMagic) != 0) {
    *error = "this is not a QELVANE replay";
    return false;
  }
  Reader in(bytes, sizeof kReplayMagic);
  auto version = static_cast<std::uint16_t>(in.Fixed(2));
  if (in.ok && version > kReplayFormatVersion) {
    *error = "the replay was made by a newer QELVANE (replay format " + std::to_string(version) +
             "; this one reads up to " + std::to_string(kReplayFormatVersion) + ")";
    return false;
  }
  if (in.ok && version != kReplayFormatVersion) {
    *error = "the replay's format " + std::to_string(version) + " is not one this QELVANE reads";
    return false;
  }
  if (bytes.size() < 4 || Crc32(bytes, bytes.size() - 4) !=
                              static_cast<std::uint32_t>(Reader(bytes, bytes.size() - 4).Fixed(4))) {
    *error = "the replay is damaged or cut short (its checksum does not match)";
    return false;
  }
  r->gameVersion = in.Text();
  r->seed = in.Fixed(8);
  r->seeded = in.Fixed(1) != 0;
  r->start = static_cast<ReplayStart>(in.Fixed(1));
  r->mode = in.Text();
  r->settingsCount = static_cast<std::uint8_t>(in.Fixed(1));
  for (auto &b : r->settings) b = static_cast<std::uint8_t>(in.Fixed(1));
  r->startPass = in.Fixed(8);
  r->endPass = in.Fixed(8);
  r->end = static_cast<ReplayEnd>(in.Fixed(1));
  r->hashInterval = static_cast<std::uint32_t>(in.Fixed(4));
  std::uint64_t bodySize = in.Fixed(4);
  std::uint64_t packedSize = in.Fixed(4);
  bool known =
      (r->start == ReplayStart::Program || r->start == ReplayStart::Snapshot) &&
      (r->end == ReplayEnd::Title || r->end == ReplayEnd::Program || r->end == ReplayEnd::PassLimit) &&
      r->settingsCount <= r->settings.size() && r->hashInterval > 0 && r->startPass <= r->endPass;
  if (!in.ok || !known || in.pos() + packedSize + 4 != bytes.size() || bodySize > (1u << 30)) {
    *error = "the replay's header is damaged";
    return false;
  }
  if (r->gameVersion != kGameVersion) {
    *error = "the replay was made with QELVANE " + r->gameVersion + " and this is QELVANE " + kGameVersion +
             ": a different version plays differently";
    return false;
  }
  std::string body(bodySize, '\0');
  uLongf unpacked = static_cast<uLongf>(bodySize);
  if (uncompress(reinterpret_cast<Bytef *>(body.data()), &unpacked,
                 reinterpret_cast<const Bytef *>(bytes.data() + in.pos()),
                 static_cast<uLong>(packedSize)) != Z_OK ||
      unpacked != bodySize || !DecodeBody(body, r)) {
    *error = "the replay's recorded input is damaged";
    return false;
  }
  return true;
}

bool ReadReplayFile(const std::string &path, Replay *r, std::string *error) {
  std::string bytes, why;
  if (ReadWholeFile(path, &bytes, &why) != ReadResult::Ok) {
    *error = "cannot read " + why;
    return false;
  }
  if (!DecodeReplay(bytes, r, error)) {
    *error = path + ": " + *error;
    return false;
  }
  return true;
}

bool WriteReplayFile(const std::string &path, const Replay &r, std::string *error) {
  std::string why;
  if (WriteFileSafely(path, EncodeReplay(r), &why)) return true;
  *error = why;
  return false;
}

}  // namespace qel
