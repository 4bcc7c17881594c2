#pragma once
// Helpers of the e2e tests that drive a real web engine in their own process.
#include <QString>
#include <QUrl>
#include <QVariant>
#include <memory>

#include "app/webpane/WebPane.h"

class QApplication;
class QWebEnginePage;

namespace e2e {

// The test run's QApplication, named `name`; the web engine wants shared GL contexts, which must
// be asked for before the application exists.
std::unique_ptr<QApplication> MakeApplication(const char* name);

}  // namespace e2e

// Runs `js` in the page's main world and waits for its value.
QVariant Eval(QWebEnginePage* page, const QString& js);
// Navigates `pane` and waits for its DocumentComplete; false on a timeout or a failed load.
bool Load(app::WebPane& pane, const QUrl& url);
