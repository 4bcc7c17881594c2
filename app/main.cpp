// Korvane: one borderless window with the game portal, background music and two round buttons.
#include <QApplication>
#include <iostream>

#include "app/Program.h"

#ifndef KORVANE_PORTAL_URL
#error "KORVANE_PORTAL_URL is set by the build"
#endif
#ifndef KORVANE_MUSIC_URL
#error "KORVANE_MUSIC_URL is set by the build"
#endif

int main(int argc, char** argv) {
  // The web engine shares GL contexts with the widgets; this must precede the application.
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Korvane"));
  const app::Form1Addresses addresses{QStringLiteral(KORVANE_PORTAL_URL), QStringLiteral(KORVANE_MUSIC_URL)};
  return app::RunProgram(app, app::StoredLayoutText(), addresses, std::cerr);
}
