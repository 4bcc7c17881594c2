// bare-webview URL: the comparison program for the start-up benchmark. One QWebEngineView in a
// borderless window of the program's size (519 x 368) showing URL, with the same paint probe.
#include <QApplication>
#include <QUrl>
#include <QWebEngineView>
#include <cstdio>

#include "PaintProbe.h"

int main(int argc, char** argv) {
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);  // as the program does
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: bare-webview URL\n");
    return 2;
  }
  QWebEngineView view;
  view.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  view.setFixedSize(519, 368);
  benchprobe::WatchFirstPaint(view.page());
  view.load(QUrl(QString::fromLocal8Bit(argv[1])));
  view.show();
  return app.exec();
}
