#include "glossbutton/PropertyBag.h"

#include <gtest/gtest.h>

namespace gloss {
namespace {

TEST(PropertyBag, KeysMatchWithoutCaseAndAreStoredLowerCase) {
  PropertyBag bag;
  bag.WriteInt32("Style", 2);
  bag.WriteText("CAPTION", "Go");
  EXPECT_EQ(bag.ReadInt32("style", 0), 2);
  EXPECT_EQ(bag.ReadInt32("STYLE", 0), 2);
  EXPECT_EQ(bag.ReadText("Caption", ""), "Go");
  EXPECT_EQ(bag.Keys(), (std::vector<std::string>{"style", "caption"}));
  // A second write under another spelling replaces the value in place.
  bag.WriteInt32("sTyLe", 5);
  EXPECT_EQ(bag.Keys(), (std::vector<std::string>{"style", "caption"}));
  EXPECT_EQ(bag.ReadInt32("Style", 0), 5);
}

TEST(PropertyBag, MissingKeysGiveTheReadingDefault) {
  const PropertyBag bag;
  EXPECT_EQ(bag.ReadInt32("Style", 7), 7);
  EXPECT_TRUE(bag.ReadBoolean("Checked", true));
  EXPECT_EQ(bag.ReadText("Caption", "GlossButton"), "GlossButton");
  const Font f{"Arial", 12.0, 700, 0, true, false, false};
  EXPECT_EQ(bag.ReadFont("Font", f), f);
  auto pic = std::make_shared<const Picture>();
  EXPECT_EQ(bag.ReadPicture("Picture", pic), pic);
}

TEST(PropertyBag, WriteWithDefaultOmitsEqualValuesAndDropsOlderEntries) {
  PropertyBag bag;
  bag.WriteInt32("ForeColor", 0, 0);
  bag.WriteBoolean("Checked", false, false);
  bag.WriteText("Caption", "GlossButton", "GlossButton");
  bag.WriteFont("Font", Font{}, Font{});
  bag.WritePicture("Picture", nullptr, nullptr);
  EXPECT_EQ(bag.Size(), 0u);

  bag.WriteInt32("ForeColor", 255, 0);
  EXPECT_EQ(bag.ReadInt32("ForeColor", 0), 255);
  bag.WriteInt32("ForeColor", 0, 0);  // back to the default: the stale 255 must not survive
  EXPECT_FALSE(bag.Contains("forecolor"));
}

TEST(PropertyBag, WriteWithoutDefaultAlwaysStores) {
  PropertyBag bag;
  bag.WriteInt32("ColorScheme", 0);
  bag.WriteBoolean("DisplayHand", false);
  EXPECT_EQ(bag.Keys(), (std::vector<std::string>{"colorscheme", "displayhand"}));
  EXPECT_EQ(bag.TypeOf("DisplayHand"), PropertyBag::Type::Boolean);
  EXPECT_FALSE(bag.ReadBoolean("DisplayHand", true));
}

TEST(PropertyBag, PicturesEqualTheDefaultOnlyWhenTheyAreTheSameObject) {
  PropertyBag bag;
  auto a = std::make_shared<const Picture>();
  auto b = std::make_shared<const Picture>();  // same contents, other object
  bag.WritePicture("Picture", b, a);
  EXPECT_EQ(bag.ReadPicture("Picture", nullptr), b);
  bag.WritePicture("Picture", a, a);
  EXPECT_FALSE(bag.Contains("Picture"));
}

TEST(PropertyBag, WrongTypeNamesTheKeyAndTheExpectedType) {
  PropertyBag bag;
  bag.WriteText("Style", "two");
  bag.WriteInt32("Checked", 1);
  bag.WriteInt32("Font", 3);
  bag.WriteFont("Caption", Font{});
  try {
    bag.ReadInt32("Style", 0);
    FAIL() << "no error";
  } catch (const PropertyTypeError& e) {
    const std::string msg = e.what();
    EXPECT_NE(msg.find("\"Style\""), std::string::npos) << msg;
    EXPECT_NE(msg.find("32-bit integer"), std::string::npos) << msg;
    EXPECT_NE(msg.find("text"), std::string::npos) << msg;
  }
  EXPECT_THROW(bag.ReadBoolean("Checked", false), PropertyTypeError);
  EXPECT_THROW(bag.ReadFont("Font", Font{}), PropertyTypeError);
  EXPECT_THROW(bag.ReadText("Caption", ""), PropertyTypeError);
  EXPECT_THROW(bag.ReadPicture("Style", nullptr), PropertyTypeError);
}

TEST(PropertyBag, TextReadsConvertNumbersAndBooleans) {
  PropertyBag bag;
  bag.WriteInt32("Caption", -12);
  EXPECT_EQ(bag.ReadText("Caption", ""), "-12");
  bag.WriteBoolean("Caption", true);
  EXPECT_EQ(bag.ReadText("Caption", ""), "True");
}

TEST(PropertyBag, BooleansAreStoredAsMinusOneAndZero) {
  PropertyBag bag;
  bag.WriteBoolean("Checked", true);
  EXPECT_EQ(bag.TypeOf("Checked"), PropertyBag::Type::Boolean);
  EXPECT_TRUE(bag.ReadBoolean("checked", false));
  EXPECT_THROW(bag.TypeOf("missing"), std::out_of_range);
}

}  // namespace
}  // namespace gloss
