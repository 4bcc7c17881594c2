// korvane-at BASE: the program exactly as app/main.cpp starts it, with both addresses under BASE
// (a sample portal on a port of the test's choosing) and the paint probe on the portal pane. The
// panes are linked in (the probe needs the engine anyway) rather than loaded from the module.
#include <QCoreApplication>
#include <cstdio>

#include "bench/bare-webview/PaintProbe.h"
#include "app/PaneEngine.h"
#include "app/Program.h"
#include "app/engine/WebPaneEngine.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: korvane-at http://127.0.0.1:PORT\n");
    return 2;
  }
  const QString base = QString::fromLocal8Bit(argv[1]);
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QCoreApplication::setApplicationName(QStringLiteral("Korvane"));
  const app::Form1Addresses addresses{base + QStringLiteral("/qqwap/"),
                                      base + QStringLiteral("/songplayer/v2/360?lid=100014")};
  app::SetPaneEngine(app::WebPaneEngine());
  int one = 1;
  return app::Main(one, argv, addresses,
                   [](app::Form1& form) { benchprobe::WatchFirstPaint(form.WebBrowser1()->Page()); });
}
