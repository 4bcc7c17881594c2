// Building a rounded button's window shape, as a resize or a change of Style does: the pill of
// Style 2 (radius half the height) at the close button's size, a wide button and the largest
// size the renderer draws, and a widget's pill far past it.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>

#include "glossbutton/RoundShape.h"
#include "platform/Regions.h"

namespace {

void BM_RoundShapeRegion(benchmark::State& state) {
  const auto w = static_cast<std::int32_t>(state.range(0));
  const auto h = static_cast<std::int32_t>(state.range(1));
  const std::int32_t radius = std::min(h / 2, w / 2);
  for (auto _ : state) {
    const platform::HRGN region = gloss::CreateRoundShapeRegion(w - 1, h - 1, radius);
    benchmark::DoNotOptimize(region);
    platform::DeleteObject(region);
  }
  state.SetLabel("rows " + std::to_string(h));
}
BENCHMARK(BM_RoundShapeRegion)
    ->ArgNames({"w", "h"})
    ->Args({25, 25})
    ->Args({400, 120})
    ->Args({8192, 8192})
    ->Args({65535, 65535})  // a pill whose radius is past the old row table's 8192
    ->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
