// korvane-figures BASE: the program exactly as app/main.cpp starts it, with its two addresses under
// BASE, writing to stdout (flushed, CLOCK_MONOTONIC milliseconds):
//   shown <pane> <ms>     a load of the pane finished well and the frame after it was produced
//   failed <pane> <ms>    a load of the pane failed
//   renderer <pane> <pid> the pane's page has a new renderer process (also said before each "shown")
//   fullscreen on|off <ms> a page of the portal that marks its fullscreenchange (the title
//                          korvane-fs-on-N or korvane-fs-off-N, set two animation frames after the
//                          change) has produced the frame after entering or leaving
// <pane> is portal or music.
#include <QCoreApplication>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <cstdio>
#include <ctime>

#include "app/PaneEngine.h"
#include "app/Program.h"
#include "app/engine/WebPaneEngine.h"

namespace {

double MonotonicMs() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

void Line(const char* what, const char* pane, double value) {
  std::printf("%s %s %.3f\n", what, pane, value);
  std::fflush(stdout);
}

// After each good load two animation frames are asked for one after the other: the second runs only
// once the frame with the loaded page was produced, and says so through the title.
void Watch(QWebEnginePage* page, const char* pane) {
  static int serial = 0;
  QObject::connect(page, &QWebEnginePage::loadFinished, page, [page, pane](bool ok) {
    if (!ok) return Line("failed", pane, MonotonicMs());
    if (page->url().scheme() == QLatin1String("about")) return;
    page->runJavaScript(QStringLiteral("requestAnimationFrame(function(){requestAnimationFrame(function(){"
                                       "document.title='korvane-figures-%1';});});")
                            .arg(++serial),
                        QWebEngineScript::ApplicationWorld);
  });
  QObject::connect(page, &QWebEnginePage::titleChanged, page, [page, pane](const QString& title) {
    if (title.startsWith(QLatin1String("korvane-fs-on-"))) return Line("fullscreen", "on", MonotonicMs());
    if (title.startsWith(QLatin1String("korvane-fs-off-"))) return Line("fullscreen", "off", MonotonicMs());
    if (!title.startsWith(QLatin1String("korvane-figures-"))) return;
    Line("renderer", pane, double(page->renderProcessPid()));
    Line("shown", pane, MonotonicMs());
  });
  QObject::connect(page, &QWebEnginePage::renderProcessPidChanged, page,
                   [pane](qint64 pid) { Line("renderer", pane, double(pid)); });
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: korvane-figures http://127.0.0.1:PORT\n");
    return 2;
  }
  const QString base = QString::fromLocal8Bit(argv[1]);
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QCoreApplication::setApplicationName(QStringLiteral("Korvane"));
  const app::Form1Addresses addresses{base + QStringLiteral("/qqwap/"),
                                      base + QStringLiteral("/songplayer/v2/360?lid=100014")};
  // The panes linked in, not loaded from the module: the lines above need the engine's pages.
  app::SetPaneEngine(app::WebPaneEngine());
  int one = 1;
  return app::Main(one, argv, addresses, [](app::Form1& form) {
    Watch(form.WebBrowser1()->Page(), "portal");
    Watch(form.WebBrowser2()->Page(), "music");
  });
}
