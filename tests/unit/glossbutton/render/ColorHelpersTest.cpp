#include <gtest/gtest.h>

#include "glossbutton/render/ColorHelpers.h"
#include "platform/SystemColors.h"

using namespace gloss;

namespace {

// Restores the system colour table whatever a test did to it.
class SystemColorGuard {
 public:
  SystemColorGuard() : saved_(platform::GetSystemColorTable()) {}
  ~SystemColorGuard() { platform::SetSystemColorTable(saved_); }

 private:
  platform::SystemColorTable saved_;
};

TEST(BlendColors, TruncatesTowardsTheFirstColourInBothDirections) {
  std::int32_t pct = 50;
  EXPECT_EQ(BlendColors(0x000000, 0xFFFFFF, pct), 0x7F7F7F);
  pct = 50;
  EXPECT_EQ(BlendColors(0xFFFFFF, 0x000000, pct), 0x808080);
}

TEST(BlendColors, ClampsPercentageAndWritesItBack) {
  const std::int32_t c1 = 0x102030, c2 = 0xA0B0C0;
  std::int32_t pct = 150;
  EXPECT_EQ(BlendColors(c1, c2, pct), c2);
  EXPECT_EQ(pct, 100);
  pct = -20;
  EXPECT_EQ(BlendColors(c1, c2, pct), c1);
  EXPECT_EQ(pct, 0);
  pct = 37;
  BlendColors(c1, c2, pct);
  EXPECT_EQ(pct, 37);
}

TEST(BlendColors, LightensAFaceColourByForty) {
  std::int32_t pct = 40;
  EXPECT_EQ(BlendColors(RGB(100, 150, 200), kWhite, pct), RGB(162, 192, 222));
}

TEST(BlendColors, SystemColourBlendsFromItsCurrentValueAndGivesPlainRgb) {
  SystemColorGuard guard;
  platform::SetSysColor(platform::COLOR_BTNFACE, RGB(10, 20, 30));
  std::int32_t pct = 0;
  EXPECT_EQ(BlendColors(static_cast<std::int32_t>(0x8000000F), kWhite, pct), RGB(10, 20, 30));
  pct = 50;
  const std::int32_t mixed = BlendColors(static_cast<std::int32_t>(0x8000000F), kWhite, pct);
  EXPECT_EQ(mixed, RGB(10 + 245 * 50 / 100, 20 + 235 * 50 / 100, 30 + 225 * 50 / 100));
  EXPECT_EQ(static_cast<std::uint32_t>(mixed) >> 24, 0u);
}

TEST(GetRGB, SplitsPlainTranslatesSystemAndReadsFailuresAsBlack) {
  SystemColorGuard guard;
  std::int32_t r = -1, g = -1, b = -1;
  GetRGB(r, g, b, RGB(1, 2, 3));
  EXPECT_EQ(r, 1);
  EXPECT_EQ(g, 2);
  EXPECT_EQ(b, 3);

  platform::SetSysColor(platform::COLOR_WINDOW, RGB(200, 100, 50));
  GetRGB(r, g, b, static_cast<std::int32_t>(0x80000005));
  EXPECT_EQ(r, 200);
  EXPECT_EQ(g, 100);
  EXPECT_EQ(b, 50);

  GetRGB(r, g, b, 0x12345678);  // high byte that names nothing
  EXPECT_EQ(r, 0);
  EXPECT_EQ(g, 0);
  EXPECT_EQ(b, 0);
  GetRGB(r, g, b, static_cast<std::int32_t>(0x800000FF));  // system colour index past the table
  EXPECT_EQ(r + g + b, 0);
}

TEST(OleTranslateColor, PassesPlainFailsUnknownKinds) {
  platform::COLORREF out = 0xABCDEF;
  EXPECT_EQ(platform::OleTranslateColor(0x00112233u, 0, &out), platform::S_OK);
  EXPECT_EQ(out, 0x00112233u);
  out = 0xABCDEF;
  EXPECT_NE(platform::OleTranslateColor(0x40112233u, 0, &out), platform::S_OK);
  EXPECT_EQ(out, 0xABCDEFu);
  EXPECT_EQ(platform::OleTranslateColor(0x8000000Fu, 0, &out), platform::S_OK);
  EXPECT_EQ(out, platform::DefaultSystemColorTable()[15]);
}

TEST(ClampValue, TestsMinimumFirst) {
  EXPECT_EQ(ClampValue(5, 10, 0), 10);
  EXPECT_EQ(ClampValue(7, 0, 5), 5);
  EXPECT_EQ(ClampValue(-3, 0, 5), 0);
  EXPECT_EQ(ClampValue(3, 0, 5), 3);
  EXPECT_EQ(ClampValue(-150, -100, 100), -100);
}

TEST(Words, SplitIntoSigned16BitHalves) {
  EXPECT_EQ(HiWord(static_cast<std::int32_t>(0xFFFF0000u)), -1);
  EXPECT_EQ(HiWord(0x00010000), 1);
  EXPECT_EQ(HiWord(0x7FFF1234), 32767);
  EXPECT_EQ(LoWord(0x0000FFFF), -1);
  EXPECT_EQ(LoWord(0x00008000), -32768);
  EXPECT_EQ(LoWord(0x12340005), 5);
  EXPECT_EQ(LoWord(static_cast<std::int32_t>(0xFFFF0005u)), 5);
}

}  // namespace
