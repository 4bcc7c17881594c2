// Creation, reading and saving the stored property set.
#include <gtest/gtest.h>

#include "tests/support/ControlFixture.h"
#include "tests/support/DefaultColors.h"

namespace gloss {
namespace {

using Keys = std::vector<std::string>;

const Font kTahoma{"Tahoma", 9.0, 400, 0, false, false, false};

using PersistenceTest = test::ControlFixture;

TEST_F(PersistenceTest, DesignerInstanceStartsBlueWithItsNameAndDrawsNothing) {
  host.userMode = false;
  Init();
  EXPECT_EQ(button.Caption(), "GlossButton1");
  EXPECT_EQ(test::ColorsOf(button), test::kDefaultColors);
  EXPECT_EQ(button.ColorScheme(), 0);
  EXPECT_EQ(button.BorderBrightness(), 0);
  EXPECT_EQ(button.Style(), 0);
  EXPECT_FALSE(button.Checked());
  EXPECT_FALSE(button.DisplayHand());
  EXPECT_EQ(button.Picture(), nullptr);
  EXPECT_EQ(button.Font(), kTahoma);
  EXPECT_TRUE(host.changedNames.empty());
  EXPECT_TRUE(rec.log.empty());
}

TEST_F(PersistenceTest, RunTimeInstanceWithoutStoredPropertiesKeepsBlackColours) {
  host.userMode = true;
  host.instanceName = "GlossButton7";
  Init();
  EXPECT_EQ(button.Caption(), "GlossButton7");
  EXPECT_EQ(button.ColorButtonUp(), 0);
  EXPECT_EQ(button.ColorButtonHover(), 0);
  EXPECT_EQ(button.ColorButtonDown(), 0);
  EXPECT_EQ(button.ColorBright(), 0);
}

TEST_F(PersistenceTest, DesignerInstanceSavesOnlyNonDefaultsAndAlwaysWrittenKeysInOrder) {
  host.userMode = false;
  host.ambientFont = kTahoma;  // the surface's design font equals the host's font
  Init();
  PropertyBag bag;
  button.WriteProperties(bag);
  EXPECT_EQ(bag.Keys(), (Keys{"caption", "checked", "colorbuttonhover", "colorbuttonup", "colorbuttondown",
                              "borderbrightness", "colorbright", "displayhand", "colorscheme"}));
  EXPECT_EQ(bag.ReadText("Caption", ""), "GlossButton1");
  EXPECT_EQ(bag.TypeOf("Checked"), PropertyBag::Type::Boolean);
  EXPECT_FALSE(bag.ReadBoolean("Checked", true));
  EXPECT_EQ(bag.ReadInt32("ColorButtonHover", 0), test::kDefaultColors.hover);
  EXPECT_EQ(bag.ReadInt32("BorderBrightness", 1), 0);
  EXPECT_EQ(bag.ReadInt32("ColorScheme", 1), 0);
}

TEST_F(PersistenceTest, EveryKeyIsWrittenInTheFixedOrderWhenNoneIsAtItsDefault) {
  host.userMode = false;
  Init();
  button.SetFont(Font{"Arial", 10.0, 700, 0, false, false, false});
  button.SetCaption("OK");
  button.SetForeColor(255);
  button.SetPicture(std::make_shared<const Picture>());
  button.SetPictureAlignment(2);
  button.SetStyle(3);
  PropertyBag bag;
  button.WriteProperties(bag);
  EXPECT_EQ(bag.Keys(), (Keys{"font", "caption", "forecolor", "picture", "picturealignment", "style", "checked",
                              "colorbuttonhover", "colorbuttonup", "colorbuttondown", "borderbrightness", "colorbright",
                              "displayhand", "colorscheme"}));
}

TEST_F(PersistenceTest, CaptionEqualToTheClassNameIsLeftOut) {
  host.userMode = false;
  host.instanceName = "GlossButton";
  Init();
  PropertyBag bag;
  button.WriteProperties(bag);
  EXPECT_FALSE(bag.Contains("Caption"));
}

TEST_F(PersistenceTest, BagHoldingOnlyStyleRestoresTheDefaults) {
  host.userMode = true;
  PropertyBag bag;
  bag.WriteInt32("style", 2);
  Load(bag);
  EXPECT_EQ(button.Style(), 2);
  EXPECT_EQ(button.Caption(), "GlossButton");
  EXPECT_EQ(button.Font(), host.ambientFont);
  EXPECT_EQ(button.ForeColor(), 0);
  EXPECT_EQ(test::ColorsOf(button), test::kDefaultColors);
  EXPECT_EQ(button.ColorScheme(), 0);
  EXPECT_EQ(button.BorderBrightness(), 0);
  EXPECT_EQ(button.PictureAlignment(), 0);
  EXPECT_EQ(button.Picture(), nullptr);
  EXPECT_FALSE(button.Checked());
  EXPECT_FALSE(button.DisplayHand());
  // Reading notifies nothing and draws nothing; it sets the pointer and the fore colour.
  EXPECT_TRUE(host.changedNames.empty());
  EXPECT_TRUE(rec.log.empty());
  EXPECT_EQ(host.mousePointers, (std::vector<std::int32_t>{1}));
  EXPECT_EQ(host.foreColors, (std::vector<std::int32_t>{0}));
}

TEST_F(PersistenceTest, ReadingWritesMembersWithoutSetterEffects) {
  PropertyBag bag;
  bag.WriteInt32("BorderBrightness", 150);
  bag.WriteInt32("ColorScheme", 3);
  bag.WriteInt32("ColorButtonUp", 0x123456);
  bag.WriteInt32("ColorButtonHover", 0x010203);
  bag.WriteInt32("ForeColor", 0x00FF00);
  bag.WriteBoolean("DisplayHand", true);
  Load(bag);
  EXPECT_EQ(button.BorderBrightness(), 150);  // not clamped
  EXPECT_EQ(button.ColorScheme(), 3);         // scheme not applied
  EXPECT_EQ(button.ColorButtonUp(), 0x123456);
  EXPECT_EQ(button.ColorButtonHover(), 0x010203);
  EXPECT_EQ(button.ColorButtonDown(), test::kDefaultColors.down);
  EXPECT_EQ(host.mousePointers, (std::vector<std::int32_t>{99}));
  EXPECT_EQ(host.foreColors, (std::vector<std::int32_t>{0x00FF00}));
  EXPECT_TRUE(host.changedNames.empty());
  EXPECT_TRUE(rec.log.empty());

  button.SetBorderBrightness(150);
  EXPECT_EQ(button.BorderBrightness(), 100);
}

TEST_F(PersistenceTest, CheckedKeepsItsCurrentValueWhenTheKeyIsMissing) {
  button.SetChecked(true);
  Load(PropertyBag{});
  EXPECT_TRUE(button.Checked());
  PropertyBag bag;
  bag.WriteBoolean("CHECKED", false);
  Load(bag);
  EXPECT_FALSE(button.Checked());
}

TEST_F(PersistenceTest, OutOfRangeStoredValuesAreKeptAndDrawWithoutFault) {
  PropertyBag bag;
  bag.WriteInt32("Style", 99);
  bag.WriteInt32("PictureAlignment", -3);
  bag.WriteInt32("BorderBrightness", -2147483647 - 1);
  Load(bag);
  EXPECT_EQ(button.Style(), 99);
  EXPECT_EQ(button.PictureAlignment(), -3);
  button.Resize();
  button.Show();
  button.SetCaption("x");
  EXPECT_EQ(rec.Draws(), (Keys{"draw 0", "draw 0", "draw 0"}));
  PropertyBag out;
  button.WriteProperties(out);
  EXPECT_EQ(out.ReadInt32("Style", 0), 99);
  EXPECT_EQ(out.ReadInt32("PictureAlignment", 0), -3);
}

TEST_F(PersistenceTest, WrongTypeStoredValueFailsTheReadNamingTheKey) {
  PropertyBag bag;
  bag.WriteText("Style", "2");
  try {
    Load(bag);
    FAIL() << "no error";
  } catch (const PropertyTypeError& e) {
    EXPECT_NE(std::string(e.what()).find("Style"), std::string::npos);
  }
  PropertyBag bag2;
  bag2.WriteInt32("DisplayHand", -1);
  EXPECT_THROW(Load(bag2), PropertyTypeError);
}

TEST_F(PersistenceTest, HookStartsOnlyInUserModeAndEndsAtTerminate) {
  host.userMode = false;
  Load(PropertyBag{});
  EXPECT_FALSE(button.TrackingHooked());
  host.userMode = true;
  Load(PropertyBag{});
  EXPECT_TRUE(button.TrackingHooked());
  window->Window().Terminate();
  EXPECT_FALSE(button.TrackingHooked());
}

TEST_F(PersistenceTest, DisplayHandSetterOnlyStores) {
  button.SetDisplayHand(true);
  EXPECT_TRUE(button.DisplayHand());
  EXPECT_TRUE(host.mousePointers.empty());
  EXPECT_TRUE(host.changedNames.empty());
  EXPECT_TRUE(rec.log.empty());
}

TEST_F(PersistenceTest, RenamingTheInstanceSetsTheCaptionThroughItsSetter) {
  Load(PropertyBag{});
  host.instanceName = "cmdClose";
  button.AmbientPropertyChanged("DisplayName");
  EXPECT_EQ(button.Caption(), "cmdClose");
  EXPECT_EQ(host.changedNames, (Keys{"Caption"}));
  EXPECT_EQ(rec.Draws(), (Keys{"draw 0"}));
}

}  // namespace
}  // namespace gloss
