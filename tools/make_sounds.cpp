// make_sounds --sox PATH --recipes DIR --out DIR [--midi FILE] [--report]
//
// Makes the sound effects sNN.wav from the recipes DIR/sNN.txt, and (with --midi) the short
// MIDI file the tests of the music device play.
//
// A recipe is a list of layers. Each layer is a sox effects chain rendered from silence
// ("sox -R -n ... <chain>": -R fixes sox's random seed, so the bytes repeat), optionally shifted
// in time; the layers are summed. Lines beginning with blanks continue the line before; '#'
// starts a comment.
//
//   layer [at SECONDS] <sox effects>    a layer
//   level DB                            loudness relative to the common level (-3..+3)
//
// Sweep tones with '-' (synth 0.1 square 1900-420): sox's '/' sweep turns falling square and
// sawtooth waves into a flat DC level. Keep each chain below full scale with an early "vol",
// since sox clips inside the chain (it warns), and place positive gain nowhere.
//
// Every sound is then finished the same way: DC removed, trailing silence trimmed, brought to
// one common loudness (the loudest 100 ms, K-weighted), peaks held at -1 dBFS by a look-ahead
// limiter, a short fade at both ends so that nothing clicks, and written as 16-bit mono PCM at
// 44100 Hz with a fixed-seed dither. The output depends on the recipes and sox alone.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "audio_measure.h"

namespace {

constexpr int kRate = 44100;
constexpr double kTargetLoudness = -15.0;  // dB of full scale, K-weighted, loudest 100 ms
constexpr double kCeiling = -1.0;          // dBFS
constexpr double kMostLimiting = -6.0;     // dB; a sound that needs more stays quieter
constexpr double kFadeInSeconds = 0.001;
constexpr double kFadeOutSeconds = 0.008;
constexpr double kSilence = 1e-4;  // -80 dB: the tail below it is cut
using qel::kPi;

using audio_measure::FromDb;
using audio_measure::Peak;
using audio_measure::Signal;
using audio_measure::ToDb;

struct Layer {
  double at = 0;
  std::string chain;
};

struct Recipe {
  std::string name;
  std::vector<Layer> layers;
  double level = 0;
};

bool Fail(const std::string &message) {
  std::fprintf(stderr, "make_sounds: %s\n", message.c_str());
  return false;
}

// ---- Recipes ----

std::vector<std::string> JoinedLines(std::istream &in) {
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) {
    line = line.substr(0, line.find('#'));
    if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
    if ((line[0] == ' ' || line[0] == '\t') && !lines.empty()) {
      lines.back() += " " + line;
    } else {
      lines.push_back(line);
    }
  }
  return lines;
}

bool ParseRecipeLine(const std::string &line, Recipe &r) {
  std::istringstream words(line);
  std::string word;
  words >> word;
  if (word == "level") {
    words >> r.level;
    return !words.fail() && std::fabs(r.level) <= 3.0;
  }
  if (word != "layer") return false;
  Layer layer;
  std::streampos rest = words.tellg();
  if (words >> word && word == "at") {
    words >> layer.at;
    if (words.fail() || layer.at < 0) return false;
    rest = words.tellg();
  }
  layer.chain = line.substr(static_cast<std::size_t>(rest));
  r.layers.push_back(layer);
  return true;
}

bool ReadRecipe(const std::filesystem::path &path, Recipe &r) {
  std::ifstream in(path);
  if (!in) return Fail("cannot read " + path.string());
  r.name = path.stem().string();
  for (const std::string &line : JoinedLines(in)) {
    if (!ParseRecipeLine(line, r)) return Fail(path.string() + ": cannot read: " + line);
  }
  if (r.layers.empty()) return Fail(path.string() + ": no layer");
  return true;
}

// ---- Rendering through sox ----

