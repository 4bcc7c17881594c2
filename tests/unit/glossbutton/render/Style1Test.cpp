#include <gtest/gtest.h>

#include <stdexcept>

#include "glossbutton/render/Style1Renderer.h"
#include "tests/unit/glossbutton/render/RenderTestUtil.h"

using namespace gloss;
using namespace rendertest;

namespace {

Surface Render(float width, float height, std::int32_t state, ButtonLook* custom = nullptr) {
  ButtonLook look = custom ? *custom : LookOfSize(1, width, height);
  Surface s = ClearedSurface(static_cast<std::int32_t>(width), static_cast<std::int32_t>(height));
  RenderStyle1(s, look, state);
  return s;
}

TEST(Style1, HoverRowsOfA75By23Button) {
  const Surface s = Render(75, 23, 3);
  const int x = 30;
  EXPECT_EQ(s.PixelAt(x, 1), Px(254, 254, 253));
  EXPECT_EQ(s.PixelAt(x, 2), Px(253, 253, 252));
  EXPECT_EQ(s.PixelAt(x, 3), Px(253, 253, 250));
  EXPECT_EQ(s.PixelAt(x, 4), Px(248, 248, 244));
  EXPECT_EQ(s.PixelAt(x, 17), Px(237, 236, 228));
  EXPECT_EQ(s.PixelAt(x, 18), Px(238, 237, 229));
  EXPECT_EQ(s.PixelAt(x, 19), Px(230, 228, 219));
  EXPECT_EQ(s.PixelAt(x, 20), Px(223, 219, 208));
  EXPECT_EQ(s.PixelAt(x, 21), Px(215, 210, 198));
}

TEST(Style1, HoverOutlineAndHostCorners) {
  const Surface s = Render(75, 23, 3);  // W 74, H 22
  const std::uint32_t shade = Px(232, 232, 221), line = Px(216, 216, 205), outline = Px(206, 206, 195);
  for (auto [x, y] : {std::pair{0, 0}, {74, 0}, {74, 22}, {0, 22}}) EXPECT_EQ(s.PixelAt(x, y), kHost);
  for (auto [x, y] : {std::pair{1, 0}, {0, 1}, {73, 0}, {74, 1}, {74, 21}, {73, 22}, {1, 22}, {0, 21}})
    EXPECT_EQ(s.PixelAt(x, y), shade) << x << "," << y;
  for (auto [x, y] : {std::pair{1, 1}, {0, 2}, {72, 0}, {73, 1}, {74, 20}, {73, 21}, {2, 22}, {1, 21}})
    EXPECT_EQ(s.PixelAt(x, y), line) << x << "," << y;
  for (auto [x, y] : {std::pair{2, 0}, {71, 0}, {74, 3}, {74, 19}, {71, 22}, {3, 22}, {0, 3}, {0, 19}})
    EXPECT_EQ(s.PixelAt(x, y), outline) << x << "," << y;
  // The face rows run up to column W - 1 only; column W is outline.
  EXPECT_EQ(s.PixelAt(73, 10), s.PixelAt(30, 10));
  EXPECT_EQ(s.PixelAt(74, 10), outline);
}

TEST(Style1, MiddleBandRoundsExactHalvesToEven) {
  // H = 10: row 5 comes from 223.5, 222.5 and 214.
  EXPECT_EQ(Render(20, 11, 1).PixelAt(8, 5), Px(224, 222, 214));
  // H = 18: 228.5 and 227.50000000000003 in row 5; 224.50000000000003 and 223.49999999999997 in row 13.
  const Surface s = Render(20, 19, 1);
  EXPECT_EQ(s.PixelAt(8, 5), Px(228, 228, 221));
  EXPECT_EQ(s.PixelAt(8, 13), Px(225, 223, 215));
}

TEST(Style1, PressedFirstAndLastBands) {
  const Surface s = Render(40, 23, 1);  // H 22
  EXPECT_EQ(s.PixelAt(10, 1), Px(220, 218, 209));
  EXPECT_EQ(s.PixelAt(10, 2), Px(224, 222, 214));
  EXPECT_EQ(s.PixelAt(10, 3), Px(227, 226, 219));
  EXPECT_EQ(s.PixelAt(10, 18), Px(225, 224, 216));
  EXPECT_EQ(s.PixelAt(10, 19), Px(228, 227, 220));
  EXPECT_EQ(s.PixelAt(10, 20), Px(232, 231, 225));
  EXPECT_EQ(s.PixelAt(10, 21), Px(235, 234, 229));
  EXPECT_EQ(s.PixelAt(5, 0), Px(157, 157, 146));
  EXPECT_EQ(s.PixelAt(1, 0), Px(215, 215, 204));
  EXPECT_EQ(s.PixelAt(1, 1), Px(179, 179, 168));
}

TEST(Style1, CheckedIsAWhiteBoxWithABlueGreyOutline) {
  const Surface s = Render(30, 12, 4);            // W 29, H 11
  EXPECT_EQ(s.PixelAt(1, 1), Px(152, 175, 190));  // corner line over the box
  EXPECT_EQ(s.PixelAt(2, 1), Px(255, 255, 255));
  EXPECT_EQ(s.PixelAt(28, 10), Px(152, 175, 190));
  EXPECT_EQ(s.PixelAt(27, 10), Px(255, 255, 255));
  EXPECT_EQ(s.PixelAt(10, 0), Px(122, 152, 175));
  EXPECT_EQ(s.PixelAt(1, 0), Px(203, 213, 214));
  EXPECT_EQ(s.PixelAt(0, 0), kHost);
}

TEST(Style1, UpFocusedAndUnknownStatesShowOnlyTheHost) {
  for (std::int32_t state : {0, 2, 5, -1}) {
    const Surface s = Render(12, 9, state);
    for (std::uint32_t p : s.Pixels().pixels) ASSERT_EQ(p, kHost) << state;
  }
}

TEST(Style1, UnreadableHostColourSkipsOnlyTheBackground) {
  ButtonLook look = LookOfSize(1, 75, 23);
  look.ParentBackColor = std::nullopt;
  const Surface s = Render(75, 23, 3, &look);
  EXPECT_EQ(s.PixelAt(0, 0), kCleared);
  EXPECT_EQ(s.PixelAt(30, 4), Px(248, 248, 244));
  EXPECT_EQ(Render(75, 23, 0, &look).PixelAt(5, 5), kCleared);
}

TEST(Style1, HeightFiveLetsTheLastBandReachRowZero) {
  // H = 4: the last band paints rows 0 to 3, and the corner (0, 0) keeps its first colour.
  const Surface s = Render(20, 5, 3);
  EXPECT_EQ(s.PixelAt(0, 0), Px(238, 237, 229));
  EXPECT_EQ(s.PixelAt(8, 1), Px(230, 228, 219));
}

TEST(Style1, DegenerateSizesDrawNothingOutsideAndRaiseNothing) {
  for (float h : {0.0f, 1.0f, 2.0f, 7.0f}) {
    EXPECT_NO_THROW(Render(10, h, 1)) << h;
    EXPECT_NO_THROW(Render(10, h, 3)) << h;
    EXPECT_NO_THROW(Render(0, h, 4)) << h;
  }
}

}  // namespace
