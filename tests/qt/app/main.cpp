// One application object for the whole run; windows are offscreen, no display is needed.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  // Listing the tests runs this too, without the test's environment.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("korvane-test"));
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