bool RenderLayer(const std::string &sox, const Layer &layer, Signal &out) {
  const std::string command = "'" + sox + "' -R -n -r " + std::to_string(kRate) +
                              " -c 1 -b 32 -e floating-point -t raw - " + layer.chain;
  std::FILE *pipe = popen(command.c_str(), "r");
  if (!pipe) return Fail("cannot run " + command);
  const auto offset = static_cast<std::size_t>(std::lround(layer.at * kRate));
  float buffer[4096];
  std::size_t n, pos = offset;
  while ((n = std::fread(buffer, sizeof(float), 4096, pipe)) > 0) {
    if (out.size() < pos + n) out.resize(pos + n, 0.0);
    for (std::size_t i = 0; i < n; ++i) out[pos + i] += buffer[i];
    pos += n;
  }
  if (pclose(pipe) != 0) return Fail("sox failed: " + command);
  return true;
}

// ---- Finishing ----

// The loudest 100 ms, K-weighted (the measure the music is checked by too).
double Loudness(const Signal &s) { return audio_measure::LoudestDb(audio_measure::Power(s, kRate), kRate); }

// First-order high-pass at 15 Hz: noise layers bring DC, which would thump at the ends.
void RemoveDc(Signal &s) {
  const double r = std::exp(-2 * kPi * 15.0 / kRate);
  double x1 = 0, y1 = 0;
  for (double &x : s) {
    const double y = x - x1 + r * y1;
    x1 = x, y1 = y;
    x = y;
  }
}

void TrimTail(Signal &s) {
  const double floor = Peak(s) * kSilence;
  std::size_t end = s.size();
  while (end > 0 && std::fabs(s[end - 1]) <= floor) --end;
  s.resize(end);
}

// Gain that keeps every sample under the ceiling: the needed gain's minimum over a 2 ms look-ahead,
// averaged over the same span (so it is reached before the peak), released over 40 ms.
Signal LimiterGain(const Signal &s, double ceiling) {
  const std::size_t n = s.size(), look = kRate / 500;
  Signal need(n), low(n), g(n);
  for (std::size_t i = 0; i < n; ++i) need[i] = std::min(1.0, ceiling / std::max(std::fabs(s[i]), 1e-12));
  for (std::size_t i = 0; i < n; ++i) {
    low[i] = 1.0;
    for (std::size_t j = i; j < std::min(n, i + look); ++j) low[i] = std::min(low[i], need[j]);
  }
  // Every average spans samples whose look-ahead covers sample i, so it never exceeds need[i].
  const double release = 1.0 - std::exp(-1.0 / (0.040 * kRate));
  double sum = static_cast<double>(look), env = 1.0;
  for (std::size_t i = 0; i < n; ++i) {
    sum += low[i] - (i >= look ? low[i - look] : 1.0);
    env = std::min(sum / static_cast<double>(look), env + (1.0 - env) * release);
    g[i] = std::min(env, need[i]);
  }
  return g;
}

struct Finish {
  double gainDb = 0, limitDb = 0, loudness = 0, peakDb = 0;
};

// Raises the sound to the target loudness; where the limiter takes loudness away the gain goes
// up again, a few rounds at most. A sound so peaky that it would need more than kMostLimiting
// stays below the target instead of being flattened.
Finish Normalise(Signal &s, double target) {
  const Signal dry = s;
  const double ceiling = FromDb(kCeiling);
  Finish f;
  f.gainDb = target - Loudness(dry);
  bool capped = false;
  for (int round = 0; round < 8; ++round) {
    for (std::size_t i = 0; i < s.size(); ++i) s[i] = dry[i] * FromDb(f.gainDb);
    const Signal g = LimiterGain(s, ceiling);
    f.limitDb = ToDb(*std::min_element(g.begin(), g.end()));
    for (std::size_t i = 0; i < s.size(); ++i) s[i] *= g[i];
    f.loudness = Loudness(s);
    if (f.limitDb < kMostLimiting - 0.1) {
      f.gainDb += f.limitDb - kMostLimiting;
      capped = true;
    } else if (capped || std::fabs(f.loudness - target) < 0.2) {
      break;
    } else {
      f.gainDb += target - f.loudness;
    }
  }
  for (double &x : s) x = std::clamp(x, -ceiling, ceiling);
  f.peakDb = ToDb(Peak(s));
  return f;
}

