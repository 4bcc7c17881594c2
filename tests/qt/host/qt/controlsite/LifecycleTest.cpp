// The site's lifecycle and ambient answers: notification order, sizes, termination, the
// parent's font and colour, the instance name, the pointer kinds.
#include <QApplication>
#include <QSignalSpy>

#include "SiteFixture.h"
#include "host/qt/QtSystemColors.h"
#include "platform/Window.h"

namespace sitetest {
namespace {

using Strings = std::vector<std::string>;

class LifecycleTest : public SiteFixture {};

TEST_F(LifecycleTest, ResizeThenShowDrawTheUpFaceAtTheWidgetsSize) {
  recorder.Attach(site->Button());
  site->ReadProperties(StyleBag(3));
  // The site was given its size before: the resize notification (shape, up face) follows at once.
  EXPECT_EQ(Draws(), (Strings{"draw 0"}));
  EXPECT_EQ(site->Button().CornerRadius(), 12);
  top->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(top.get()));
  EXPECT_EQ(Draws(), (Strings{"draw 0", "draw 0"}));  // then show, without a second resize
  ASSERT_TRUE(Image());
  EXPECT_EQ(Image()->width, 100);
  EXPECT_EQ(Image()->height, 30);

  recorder.Clear();
  site->resize(120, 40);
  EXPECT_EQ(Draws(), (Strings{"draw 0"}));
  EXPECT_EQ(Image()->width, 120);
  EXPECT_EQ(Image()->height, 40);
  EXPECT_TRUE(site->mask().contains(QPoint(110, 20)));
}

TEST_F(LifecycleTest, WithoutASizeTheResizeWaitsUntilShown) {
  host::ControlSite* late = new host::ControlSite(top.get());
  gloss::test::EventRecorder rec;
  rec.Attach(late->Button());
  late->ReadProperties(StyleBag(6));
  EXPECT_TRUE(rec.Draws().empty());
  EXPECT_EQ(late->Button().CornerRadius(), 0);
  late->move(0, 60);
  top->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(top.get()));
  // Shown at its size hint of 100 x 30: shape, then show.
  EXPECT_EQ(rec.Draws(), (Strings{"draw 0", "draw 0"}));
  EXPECT_EQ(late->Button().CornerRadius(), 10);
  EXPECT_EQ(late->PublishedImage()->width, late->width());
}

TEST_F(LifecycleTest, PropertiesReadWhileVisibleGetTheirSizeAtOnce) {
  top->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(top.get()));
  recorder.Attach(site->Button());
  site->ReadProperties(StyleBag(2));
  EXPECT_EQ(Draws(), (Strings{"draw 0"}));
  EXPECT_EQ(site->Button().CornerRadius(), 15);
}

TEST_F(LifecycleTest, DestroyingTheSiteTerminatesTheControlAndItsWindow) {
  Load(StyleBag(3));
  const platform::HWND hWnd = site->Hwnd();
  ASSERT_TRUE(platform::IsWindow(hWnd));
  EXPECT_TRUE(site->Button().TrackingHooked());
  delete site.data();
  EXPECT_FALSE(platform::IsWindow(hWnd));
  EXPECT_EQ(platform::SendMessage(hWnd, platform::WM_MOUSEMOVE, 0, 0), 0);
}

TEST_F(LifecycleTest, NewInstanceTakesItsCaptionFromTheInstanceName) {
  site->setObjectName("CloseButton");
  site->InitProperties();
  EXPECT_EQ(site->Button().Caption(), "CloseButton");
  EXPECT_EQ(site->InstanceName(), "CloseButton");
}

TEST_F(LifecycleTest, AmbientFontAndBackColourComeFromTheParent) {
  QFont f("DejaVu Sans");
  f.setPointSizeF(11.0);
  f.setWeight(QFont::Bold);
  f.setItalic(true);
  top->setFont(f);
  QPalette pal = top->palette();
  pal.setColor(QPalette::Window, QColor(0x12, 0x34, 0x56));
  top->setPalette(pal);

  const gloss::Font ambient = site->AmbientFont();
  EXPECT_EQ(ambient.name, "DejaVu Sans");
  EXPECT_DOUBLE_EQ(ambient.size, 11.0);
  EXPECT_EQ(ambient.weight, 700);
  EXPECT_TRUE(ambient.italic);
  EXPECT_FALSE(ambient.underline);
  EXPECT_EQ(site->ParentBackColor(), 0x563412);

  // A stored button without a font of its own takes the ambient one.
  site->ReadProperties(gloss::PropertyBag{});
  EXPECT_EQ(site->Button().Font(), ambient);
}

TEST_F(LifecycleTest, PixelSizedFontsAreReportedInPointsAt96Dpi) {
  QFont f("DejaVu Sans");
  f.setPixelSize(16);
  EXPECT_DOUBLE_EQ(host::ControlSite::ToControlFont(f).size, 12.0);
}

TEST_F(LifecycleTest, DisplayHandGivesTheHandCursorElseTheArrow) {
  gloss::PropertyBag hand = StyleBag(3);
  hand.WriteBoolean("DisplayHand", true);
  site->ReadProperties(hand);
  EXPECT_EQ(site->MousePointer(), 99);
  EXPECT_EQ(site->cursor().shape(), Qt::PointingHandCursor);

  host::ControlSite plain(top.get());
  plain.ReadProperties(StyleBag(3));
  EXPECT_EQ(plain.MousePointer(), 1);
  EXPECT_EQ(plain.cursor().shape(), Qt::ArrowCursor);
}

TEST_F(LifecycleTest, PropertyChangedNotificationsBecomeASignal) {
  Load(StyleBag(3));
  QSignalSpy spy(site.data(), &host::ControlSite::controlPropertyChanged);
  site->Button().SetCaption("Go");
  site->Button().SetColorScheme(2);
  ASSERT_GE(spy.count(), 2);
  EXPECT_EQ(spy.first().at(0).toString(), "Caption");
  EXPECT_EQ(spy.last().at(0).toString(), "m_ColorScheme");
}

TEST_F(LifecycleTest, ForeColorIsHandedToTheSite) {
  gloss::PropertyBag bag = StyleBag(3);
  bag.WriteInt32("ForeColor", 0x0000FF);
  site->ReadProperties(bag);
  EXPECT_EQ(site->ControlForeColor(), 0x0000FF);
}

}  // namespace
}  // namespace sitetest
