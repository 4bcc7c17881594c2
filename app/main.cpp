// Korvane: one borderless window with the game portal, background music and two round buttons.
#include <QCoreApplication>

#include "app/Program.h"

#ifndef KORVANE_PORTAL_URL
#error "KORVANE_PORTAL_URL is set by the build"
#endif
#ifndef KORVANE_MUSIC_URL
#error "KORVANE_MUSIC_URL is set by the build"
#endif

int main(int argc, char** argv) {
  // Names the data folder and the one-run lock, both looked up before the application exists.
  QCoreApplication::setApplicationName(QStringLiteral("Korvane"));
  const app::Form1Addresses addresses{QStringLiteral(KORVANE_PORTAL_URL), QStringLiteral(KORVANE_MUSIC_URL)};
  return app::Main(argc, argv, addresses);
}
