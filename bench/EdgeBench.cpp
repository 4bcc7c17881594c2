// Drawing with coordinates far outside a small surface: a line between end points at the 32-bit
// limits, and a redraw whose picture claims the largest extent there is. Both cost what the
// part on the surface costs.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <limits>
#include <memory>

#include "bench/BenchLook.h"
#include "glossbutton/render/Redraw.h"
#include "glossbutton/render/Surface.h"

namespace {

constexpr std::int32_t kLo = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kHi = std::numeric_limits<std::int32_t>::max();

void BM_LineAtTheLimits(benchmark::State& state) {
  gloss::Surface surface(25, 25);
  for (auto _ : state) {
    surface.Line(kLo, kLo, kHi, kHi, 0x0000FF);
    benchmark::DoNotOptimize(surface.Pixels().pixels.data());
  }
}
BENCHMARK(BM_LineAtTheLimits)->Unit(benchmark::kMicrosecond);

void BM_RedrawWithLargestPictureExtent(benchmark::State& state) {
  gloss::ButtonLook look = bench::Look(1, 25, 25);
  auto picture = std::make_shared<gloss::Picture>();
  picture->image = gloss::Image(16, 16, 0xFF3366CCu);
  picture->widthHimetric = kHi;
  picture->heightHimetric = kHi;
  look.Picture = gloss::PictureAtDesignSize(picture);
  gloss::Surface surface(25, 25);
  for (auto _ : state) {
    std::int32_t s = 0;
    auto image = gloss::RedrawButton(surface, look, s);
    benchmark::DoNotOptimize(image.get());
  }
}
BENCHMARK(BM_RedrawWithLargestPictureExtent)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
