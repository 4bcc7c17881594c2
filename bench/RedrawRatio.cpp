// The redraw of each style at 400 x 120 against a one-colour fill of the same surface, as a
// ratio of times. A small loop of its own, so that the same source runs where Google Benchmark
// is not available for the target (the Windows cross build) and natively beside it.
// Usage: bench_redraw_ratio [rounds]
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "bench/BenchLook.h"
#include "glossbutton/render/Redraw.h"
#include "glossbutton/render/Surface.h"

namespace {

constexpr std::int32_t kW = 400;
constexpr std::int32_t kH = 120;

// Best time per call over rounds of about 50 ms each, in nanoseconds.
double BestNs(const std::function<void()>& body, int rounds) {
  using Clock = std::chrono::steady_clock;
  long n = 1;
  for (;;) {  // calls per round
    const auto t0 = Clock::now();
    for (long i = 0; i < n; ++i) body();
    if (Clock::now() - t0 > std::chrono::milliseconds(50)) break;
    n *= 2;
  }
  double best = 1e300;
  for (int r = 0; r < rounds; ++r) {
    const auto t0 = Clock::now();
    for (long i = 0; i < n; ++i) body();
    const std::chrono::duration<double, std::nano> dt = Clock::now() - t0;
    best = std::min(best, dt.count() / static_cast<double>(n));
  }
  return best;
}

volatile std::uint32_t g_Sink;

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  gloss::Surface fillSurface(kW, kH);
  const double fill = BestNs(
      [&] {
        fillSurface.LineBF(0, 0, kW - 1, kH - 1, 0x336699);
        g_Sink = fillSurface.Pixels().pixels[0];
      },
      rounds);
  std::printf("fill %dx%d: %.0f ns\n", kW, kH, fill);
  for (int style = 0; style <= 6; ++style) {
    const gloss::ButtonLook look = bench::Look(style, kW, kH);
    gloss::Surface surface(kW, kH);
    const double redraw = BestNs(
        [&] {
          std::int32_t s = 0;
          auto image = gloss::RedrawButton(surface, look, s);
          g_Sink = image->pixels[0];
        },
        rounds);
    std::printf("style %d: redraw %.0f ns, ratio to fill %.2f\n", style, redraw, redraw / fill);
  }
  return 0;
}
