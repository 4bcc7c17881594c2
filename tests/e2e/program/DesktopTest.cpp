// The window on other desktops: at two device pixels per pixel (run with QT_SCALE_FACTOR=2 under
// Xvfb) and as a Wayland client (run under a headless Weston). Each skips elsewhere.
#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include "ProgramEnv.h"
#include "app/FormLabel.h"
#include "app/PictureBox.h"
#include "host/qt/ControlSite.h"

namespace {

// Aligned 2 x 2 blocks of `image` inside `box` that hold more than one colour.
int MixedBlocks(const QImage& image, const QRect& box) {
  int mixed = 0;
  for (int y = box.top(); y + 1 <= box.bottom(); y += 2)
    for (int x = box.left(); x + 1 <= box.right(); x += 2) {
      const QRgb c = image.pixel(x, y);
      if (image.pixel(x + 1, y) != c || image.pixel(x, y + 1) != c || image.pixel(x + 1, y + 1) != c) ++mixed;
    }
  return mixed;
}

TEST(HiDpiTest, TheWindowShowsTheDoubleSizeArtworkAndTextAtDeviceResolution) {
  ProgramEnv& env = ProgramEnv::Get();
  app::Form1& form = env.Form();
  if (form.windowHandle()->devicePixelRatio() != 2.0) GTEST_SKIP() << "needs QT_SCALE_FACTOR=2";
  EXPECT_EQ(form.size(), QSize(519, 368));
  EXPECT_EQ(form.BackgroundPicture().devicePixelRatio(), 2.0);
  EXPECT_EQ(form.Picture1()->Picture().devicePixelRatio(), 2.0);
  QTest::qWait(200);
  EXPECT_EQ(form.screen()->grabWindow(form.winId()).size(), QSize(1038, 736)) << "device pixels on the screen";
  // The window's own painting at its device pixel ratio (a screen grab is taken at the scale of
  // its logical size here and would double every pixel itself).
  const QPixmap painted = form.grab();
  EXPECT_EQ(painted.devicePixelRatio(), 2.0);
  const QImage shot = painted.toImage().convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(shot.size(), QSize(1038, 736));

  // The name band, where nothing lies over the background: pixel for pixel the double-size bitmap.
  const QRect band(2 * 336, 2 * 72, 2 * 170, 2 * 64);
  const QImage fine = QImage(QStringLiteral(":/assets/background@2x.bmp")).convertToFormat(QImage::Format_RGB32);
  ASSERT_FALSE(fine.isNull());
  EXPECT_EQ(shot.copy(band), fine.copy(band)) << "the background is not the double-size artwork";
  // A doubled single-size bitmap would hold only one-colour blocks there.
  EXPECT_GT(MixedBlocks(shot, band), 200);
  // A label's caption drawn at device resolution leaves mixed blocks along its strokes.
  const QRect label = form.Label2()->geometry();
  EXPECT_GT(MixedBlocks(shot, QRect(label.topLeft() * 2, label.size() * 2)), 10) << "label text is pixel-doubled";
}

TEST(HiDpiTest, AtOneAndAHalfTheBackgroundIsTheDoubleArtReducedSmoothly) {
  app::Form1& form = ProgramEnv::Get().Form();
  if (form.windowHandle()->devicePixelRatio() != 1.5) GTEST_SKIP() << "needs QT_SCALE_FACTOR=1.5";
  EXPECT_EQ(form.BackgroundPicture().devicePixelRatio(), 1.5);
  QTest::qWait(200);
  const QImage shot = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
  // The name band and its subtitle, one image pixel to one device pixel: the double-size art
  // reduced with smoothing, not every fourth row and column of it dropped.
  const QImage fine = QImage(QStringLiteral(":/assets/background@2x.bmp"));
  ASSERT_FALSE(fine.isNull());
  const QImage expected = fine.scaled(QSize(qRound(fine.width() * 0.75), qRound(fine.height() * 0.75)),
                                      Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                              .convertToFormat(QImage::Format_RGB32);
  const QRect band(504, 108, 255, 96);
  EXPECT_EQ(shot.copy(band), expected.copy(band)) << "the background is not the smoothly reduced 2x art";
}

TEST(WaylandTest, DragHandsThePressToTheCompositorAndTheButtonsStillWork) {
  ProgramEnv& env = ProgramEnv::Get();
  if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) GTEST_SKIP() << "needs Wayland";
  ASSERT_TRUE(WaitForPage(*env.Form().WebBrowser1(), env.Url("/qqwap/")));
  QPointer<app::Form1> form(env.NewForm());
  ASSERT_TRUE(WaitForPage(*form->WebBrowser1(), env.Url("/qqwap/")));

  // On the background, between the pane frames: the left button alone starts one move per press.
  const QPoint at(420, 150);
  QTest::mousePress(form.data(), Qt::LeftButton, {}, at);
  QTest::mouseMove(form.data(), at + QPoint(5, 3));
  QTest::mouseMove(form.data(), at + QPoint(9, 6));
  EXPECT_EQ(form->SystemMoveRequests(), 1);
  QTest::mouseRelease(form.data(), Qt::LeftButton, {}, at + QPoint(9, 6));
  QMouseEvent right(QEvent::MouseMove, QPointF(at), form->mapToGlobal(QPointF(at)), Qt::NoButton,
                    Qt::LeftButton | Qt::RightButton, Qt::NoModifier);
  QTest::mousePress(form.data(), Qt::RightButton, {}, at);
  QApplication::sendEvent(form.data(), &right);
  EXPECT_EQ(form->SystemMoveRequests(), 1) << "two buttons held is not a drag";
  QTest::mouseRelease(form.data(), Qt::RightButton, {}, at);

  const QPoint centre(12, 12);
  QTest::mouseMove(form->GlossButton1(), centre);
  QTest::mouseClick(form->GlossButton1(), Qt::LeftButton, {}, centre);
  EXPECT_TRUE(form->windowState() & Qt::WindowMinimized);
  form->showNormal();
  QTest::mouseMove(form->GlossButton3(), centre);
  QTest::mouseClick(form->GlossButton3(), Qt::LeftButton, {}, centre);
  EXPECT_TRUE(QTest::qWaitFor([&] { return form.isNull(); }, 5000)) << "the close button should end the form";
}

}  // namespace
