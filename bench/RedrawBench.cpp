// Cost of a whole redraw (renderer, caption step, publish copy, clear) per style, size and state,
// beside the cost of filling the same surface with one colour. Read "per_px" as time per pixel.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>

#include "bench/BenchLook.h"
#include "bench/SurfaceBench.h"
#include "glossbutton/render/Redraw.h"

namespace {

using bench::BM_Fill;
using bench::kSizes;
using bench::SetPixelCounter;
using bench::SizeArgs;

void BM_Redraw(benchmark::State& state) {
  const auto [style, w, h, buttonState] = bench::ReadRedrawArgs(state);

  const gloss::ButtonLook look = bench::Look(style, w, h);

  gloss::Surface surface(w, h);
  for (auto _ : state) {
    std::int32_t s = buttonState;
    auto image = gloss::RedrawButton(surface, look, s);
    benchmark::DoNotOptimize(image.get());
  }
  SetPixelCounter(state, w, h);
}

void RedrawArgs(benchmark::internal::Benchmark* b) {
  b->ArgNames({"style", "w", "h", "state"});
  for (int style = 0; style <= 6; ++style)
    for (const auto& size : kSizes)
      for (int st : {0, 3}) b->Args({style, size[0], size[1], st});
}

BENCHMARK(BM_Fill)->Apply(SizeArgs);
BENCHMARK(BM_Redraw)->Apply(RedrawArgs);

}  // namespace

BENCHMARK_MAIN();
