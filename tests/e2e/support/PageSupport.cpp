#include "PageSupport.h"

#include <QApplication>
#include <QSignalSpy>
#include <QWebEnginePage>
#include <QtTest/QTest>
#include <gtest/gtest.h>
#include <string>
#include <utility>

namespace e2e {

std::unique_ptr<QApplication> MakeApplication(const char* name) {
  // QApplication keeps argc and argv for its whole life.
  static std::string arg0;
  static char* argv[] = {nullptr, nullptr};
  static int argc = 1;
  arg0 = name;
  argv[0] = arg0.data();
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  return std::make_unique<QApplication>(argc, argv);
}

}  // namespace e2e

QVariant Eval(QWebEnginePage* page, const QString& js) {
  auto state = std::make_shared<std::pair<bool, QVariant>>();
  page->runJavaScript(js, [state](const QVariant& v) {
    state->first = true;
    state->second = v;
  });
  EXPECT_TRUE(QTest::qWaitFor([&] { return state->first; }, 10000)) << "script timed out: " << js.toStdString();
  return state->second;
}

bool Load(app::WebPane& pane, const QUrl& url) {
  QSignalSpy spy(&pane, &app::WebPane::DocumentComplete);
  pane.Navigate(url.toString());
  if (!spy.wait(20000)) return false;
  return spy.last().at(1).toBool();
}
