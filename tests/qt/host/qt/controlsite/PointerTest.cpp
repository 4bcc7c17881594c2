// Mouse input on a hosted button: enter and leave through the hook, presses, clicks, drags,
// double clicks, and input outside the rounded shape.
#include <QApplication>

#include "SiteFixture.h"
#include "platform/MouseLeave.h"
#include "platform/Window.h"

namespace sitetest {
namespace {

using Strings = std::vector<std::string>;

class PointerTest : public SiteFixture {};

TEST_F(PointerTest, EnteringShowsTheHoverFaceAndRaisesMouseEnterOnce) {
  Load(StyleBag(3));
  const auto upFace = Image();

  MoveTo(kCentre);
  EXPECT_EQ(Events(), (Strings{"MouseMove 0 0 50 15", "MouseEnter"}));
  EXPECT_EQ(Draws(), (Strings{"draw 3"}));
  EXPECT_TRUE(site->Button().MouseOver());
  EXPECT_TRUE(platform::IsLeaveTracked(site->Hwnd()));
  EXPECT_NE(*Image(), *upFace);

  // Further moves inside only report the move.
  recorder.Clear();
  MoveTo(kCentre + QPoint(5, 2));
  EXPECT_EQ(Events(), (Strings{"MouseMove 0 0 55 17"}));
  EXPECT_TRUE(Draws().empty());

  // The face on screen is the published image.
  const QImage shown = site->grab().toImage();
  EXPECT_EQ(shown.pixel(kCentre) | 0xFF000000u, Pixel(kCentre.x(), kCentre.y()));
}

TEST_F(PointerTest, LeavingRaisesMouseLeaveAndRedrawsTheUpFace) {
  Load(StyleBag(3));
  const auto upFace = Image();
  MoveTo(kCentre);
  recorder.Clear();

  MoveToWin(kOutside);
  EXPECT_EQ(Events(), (Strings{"MouseLeave"}));
  EXPECT_EQ(Draws(), (Strings{"draw 0"}));
  EXPECT_FALSE(site->Button().MouseOver());
  EXPECT_EQ(*Image(), *upFace);

  // The next entry asks for a new leave notice and enters again.
  recorder.Clear();
  MoveTo(kCentre);
  EXPECT_EQ(Events(), (Strings{"MouseMove 0 0 50 15", "MouseEnter"}));
}

TEST_F(PointerTest, ClickRaisesDownUpClickInTheToolkitsOrder) {
  Load(StyleBag(3));
  MoveTo(kCentre);
  recorder.Clear();

  Press(kCentre);
  Release(kCentre);
  EXPECT_EQ(Events(), (Strings{"MouseDown 1 0 50 15", "MouseUp 1 0 50 15", "Click"}));
  // Pressed, then back to hover (the focus that comes with the press draws nothing while hovering).
  EXPECT_EQ(Draws().front(), "draw 1");
  EXPECT_EQ(Draws().back(), "draw 3");
  EXPECT_TRUE(site->hasFocus());
}

TEST_F(PointerTest, RightButtonPressesButDoesNotClick) {
  Load(StyleBag(3));
  MoveTo(kCentre);
  recorder.Clear();

  Press(kCentre, Qt::RightButton);
  Release(kCentre, Qt::RightButton);
  EXPECT_EQ(Events(), (Strings{"MouseDown 2 0 50 15", "MouseUp 2 0 50 15"}));
}

TEST_F(PointerTest, DoubleClickIsPressReleaseClickDblClickRelease) {
  Load(StyleBag(3));
  MoveTo(kCentre);
  recorder.Clear();

  QTest::mouseDClick(Win(), Qt::LeftButton, {}, ToWin(kCentre));
  EXPECT_EQ(Events(), (Strings{"MouseDown 1 0 50 15", "MouseUp 1 0 50 15", "Click", "DblClick", "MouseUp 1 0 50 15"}));
  Strings pressAndHover;
  for (const auto& d : Draws())
    if (d == "draw 1" || d == "draw 3") pressAndHover.push_back(d);
  EXPECT_EQ(pressAndHover, (Strings{"draw 1", "draw 3", "draw 1", "draw 3"}));
}

TEST_F(PointerTest, PressDragOutAndReleaseOutside) {
  Load(StyleBag(3));
  MoveTo(kCentre);
  Press(kCentre);
  recorder.Clear();

  // Out with the left button held: the move is reported, the hover look ends, no leave yet.
  MoveTo(QPoint(-20, 15));
  EXPECT_EQ(Events(), (Strings{"MouseMove 1 0 -20 15"}));
  EXPECT_EQ(Draws(), (Strings{"draw 0"}));
  EXPECT_FALSE(site->Button().MouseOver());

  // Released outside: focused look, MouseUp, no Click; the leave the toolkit reports after
  // the release ends with the focused look too.
  recorder.Clear();
  Release(QPoint(-20, 15));
  const Strings events = Events();
  ASSERT_GE(events.size(), 1u);
  EXPECT_EQ(events[0], "MouseUp 1 0 -20 15");
  EXPECT_EQ(std::count(events.begin(), events.end(), "Click"), 0);
  EXPECT_EQ(Draws().front(), "draw 2");
  EXPECT_EQ(Draws().back(), "draw 2");
}

TEST_F(PointerTest, DragBackInWithTheLeftButtonHeldDoesNotEnter) {
  Load(StyleBag(3));
  MoveTo(kCentre);
  Press(kCentre);
  MoveTo(QPoint(-20, 15));
  recorder.Clear();

  MoveTo(kCentre);
  EXPECT_EQ(Events(), (Strings{"MouseMove 1 0 50 15"}));
  EXPECT_TRUE(Draws().empty());

  Release(kCentre);
  EXPECT_EQ(Draws().front(), "draw 2");
  // The next plain move enters again.
  recorder.Clear();
  MoveTo(kCentre + QPoint(1, 0));
  EXPECT_EQ(Events(), (Strings{"MouseMove 0 0 51 15", "MouseEnter"}));
  EXPECT_EQ(Draws(), (Strings{"draw 3"}));
}

TEST_F(PointerTest, Style3ShapeIsTheWidgetsMaskAndInputOutsideItFallsThrough) {
  Load(StyleBag(3));
  EXPECT_EQ(site->Button().CornerRadius(), 12);
  const QRegion mask = site->mask();
  ASSERT_FALSE(mask.isEmpty());
  EXPECT_FALSE(mask.contains(QPoint(0, 0)));
  EXPECT_FALSE(mask.contains(QPoint(1, 1)));
  EXPECT_FALSE(mask.contains(QPoint(99, 15)));  // last column
  EXPECT_TRUE(mask.contains(kCentre));
  EXPECT_TRUE(mask.contains(QPoint(1, 15)));

  // The rounded corner is not the button's: hovering and pressing there reach the parent.
  MoveTo(QPoint(1, 1));
  Press(QPoint(1, 1));
  Release(QPoint(1, 1));
  EXPECT_TRUE(Events().empty());
  EXPECT_TRUE(Draws().empty());
  EXPECT_EQ(top->presses, 1);

  // A press delivered to the site directly outside the shape is passed on as well.
  QTest::mousePress(site.data(), Qt::LeftButton, {}, QPoint(1, 1));
  QTest::mouseRelease(site.data(), Qt::LeftButton, {}, QPoint(1, 1));
  Strings downs;
  for (const auto& e : Events())
    if (e.rfind("MouseDown", 0) == 0 || e == "Click") downs.push_back(e);
  EXPECT_TRUE(downs.empty());
}

TEST_F(PointerTest, StyleChangeToFlatRemovesTheMask) {
  Load(StyleBag(4));
  EXPECT_FALSE(site->mask().isEmpty());
  site->Button().SetStyle(0);
  EXPECT_TRUE(site->mask().isEmpty());
  MoveTo(QPoint(1, 1));
  EXPECT_EQ(Events(), (Strings{"MouseMove 0 0 1 1", "MouseEnter"}));
}

TEST_F(PointerTest, CheckedButtonKeepsItsFaceThroughHoverPressAndLeave) {
  Load(StyleBag(3, true));
  const auto checkedFace = Image();
  ASSERT_TRUE(checkedFace);

  MoveTo(kCentre);
  Press(kCentre);
  Release(kCentre);
  MoveToWin(kOutside);
  EXPECT_EQ(Events(), (Strings{"MouseMove 0 0 50 15", "MouseEnter", "MouseDown 1 0 50 15", "MouseUp 1 0 50 15", "Click",
                               "MouseLeave"}));
  for (const auto& d : Draws()) EXPECT_EQ(d, "draw 4");
  EXPECT_EQ(*Image(), *checkedFace);
  EXPECT_TRUE(site->Button().Checked());
}

TEST_F(PointerTest, MovingStraightToANeighbourLeavesTheFirstBeforeEnteringTheSecond) {
  auto* neighbour = new host::ControlSite(top.get());
  neighbour->setGeometry(50, 66, 100, 30);  // just below, touching
  gloss::test::EventRecorder second;
  second.Attach(neighbour->Button());
  neighbour->ReadProperties(StyleBag(0));
  neighbour->show();
  Load(StyleBag(0));

  // Both recorders write into one timeline, so the order across the two buttons shows.
  Strings timeline;
  struct Tap : gloss::GlossButtonEvents {
    Strings* out;
    std::string who;
    void OnMouseEnter() override { out->push_back(who + " MouseEnter"); }
    void OnMouseLeave() override { out->push_back(who + " MouseLeave"); }
  };
  Tap a, b;
  a.out = b.out = &timeline;
  a.who = "first";
  b.who = "second";
  site->SetEventListener(&a);
  neighbour->SetEventListener(&b);

  MoveTo(kCentre);
  MoveToWin(QPoint(100, 80));
  EXPECT_EQ(timeline, (Strings{"first MouseEnter", "first MouseLeave", "second MouseEnter"}));
  EXPECT_FALSE(site->Button().MouseOver());
  EXPECT_TRUE(neighbour->Button().MouseOver());

  // The listeners and the second recorder end with this test.
  site->SetEventListener(nullptr);
  delete neighbour;
}

TEST_F(PointerTest, DesignerModeInstallsNoHookAndNeverHovers) {
  Load(StyleBag(3), /*userMode=*/false);
  EXPECT_FALSE(site->Button().TrackingHooked());
  MoveTo(kCentre);
  EXPECT_EQ(Events(), (Strings{"MouseMove 0 0 50 15"}));
  EXPECT_TRUE(Draws().empty());
}

}  // namespace
}  // namespace sitetest
