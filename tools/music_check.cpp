// music_check --data DIR [--wav DIR] [--font PATH]
//
// Plays every music piece of the data folder (numbers 1..9, the files PlayMusic opens) through
// the game's own audio host, samples pulled, and prints for each: its length until the host
// reports it stopped, the silence before its first sound and after its last one (a looping piece
// restarts after that silence plus up to a second of the music timer), how long its last notes
// ring on, its integrated and loudest-100-ms loudness on the sound effects' scale, its peak and
// the instruments of each channel. With --wav each render is kept as DIR/b0N.wav (44100 Hz,
// 16-bit stereo) for listening and spectrograms. Exits with 1 when a piece is missing.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "music_render.h"
#include "platform/sound.h"

namespace {

// clang-format off
const char *const kPrograms[128] = {
    "Acoustic Grand Piano", "Bright Acoustic Piano", "Electric Grand Piano", "Honky-tonk Piano",
    "Electric Piano 1", "Electric Piano 2", "Harpsichord", "Clavinet", "Celesta", "Glockenspiel",
    "Music Box", "Vibraphone", "Marimba", "Xylophone", "Tubular Bells", "Dulcimer",
    "Drawbar Organ", "Percussive Organ", "Rock Organ", "Church Organ", "Reed Organ", "Accordion",
    "Harmonica", "Tango Accordion", "Nylon Guitar", "Steel Guitar", "Jazz Guitar",
    "Clean Guitar", "Muted Guitar", "Overdriven Guitar", "Distortion Guitar", "Guitar Harmonics",
    "Acoustic Bass", "Finger Bass", "Picked Bass", "Fretless Bass", "Slap Bass 1", "Slap Bass 2",
    "Synth Bass 1", "Synth Bass 2", "Violin", "Viola", "Cello", "Contrabass", "Tremolo Strings",
    "Pizzicato Strings", "Orchestral Harp", "Timpani", "String Ensemble 1", "String Ensemble 2",
    "Synth Strings 1", "Synth Strings 2", "Choir Aahs", "Voice Oohs", "Synth Voice",
    "Orchestra Hit", "Trumpet", "Trombone", "Tuba", "Muted Trumpet", "French Horn",
    "Brass Section", "Synth Brass 1", "Synth Brass 2", "Soprano Sax", "Alto Sax", "Tenor Sax",
    "Baritone Sax", "Oboe", "English Horn", "Bassoon", "Clarinet", "Piccolo", "Flute", "Recorder",
    "Pan Flute", "Blown Bottle", "Shakuhachi", "Whistle", "Ocarina", "Square Lead", "Saw Lead",
    "Calliope Lead", "Chiff Lead", "Charang", "Voice Lead", "Fifths Lead", "Bass + Lead",
    "New Age Pad", "Warm Pad", "Polysynth", "Choir Pad", "Bowed Pad", "Metallic Pad", "Halo Pad",
    "Sweep Pad", "Rain", "Soundtrack", "Crystal", "Atmosphere", "Brightness", "Goblins", "Echoes",
    "Sci-fi", "Sitar", "Banjo", "Shamisen", "Koto", "Kalimba", "Bagpipe", "Fiddle", "Shanai",
    "Tinkle Bell", "Agogo", "Steel Drums", "Woodblock", "Taiko Drum", "Melodic Tom", "Synth Drum",
    "Reverse Cymbal", "Guitar Fret Noise", "Breath Noise", "Seashore", "Bird Tweet",
    "Telephone Ring", "Helicopter", "Applause", "Gunshot"};
// clang-format on

// "ch 1 Saw Lead" for each channel that plays notes; channel 10 is the drum kit.
std::string Instruments(const qel::MidiSong &song) {
  std::map<int, std::set<int>> programs;
  std::set<int> playing;
  for (const qel::MidiEvent &e : song.events) {
    const int ch = e.status & 0x0F;
    if ((e.status & 0xF0) == 0xC0) programs[ch].insert(e.data1);
    if ((e.status & 0xF0) == 0x90 && e.data2 > 0) playing.insert(ch);
  }
  std::string out;
  for (int ch : playing) {
    out += "      ch " + std::to_string(ch + 1) + "  ";
    if (ch == 9) {
      out += "drums";
    } else if (programs[ch].empty()) {
      out += kPrograms[0];
    } else {
      bool first = true;
      for (int p : programs[ch]) {
        out += (first ? "" : " / ") + std::string(kPrograms[p]);
        first = false;
      }
    }
    out += "\n";
  }
  return out;
}

bool WriteWav(const std::string &path, const std::vector<std::int16_t> &stereo) {
  auto put = [](std::string &b, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) b += static_cast<char>((v >> (8 * i)) & 0xFF);
  };
  const auto dataBytes = static_cast<std::uint32_t>(stereo.size() * 2);
  std::string b = "RIFF";
  put(b, 36 + dataBytes, 4);
  b += "WAVEfmt ";
  put(b, 16, 4), put(b, 1, 2), put(b, 2, 2), put(b, music_render::kRate, 4);
  put(b, music_render::kRate * 4, 4), put(b, 4, 2), put(b, 16, 2);
  b += "data";
  put(b, dataBytes, 4);
  for (std::int16_t v : stereo) put(b, static_cast<std::uint16_t>(v), 2);
  std::ofstream out(path, std::ios::binary);
  out.write(b.data(), static_cast<std::streamsize>(b.size()));
  return out.good();
}

}  // namespace

