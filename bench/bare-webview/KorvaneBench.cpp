// korvane-bench: the program exactly as app/main.cpp starts it, plus the window probe (its first
// frame) and the paint probe on the portal pane. Built separately so that the program itself
// carries no benchmark hook.
#include <QApplication>
#include <QWebEngineView>
#include <iostream>

#include "PaintProbe.h"
#include "WindowProbe.h"
#include "app/Program.h"

int main(int argc, char** argv) {
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QCoreApplication::setApplicationName(QStringLiteral("Korvane"));
  const app::Form1Addresses addresses{QStringLiteral(KORVANE_BENCH_PORTAL_URL),
                                      QStringLiteral(KORVANE_BENCH_MUSIC_URL)};
  // Called once the panes exist, before any load can have finished.
  return app::Main(
      argc, argv, addresses, [](app::Form1& form) { benchprobe::WatchFirstPaint(form.WebBrowser1()->Page()); },
      [] { benchprobe::WatchFirstFrame(); });
}
