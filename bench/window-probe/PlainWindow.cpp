// plain-window: the floor of the start-up benchmark. A borderless Qt widgets window of the
// program's size with a few labels, on the same Qt and with the same window probe, and no web
// engine: what any Qt program takes to put a window on screen.
#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

#include "WindowProbe.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  benchprobe::WatchFirstFrame();
  QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
  window.setFixedSize(519, 368);
  auto* layout = new QVBoxLayout(&window);
  for (const char* text : {"开启音乐", "刷 新", "换  曲"}) layout->addWidget(new QLabel(QString::fromUtf8(text)));
  window.show();
  return app.exec();
}
