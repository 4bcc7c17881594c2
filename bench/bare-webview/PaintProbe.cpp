#include "PaintProbe.h"

#include <QWebEnginePage>
#include <QWebEngineScript>
#include <cstdio>
#include <ctime>
#include <memory>

namespace benchprobe {

namespace {

const QString kMarker = QStringLiteral("korvane-bench-painted");

void Line(const char* what) {
  std::printf("%s %.3f\n", what, MonotonicMs());
  std::fflush(stdout);  // read line by line through a pipe
}

}  // namespace

double MonotonicMs() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

void WatchFirstPaint(QWebEnginePage* page) {
  auto seen = std::make_shared<bool>(false);
  QObject::connect(page, &QWebEnginePage::loadFinished, page, [page, seen](bool ok) {
    if (*seen) return;
    *seen = true;
    if (!ok) {
      Line("failed");
      return;
    }
    Line("loaded");
    // Own world: the page's scripts neither see nor disturb the probe.
    page->runJavaScript(QStringLiteral("requestAnimationFrame(function(){requestAnimationFrame(function(){"
                                       "document.title='%1';});});")
                            .arg(kMarker),
                        QWebEngineScript::ApplicationWorld);
  });
  auto painted = std::make_shared<bool>(false);
  QObject::connect(page, &QWebEnginePage::titleChanged, page, [painted](const QString& title) {
    if (*painted || title != kMarker) return;
    *painted = true;
    Line("painted");
  });
}

}  // namespace benchprobe
