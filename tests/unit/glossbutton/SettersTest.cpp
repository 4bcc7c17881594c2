// Property setters: what each reports, whether it compares first, and the state it draws.
#include <gtest/gtest.h>

#include "tests/support/ControlFixture.h"
#include "tests/support/GlossButtonTestAccess.h"

namespace gloss {
namespace {

using Names = std::vector<std::string>;

// The control before any property set is read: every setter starts from the starting values.
struct SettersTest : test::ControlFixture {
  // Names reported before each redraw, to check notification against redraw order.
  std::vector<std::size_t> namesAtDraw;
  void SetUp() override {
    button.SetRedrawObserver([this](std::int32_t s) {
      rec.log.push_back("draw " + std::to_string(s));
      namesAtDraw.push_back(host.changedNames.size());
    });
  }
};

TEST_F(SettersTest, PlainSettersStoreReportTheirNameThenRedrawUp) {
  const Font arial{"Arial", 11.0, 700, 0, true, false, false};
  auto pic = std::make_shared<const Picture>();
  button.SetForeColor(0x0000FF);
  button.SetPicture(pic);
  button.SetCaption("Close");
  button.SetFont(arial);
  EXPECT_EQ(button.ForeColor(), 0x0000FF);
  EXPECT_EQ(button.Picture(), pic);  // the same object, shared
  EXPECT_EQ(button.Caption(), "Close");
  EXPECT_EQ(button.Font(), arial);
  EXPECT_EQ(host.changedNames, (Names{"ForeColor", "Picture", "Caption", "Font"}));
  EXPECT_EQ(rec.Draws(), (Names{"draw 0", "draw 0", "draw 0", "draw 0"}));
  EXPECT_EQ(namesAtDraw, (std::vector<std::size_t>{1, 2, 3, 4}));
}

TEST_F(SettersTest, CaptionRepeatsItsEffectsForAnEqualValue) {
  button.SetCaption("A");
  button.SetCaption("A");
  EXPECT_EQ(host.changedNames, (Names{"Caption", "Caption"}));
  EXPECT_EQ(rec.Draws().size(), 2u);
}

TEST_F(SettersTest, StyleAndPictureAlignmentIgnoreAnEqualValue) {
  button.SetStyle(0);
  button.SetPictureAlignment(0);
  EXPECT_TRUE(host.changedNames.empty());
  EXPECT_TRUE(rec.log.empty());

  button.SetStyle(3);
  button.SetStyle(3);
  button.SetPictureAlignment(1);
  button.SetPictureAlignment(1);
  EXPECT_EQ(button.Style(), 3);
  EXPECT_EQ(button.PictureAlignment(), 1);
  EXPECT_EQ(host.changedNames, (Names{"Style", "PictureAlignment"}));
  // The Style change redraws through the shape step.
  EXPECT_EQ(rec.Draws(), (Names{"draw 0", "draw 0"}));
}

TEST_F(SettersTest, CheckedDrawsItsStateBeforeReportingChecked) {
  button.SetChecked(true);
  EXPECT_TRUE(button.Checked());
  EXPECT_EQ(GlossButtonTestAccess::RawChecked(button), -1);
  EXPECT_EQ(rec.Draws(), (Names{"draw 4"}));
  EXPECT_EQ(namesAtDraw, (std::vector<std::size_t>{0}));
  EXPECT_EQ(host.changedNames, (Names{"Checked"}));

  button.SetChecked(false);
  EXPECT_EQ(GlossButtonTestAccess::RawChecked(button), 0);
  EXPECT_EQ(rec.Draws(), (Names{"draw 4", "draw 0"}));
}

TEST_F(SettersTest, UncheckingUnderThePointerDrawsHover) {
  Load();
  Move(5, 5);
  ASSERT_TRUE(button.MouseOver());
  button.SetChecked(true);
  rec.Clear();
  button.SetChecked(false);
  EXPECT_EQ(rec.Draws(), (Names{"draw 3"}));
}

TEST_F(SettersTest, RedrawForcesTheCheckedStateIntoTheCallersVariable) {
  std::int32_t state = 1;
  GlossButtonTestAccess::Redraw(button, state);
  EXPECT_EQ(state, 1);
  button.SetChecked(true);
  for (std::int32_t s : {0, 1, 2, 3, 7}) {
    state = s;
    GlossButtonTestAccess::Redraw(button, state);
    EXPECT_EQ(state, 4) << s;
  }
}

TEST_F(SettersTest, CheckedButtonRedrawsCheckedAfterAnySetter) {
  button.SetChecked(true);
  rec.Clear();
  button.SetCaption("x");
  button.SetColorButtonUp(1);
  button.SetBorderBrightness(5);
  button.SetColorScheme(0);
  EXPECT_EQ(rec.Draws(), (Names{"draw 4", "draw 4", "draw 4", "draw 4"}));
}

}  // namespace
}  // namespace gloss