// Raised-cosine fades: the first and last samples are zero.
void Fade(Signal &s) {
  const auto in = std::min(s.size() / 2, static_cast<std::size_t>(kFadeInSeconds * kRate));
  const auto out = std::min(s.size() / 2, static_cast<std::size_t>(kFadeOutSeconds * kRate));
  auto rise = [](std::size_t i, std::size_t n) {
    return 0.5 - 0.5 * std::cos(kPi * static_cast<double>(i) / static_cast<double>(n));
  };
  for (std::size_t i = 0; i < in; ++i) s[i] *= rise(i, in);
  for (std::size_t i = 0; i < out; ++i) s[s.size() - 1 - i] *= rise(i, out);
}

// ---- Writing ----

void Put(std::string &b, std::uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) b += static_cast<char>((v >> (8 * i)) & 0xFF);
}

std::vector<std::int16_t> ToPcm(const Signal &s) {
  std::uint32_t seed = 0x5EED1234u;
  auto uniform = [&seed] {
    seed = seed * 1664525u + 1013904223u;
    return (seed >> 8) / 16777216.0;
  };
  std::vector<std::int16_t> pcm(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    // Triangular dither of one step; silence stays exactly silent.
    const double d = s[i] == 0.0 ? 0.0 : uniform() - uniform();
    const double v = std::clamp(std::round(s[i] * 32767.0 + d), -32767.0, 32767.0);
    pcm[i] = static_cast<std::int16_t>(v);
  }
  return pcm;
}

bool WriteWav(const std::string &path, const std::vector<std::int16_t> &pcm) {
  std::string b = "RIFF";
  const auto dataBytes = static_cast<std::uint32_t>(pcm.size() * 2);
  Put(b, 36 + dataBytes, 4);
  b += "WAVEfmt ";
  Put(b, 16, 4), Put(b, 1, 2), Put(b, 1, 2), Put(b, kRate, 4), Put(b, kRate * 2, 4);
  Put(b, 2, 2), Put(b, 16, 2);
  b += "data";
  Put(b, dataBytes, 4);
  for (std::int16_t v : pcm) Put(b, static_cast<std::uint16_t>(v), 2);
  std::ofstream out(path, std::ios::binary);
  out.write(b.data(), static_cast<std::streamsize>(b.size()));
  return out.good() || Fail("cannot write " + path);
}

bool MakeSound(const std::string &sox, const Recipe &r, const std::string &outDir, bool report) {
  Signal s;
  for (const Layer &layer : r.layers) {
    if (!RenderLayer(sox, layer, s)) return false;
  }
  RemoveDc(s);
  TrimTail(s);
  if (s.size() < static_cast<std::size_t>(kRate / 100)) return Fail(r.name + ": shorter than 10 ms");
  const Finish f = Normalise(s, kTargetLoudness + r.level);
  Fade(s);
  if (report) {
    std::printf("%s  %6.3f s  loudness %6.1f dB  peak %5.1f dBFS  gain %+5.1f dB  limiter %5.1f dB\n",
                r.name.c_str(), static_cast<double>(s.size()) / kRate, Loudness(s), ToDb(Peak(s)), f.gainDb,
                f.limitDb);
  }
  return WriteWav(outDir + "/" + r.name + ".wav", ToPcm(s));
}

// ---- The test MIDI file ----

void PutBe(std::string &b, std::uint32_t v, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) b += static_cast<char>((v >> (8 * i)) & 0xFF);
}

void PutVlq(std::string &b, std::uint32_t v) {
  std::string rev(1, static_cast<char>(v & 0x7F));
  while (v >>= 7) rev += static_cast<char>((v & 0x7F) | 0x80);
  b.append(rev.rbegin(), rev.rend());
}

struct TimedMessage {
  std::uint32_t tick;
  std::string bytes;
};

std::string Track(std::vector<TimedMessage> messages) {
  std::stable_sort(messages.begin(), messages.end(),
                   [](const TimedMessage &a, const TimedMessage &b) { return a.tick < b.tick; });
  std::string body;
  std::uint32_t now = 0;
  for (const TimedMessage &m : messages) {
    PutVlq(body, m.tick - now);
    body += m.bytes;
    now = m.tick;
  }
  std::string chunk = "MTrk";
  PutBe(chunk, static_cast<std::uint32_t>(body.size()), 4);
  return chunk + body;
}

