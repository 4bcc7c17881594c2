// korvane-bench: the program exactly as app/main.cpp starts it, plus the paint probe on the
// portal pane. Built separately so that the program itself carries no benchmark hook.
#include <QApplication>
#include <QTimer>
#include <QWebEngineView>
#include <iostream>

#include "PaintProbe.h"
#include "app/Program.h"

int main(int argc, char** argv) {
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Korvane"));
  // Runs in the first event-loop turn, before any load can have finished: the form and its panes
  // exist by then, and their signals are delivered through this loop.
  QTimer::singleShot(0, &app, [] {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (auto* form = qobject_cast<app::Form1*>(w)) {
        benchprobe::WatchFirstPaint(form->WebBrowser1()->Page());
        return;
      }
    }
    std::cerr << "korvane-bench: no Form1 to watch" << std::endl;
  });
  const app::Form1Addresses addresses{QStringLiteral(KORVANE_BENCH_PORTAL_URL),
                                      QStringLiteral(KORVANE_BENCH_MUSIC_URL)};
  return app::RunProgram(app, app::StoredLayoutText(), addresses, std::cerr);
}
