#include "WindowProbe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <ctime>

namespace benchprobe {

namespace {

class FirstExpose : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Expose || m_Seen) return false;
    auto* window = qobject_cast<QWindow*>(watched);
    if (!window || !window->isTopLevel() || !window->isExposed()) return false;
    m_Seen = true;
    // The widgets paint in this very expose; the line waits for the loop's next turn.
    QTimer::singleShot(0, this, [] {
      std::printf("mapped %.3f\n", WindowMonotonicMs());
      std::fflush(stdout);
    });
    return false;
  }

 private:
  bool m_Seen = false;
};

}  // namespace

double WindowMonotonicMs() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

void WatchFirstFrame() { qApp->installEventFilter(new FirstExpose(qApp)); }

}  // namespace benchprobe
