#include <gtest/gtest.h>

#include <random>

#include "glossbutton/render/Geometry.h"
#include "glossbutton/render/RoundRectRows.h"

using namespace gloss;

namespace {

// Every point of a band of rows around the shape, as runs against the point test.
void ExpectRowsMatchThePointTest(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height,
                                 std::int32_t radius) {
  RoundRectRows rows;
  rows.Reset(left, top, width, height, radius);
  const std::int32_t x0 = std::min(left, left + width) - radius - 3, x1 = std::max(left, left + width) + radius + 3;
  for (std::int32_t y = std::min(top, top + height) - 3; y <= std::max(top, top + height) + 3; ++y) {
    Run runs[3];
    const int n = rows.Row(y, runs);
    for (int k = 1; k < n; ++k) ASSERT_LT(runs[k - 1].last + 1, runs[k].first) << "runs touch or overlap";
    for (std::int32_t x = x0; x <= x1; ++x) {
      bool inRun = false;
      for (int k = 0; k < n; ++k) inRun |= runs[k].first <= x && x <= runs[k].last;
      ASSERT_EQ(inRun, RoundCornerTest(x, y, left, top, width, height, radius))
          << "x " << x << " y " << y << " shape " << left << "," << top << " " << width << "x" << height << " r "
          << radius;
    }
  }
}

TEST(RoundRectRows, WorkedShapes) {
  ExpectRowsMatchThePointTest(0, 0, 20, 12, 0);
  ExpectRowsMatchThePointTest(0, 0, 20, 12, 4);
  ExpectRowsMatchThePointTest(0, 0, 20, 12, 6);
  ExpectRowsMatchThePointTest(1, 1, 77, 21, 12);
}

TEST(RoundRectRows, RandomShapesIncludingNegativeAndTinyOnes) {
  std::mt19937 rng(12345);
  auto in = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  for (int n = 0; n < 400; ++n)
    ExpectRowsMatchThePointTest(in(-30, 30), in(-30, 30), in(-20, 120), in(-20, 60), in(0, 50));
}

}  // namespace
