// The entry of the module korvane-panes: the one symbol the program looks up in it.
#include "app/PaneEngine.h"
#include "app/engine/WebPaneEngine.h"

extern "C" __attribute__((visibility("default"))) app::PaneEngine* korvane_pane_engine() { return app::WebPaneEngine(); }
