// The paint probe as a module, for korvane-bench, which does not link the web engine (the program
// loads it with its panes): loaded once the panes exist, when the engine's libraries are loaded
// already.
#include <QObject>
#include <QWebEnginePage>

#include "PaintProbe.h"

extern "C" __attribute__((visibility("default"))) void korvane_watch_first_paint(QObject* page) {
  benchprobe::WatchFirstPaint(qobject_cast<QWebEnginePage*>(page));
}
