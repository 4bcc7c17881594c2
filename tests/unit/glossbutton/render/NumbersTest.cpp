#include "glossbutton/render/Numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>

namespace gloss {
namespace {

// The fast roundings must agree with nearbyint everywhere, signed zeros included: halves,
// values next to halves, the 2^52 edge, and a random sweep over many magnitudes.
TEST(NearestEvenTest, AgreesWithNearbyint) {
  std::vector<double> values = {0.5,
                                1.5,
                                2.5,
                                -0.5,
                                -1.5,
                                -2.5,
                                -0.4,
                                0.0,
                                -0.0,
                                1e300,
                                -1e300,
                                4503599627370495.5,
                                4503599627370496.0,
                                -4503599627370497.0,
                                std::nextafter(0.5, 0.0),
                                std::nextafter(0.5, 1.0),
                                2147483647.5};
  std::mt19937_64 rnd(7);
  std::uniform_real_distribution<double> unit(-1.0, 1.0);
  for (int i = 0; i < 20000; ++i) values.push_back(unit(rnd) * std::ldexp(1.0, i % 60));
  for (double v : values) {
    const double want = std::nearbyint(v);
    const double got = NearestEven(v);
    EXPECT_EQ(want, got) << v;
    EXPECT_EQ(std::signbit(want), std::signbit(got)) << v;
    if (want >= -2147483648.0 && want <= 2147483647.0)
      EXPECT_EQ(CInt32(v), static_cast<std::int32_t>(want)) << v;
    else
      EXPECT_THROW(CInt32(v), OverflowError) << v;
  }
}

TEST(NearestEvenTest, CInt32KeepsItsLimits) {
  EXPECT_EQ(CInt32(-2147483648.5), -2147483647 - 1);  // the half goes to the even end, inside
  EXPECT_EQ(CInt32(2147483647.4), 2147483647);
  EXPECT_THROW(CInt32(2147483647.5), OverflowError);  // ... and here to the even end outside
  EXPECT_THROW(CInt32(-2147483648.6), OverflowError);
  EXPECT_THROW(CInt32(1e19), OverflowError);
  EXPECT_THROW(CInt32(std::nan("")), OverflowError);
  EXPECT_THROW(CInt32(-INFINITY), OverflowError);
}

}  // namespace
}  // namespace gloss
