#include "app/PaneEngine.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QStringList>

namespace app {

namespace {

PaneEngine* g_Engine = nullptr;
QString g_ModulePath;
QString g_LoadError;
bool g_Tried = false;

QStringList ModuleCandidates() {
  if (!g_ModulePath.isEmpty()) return {g_ModulePath};
  const QString name = QString::fromLatin1(kPaneModuleName);
  const QString dir = QCoreApplication::applicationDirPath();
  // Beside the program in the build tree; installed, the program is in /usr/games and the module in
  // /usr/lib/games/korvane.
  return {dir + QLatin1Char('/') + name, dir + QStringLiteral("/../lib/games/korvane/") + name};
}

}  // namespace

void SetPaneEngine(PaneEngine* engine) { g_Engine = engine; }

void SetPaneModule(const QString& path) { g_ModulePath = path; }

PaneEngine* LoadPaneEngine(QString* error) {
  if (!g_Engine && !g_Tried) {
    g_Tried = true;
    QStringList failures;
    for (const QString& path : ModuleCandidates()) {
      // Never unloaded: the panes' code lives in it until the program ends.
      auto* module = new QLibrary(path);
      using Entry = PaneEngine* (*)();
      auto entry = module->load() ? reinterpret_cast<Entry>(module->resolve(kPaneModuleEntry)) : nullptr;
      if (entry) {
        g_Engine = entry();
        break;
      }
      failures << module->errorString();
      delete module;
    }
    if (!g_Engine) g_LoadError = failures.join(QStringLiteral("; "));
  }
  if (!g_Engine && error) *error = g_LoadError;
  return g_Engine;
}

}  // namespace app
