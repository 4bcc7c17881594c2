// What accessibility costs while no assistive technology listens: the notice a caption or
// checked change gives (a test of Qt's active flag) beside the change itself, which redraws
// the face, on a shown 100 x 30 Style 3 GlossButtonWidget. Offscreen Qt unless the environment
// names a platform.
#include <benchmark/benchmark.h>

#include <QAccessible>
#include <QApplication>

#include <memory>

#include "host/qt/ControlAccessible.h"
#include <GlossButton/GlossButtonWidget.h>

namespace {

GlossButtonWidget& Button() {
  static std::unique_ptr<GlossButtonWidget> button = [] {
    auto b = std::make_unique<GlossButtonWidget>();
    b->setStyle(3);
    b->resize(100, 30);
    b->show();
    QApplication::processEvents();
    return b;
  }();
  return *button;
}

void BM_SetCaption(benchmark::State& state) {
  GlossButtonWidget& b = Button();
  const QString captions[2] = {QStringLiteral("Play"), QStringLiteral("Stop")};
  int i = 0;
  for (auto _ : state) b.setCaption(captions[i ^= 1]);
  if (QAccessible::isActive()) state.SkipWithError("an accessibility client is active");
}

void BM_SetChecked(benchmark::State& state) {
  GlossButtonWidget& b = Button();
  bool on = false;
  for (auto _ : state) b.setChecked(on = !on);
}

// The part of the two above that accessibility adds.
void BM_AccessibleNotice(benchmark::State& state) {
  GlossButtonWidget& b = Button();
  for (auto _ : state) host::NotifyAccessibleChange(&b, true, true, false);
}

}  // namespace

BENCHMARK(BM_SetCaption);
BENCHMARK(BM_SetChecked);
BENCHMARK(BM_AccessibleNotice);

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
