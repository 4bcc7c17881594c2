// glossbutton-demo: the button gallery in a window of its own.
//   glossbutton-demo [--quit-after MS]
#include <QApplication>
#include <QTimer>

#include "DemoWindow.h"
#include "host/HostServices.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  host::HostServices::Install();

  const QStringList args = app.arguments();
  const int quitAt = args.indexOf("--quit-after");
  if (quitAt >= 0 && quitAt + 1 < args.size()) QTimer::singleShot(args[quitAt + 1].toInt(), &app, &QApplication::quit);

  DemoWindow window;
  window.show();
  return app.exec();
}