int main(int argc, char **argv) {
  std::string data, wavDir;
  std::vector<std::string> fonts;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string a = argv[i];
    if (a == "--data") data = argv[i + 1];
    else if (a == "--wav") wavDir = argv[i + 1];
    else if (a == "--font") fonts.emplace_back(argv[i + 1]);
    else data.clear(), i = argc;
  }
  if (data.empty() || argc % 2 == 0) {
    std::fprintf(stderr, "usage: music_check --data DIR [--wav DIR] [--font PATH]\n");
    return 2;
  }
  qel::SdlAudioOptions options;
  options.device = false;
  if (!fonts.empty()) options.soundfonts = fonts;
  qel::SdlAudio audio(options);
  std::vector<std::string> pieces;  // the instruments readied as the game readies them
  for (int n = 1; n <= 9; ++n) pieces.push_back(data + "/" + qel::MusicFile(n));
  audio.MusicPrepare(pieces);
  if (audio.synth()->WaitLoaded() != qel::FluidSynthSink::State::Ready) {
    std::fprintf(stderr, "music_check: no soundfont\n");
    return 1;
  }
  std::printf("soundfont %s, %d Hz, the game's synthesizer settings\n", audio.synth()->fontPath().c_str(),
              music_render::kRate);
  std::printf("%-3s %-8s %8s %7s %7s %6s %11s %11s %10s\n", "no", "file", "length", "silent", "silent",
              "rings", "integrated", "loudest", "peak");
  std::printf("%-3s %-8s %8s %7s %7s %6s %11s %11s %10s\n", "", "", "", "start", "end", "on", "loudness",
              "100 ms", "");
  bool missing = false;
  double quietest = 200, loudest = -200, highestPeak = -200;
  for (int n = 1; n <= 9; ++n) {
    const std::string file = qel::MusicFile(n);
    const std::string path = data + "/" + file;
    qel::MidiSong song;
    if (!music_render::ReadSong(path, song)) {
      std::printf("%-3d %-8s missing or not a standard MIDI file\n", n, file.c_str());
      missing = true;
      continue;
    }
    const music_render::Render r = music_render::PlayPiece(audio, path, 600, 4);
    const auto end = static_cast<std::size_t>(r.pieceSeconds * music_render::kRate);
    const double start = static_cast<double>(music_render::FirstAudible(r.stereo)) / music_render::kRate;
    const double last = static_cast<double>(music_render::EndOfSound(r.stereo, end)) / music_render::kRate;
    const double ring =
        static_cast<double>(music_render::EndOfSound(r.stereo, r.stereo.size())) / music_render::kRate;
    audio_measure::Signal left, right;
    music_render::Split(r.stereo, left, right);
    const audio_measure::Signal power = audio_measure::Power(left, right, music_render::kRate);
    const double integrated = audio_measure::IntegratedDb(power, music_render::kRate);
    const double peak = audio_measure::ToDb(std::max(audio_measure::Peak(left), audio_measure::Peak(right)));
    std::printf("%-3d %-8s %6.1f s %5.2f s %5.2f s %4.1f s %8.1f dB %8.1f dB %5.1f dBFS\n", n, file.c_str(),
                r.pieceSeconds, start, r.pieceSeconds - last, std::max(0.0, ring - r.pieceSeconds),
                integrated, audio_measure::LoudestDb(power, music_render::kRate), peak);
    std::printf("%s", Instruments(song).c_str());
    quietest = std::min(quietest, integrated);
    loudest = std::max(loudest, integrated);
    highestPeak = std::max(highestPeak, peak);
    if (!wavDir.empty()) {
      const std::string wav = wavDir + "/" + file.substr(0, file.size() - 4) + ".wav";
      if (!WriteWav(wav, r.stereo)) std::fprintf(stderr, "music_check: cannot write %s\n", wav.c_str());
    }
  }
  std::printf("integrated loudness from %.1f to %.1f dB (a spread of %.1f dB); highest peak %.1f dBFS\n",
              quietest, loudest, loudest - quietest, highestPeak);
  return missing ? 1 : 0;
}
