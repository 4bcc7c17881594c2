#pragma once
// The web engine as the program sees it: what makes Form1's panes and the kept web profile. All of
// it, and everything that links the engine's libraries, is built into the module korvane-panes,
// which the program loads once its window is on screen: loading the engine's libraries at start
// would keep the window off the screen for as long. The program itself links Qt's widgets only.
//
// A program that links the panes in (the tests, the benchmark tools) hands its own engine to
// SetPaneEngine instead.
#include <QString>
#include <iosfwd>

class QObject;
class QWebEngineProfile;
class QWidget;

namespace app {

class Pane;

class PaneEngine {
 public:
  virtual ~PaneEngine() = default;

  // A pane, child of `parent`, on `profile` (kept by the caller until the pane is gone), or on an
  // off-the-record profile of its own when that is null. The pane belongs to `parent`.
  virtual Pane* MakePane(QWebEngineProfile* profile, QWidget* parent) = 0;
  // The portal's own additions: its games may take the whole screen, and its text can be zoomed
  // with the keys of `keys`. Returns the zoom: a PaneZoom, with Restore(double) and Changed(double).
  virtual QObject* AddPortalExtras(Pane* portal, QWidget* keys) = 0;
  // The profile kept under `dataFolder` (KeptProfile, which says on `err` what it could not have),
  // open until CloseKeptProfile; one at a time.
  virtual QWebEngineProfile* OpenKeptProfile(const QString& dataFolder, std::ostream& err) = 0;
  virtual void CloseKeptProfile() = 0;
};

// The engine: the one set with SetPaneEngine, else the module, loaded on the first call (at most
// once; it stays loaded). The module is looked for where SetPaneModule says, else beside the
// program, then in the program's library folder (../lib/games/korvane). nullptr when it cannot be had:
// *error then says why in one line.
PaneEngine* LoadPaneEngine(QString* error = nullptr);
void SetPaneEngine(PaneEngine* engine);
void SetPaneModule(const QString& path);

// The module's file name, and the one function it exports: korvane_pane_engine(), which gives its
// engine (made on first use, never deleted).
constexpr const char* kPaneModuleName = "korvane-panes";
constexpr const char* kPaneModuleEntry = "korvane_pane_engine";

}  // namespace app
