// The widget on a scaled screen: what it shows is drawn at device resolution, not a 1x image
// scaled up, and presses on transparent device pixels go to what is behind.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPalette>
#include <QPixmap>
#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <memory>

#include "glossbutton/render/Redraw.h"
#include <GlossButton/GlossButtonWidget.h>

#include "host/qt/ControlSite.h"
#include "host/qt/GlossButtonWidgetPrivate.h"
#include "host/qt/QtTextEngine.h"
#include "platform/Regions.h"

namespace {


const QColor kBehind(0, 200, 0);  // the window behind the buttons

std::int32_t ToOle(const QColor& c) { return c.red() + 256 * c.green() + 65536 * c.blue(); }

class HiDpiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window = std::make_unique<QWidget>();
    window->resize(200, 80);
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, kBehind);
    window->setPalette(palette);
    window->setAutoFillBackground(true);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    ratio = window->devicePixelRatioF();
  }
  GlossButtonWidget* Button(int style, const QString& caption, int w, int h) {
    auto* b = new GlossButtonWidget(window.get());
    b->setStyle(style);
    b->setCaption(caption);
    b->setGeometry(10, 10, w, h);
    b->show();
    QApplication::processEvents();
    return b;
  }
  QImage Grab(GlossButtonWidget* b) { return b->grab().toImage().convertToFormat(QImage::Format_RGB32); }

  std::unique_ptr<QWidget> window;
  double ratio = 1;
};

TEST_F(HiDpiTest, Style3FaceIsTheRendererRunAtDeviceSizeWithScaledConstants) {
  ASSERT_EQ(ratio, 2.0) << "run with QT_SCALE_FACTOR=2";
  GlossButtonWidget* b = Button(3, "", 25, 25);
  const QImage shown = Grab(b);
  ASSERT_EQ(shown.size(), QSize(50, 50));

  gloss::ButtonLook look;
  look.Style = 3;
  look.ScaleWidth = look.ScaleHeight = 50;
  look.m_CornerRadius = 24;
  look.DevicePixelRatio = 2;
  look.m_ColorButtonUp = ToOle(b->colorButtonUp());
  look.m_ColorButtonHover = ToOle(b->colorButtonHover());
  look.m_ColorButtonDown = ToOle(b->colorButtonDown());
  look.m_ColorBright = ToOle(b->colorBright());
  look.m_BorderBrightness = b->borderBrightness();
  gloss::Surface surface(50, 50);
  std::int32_t state = 0;
  const auto expected = gloss::RedrawButton(surface, look, state);

  int inside = 0;
  for (int y = 0; y < 50; ++y)
    for (int x = 0; x < 50; ++x) {
      if (!platform::PtInWindowRgn(host::EngineOf(*b).WindowHandle(), x, y)) continue;
      ++inside;
      ASSERT_EQ(shown.pixel(x, y), expected->At(x, y)) << x << ", " << y;
    }
  EXPECT_GT(inside, 1600);  // the round face of 49 x 49 device pixels
}

TEST_F(HiDpiTest, CaptionHasDetailFinerThanTheControlsPixels) {
  ASSERT_EQ(ratio, 2.0) << "run with QT_SCALE_FACTOR=2";
  GlossButtonWidget* b = Button(0, "Caption", 100, 30);
  const QImage shown = Grab(b);
  ASSERT_EQ(shown.size(), QSize(200, 60));
  // A 1x image scaled up would consist of uniform 2 x 2 blocks; the caption's dark pixels must
  // not. Blocks with a dark pixel that are not uniform are its device-resolution edges. The
  // outline (dark too, and two device pixels wide) is left out.
  int dark = 0, detailed = 0;
  for (int y = 8; y + 1 < 52; y += 2)
    for (int x = 8; x + 1 < 192; x += 2) {
      const QRgb p[4] = {shown.pixel(x, y), shown.pixel(x + 1, y), shown.pixel(x, y + 1), shown.pixel(x + 1, y + 1)};
      bool hasDark = false;
      for (QRgb q : p) hasDark |= qGray(q) < 100;
      if (!hasDark) continue;
      ++dark;
      detailed += !(p[0] == p[1] && p[0] == p[2] && p[0] == p[3]);
    }
  ASSERT_GT(dark, 20) << "no caption found";
  EXPECT_GT(detailed * 2, dark) << detailed << " of " << dark;
}

TEST_F(HiDpiTest, TransparentDevicePixelsShowWhatIsBehindAndPressesThereFallThrough) {
  ASSERT_EQ(ratio, 2.0) << "run with QT_SCALE_FACTOR=2";
  GlossButtonWidget* b = Button(3, "", 25, 25);
  // A control pixel of the corner that is partly inside the shape: shown (in the mask), but one
  // of its device pixels is outside the region and one inside.
  QPointF outsidePoint, insidePoint;
  QPoint outsideDevice;
  bool found = false;
  for (int y = 0; y < 25 && !found; ++y)
    for (int x = 0; x < 25 && !found; ++x) {
      int in = 0;
      QPointF out, inp;
      QPoint outDevice;
      for (int k = 0; k < 4; ++k) {
        const int dx = 2 * x + k % 2, dy = 2 * y + k / 2;
        if (platform::PtInWindowRgn(host::EngineOf(*b).WindowHandle(), dx, dy))
          ++in, inp = QPointF((dx + 0.5) / 2, (dy + 0.5) / 2);
        else
          out = QPointF((dx + 0.5) / 2, (dy + 0.5) / 2), outDevice = QPoint(dx, dy);
      }
      if (in > 0 && in < 4) outsidePoint = out, insidePoint = inp, outsideDevice = outDevice, found = true;
    }
  ASSERT_TRUE(found);
  // The window at device resolution: the button sits at (10, 10), device (20, 20).
  const QImage all = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(QColor(all.pixel(outsideDevice + QPoint(20, 20))), kBehind)
      << outsideDevice.x() << ", " << outsideDevice.y();
  EXPECT_TRUE(b->mask().contains(QPoint(static_cast<int>(outsidePoint.x()), static_cast<int>(outsidePoint.y()))));

  QSignalSpy down(b, &GlossButtonWidget::mouseDown);
  QSignalSpy clicked(b, &GlossButtonWidget::clicked);
  const auto press = [&](QPointF at) {
    QMouseEvent e(QEvent::MouseButtonPress, at, b->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(b, &e);
    QMouseEvent r(QEvent::MouseButtonRelease, at, b->mapToGlobal(at), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(b, &r);
  };
  press(outsidePoint);
  EXPECT_EQ(down.count(), 0) << "a press on a transparent device pixel reached the control";
  press(insidePoint);
  EXPECT_EQ(down.count(), 1);
  EXPECT_EQ(clicked.count(), 1) << "a press and release on a shown device pixel is a click";
}

}  // namespace
