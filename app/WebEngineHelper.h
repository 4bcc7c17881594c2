#pragma once
// The web engine's helper program (QtWebEngineProcess), which every page runs in. Where the engine
// cannot find it, starting the engine ends the whole program; so it is looked for first, the way
// the engine looks: where QTWEBENGINEPROCESS_PATH names it, else among Qt's library executables
// and beside the program.
#include <QString>

namespace app {

// True when the engine will find its helper; otherwise *searched (when given) lists where it looked.
bool WebEngineHelperFound(QString* searched = nullptr);

}  // namespace app
