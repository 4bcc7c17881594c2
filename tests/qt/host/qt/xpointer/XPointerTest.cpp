// The real X pointer, moved with xdotool, over a hosted Style 3 button and off it again: the
// screen shows the hover face while it is over the button and the up face after it left, and
// the rounded corner shows the window behind the button.
#include <gtest/gtest.h>

#include <QApplication>
#include <QProcess>
#include <QScreen>
#include <QTest>

#include <algorithm>
#include <memory>

#include "glossbutton/PropertyBag.h"
#include "host/qt/ControlSite.h"
#include "tests/support/EventRecorder.h"

namespace {

using Strings = std::vector<std::string>;

void MovePointer(QPoint global) {
  const QByteArray tool = qgetenv("KORVANE_XDOTOOL").isEmpty() ? "xdotool" : qgetenv("KORVANE_XDOTOOL");
  const int rc = QProcess::execute(QString::fromLocal8Bit(tool),
                                   {"mousemove", QString::number(global.x()), QString::number(global.y())});
  ASSERT_EQ(rc, 0) << "xdotool failed";
}

QRgb ScreenPixel(QPoint global) {
  const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
  return screen.pixel(global) | 0xFF000000u;
}

bool Contains(const Strings& log, const std::string& s) { return std::find(log.begin(), log.end(), s) != log.end(); }

class XPointerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window = std::make_unique<QWidget>();
    window->setWindowFlag(Qt::FramelessWindowHint);
    QPalette pal = window->palette();
    pal.setColor(QPalette::Window, QColor(0x20, 0x80, 0x20));
    window->setPalette(pal);
    window->setAutoFillBackground(true);
    window->setGeometry(40, 40, 240, 120);
    site = new host::ControlSite(window.get());
    site->setObjectName("CloseButton");
    site->setGeometry(60, 40, 120, 40);
    recorder.Attach(site->Button());

    gloss::PropertyBag bag;
    bag.WriteInt32("Style", 3);
    bag.WriteText("Caption", "x");
    bag.WriteInt32("ColorButtonUp", 0x0000C0);
    bag.WriteInt32("ColorButtonHover", 0x4040FF);
    bag.WriteInt32("ColorButtonDown", 0x000060);
    site->ReadProperties(bag);

    MovePointer({5, 5});
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    QTest::qWait(200);
  }

  QPoint Global(QPoint inSite) const { return site->mapToGlobal(inSite); }
  QRgb ImagePixel(QPoint p) const { return site->PublishedImage()->At(p.x(), p.y()); }

  std::unique_ptr<QWidget> window;
  host::ControlSite* site = nullptr;
  gloss::test::EventRecorder recorder;
};

TEST_F(XPointerTest, HoverFaceFollowsTheRealPointer) {
  const QPoint probe(60, 8);  // on the face, clear of the caption
  const QRgb upPixel = ImagePixel(probe);
  ASSERT_TRUE(QTest::qWaitFor([&] { return ScreenPixel(Global(probe)) == upPixel; }, 3000));
  // The rounded corner is not painted by the button: the window behind shows through.
  EXPECT_EQ(ScreenPixel(Global({0, 0})), QColor(0x20, 0x80, 0x20).rgb());

  recorder.Clear();
  MovePointer(Global({60, 20}));
  ASSERT_TRUE(QTest::qWaitFor([&] { return Contains(recorder.Events(), "MouseEnter"); }, 5000));
  EXPECT_EQ(recorder.Events().front().rfind("MouseMove 0 0", 0), 0u);  // the move came first
  const QRgb hoverPixel = ImagePixel(probe);
  EXPECT_NE(hoverPixel, upPixel);
  EXPECT_TRUE(QTest::qWaitFor([&] { return ScreenPixel(Global(probe)) == hoverPixel; }, 3000))
      << std::hex << ScreenPixel(Global(probe)) << " vs " << hoverPixel;

  recorder.Clear();
  MovePointer({5, 5});
  ASSERT_TRUE(QTest::qWaitFor([&] { return Contains(recorder.Events(), "MouseLeave"); }, 5000));
  EXPECT_EQ(recorder.Events(), (Strings{"MouseLeave"}));
  EXPECT_EQ(ImagePixel(probe), upPixel);
  EXPECT_TRUE(QTest::qWaitFor([&] { return ScreenPixel(Global(probe)) == upPixel; }, 3000));
}

TEST_F(XPointerTest, PointerOnTheCutCornerDoesNotEnter) {
  recorder.Clear();
  MovePointer(Global({1, 1}));
  QTest::qWait(300);
  EXPECT_TRUE(recorder.Events().empty());
  MovePointer({5, 5});
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
