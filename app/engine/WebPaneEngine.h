#pragma once
// The engine of the module korvane-panes (app/PaneEngine.h): Form1's panes as WebPanes, the
// portal's full screen and zoom, the kept profile. Programs that link the panes in hand it to
// SetPaneEngine.
namespace app {

class PaneEngine;

// Made on first use, never deleted.
PaneEngine* WebPaneEngine();

}  // namespace app
