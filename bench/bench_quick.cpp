// The QML item against the widget, the same button both ways (Style 3, 25 x 25, as the program's
// window buttons):
//   BM_Hover/*: one hover, entering or leaving, from the event reaching the item or widget to the
//     new face published (the repaint it asks for runs outside the measurement);
//   BM_Window100/*: a window of 100 buttons made, shown and drawn once, then closed.
// The module is loaded from the build tree. Runs under QT_QPA_PLATFORM=offscreen with the
// software scene graph unless the environment says otherwise.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEnterEvent>
#include <QHoverEvent>
#include <QMouseEvent>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include <memory>

#include <GlossButton/GlossButtonWidget.h>

namespace {

const QPointF kInside(12.0, 12.0);

QQmlEngine& Engine() {
  static QQmlEngine* engine = [] {
    auto* e = new QQmlEngine;
    e->addImportPath(QStringLiteral(KORVANE_QML_DIR));
    return e;
  }();
  return *engine;
}

std::unique_ptr<QQuickWindow> LoadWindow(const char* body) {
  QQmlComponent component(&Engine());
  component.setData(QByteArray("import QtQuick\nimport GlossButton\n") + body, QUrl());
  auto window = std::unique_ptr<QQuickWindow>(qobject_cast<QQuickWindow*>(component.create()));
  if (!window) qFatal("%s", qPrintable(component.errorString()));
  return window;
}

void Settle() {
  for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

template <class Step>
void Hover(benchmark::State& state, Step step) {
  bool over = false;
  std::int64_t n = 0;
  for (auto _ : state) {
    over = !over;
    step(over);
    if ((++n & 63) == 0) {
      state.PauseTiming();
      QCoreApplication::processEvents();
      state.ResumeTiming();
    }
  }
}

void BM_Hover_Widget(benchmark::State& state) {
  QWidget form;
  form.resize(60, 60);
  auto* button = new GlossButtonWidget(&form);
  button->setStyle(GlossButtonWidget::GlossStyle3);
  button->setGeometry(10, 10, 25, 25);
  form.show();
  if (!QTest::qWaitForWindowExposed(&form)) state.SkipWithError("the window was not shown");
  QSignalSpy entered(button, SIGNAL(mouseEnter()));
  Hover(state, [&](bool enter) {
    if (enter) {
      QEnterEvent e(kInside, kInside, button->mapToGlobal(kInside));
      QCoreApplication::sendEvent(button, &e);
      QMouseEvent move(QEvent::MouseMove, kInside, kInside, button->mapToGlobal(kInside), Qt::NoButton, Qt::NoButton,
                       Qt::NoModifier);
      QCoreApplication::sendEvent(button, &move);
    } else {
      QEvent leave(QEvent::Leave);
      QCoreApplication::sendEvent(button, &leave);
      QCoreApplication::sendPostedEvents(button, QEvent::MetaCall);
    }
  });
  if (entered.count() * 2 < state.iterations()) state.SkipWithError("the widget did not see every entry");
}

void BM_Hover_Item(benchmark::State& state) {
  auto window = LoadWindow(
      "Window { width: 60; height: 60; visible: true\n"
      "  GlossButton { objectName: \"b\"; x: 10; y: 10; width: 25; height: 25; style: GlossButton.GlossStyle3 } }");
  if (!QTest::qWaitForWindowExposed(window.get())) state.SkipWithError("the window was not shown");
  auto* button = window->findChild<QQuickItem*>(QStringLiteral("b"));
  QSignalSpy entered(button, SIGNAL(mouseEnter()));
  const QPointF global = button->mapToGlobal(kInside);
  Hover(state, [&](bool enter) {
    QHoverEvent e(enter ? QEvent::HoverEnter : QEvent::HoverLeave, enter ? kInside : QPointF(-1, -1), global,
                  QPointF(-1, -1));
    QCoreApplication::sendEvent(button, &e);
    if (!enter) QCoreApplication::sendPostedEvents(button, QEvent::MetaCall);
  });
  if (entered.count() * 2 < state.iterations()) state.SkipWithError("the item did not see every entry");
}

void BM_Window100_Widgets(benchmark::State& state) {
  for (auto _ : state) {
    QWidget form;
    form.resize(700, 300);
    for (int i = 0; i < 100; ++i) {
      auto* b = new GlossButtonWidget(&form);
      b->setStyle(GlossButtonWidget::GlossStyle3);
      b->setCaption(QStringLiteral("B%1").arg(i));
      b->setGeometry(5 + (i % 10) * 68, 5 + (i / 10) * 28, 64, 24);
    }
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) state.SkipWithError("the window was not shown");
    Settle();
  }
}

void BM_Window100_Items(benchmark::State& state) {
  for (auto _ : state) {
    auto window = LoadWindow(
        "Window { width: 700; height: 300; visible: true\n"
        "  Repeater { model: 100\n"
        "    GlossButton { x: 5 + (index % 10) * 68; y: 5 + Math.floor(index / 10) * 28; width: 64; height: 24;\n"
        "                  style: GlossButton.GlossStyle3; caption: \"B\" + index } } }");
    if (!QTest::qWaitForWindowExposed(window.get())) state.SkipWithError("the window was not shown");
    Settle();
  }
}

BENCHMARK(BM_Hover_Widget);
BENCHMARK(BM_Hover_Item);
BENCHMARK(BM_Window100_Widgets)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Window100_Items)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND") && qEnvironmentVariableIsEmpty("QSG_RHI_BACKEND"))
    qputenv("QT_QUICK_BACKEND", "software");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
