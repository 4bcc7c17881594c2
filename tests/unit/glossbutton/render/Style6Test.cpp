#include <gtest/gtest.h>

#include "glossbutton/render/Style6Renderer.h"
#include "tests/unit/glossbutton/render/RenderTestUtil.h"

using namespace gloss;
using namespace rendertest;

namespace {

ButtonLook WorkedLook() {
  ButtonLook look = LookOfSize(6, 80, 24);  // W 79, H 23
  look.m_CornerRadius = 12;
  look.m_ColorButtonUp = Ole(40, 90, 200);
  look.m_ColorBright = Ole(255, 230, 120);
  return look;
}

Surface Render(const ButtonLook& look, std::int32_t state) {
  Surface s = ClearedSurface(static_cast<std::int32_t>(look.ScaleWidth), static_cast<std::int32_t>(look.ScaleHeight));
  RenderStyle6(s, look, state);
  return s;
}

// Black face shading towards (100, 100, 100): every component of a shaded pixel is its percentage.
ButtonLook ShadeProbe(float height) {
  ButtonLook look = LookOfSize(6, 30, height);
  look.m_CornerRadius = 0;
  look.m_ColorButtonUp = Ole(0, 0, 0);
  look.m_ColorBright = Ole(100, 100, 100);
  return look;
}

TEST(Style6, WorkedPixels) {
  const Surface s = Render(WorkedLook(), 0);
  EXPECT_EQ(s.PixelAt(39, 11), Px(48, 95, 197));    // shade 4
  EXPECT_EQ(s.PixelAt(39, 20), Px(196, 192, 142));  // shade 73
  EXPECT_EQ(s.PixelAt(5, 5), Px(160, 168, 156));    // shade 56, outside the upper gloss shape
  EXPECT_EQ(s.PixelAt(39, 4), Px(234, 239, 250));   // crescent, 10 percent
  EXPECT_EQ(s.PixelAt(1, 12), Px(20, 45, 100));     // edge ring
  EXPECT_EQ(s.PixelAt(40, 4), s.PixelAt(39, 4));
  EXPECT_EQ(s.PixelAt(78, 12), s.PixelAt(1, 12));
  EXPECT_EQ(s.PixelAt(0, 0), kCleared);
}

TEST(Style6, CrescentCoversRowsThreeToHalfTheRadius) {
  const Surface s = Render(WorkedLook(), 0);
  // (30 x j) \ 12 percent from white to the face colour.
  EXPECT_EQ(s.PixelAt(39, 3), Px(255 - 215 * 7 / 100, 255 - 165 * 7 / 100, 255 - 55 * 7 / 100));
  EXPECT_EQ(s.PixelAt(39, 6), Px(255 - 215 * 15 / 100, 255 - 165 * 15 / 100, 255 - 55 * 15 / 100));
  // Row 2 lies on the open top of the upper shape and row 7 inside the lower one: shaded face.
  const std::uint32_t crescent7 = Px(255 - 215 * 17 / 100, 255 - 165 * 17 / 100, 255 - 55 * 17 / 100);
  EXPECT_NE(s.PixelAt(39, 7), crescent7);
  EXPECT_EQ(s.PixelAt(39, 7), s.PixelAt(20, 7));
  // The crescent's colour depends on the row only; column 4 is the open left side of the shapes.
  EXPECT_EQ(s.PixelAt(20, 4), s.PixelAt(39, 4));
  EXPECT_NE(s.PixelAt(4, 4), s.PixelAt(39, 4));
}

TEST(Style6, ShadePercentagesForHeightTwenty) {
  const Surface s = Render(ShadeProbe(21), 0);  // H 20
  for (int j = 2; j <= 18; ++j) {
    const std::uint32_t pct = static_cast<std::uint32_t>(j <= 10 ? 100 - 10 * j : 10 * j - 100);
    EXPECT_EQ(s.PixelAt(14, j), Px(pct, pct, pct)) << j;
  }
}

TEST(Style6, ShadePercentagesForHeightTwentyOneTruncateBeforeTheAbsoluteValue) {
  const Surface s = Render(ShadeProbe(22), 0);  // H 21
  EXPECT_EQ(s.PixelAt(14, 10), Px(4, 4, 4));
  EXPECT_EQ(s.PixelAt(14, 11), Px(4, 4, 4));
}

TEST(Style6, EdgeIsTheFaceAtHalfBrightness) {
  ButtonLook look = ShadeProbe(21);
  look.m_ColorButtonUp = Ole(201, 100, 51);
  EXPECT_EQ(Render(look, 0).PixelAt(1, 10), Px(100, 50, 25));
}

TEST(Style6, StateChoosesTheFaceColourAndUnknownStatesDrawNothing) {
  ButtonLook look = WorkedLook();
  look.m_ColorButtonHover = Ole(202, 40, 40);
  look.m_ColorButtonDown = Ole(10, 120, 10);
  EXPECT_EQ(Render(look, 0).Pixels(), Render(look, 2).Pixels());
  EXPECT_EQ(Render(look, 1).Pixels(), Render(look, 4).Pixels());
  EXPECT_EQ(Render(look, 3).PixelAt(1, 12), Px(101, 20, 20));
  EXPECT_EQ(Render(look, 1).PixelAt(1, 12), Px(5, 60, 5));
  for (std::int32_t state : {5, -1}) {
    const Surface untouched = Render(look, state);
    for (std::uint32_t p : untouched.Pixels().pixels) ASSERT_EQ(p, kCleared) << state;
  }
}

TEST(Style6, OuterRowsAndColumnsAreNeverPainted) {
  const Surface s = Render(WorkedLook(), 3);
  for (int x = 0; x <= 79; ++x) {
    EXPECT_EQ(s.PixelAt(x, 0), kCleared) << x;
    EXPECT_EQ(s.PixelAt(x, 23), kCleared) << x;
  }
  for (int y = 0; y <= 23; ++y) {
    EXPECT_EQ(s.PixelAt(0, y), kCleared) << y;
    EXPECT_EQ(s.PixelAt(79, y), kCleared) << y;
  }
}

TEST(Style6, OnePixelHighDrawsNothing) {
  ButtonLook look = WorkedLook();
  look.ScaleHeight = 1;
  const Surface s = Render(look, 0);
  for (std::uint32_t p : s.Pixels().pixels) ASSERT_EQ(p, kCleared);
}

}  // namespace
