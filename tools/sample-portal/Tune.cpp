#include "Tune.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <vector>

namespace portal {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kEighth = 0.3;  // seconds: 100 beats a minute

double Frequency(int midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

// Adds one plucked note: a few partials under a fast attack and an exponential fade.
void Pluck(std::vector<double>& out, double start, int midi, double gain, double decay, double length) {
  const double f = Frequency(midi);
  const auto first = static_cast<std::size_t>(start * kTuneSampleRate);
  const auto count = static_cast<std::size_t>(length * kTuneSampleRate);
  for (std::size_t i = 0; i < count && first + i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kTuneSampleRate;
    const double attack = std::min(1.0, t / 0.006);
    const double envelope = attack * std::exp(-t / decay);
    const double wave = std::sin(2 * kPi * f * t) + 0.28 * std::sin(4 * kPi * f * t) + 0.08 * std::sin(6 * kPi * f * t);
    out[first + i] += gain * envelope * wave;
  }
}

}  // namespace

QByteArray TuneWav() {
  // C, A minor, F, G: a rising and falling arpeggio a bar, with the root held below.
  static const int bars[4][9] = {
      {48, 72, 76, 79, 76, 84, 79, 76, 79},
      {45, 69, 72, 76, 72, 81, 76, 72, 76},
      {41, 65, 69, 72, 69, 77, 72, 69, 72},
      {43, 67, 71, 74, 71, 79, 74, 71, 74},
  };
  const double total = 4 * 8 * kEighth;
  std::vector<double> mix(static_cast<std::size_t>(total * kTuneSampleRate), 0.0);
  for (int bar = 0; bar < 4; ++bar) {
    const double barStart = bar * 8 * kEighth;
    Pluck(mix, barStart, bars[bar][0], 0.45, 1.1, 8 * kEighth);
    for (int n = 0; n < 8; ++n) Pluck(mix, barStart + n * kEighth, bars[bar][1 + n], 0.32, 0.32, 1.2);
  }
  double peak = 0;
  for (double s : mix) peak = std::max(peak, std::fabs(s));
  const std::size_t fade = kTuneSampleRate / 50;  // no click where the loop restarts
  for (std::size_t i = 0; i < fade; ++i) {
    mix[mix.size() - 1 - i] *= static_cast<double>(i) / fade;
    mix[i] *= static_cast<double>(i) / fade;
  }

  const auto dataBytes = static_cast<quint32>(mix.size() * 2);
  QByteArray wav;
  wav.reserve(static_cast<qsizetype>(44 + dataBytes));
  auto u16 = [&](quint16 v) {
    char b[2];
    qToLittleEndian(v, b);
    wav.append(b, 2);
  };
  auto u32 = [&](quint32 v) {
    char b[4];
    qToLittleEndian(v, b);
    wav.append(b, 4);
  };
  wav.append("RIFF", 4);
  u32(36 + dataBytes);
  wav.append("WAVE", 4);
  wav.append("fmt ", 4);
  u32(16);
  u16(1);
  u16(1);
  u32(kTuneSampleRate);
  u32(kTuneSampleRate * 2);
  u16(2);
  u16(16);
  wav.append("data", 4);
  u32(dataBytes);
  for (double s : mix) {
    const double scaled = std::nearbyint(s / peak * 0.6 * 32767.0);
    u16(static_cast<quint16>(static_cast<qint16>(scaled)));
  }
  return wav;
}

}  // namespace portal
