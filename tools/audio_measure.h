// How loud a sound is, measured the same way for the sound effects and the music: K-weighted
// (the weighting of loudness meters), in dB of full scale. A mono sound and a stereo sound whose
// two channels carry it alike read the same, so music and effects compare directly.
//
//   LoudestDb     the loudest 100 ms (in steps of 10 ms): what the effects are levelled by
//   IntegratedDb  the gated mean over the whole sound (400 ms blocks, 75 % overlap, blocks under
//                 -70 dB and then those 10 dB under the mean of the rest left out): a piece's
//                 overall level. A loudness meter in LUFS reads a stereo sound 2.3 dB higher.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

#include "platform/angles.h"

namespace audio_measure {

using Signal = std::vector<double>;

inline double ToDb(double x) { return 20.0 * std::log10(std::max(x, 1e-12)); }
inline double FromDb(double db) { return std::pow(10.0, db / 20.0); }

struct Biquad {
  double b0, b1, b2, a1, a2;
  double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
  double operator()(double x) {
    const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
    x2 = x1, x1 = x, y2 = y1, y1 = y;
    return y;
  }
};

// The K-weighting: a high shelf of +4 dB above about 1.5 kHz and a high-pass near 38 Hz,
// designed for the sample rate.
inline Signal KWeighted(const Signal &s, int rate) {
  using qel::kPi;
  const double fs = rate;
  double k = std::tan(kPi * 1681.974450955533 / fs), vh = std::pow(10.0, 3.999843853973347 / 20);
  double vb = std::pow(vh, 0.4996667741545416), q = 0.7071752369554196;
  double a0 = 1 + k / q + k * k;
  Biquad shelf{(vh + vb * k / q + k * k) / a0, 2 * (k * k - vh) / a0, (vh - vb * k / q + k * k) / a0,
               2 * (k * k - 1) / a0, (1 - k / q + k * k) / a0};
  k = std::tan(kPi * 38.13547087602444 / fs), q = 0.5003270373238773;
  a0 = 1 + k / q + k * k;
  Biquad high{1, -2, 1, 2 * (k * k - 1) / a0, (1 - k / q + k * k) / a0};
  Signal w(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) w[i] = high(shelf(s[i]));
  return w;
}

// The weighted power of every sample: of one channel, or the mean of two.
inline Signal Power(const Signal &mono, int rate) {
  Signal p = KWeighted(mono, rate);
  for (double &x : p) x = x * x;
  return p;
}
inline Signal Power(const Signal &left, const Signal &right, int rate) {
  Signal p = KWeighted(left, rate);
  const Signal r = KWeighted(right, rate);
  for (std::size_t i = 0; i < p.size(); ++i) p[i] = (p[i] * p[i] + r[i] * r[i]) / 2;
  return p;
}

// A sound shorter than the window is measured over the window all the same.
inline double LoudestDb(const Signal &power, int rate) {
  const std::size_t window = static_cast<std::size_t>(rate) / 10;
  const std::size_t hop = static_cast<std::size_t>(rate) / 100;
  double best = 0;
  for (std::size_t start = 0; start == 0 || start + window <= power.size(); start += hop) {
    double sum = 0;
    for (std::size_t i = start; i < std::min(start + window, power.size()); ++i) sum += power[i];
    best = std::max(best, sum / static_cast<double>(window));
  }
  return 10.0 * std::log10(std::max(best, 1e-20));
}

inline double IntegratedDb(const Signal &power, int rate) {
  const std::size_t block = static_cast<std::size_t>(rate) * 4 / 10, hop = block / 4;
  std::vector<double> blocks;
  double sum = 0;
  for (std::size_t i = 0; i < power.size(); ++i) {
    sum += power[i];
    if (i >= block) sum -= power[i - block];
    if (i + 1 >= block && (i + 1 - block) % hop == 0) {
      blocks.push_back(sum / static_cast<double>(block));
    }
  }
  auto gatedMean = [&blocks](double floor) {
    double total = 0;
    int n = 0;
    for (double b : blocks) {
      if (b > floor) total += b, ++n;
    }
    return n ? total / n : 0.0;
  };
  const double absolute = gatedMean(1e-7);  // -70 dB
  if (absolute <= 0) return -200;
  return 10.0 * std::log10(std::max(gatedMean(absolute / 10.0), 1e-20));
}

inline double Peak(const Signal &s) {
  double p = 0;
  for (double x : s) p = std::max(p, std::fabs(x));
  return p;
}

}  // namespace audio_measure
