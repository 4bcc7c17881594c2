// The one part of DomObject that needs the engine: scripts run in a QWebEnginePage.
#include <QPointer>
#include <QVariant>
#include <QWebEnginePage>
#include <QWebEngineScript>

#include "app/webpane/DomObject.h"

namespace app {

DomObject::DomObject(QWebEnginePage* page)
    : DomObject(ScriptRunner([page = QPointer<QWebEnginePage>(page)](const QString& script,
                                                                      std::function<void(const QVariant&)> done) {
          if (!page) {
              if (done) done(QVariant());
              return;
          }
          // The DOM is shared between worlds; the application world keeps page scripts from shadowing ours.
          page->runJavaScript(script, QWebEngineScript::ApplicationWorld, [done = std::move(done)](const QVariant& v) {
              if (done) done(v);
          });
      })) {}

}  // namespace app
