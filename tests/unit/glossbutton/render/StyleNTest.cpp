#include <gtest/gtest.h>

#include "glossbutton/render/StyleNRenderer.h"
#include "tests/unit/glossbutton/render/RenderTestUtil.h"

using namespace gloss;
using namespace rendertest;

namespace {

FaceParams Params(std::int32_t style, std::int32_t r, float surfaceWidth = 80, float height = 24) {
  FaceParams p;
  EXPECT_TRUE(MakeFaceParams(p, style, r, surfaceWidth, height));
  return p;
}

// The worked example: W 79, H 23, R 12, face (40, 90, 200), glow (255, 230, 120), border -30.
ButtonLook WorkedLook(std::int32_t style) {
  ButtonLook look = LookOfSize(style, 80, 24);
  look.m_CornerRadius = 12;
  look.m_ColorButtonUp = Ole(40, 90, 200);
  look.m_ColorBright = Ole(255, 230, 120);
  look.m_BorderBrightness = -30;
  return look;
}

Surface Render(const ButtonLook& look, std::int32_t state, std::int32_t surfaceWidth = -1) {
  Surface s = ClearedSurface(surfaceWidth < 0 ? static_cast<std::int32_t>(look.ScaleWidth) : surfaceWidth,
                             static_cast<std::int32_t>(look.ScaleHeight));
  RenderStyleN(s, look, state);
  return s;
}

TEST(FaceParams, WorkedRecordsForStylesTwoAndFive) {
  EXPECT_EQ(Params(2, 12), (FaceParams{0, 50, 6, 1, 6, 12, 104, 100, 60}));
  EXPECT_EQ(Params(5, 12), (FaceParams{0, 50, -6, -14, 12, 25, 104, 80, 70}));
}

TEST(FaceParams, HalvesOfTheRadiusRoundToEven) {
  EXPECT_EQ(Params(2, 7).HighlightLeft, 4);
  EXPECT_EQ(Params(2, 5).HighlightLeft, 2);
  const FaceParams five = Params(5, 5);
  EXPECT_EQ(five.HighlightLeft, -2);
  EXPECT_EQ(five.HighlightTop, -7);
  EXPECT_EQ(five.HighlightRadius, 5);
  EXPECT_EQ(five.HighlightHeight, 11);
}

TEST(FaceParams, StylesThreeAndFour) {
  const FaceParams three = Params(3, 12, 80, 30);
  EXPECT_EQ(three, (FaceParams{0, 70, 4, 0, 5, 10, 104, 100, 77}));
  EXPECT_EQ(Params(3, 12, 80, 35).ShadeY, 80);
  EXPECT_EQ(Params(3, 12, 80, 100).ShadeY, 80);
  EXPECT_EQ(Params(3, 12, 80, 10).ShadeY, 30);
  EXPECT_EQ(Params(4, 12), (FaceParams{0, 70, 3, 0, 6, 10, 104, 100, 70}));
}

TEST(FaceParams, OtherStylesStayZeroAndHeightZeroIsRefused) {
  EXPECT_EQ(Params(6, 12), FaceParams{});
  FaceParams p;
  p.ShadeX = 5;
  EXPECT_TRUE(MakeFaceParams(p, 9, 12, 80, 24));
  EXPECT_EQ(p, FaceParams{});
  EXPECT_FALSE(MakeFaceParams(p, 3, 12, 80, 0));
}

TEST(StyleN, WorkedPixelsOfStyleTwo) {
  const Surface s = Render(WorkedLook(2), 0);
  EXPECT_EQ(s.PixelAt(39, 21), Px(249, 226, 122));  // glow, p 3
  EXPECT_EQ(s.PixelAt(39, 12), Px(148, 173, 228));  // gloss band, 50 percent
  EXPECT_EQ(s.PixelAt(3, 8), Px(34, 78, 174));      // darkened, 87 percent
  EXPECT_EQ(s.PixelAt(1, 12), Px(28, 63, 140));     // edge ring
  EXPECT_EQ(s.PixelAt(0, 0), kCleared);
  // Mirrors: odd W gives the middle columns 39 and 40 as images of each other.
  EXPECT_EQ(s.PixelAt(40, 21), s.PixelAt(39, 21));
  EXPECT_EQ(s.PixelAt(76, 8), s.PixelAt(3, 8));
  EXPECT_EQ(s.PixelAt(78, 12), s.PixelAt(1, 12));
}

TEST(StyleN, StyleTwoGlossPercentagesByRow) {
  const Surface s = Render(WorkedLook(2), 0);
  // 50 x j \ 12 percent from white to the face colour: 8 at row 2, 25 at row 6, 45 at row 11.
  EXPECT_EQ(s.PixelAt(39, 2), Px(255 - 215 * 8 / 100, 255 - 165 * 8 / 100, 255 - 55 * 8 / 100));
  EXPECT_EQ(s.PixelAt(39, 6), Px(255 - 215 * 25 / 100, 255 - 165 * 25 / 100, 255 - 55 * 25 / 100));
  EXPECT_EQ(s.PixelAt(39, 11), Px(255 - 215 * 45 / 100, 255 - 165 * 45 / 100, 255 - 55 * 45 / 100));
}

TEST(StyleN, WorkedPixelsOfStyleFive) {
  const Surface s = Render(WorkedLook(5), 0);
  EXPECT_EQ(s.PixelAt(3, 8), Px(185, 201, 237));  // inside the large gloss shape
  EXPECT_EQ(s.PixelAt(39, 21), Px(251, 228, 121));
}

TEST(StyleN, BorderBrightnessSetsTheEdgeRing) {
  ButtonLook look = WorkedLook(2);
  look.m_BorderBrightness = 0;
  EXPECT_EQ(Render(look, 0).PixelAt(1, 12), Px(40, 90, 200));
  look.m_BorderBrightness = 100;
  EXPECT_EQ(Render(look, 0).PixelAt(1, 12), Px(255, 255, 255));
  look.m_BorderBrightness = -100;
  EXPECT_EQ(Render(look, 0).PixelAt(1, 12), Px(0, 0, 0));
  look.m_BorderBrightness = 40;
  look.m_ColorButtonUp = Ole(100, 150, 200);
  EXPECT_EQ(Render(look, 0).PixelAt(1, 12), Px(162, 192, 222));
}

TEST(StyleN, StateChoosesTheFaceColour) {
  ButtonLook look = WorkedLook(3);
  look.m_ColorButtonHover = Ole(200, 40, 40);
  look.m_ColorButtonDown = Ole(10, 120, 10);
  look.m_BorderBrightness = 0;
  EXPECT_EQ(Render(look, 0).Pixels(), Render(look, 2).Pixels());
  EXPECT_EQ(Render(look, 1).Pixels(), Render(look, 4).Pixels());
  EXPECT_EQ(Render(look, 0).PixelAt(1, 12), Px(40, 90, 200));
  EXPECT_EQ(Render(look, 1).PixelAt(1, 12), Px(10, 120, 10));
  EXPECT_EQ(Render(look, 3).PixelAt(1, 12), Px(200, 40, 40));
  for (std::int32_t state : {5, -1}) {
    const Surface untouched = Render(look, state);
    for (std::uint32_t p : untouched.Pixels().pixels) ASSERT_EQ(p, kCleared) << state;
  }
}

TEST(StyleN, HoverTakesItsWidthFromTheSurface) {
  ButtonLook look = WorkedLook(2);  // control 80 wide, surface 60 wide
  const Surface hover = Render(look, 3, 60);
  EXPECT_EQ(hover.PixelAt(59, 12), kCleared);  // W = 59 is never painted
  EXPECT_NE(hover.PixelAt(58, 12), kCleared);
  const Surface up = Render(look, 0, 60);  // W = 79: the surface shows only its left part
  EXPECT_NE(up.PixelAt(59, 12), kCleared);
}

TEST(StyleN, OuterRowsAndColumnsAreNeverPainted) {
  for (std::int32_t style : {2, 3, 4, 5}) {
    const Surface s = Render(WorkedLook(style), 0);
    for (int x = 0; x <= 79; ++x) {
      EXPECT_EQ(s.PixelAt(x, 0), kCleared) << style << " " << x;
      EXPECT_EQ(s.PixelAt(x, 23), kCleared) << style << " " << x;
    }
    for (int y = 0; y <= 23; ++y) {
      EXPECT_EQ(s.PixelAt(0, y), kCleared) << style << " " << y;
      EXPECT_EQ(s.PixelAt(79, y), kCleared) << style << " " << y;
    }
    EXPECT_EQ(s.PixelAt(1, 1), kCleared) << style;  // outside the rounded corner
  }
}

TEST(StyleN, RadiusZeroShadesByRowOnly) {
  ButtonLook look = WorkedLook(2);
  look.m_CornerRadius = 0;
  const Surface s = Render(look, 0);
  for (int y = 2; y <= 21; ++y)
    for (int x = 2; x <= 77; ++x) ASSERT_EQ(s.PixelAt(x, y), s.PixelAt(39, y)) << x << "," << y;
  EXPECT_EQ(s.PixelAt(1, 10), Px(28, 63, 140));  // edge ring
}

TEST(StyleN, OnePixelWideOrHighDrawsNothing) {
  for (auto [w, h] : {std::pair{1.0f, 24.0f}, {80.0f, 1.0f}}) {
    ButtonLook look = WorkedLook(2);
    look.ScaleWidth = w;
    look.ScaleHeight = h;
    const Surface s = Render(look, 0);
    for (std::uint32_t p : s.Pixels().pixels) ASSERT_EQ(p, kCleared);
  }
  ButtonLook three = WorkedLook(3);
  three.ScaleHeight = 0;
  EXPECT_NO_THROW(Render(three, 0));
}

}  // namespace
