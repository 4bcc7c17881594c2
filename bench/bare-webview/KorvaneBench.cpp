// korvane-bench: the program exactly as app/main.cpp starts it (the panes from the module
// korvane-panes, loaded after the window's first frame), plus the window probe (its first frame)
// and the paint probe on the portal pane. Built separately so that the program itself carries no
// benchmark hook; the paint probe needs the engine, so it is a module too, loaded with the panes.
#include <QApplication>
#include <QLibrary>
#include <cstdio>

#include "WindowProbe.h"
#include "app/PaneEngine.h"
#include "app/Program.h"

namespace {

void WatchFirstPaint(app::Form1& form) {
  using Watch = void (*)(QObject*);
  QLibrary probe(QStringLiteral(KORVANE_BENCH_PROBE_MODULE));
  auto watch = probe.load() ? reinterpret_cast<Watch>(probe.resolve("korvane_watch_first_paint")) : nullptr;
  if (!watch) {
    std::fprintf(stderr, "korvane-bench: no paint probe: %s\n", qPrintable(probe.errorString()));
    return;
  }
  watch(form.PortalPane()->PageObject());
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication::setApplicationName(QStringLiteral("Korvane"));
  app::SetPaneModule(QStringLiteral(KORVANE_BENCH_PANE_MODULE));
  const app::Form1Addresses addresses{QStringLiteral(KORVANE_BENCH_PORTAL_URL),
                                      QStringLiteral(KORVANE_BENCH_MUSIC_URL)};
  // Called once the panes exist, before any load can have finished.
  return app::Main(argc, argv, addresses, WatchFirstPaint, [] { benchprobe::WatchFirstFrame(); });
}
