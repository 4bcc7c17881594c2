// glossbutton-demo: the button gallery in a window of its own.
//   glossbutton-demo [--quit-after MS]
#include <QApplication>
#include <QTimer>

#include <iostream>

#include "DemoWindow.h"
#include "host/qt/HostServices.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  host::HostServices::Install();

  const QStringList args = app.arguments();
  const int quitAt = args.indexOf("--quit-after");
  if (quitAt >= 0) {
    bool ok = false;
    const QString value = quitAt + 1 < args.size() ? args[quitAt + 1] : QString();
    const int ms = value.toInt(&ok);
    if (!ok || ms < 0) {
      std::cerr << "glossbutton-demo: --quit-after expects a whole number of milliseconds (0 or more), not '"
                << value.toStdString() << "'\n";
      return 2;
    }
    QTimer::singleShot(ms, &app, &QApplication::quit);
  }

  DemoWindow window;
  window.show();
  return app.exec();
}
