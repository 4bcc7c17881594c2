#pragma once
// What the redraw benchmarks share besides the button they draw: the per-pixel counter and the
// plain fill of a surface that every redraw figure is read against.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "bench/BenchLook.h"
#include "glossbutton/render/Surface.h"

namespace bench {

// "per_px": time per pixel of a w x h surface.
inline void SetPixelCounter(benchmark::State& state, std::int32_t w, std::int32_t h) {
  state.counters["per_px"] = benchmark::Counter(
      static_cast<double>(w) * h, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// Arguments w, h: filling the whole surface with one colour.
inline void BM_Fill(benchmark::State& state) {
  const auto w = static_cast<std::int32_t>(state.range(0));
  const auto h = static_cast<std::int32_t>(state.range(1));
  gloss::Surface surface(w, h);
  for (auto _ : state) {
    surface.LineBF(0, 0, w - 1, h - 1, 0x336699);
    benchmark::DoNotOptimize(surface.Pixels().pixels.data());
    benchmark::ClobberMemory();
  }
  SetPixelCounter(state, w, h);
}

// The first four arguments of a redraw benchmark: style, w, h, button state.
struct RedrawArgs {
  std::int32_t style, w, h, buttonState;
};
inline RedrawArgs ReadRedrawArgs(const benchmark::State& state) {
  return {static_cast<std::int32_t>(state.range(0)), static_cast<std::int32_t>(state.range(1)),
          static_cast<std::int32_t>(state.range(2)), static_cast<std::int32_t>(state.range(3))};
}

// w, h for each of kSizes.
inline void SizeArgs(benchmark::internal::Benchmark* b) {
  b->ArgNames({"w", "h"});
  for (const auto& size : kSizes) b->Args({size[0], size[1]});
}

}  // namespace bench
