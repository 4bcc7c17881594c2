// Redraw per style, state and size beside two comparators at the same sizes: Qt's QPushButton
// (default style, caption "OK") rendered into a QImage with QWidget::render, and filling the
// surface with one colour. Redraw runs without a caption (caption:0) and with the caption "OK"
// measured and drawn by the program's Qt text engine (caption:1). Read "per_px" as time per pixel.
// The "AtRatio2" pair draws the same buttons for a screen of device pixel ratio 2: Redraw at
// device resolution with the caption, and QPushButton rendered into an image of the same device
// size carrying that ratio.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPushButton>

#include <cstdint>
#include <memory>

#include "bench/BenchLook.h"
#include "bench/SurfaceBench.h"
#include "glossbutton/render/Redraw.h"
#include "host/qt/QtTextEngine.h"

namespace {

using bench::BM_Fill;
using bench::kSizes;
using bench::SetPixelCounter;
using bench::SizeArgs;

void BM_Redraw(benchmark::State& state) {
  const auto [style, w, h, buttonState] = bench::ReadRedrawArgs(state);
  gloss::ButtonLook look = bench::Look(style, w, h);
  if (state.range(4) != 0) look.Caption = "OK";

  gloss::Surface surface(w, h, std::make_shared<host::QtTextEngine>());
  std::shared_ptr<const gloss::Image> shown;  // the host holds what it shows until the next image
  for (auto _ : state) {
    std::int32_t s = buttonState;
    shown = gloss::RedrawButton(surface, look, s);
    benchmark::DoNotOptimize(shown.get());
  }
  SetPixelCounter(state, w, h);
}

void BM_QPushButton(benchmark::State& state) {
  const auto w = static_cast<int>(state.range(0));
  const auto h = static_cast<int>(state.range(1));
  QPushButton button(QStringLiteral("OK"));
  button.resize(w, h);
  button.ensurePolished();
  QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    button.render(&image);
    benchmark::DoNotOptimize(image.constBits());
    benchmark::ClobberMemory();
  }
  SetPixelCounter(state, w, h);
}

void BM_RedrawAtRatio2(benchmark::State& state) {
  const auto [style, w, h, buttonState] = bench::ReadRedrawArgs(state);
  gloss::ButtonLook look = bench::LookAtRatio(style, w, h, 2.0);
  look.Caption = "OK";
  gloss::Surface surface(2 * w, 2 * h, std::make_shared<host::QtTextEngine>());
  std::shared_ptr<const gloss::Image> shown;
  for (auto _ : state) {
    std::int32_t s = buttonState;
    shown = gloss::RedrawButton(surface, look, s);
    benchmark::DoNotOptimize(shown.get());
  }
  SetPixelCounter(state, 2 * w, 2 * h);
}

void BM_QPushButtonAtRatio2(benchmark::State& state) {
  const auto w = static_cast<int>(state.range(0));
  const auto h = static_cast<int>(state.range(1));
  QPushButton button(QStringLiteral("OK"));
  button.resize(w, h);
  button.ensurePolished();
  QImage image(2 * w, 2 * h, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(2.0);
  for (auto _ : state) {
    button.render(&image);
    benchmark::DoNotOptimize(image.constBits());
    benchmark::ClobberMemory();
  }
  SetPixelCounter(state, 2 * w, 2 * h);
}

void Ratio2Args(benchmark::internal::Benchmark* b) {
  b->ArgNames({"style", "w", "h", "state"});
  for (int style = 0; style <= 6; ++style)
    for (int size = 0; size < 2; ++size)
      for (int st : {0, 3}) b->Args({style, kSizes[size][0], kSizes[size][1], st});
}

void Ratio2SizeArgs(benchmark::internal::Benchmark* b) {
  b->ArgNames({"w", "h"});
  for (int size = 0; size < 2; ++size) b->Args({kSizes[size][0], kSizes[size][1]});
}

void RedrawArgs(benchmark::internal::Benchmark* b) {
  b->ArgNames({"style", "w", "h", "state", "caption"});
  for (int caption : {0, 1})
    for (int style = 0; style <= 6; ++style)
      for (const auto& size : kSizes)
        for (int st : {0, 3}) b->Args({style, size[0], size[1], st, caption});
}

BENCHMARK(BM_Fill)->Apply(SizeArgs);
BENCHMARK(BM_QPushButton)->Apply(SizeArgs);
BENCHMARK(BM_Redraw)->Apply(RedrawArgs);
BENCHMARK(BM_QPushButtonAtRatio2)->Apply(Ratio2SizeArgs);
BENCHMARK(BM_RedrawAtRatio2)->Apply(Ratio2Args);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  // No display needed: the widgets only render into images.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
