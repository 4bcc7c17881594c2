// The close button of the main window, walked through as a user meets it: pointer on, press,
// release, click, pointer off. Messages go through the button's real window, whose default
// procedure raises the toolkit's notifications and whose hook adds enter and leave.
//
// Expected colours come from the close button's stored colours and the Style 3 face rules for a
// 25 x 25 control (face W = H = 24, radius 12, glow fall-off ShadeY = 100 - 700 / 25 = 72):
//   (12, 23) lies on the one-pixel edge ring, which with BorderBrightness 0 is the face colour;
//   (12, 5)  lies in the gloss band: white blended (70 * 5) \ 12 = 29 percent towards the face;
//   (12, 12) is glow: ColorBright blended 49 percent towards the face ((28 / 48 * 12)^2 = 49);
//   the "x" caption (one 7 x 13 cell of the test text engine) starts at (9, 6), pressed at (10, 7).
#include <gtest/gtest.h>

#include "platform/Regions.h"
#include "tests/support/ControlFixture.h"

namespace gloss {
namespace {

using test::EventRecorder;
using Log = std::vector<std::string>;

constexpr std::uint32_t kBlack = 0xFF000000u;

struct Face {
  std::uint32_t edge, gloss, glow;
};
// Up and pressed: red (255, 0, 0); hover: dark red (128, 0, 0); ColorBright (255, 128, 128).
constexpr Face kRedFace{0xFFFF0000u, 0xFFFFB6B6u, 0xFFFF4242u};
constexpr Face kHoverFace{0xFF800000u, 0xFFDBB6B6u, 0xFFC14242u};

PropertyBag CloseButtonBag() {
  PropertyBag bag;
  bag.WriteFont("Font", Font{"Tahoma", 9.0, 400, 0, false, false, false});
  bag.WriteText("Caption", "\xC3\x97");  // U+00D7
  bag.WriteInt32("Style", 3);
  bag.WriteBoolean("Checked", false);
  bag.WriteInt32("ColorButtonHover", 128);
  bag.WriteInt32("ColorButtonUp", 255);
  bag.WriteInt32("ColorButtonDown", 255);
  bag.WriteInt32("BorderBrightness", 0);
  bag.WriteInt32("ColorBright", 8421631);
  bag.WriteBoolean("DisplayHand", false);
  bag.WriteInt32("ColorScheme", 0);
  return bag;
}

struct CloseButtonWalk : test::ControlFixture {
  void SetUp() override {
    host.scaleWidth = 25;
    host.scaleHeight = 25;
    Load(CloseButtonBag());
    button.Resize();
    button.Show();
  }

  const Image& Shown() const { return *host.publishedImages.back(); }
  void ExpectFace(const Face& f, const char* what) {
    SCOPED_TRACE(what);
    EXPECT_EQ(Shown().At(12, 23), f.edge);
    EXPECT_EQ(Shown().At(12, 5), f.gloss);
    EXPECT_EQ(Shown().At(12, 12), f.glow);
  }
};

TEST_F(CloseButtonWalk, EnterPressReleaseClickLeave) {
  ASSERT_TRUE(button.TrackingHooked());
  ExpectFace(kRedFace, "shown");
  EXPECT_EQ(Shown().At(9, 6), kBlack);
  // The rounded window leaves out the corners and the outermost rows and columns.
  EXPECT_FALSE(platform::PtInWindowRgn(Hwnd(), 0, 0));
  EXPECT_FALSE(platform::PtInWindowRgn(Hwnd(), 24, 12));
  EXPECT_TRUE(platform::PtInWindowRgn(Hwnd(), 12, 12));

  Move(12, 12);
  EXPECT_EQ(rec.Events(), (Log{EventRecorder::Mouse("MouseMove", 0, 0, 12, 12), "MouseEnter"}));
  EXPECT_TRUE(platform::IsLeaveTracked(Hwnd()));
  ExpectFace(kHoverFace, "hover");
  EXPECT_EQ(Shown().At(9, 6), kBlack);

  rec.Clear();
  Press(12, 12);
  EXPECT_EQ(rec.Events(), (Log{EventRecorder::Mouse("MouseDown", 1, 0, 12, 12)}));
  ExpectFace(kRedFace, "pressed");
  EXPECT_EQ(Shown().At(10, 7), kBlack);  // caption one pixel right and down
  EXPECT_NE(Shown().At(9, 6), kBlack);

  rec.Clear();
  Release(12, 12);
  EXPECT_EQ(rec.Events(), (Log{EventRecorder::Mouse("MouseUp", 1, 0, 12, 12), "Click"}));
  ExpectFace(kHoverFace, "released");
  EXPECT_EQ(Shown().At(9, 6), kBlack);

  rec.Clear();
  Leave();  // the armed request posts WM_MOUSELEAVE
  EXPECT_EQ(rec.Events(), (Log{"MouseLeave"}));
  EXPECT_FALSE(button.MouseOver());
  ExpectFace(kRedFace, "left");
  EXPECT_FALSE(platform::IsLeaveTracked(Hwnd()));
}

TEST_F(CloseButtonWalk, ClickHandlerThatDestroysTheButtonTakesItsWindowAlong) {
  // The form's handler unloads the form: the button and its window go away inside its own Click.
  struct Closer : EventRecorder {
    CloseButtonWalk* t;
    void OnClick() override {
      EventRecorder::OnClick();
      t->window.reset();
    }
  } closer;
  closer.t = this;
  closer.Attach(button);

  Move(12, 12);
  Press(12, 12);
  Release(12, 12);
  ASSERT_EQ(window, nullptr);
  EXPECT_EQ(closer.Events().back(), "Click");

  // Later messages reach nothing.
  EXPECT_FALSE(platform::IsWindow(Hwnd()));
  Move(3, 3);
  Leave();
  EXPECT_EQ(closer.Events().back(), "Click");
}

}  // namespace
}  // namespace gloss
