#include <gtest/gtest.h>

#include <functional>

#include "glossbutton/render/Geometry.h"
#include "glossbutton/render/Numbers.h"

using namespace gloss;

namespace {

// Compares RoundCornerTest over a margin around the 20 x 12 shape with the expected inside set.
void ExpectShape(std::int32_t radius, const std::function<bool(int, int)>& inside) {
  for (int y = -2; y <= 14; ++y)
    for (int x = -2; x <= 22; ++x)
      EXPECT_EQ(RoundCornerTest(x, y, 0, 0, 20, 12, radius), inside(x, y))
          << "radius " << radius << " at (" << x << ", " << y << ")";
}

TEST(RoundCornerTest, RadiusZeroIsTheOpenRectangle) {
  ExpectShape(0, [](int x, int y) { return x >= 1 && x <= 19 && y >= 1 && y <= 11; });
}

TEST(RoundCornerTest, RadiusFourCutsTwoColumnsInTheOuterRows) {
  ExpectShape(4, [](int x, int y) {
    if (!(x >= 1 && x <= 19 && y >= 1 && y <= 11)) return false;
    if ((y == 1 || y == 11) && (x == 1 || x == 2 || x == 18 || x == 19)) return false;
    return true;
  });
}

TEST(RoundCornerTest, RadiusSixNarrowsThreeRowsAtEachEnd) {
  ExpectShape(6, [](int x, int y) {
    if (y == 1 || y == 11) return x >= 4 && x <= 16;
    if (y == 2 || y == 10) return x >= 3 && x <= 17;
    if (y == 3 || y == 9) return x >= 2 && x <= 18;
    if (y >= 4 && y <= 8) return x >= 1 && x <= 19;
    return false;
  });
}

TEST(RoundCornerTest, HonoursTheOrigin) {
  EXPECT_FALSE(RoundCornerTest(5, 3, 5, 3, 20, 12, 0));
  EXPECT_TRUE(RoundCornerTest(6, 4, 5, 3, 20, 12, 0));
  EXPECT_FALSE(RoundCornerTest(25, 4, 5, 3, 20, 12, 0));
}

TEST(RoundCornerTest, CoordinatesNearTheLimitRaiseOverflow) {
  EXPECT_THROW(RoundCornerTest(2147483647, 0, -10, 0, 20, 12, 4), OverflowError);
}

TEST(CircleTest, WorkedCases) {
  EXPECT_TRUE(CircleTest(-3, 2, 4));   // d 7, h 3, |2 - 4| = 2
  EXPECT_FALSE(CircleTest(-4, 4, 4));  // d 0
  EXPECT_FALSE(CircleTest(-3, 1, 4));  // |1 - 4| = 3 is not below 3
  EXPECT_FALSE(CircleTest(5, 4, 4));   // d < 0
}

TEST(CircleTest, OffsetOfOneRadiusIsAlwaysOutside) {
  for (int y = -10; y <= 20; ++y) {
    EXPECT_FALSE(CircleTest(6, y, 6)) << y;
    EXPECT_FALSE(CircleTest(-6, y, 6)) << y;
  }
}

}  // namespace
