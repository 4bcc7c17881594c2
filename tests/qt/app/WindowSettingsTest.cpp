// Where the window opens: the kept position only where the whole window fits now, and a settings
// file that is not ours set aside with one line, never written through.
#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QWidget>
#include <sstream>

#include "app/WindowSettings.h"

namespace {

using app::WindowSettings;

TEST(WindowPlacement, TheKeptPlaceOnlyWhereTheWholeWindowFits) {
  const QSize size(519, 368);
  const QPoint design(603, 97);
  const std::vector<QRect> two = {{0, 0, 1280, 800}, {1280, 0, 1024, 768}};
  const struct {
    const char* what;
    std::vector<QRect> screens;
    std::optional<QPoint> kept;
    QPoint expected;
  } cases[] = {
      {"nothing kept", two, std::nullopt, design},
      {"kept on the second screen", two, QPoint(1500, 300), QPoint(1500, 300)},
      {"kept across the two screens", two, QPoint(1000, 100), design},
      {"kept on a screen that is gone", {{0, 0, 1280, 800}}, QPoint(1500, 300), design},
      {"design place too far right on a small screen", {{0, 0, 800, 600}}, std::nullopt, QPoint(281, 97)},
      {"window larger than the screen", {{0, 0, 400, 300}}, QPoint(0, 0), QPoint(0, 0)},
      {"no screen", {}, QPoint(5, 5), design},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(WindowSettings::Placement(c.screens, size, c.kept, design), c.expected);
  }
}

TEST(WindowSettingsFile, AFileThatIsNotOursIsSetAsideAndNeverWrittenThrough) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString folder = dir.filePath("Korvane"), file = folder + "/Korvane.conf";
  const QString elsewhere = dir.filePath("elsewhere.conf");
  std::vector<QRect> screens;
  for (QScreen* s : QGuiApplication::screens()) screens.push_back(s->availableGeometry());
  const QString here = "position/" + WindowSettings::LayoutKey(screens);
  const QPoint design(10, 20), kept(30, 40);

  const struct {
    const char* what;
    QByteArray content;  // written to the file (or, with link, to the file it points at)
    bool link;
    qint64 sparseSize;  // > 0: a file this large instead
    bool setAside;
    QPoint opensAt;
  } cases[] = {
      {"no file", QByteArray(), false, 0, false, design},
      {"empty", "", false, 0, false, design},
      {"kept here", "[position]\n" + here.mid(9).toUtf8() + "=\"30,40\"\n", false, 0, false, kept},
      {"kept for another screen layout", "[position]\n99x99@0_0=\"30,40\"\n", false, 0, false, design},
      {"binary", QByteArray("\x00\x01\xff\xfe[position]\x00", 16), false, 0, true, design},
      {"foreign", "{\"window\": {\"x\": 30}}\n", false, 0, true, design},
      {"damaged value", "[position]\n" + here.mid(9).toUtf8() + "=\"thirty,40\"\n", false, 0, true, design},
      {"huge", QByteArray(), false, 100 * 1024 * 1024, true, design},
      {"a link elsewhere", "[position]\n" + here.mid(9).toUtf8() + "=\"30,40\"\n", true, 0, true, design},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    QDir(folder).removeRecursively();
    QFile::remove(elsewhere);
    ASSERT_TRUE(QDir().mkpath(folder));
    if (c.link) {
      QFile target(elsewhere);
      ASSERT_TRUE(target.open(QIODevice::WriteOnly));
      target.write(c.content);
      target.close();
      ASSERT_TRUE(QFile::link(elsewhere, file));
    } else if (c.sparseSize > 0) {
      QFile f(file);
      ASSERT_TRUE(f.open(QIODevice::WriteOnly));
      ASSERT_TRUE(f.resize(c.sparseSize));
    } else if (!c.content.isNull()) {
      QFile f(file);
      ASSERT_TRUE(f.open(QIODevice::WriteOnly));
      f.write(c.content);
    }
    QWidget window;
    window.setFixedSize(100, 80);
    window.move(design);
    std::ostringstream err;
    new WindowSettings(&window, file, err);
    EXPECT_EQ(window.pos(), c.opensAt);
    const std::string said = err.str();
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), c.setAside ? 1 : 0) << said;
    EXPECT_EQ(QFile::exists(file + ".bad") || QFileInfo(file + ".bad").isSymLink(), c.setAside);

    // Moved and closed: kept in a plain file of the folder, the file linked to untouched.
    window.move(kept + QPoint(1, 1));
    window.close();
    EXPECT_FALSE(QFileInfo(file).isSymLink());
    EXPECT_EQ(QSettings(file, QSettings::IniFormat).value(here).toString(), "31,41");
    if (c.link) {
      QFile target(elsewhere);
      ASSERT_TRUE(target.open(QIODevice::ReadOnly));
      EXPECT_EQ(target.readAll(), c.content);
    }
  }
}

}  // namespace
