// Colour setters, BorderBrightness and ColorScheme: names reported, resets, redraw counts.
#include <gtest/gtest.h>

#include "tests/support/ControlFixture.h"
#include "tests/support/DefaultColors.h"

namespace gloss {
namespace {

using Names = std::vector<std::string>;
using test::ButtonColors;
using test::ColorsOf;

struct ColorSchemesTest : test::ControlFixture {
  void SetUp() override {
    host.userMode = false;
    Init();  // the blue designer colours, scheme 0
  }
};

TEST_F(ColorSchemesTest, SchemeFourOnSchemeZeroWritesTheRedsWithFiveRedraws) {
  button.SetColorScheme(4);
  EXPECT_EQ(ColorsOf(button), (ButtonColors{128, 160, 240, 255}));
  EXPECT_EQ(button.ColorScheme(), 4);
  EXPECT_EQ(host.changedNames,
            (Names{"m_ColorButtonUp", "m_ColorButtonHover", "m_ColorButtonDown", "m_ColorBright", "m_ColorScheme"}));
  EXPECT_EQ(rec.Draws(), Names(5, "draw 0"));
}

TEST_F(ColorSchemesTest, SchemeTwoOnSchemeFiveFirstReportsTheReset) {
  button.SetColorScheme(5);
  EXPECT_EQ(ColorsOf(button), (ButtonColors{32768, 40960, 49152, 65280}));
  host.ClearRecords();
  rec.Clear();
  button.SetColorScheme(2);
  EXPECT_EQ(ColorsOf(button), (ButtonColors{13668448, 14704640, 11108432, 16775930}));
  EXPECT_EQ(button.ColorScheme(), 2);
  EXPECT_EQ(host.changedNames, (Names{"m_ColorScheme", "m_ColorButtonUp", "m_ColorButtonHover", "m_ColorButtonDown",
                                      "m_ColorBright", "m_ColorScheme"}));
  EXPECT_EQ(rec.Draws().size(), 5u);
}

TEST_F(ColorSchemesTest, EveryRowOfTheTable) {
  struct Row {
    std::int32_t scheme, up, hover, down, bright;
  };
  const Row rows[] = {
      {1, 13657888, 15309136, 10512144, 16772528},
      {2, 13668448, 14704640, 11108432, 16775930},
      {3, 8388608, 10485760, 15728640, 16711680},
      {4, 128, 160, 240, 255},
      {5, 32768, 40960, 49152, 65280},
      {6, 32896, 41120, 49344, 65535},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.scheme);
    button.SetColorScheme(r.scheme);
    EXPECT_EQ(ColorsOf(button), (ButtonColors{r.up, r.hover, r.down, r.bright}));
    EXPECT_EQ(button.ColorScheme(), r.scheme);
  }
}

TEST_F(ColorSchemesTest, ValuesWithoutARowKeepTheColoursAndRedrawOnce) {
  for (std::int32_t scheme : {0, 7, -1, 2147483647}) {
    SCOPED_TRACE(scheme);
    host.ClearRecords();
    rec.Clear();
    button.SetColorScheme(scheme);
    EXPECT_EQ(ColorsOf(button), test::kDefaultColors);
    EXPECT_EQ(button.ColorScheme(), scheme);
    EXPECT_EQ(host.changedNames, (Names{"m_ColorScheme"}));
    EXPECT_EQ(rec.Draws(), (Names{"draw 0"}));
  }
}

TEST_F(ColorSchemesTest, AssigningAColourEndsTheScheme) {
  button.SetColorScheme(3);
  host.ClearRecords();
  rec.Clear();
  button.SetColorButtonHover(0xA00000);  // the value it already has
  EXPECT_EQ(button.ColorScheme(), 0);
  EXPECT_EQ(host.changedNames, (Names{"m_ColorScheme", "m_ColorButtonHover"}));
  EXPECT_EQ(rec.Draws(), (Names{"draw 0"}));

  // With the scheme already 0 only the colour's own name is reported.
  host.ClearRecords();
  button.SetColorBright(1);
  button.SetColorButtonDown(2);
  button.SetColorButtonUp(3);
  EXPECT_EQ(host.changedNames, (Names{"m_ColorBright", "m_ColorButtonDown", "m_ColorButtonUp"}));
  EXPECT_EQ(ColorsOf(button), (ButtonColors{3, 0xA00000, 2, 1}));
}

TEST_F(ColorSchemesTest, BorderBrightnessIsClampedAndLeavesTheScheme) {
  button.SetColorScheme(6);
  host.ClearRecords();
  rec.Clear();
  const std::pair<std::int32_t, std::int32_t> cases[] = {
      {250, 100}, {-1000, -100}, {37, 37}, {100, 100}, {-100, -100}, {101, 100}, {-2147483647 - 1, -100}};
  for (auto [in, out] : cases) {
    button.SetBorderBrightness(in);
    EXPECT_EQ(button.BorderBrightness(), out) << in;
  }
  EXPECT_EQ(button.ColorScheme(), 6);
  EXPECT_EQ(host.changedNames, Names(7, "m_BorderBrightness"));
  EXPECT_EQ(rec.Draws().size(), 7u);
}

TEST_F(ColorSchemesTest, PublicColourMethodsSplitAndBlend) {
  std::int32_t r = -1, g = -1, b = -1;
  button.GetRGB(r, g, b, 15309136);
  EXPECT_EQ(r, 80);
  EXPECT_EQ(g, 153);
  EXPECT_EQ(b, 233);
  std::int32_t pct = 150;
  EXPECT_EQ(button.BlendColors(0x000000, 0xFFFFFF, pct), 0xFFFFFF);
  EXPECT_EQ(pct, 100);
  pct = 50;
  EXPECT_EQ(button.BlendColors(0xFFFFFF, 0x000000, pct), 0x808080);
}

}  // namespace
}  // namespace gloss