std::string Msg(std::initializer_list<int> bytes) {
  std::string s;
  for (int b : bytes) s += static_cast<char>(b);
  return s;
}

// Three beats at 160 a minute (1.125 s): a piano arpeggio and a chord over a kick and a snare.
// The last notes end with the track, so the piece ends on its last note.
bool WriteTestMidi(const std::string &path) {
  constexpr std::uint32_t kQuarter = 480, kEighth = 240;
  std::vector<TimedMessage> conductor = {{0, Msg({0xFF, 0x51, 3, 0x05, 0xB8, 0xD8})},  // 375000 us
                                         {0, Msg({0xFF, 0x58, 4, 4, 2, 24, 8})},
                                         {3 * kQuarter, Msg({0xFF, 0x2F, 0})}};
  std::vector<TimedMessage> music = {{0, Msg({0xC0, 0})}, {0, Msg({0xB0, 7, 110})}};
  const int arpeggio[] = {60, 64, 67, 72};
  for (std::uint32_t i = 0; i < 4; ++i) {
    music.push_back({i * kEighth, Msg({0x90, arpeggio[i], 100})});
    music.push_back({(i + 1) * kEighth, Msg({0x80, arpeggio[i], 64})});
  }
  for (int note : {60, 64, 67, 72}) {
    music.push_back({4 * kEighth, Msg({0x90, note, 96})});
    music.push_back({3 * kQuarter, Msg({0x90, note, 0})});  // note-on at zero velocity: off
  }
  music.push_back({0, Msg({0x99, 36, 120})});
  music.push_back({kEighth, Msg({0x89, 36, 0})});
  music.push_back({kQuarter, Msg({0x99, 38, 110})});
  music.push_back({kQuarter + kEighth, Msg({0x89, 38, 0})});
  music.push_back({3 * kQuarter, Msg({0xFF, 0x2F, 0})});
  std::string file = "MThd";
  PutBe(file, 6, 4), PutBe(file, 1, 2), PutBe(file, 2, 2), PutBe(file, kQuarter, 2);
  file += Track(conductor) + Track(music);
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream out(path, std::ios::binary);
  out.write(file.data(), static_cast<std::streamsize>(file.size()));
  return out.good() || Fail("cannot write " + path);
}

// ---- Main ----

// The game plays s01..s10 and s12..s22; each needs its recipe.
bool AllRecipes(const std::string &dir, std::vector<Recipe> &recipes) {
  for (int n = 1; n <= 22; ++n) {
    if (n == 11) continue;
    char name[16];
    std::snprintf(name, sizeof name, "s%02d.txt", n);
    Recipe r;
    if (!ReadRecipe(std::filesystem::path(dir) / name, r)) return false;
    recipes.push_back(r);
  }
  return true;
}

struct Args {
  std::string sox = "sox", recipes, out, midi;
  bool report = false;
};

bool ParseArgs(int argc, char **argv, Args &a) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--report") a.report = true;
    else if (arg == "--sox" && hasValue) a.sox = argv[++i];
    else if (arg == "--recipes" && hasValue) a.recipes = argv[++i];
    else if (arg == "--out" && hasValue) a.out = argv[++i];
    else if (arg == "--midi" && hasValue) a.midi = argv[++i];
    else return false;
  }
  return !a.recipes.empty() && !a.out.empty();
}

}  // namespace

int main(int argc, char **argv) {
  Args a;
  if (!ParseArgs(argc, argv, a)) {
    std::fprintf(stderr,
                 "usage: make_sounds [--sox PATH] --recipes DIR --out DIR [--midi FILE] [--report]\n");
    return 2;
  }
  std::vector<Recipe> recipes;
  if (!AllRecipes(a.recipes, recipes)) return 1;
  std::filesystem::create_directories(a.out);
  for (const Recipe &r : recipes) {
    if (!MakeSound(a.sox, r, a.out, a.report)) return 1;
  }
  if (!a.midi.empty() && !WriteTestMidi(a.midi)) return 1;
  return 0;
}
