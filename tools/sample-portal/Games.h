#pragma once
// The portal's game list and the pages made from it.
#include <QString>

namespace portal {

struct Game {
  const char* name;     // Chinese title
  const char* english;  // subtitle
  const char* glyph;    // the one character on its icon
  const char* color;    // icon background
  const char* desc;
};

int GameCount();
const Game* FindGame(int id);  // ids from 1; nullptr outside the list

QString PortalPage(const QString& member = {});  // /qqwap/, for a visitor logged in as `member` (or not)
QString GamePage(int id);                        // /qqwap/game/<id>; empty for an unknown id
QString PlayerPage(const QString& lid);

}  // namespace portal
