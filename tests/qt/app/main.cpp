// One application object for the whole run; no display is needed.
#include <gtest/gtest.h>

#include <QCoreApplication>

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("korvane-test"));
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
