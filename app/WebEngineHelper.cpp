#include "app/WebEngineHelper.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QStringList>

namespace app {

bool WebEngineHelperFound(QString* searched) {
  const QString name = QStringLiteral("QtWebEngineProcess");
  QStringList candidates;
  const QString named = qEnvironmentVariable("QTWEBENGINEPROCESS_PATH");
  if (!named.isEmpty()) {
    candidates << named;  // the engine then looks nowhere else
  } else {
    candidates << QLibraryInfo::path(QLibraryInfo::LibraryExecutablesPath) + QLatin1Char('/') + name;
    if (QCoreApplication::instance()) candidates << QCoreApplication::applicationDirPath() + QLatin1Char('/') + name;
  }
  for (const QString& path : candidates) {
    const QFileInfo info(path);
    if (info.isFile() && info.isExecutable()) return true;
  }
  if (searched) *searched = candidates.join(QStringLiteral(", "));
  return false;
}

}  // namespace app
