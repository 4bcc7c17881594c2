#include <gtest/gtest.h>

#include <stdexcept>

#include "glossbutton/render/Style0Renderer.h"
#include "tests/unit/glossbutton/render/RenderTestUtil.h"

using namespace gloss;
using namespace rendertest;

namespace {

Surface Render(float width, float height, std::int32_t state, ButtonLook* custom = nullptr) {
  ButtonLook look = custom ? *custom : LookOfSize(0, width, height);
  Surface s = ClearedSurface(static_cast<std::int32_t>(width), static_cast<std::int32_t>(height));
  RenderStyle0(s, look, state);
  return s;
}

const std::uint32_t kOutline = Px(0, 60, 116), kCornerLine = Px(37, 87, 131), kCornerShade = Px(122, 149, 168);

TEST(Style0, PressedBandsAndTheBottomRowPastTheEndColour) {
  const Surface s = Render(40, 21, 1);  // W 39, H 20
  EXPECT_EQ(s.PixelAt(10, 1), Px(209, 204, 193));
  EXPECT_EQ(s.PixelAt(10, 2), Px(216, 212, 202));
  EXPECT_EQ(s.PixelAt(10, 3), Px(222, 220, 212));
  EXPECT_EQ(s.PixelAt(10, 16), Px(226, 226, 218));  // P3 i = 0
  EXPECT_EQ(s.PixelAt(10, 19), Px(242, 241, 238));  // P3 i = 3
  EXPECT_EQ(s.PixelAt(10, 20), kOutline);           // bottom outline over P3's last row
  EXPECT_EQ(s.PixelAt(2, 20), kCornerLine);
  EXPECT_EQ(s.PixelAt(0, 20), Px(247, 246, 245));  // bottom-left corner shows P3's last row
  EXPECT_EQ(s.PixelAt(39, 20), kHost);             // the row ends before W
}

TEST(Style0, PressedFourthRowIsTheMiddleBandsEndColourForHeightTen) {
  const Surface s = Render(20, 11, 1);  // H 10: P2 runs 4..6 over divisor 4, so row 4 has t = 1
  EXPECT_EQ(s.PixelAt(8, 4), Px(226, 226, 218));
  EXPECT_EQ(s.PixelAt(8, 3), Px(222, 220, 212));
}

TEST(Style0, NormalFaceRows) {
  const Surface s = Render(40, 21, 0);  // H 20
  EXPECT_EQ(s.PixelAt(10, 16), Px(236, 235, 230));
  EXPECT_EQ(s.PixelAt(10, 17), Px(229, 226, 219));
  EXPECT_EQ(s.PixelAt(10, 18), Px(221, 217, 208));
  EXPECT_EQ(s.PixelAt(10, 19), Px(214, 208, 197));
  EXPECT_EQ(s.PixelAt(5, 0), kOutline);
  // N1 leaves column 0 to the background; the outline covers rows 2..H-2 of it.
  EXPECT_EQ(s.PixelAt(0, 0), kHost);
  EXPECT_EQ(s.PixelAt(39, 0), kHost);
  EXPECT_EQ(s.PixelAt(39, 20), kHost);
  EXPECT_EQ(s.PixelAt(0, 20), kHost);
}

TEST(Style0, OutlineIsTheSameInEveryState) {
  for (std::int32_t state : {0, 1, 2, 3, 4, 9}) {
    const Surface s = Render(30, 15, state);  // W 29, H 14
    for (auto [x, y] : {std::pair{1, 0}, {0, 1}, {28, 0}, {29, 1}, {29, 13}, {28, 14}, {1, 14}, {0, 13}})
      EXPECT_EQ(s.PixelAt(x, y), kCornerShade) << state << " " << x << "," << y;
    for (auto [x, y] : {std::pair{0, 2}, {1, 1}, {27, 0}, {28, 1}, {29, 12}, {28, 13}, {2, 14}, {1, 13}})
      EXPECT_EQ(s.PixelAt(x, y), kCornerLine) << state << " " << x << "," << y;
    for (auto [x, y] : {std::pair{2, 0}, {26, 0}, {29, 2}, {29, 11}, {27, 14}, {3, 14}, {0, 12}, {0, 3}})
      EXPECT_EQ(s.PixelAt(x, y), kOutline) << state << " " << x << "," << y;
  }
}

TEST(Style0, CheckedAndUnknownStatesLookLikeUp) {
  const Surface up = Render(30, 15, 0);
  EXPECT_EQ(Render(30, 15, 4).Pixels(), up.Pixels());
  EXPECT_EQ(Render(30, 15, 7).Pixels(), up.Pixels());
  EXPECT_NE(Render(30, 15, 1).Pixels(), up.Pixels());
}

TEST(Style0, FocusedFrameWithSideBarsForHeightTwenty) {
  const Surface s = Render(40, 21, 2);  // W 39, H 20
  EXPECT_EQ(s.PixelAt(10, 1), Px(206, 231, 255));
  EXPECT_EQ(s.PixelAt(10, 2), Px(188, 212, 246));
  EXPECT_EQ(s.PixelAt(10, 18), Px(137, 173, 228));
  EXPECT_EQ(s.PixelAt(10, 19), Px(105, 130, 238));
  for (int x : {1, 2, 37, 38}) {
    EXPECT_EQ(s.PixelAt(x, 3), Px(180, 206, 243)) << x;
    EXPECT_EQ(s.PixelAt(x, 17), Px(145, 179, 231)) << x;
  }
  EXPECT_EQ(s.PixelAt(0, 3), kOutline);
  EXPECT_NE(s.PixelAt(3, 10), s.PixelAt(2, 10));    // left bar ends at column 2
  EXPECT_NE(s.PixelAt(36, 10), s.PixelAt(37, 10));  // right bar starts at W - 2
  EXPECT_EQ(s.PixelAt(39, 10), kOutline);
}

TEST(Style0, HoverFrameWithSideBarsForHeightTwenty) {
  const Surface s = Render(40, 21, 3);
  EXPECT_EQ(s.PixelAt(10, 1), Px(255, 240, 202));
  EXPECT_EQ(s.PixelAt(10, 2), Px(253, 216, 137));
  EXPECT_EQ(s.PixelAt(10, 18), Px(248, 178, 48));
  EXPECT_EQ(s.PixelAt(10, 19), Px(229, 151, 0));
  for (int x : {1, 2, 37, 38}) {
    EXPECT_EQ(s.PixelAt(x, 3), Px(252, 210, 124)) << x;
    EXPECT_EQ(s.PixelAt(x, 17), Px(249, 184, 61)) << x;
  }
}

TEST(Style0, HeightFiveRepaintsRowsZeroToThreeFromTheLastBand) {
  const Surface s = Render(20, 5, 0);  // H 4
  EXPECT_EQ(s.PixelAt(8, 0), kOutline);
  EXPECT_EQ(s.PixelAt(0, 0), Px(236, 235, 230));
  EXPECT_EQ(s.PixelAt(8, 1), Px(229, 226, 219));
  EXPECT_EQ(s.PixelAt(8, 3), Px(214, 208, 197));
}

TEST(Style0, ZeroDivisorAndTinySurfacesRaiseNothing) {
  for (float h : {0.0f, 1.0f, 2.0f, 3.0f, 4.0f, 6.0f, 8.0f}) {
    for (std::int32_t state : {0, 1, 2, 3}) EXPECT_NO_THROW(Render(12, h, state)) << h << " " << state;
  }
  EXPECT_NO_THROW(Render(0, 0, 3));
}

TEST(Style0, UnreadableHostColourSkipsOnlyTheBackground) {
  ButtonLook look = LookOfSize(0, 40, 21);
  look.ParentBackColor = std::nullopt;
  const Surface s = Render(40, 21, 0, &look);
  EXPECT_EQ(s.PixelAt(0, 0), kCleared);
  EXPECT_EQ(s.PixelAt(10, 19), Px(214, 208, 197));
}

}  // namespace
