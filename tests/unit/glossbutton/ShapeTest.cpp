// The window shape: radius per style, the pixels the region keeps, and what survives a change
// of Style. The expected pixel set is worked out here from the outline test alone.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "glossbutton/GlossButton.h"
#include "glossbutton/render/Surface.h"
#include "glossbutton/RoundShape.h"
#include "glossbutton/render/Geometry.h"
#include "platform/Regions.h"
#include "tests/support/ControlFixture.h"

namespace gloss {
namespace {

using Pixels = std::set<std::pair<int, int>>;

// What a rounded shape of (W, H) with radius R keeps: in rows 1 to Hr - 1, the columns strictly
// between RunEnd(y) and Wr - RunEnd(y), where RunEnd(y) is the last column of 0..Wr\2 that the
// outline test reports outside.
Pixels ExpectedRoundRegion(int W, int H, int R) {
  const int Wr = W - 1;
  const int Hr = H - 1;
  Pixels kept;
  for (int y = 1; y <= Hr - 1; ++y) {
    int runEnd = 0;
    for (int i = 0; i <= Wr / 2; ++i)
      if (!RoundCornerTest(i, y, 0, 0, Wr, Hr, R)) runEnd = i;
    for (int x = runEnd + 1; x < Wr - runEnd; ++x) kept.insert({x, y});
  }
  return kept;
}

// The window's region as a pixel set, and whether the window has one at all.
Pixels WindowRegion(platform::HWND hWnd, bool* hasRegion) {
  Pixels px;
  for (const platform::RECT& r : platform::GetWindowRgnRects(hWnd, hasRegion))
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) px.insert({x, y});
  return px;
}

struct ShapeTest : test::ControlFixture {
  void SetUp() override { Load(); }

  void Shape(int style, float w, float h) {
    host.scaleWidth = w;
    host.scaleHeight = h;
    PropertyBag bag;
    bag.WriteInt32("Style", style);
    Load(bag);  // stores Style without building the shape
    button.Resize();
  }
  Pixels Region(bool* hasRegion = nullptr) { return WindowRegion(Hwnd(), hasRegion); }
};

struct RoundCase {
  int style;
  int w, h;
  int radius;
};

class RoundShapes : public ShapeTest, public ::testing::WithParamInterface<RoundCase> {};

TEST_P(RoundShapes, RadiusAndKeptPixelsFollowTheOutline) {
  const RoundCase c = GetParam();
  Shape(c.style, static_cast<float>(c.w), static_cast<float>(c.h));
  EXPECT_EQ(button.CornerRadius(), c.radius);

  bool hasRegion = false;
  const Pixels region = Region(&hasRegion);
  ASSERT_TRUE(hasRegion);
  EXPECT_EQ(region, ExpectedRoundRegion(c.w, c.h, c.radius));

  // The outermost rows and columns never belong to a rounded shape.
  for (int x = 0; x < c.w; ++x) {
    EXPECT_FALSE(region.count({x, 0})) << x;
    EXPECT_FALSE(region.count({x, c.h - 1})) << x;
  }
  for (int y = 0; y < c.h; ++y) {
    EXPECT_FALSE(region.count({0, y})) << y;
    EXPECT_FALSE(region.count({c.w - 1, y})) << y;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Styles, RoundShapes,
    ::testing::Values(RoundCase{3, 100, 30, 12},  // style 3 is always 12
                      RoundCase{3, 25, 25, 12}, RoundCase{3, 10, 8, 12}, RoundCase{2, 100, 30, 15},  // half the height
                      RoundCase{2, 20, 60, 10},   // limited to half the width
                      RoundCase{4, 101, 30, 15},  // even Wr: the two halves of a row meet at Wr / 2
                      RoundCase{5, 41, 17, 8}, RoundCase{6, 90, 45, 15},
                      RoundCase{6, 30, 90, 10},  // a third of the width
                      RoundCase{6, 2, 2, 0}));

// Every size up to 48 x 48 in each rounded style, the tiny and lopsided ones included.
TEST_F(ShapeTest, EveryRoundedStyleAtEverySmallSizeKeepsTheOutline) {
  for (int style : {2, 3, 6}) {
    for (int w = 1; w <= 48; ++w) {
      for (int h = 1; h <= 48; ++h) {
        Shape(style, static_cast<float>(w), static_cast<float>(h));
        ASSERT_EQ(Region(), ExpectedRoundRegion(w, h, button.CornerRadius()))
            << "style " << style << " " << w << " x " << h;
      }
    }
  }
}

TEST_F(ShapeTest, MiddleRowsKeepAllButTheFirstAndLastColumn) {
  Shape(2, 100, 30);
  const Pixels region = Region();
  // Row 15 lies between the corner circles: columns 1 to Wr - 1 = 98.
  for (int x = 0; x < 100; ++x) EXPECT_EQ(region.count({x, 15}) == 1, x >= 1 && x <= 98) << x;
}

TEST_F(ShapeTest, HeightOfZeroOrOneLeavesAnEmptyRegion) {
  for (float h : {0.0f, 1.0f}) {
    Shape(3, 40, h);
    bool hasRegion = false;
    EXPECT_TRUE(Region(&hasRegion).empty()) << h;
    EXPECT_TRUE(hasRegion) << h;
  }
}

TEST_F(ShapeTest, FlatStylesRemoveTheRegionAndKeepTheLastRadius) {
  Shape(1, 60, 20);
  bool hasRegion = true;
  Region(&hasRegion);
  EXPECT_FALSE(hasRegion);
  EXPECT_EQ(button.CornerRadius(), 0);  // no rounded shape yet

  Shape(4, 60, 20);
  EXPECT_EQ(button.CornerRadius(), 10);
  button.SetStyle(0);
  Region(&hasRegion);
  EXPECT_FALSE(hasRegion);
  EXPECT_TRUE(platform::PtInWindowRgn(Hwnd(), 0, 0));
  EXPECT_EQ(button.CornerRadius(), 10);

  button.SetStyle(7);  // outside 2 to 6: also rectangular
  Region(&hasRegion);
  EXPECT_FALSE(hasRegion);
  EXPECT_EQ(button.CornerRadius(), 10);
}

TEST_F(ShapeTest, AssigningTheCurrentStyleDoesNotRebuild) {
  Shape(3, 100, 30);
  const Pixels before = Region();
  host.scaleWidth = 50;
  button.SetStyle(3);
  EXPECT_EQ(Region(), before);
  button.SetStyle(2);  // a real change rebuilds for the new size
  EXPECT_EQ(Region(), ExpectedRoundRegion(50, 30, 15));
}

TEST_F(ShapeTest, SurfaceFollowsTheSizeAndTheShapeEndsWithAnUpRedraw) {
  Shape(3, 37, 21);
  EXPECT_EQ(rec.Draws(), std::vector<std::string>{"draw 0"});
  EXPECT_EQ(button.Picture1().Width(), 37);
  EXPECT_EQ(button.Picture1().Height(), 21);
  ASSERT_FALSE(host.publishedImages.empty());
  EXPECT_EQ(host.publishedImages.back()->width, 37);
  EXPECT_EQ(host.publishedImages.back()->height, 21);
}

TEST_F(ShapeTest, ReadingPropertiesBuildsNoShape) {
  PropertyBag bag;
  bag.WriteInt32("Style", 3);
  Load(bag);
  bool hasRegion = true;
  Region(&hasRegion);
  EXPECT_FALSE(hasRegion);
  EXPECT_EQ(button.CornerRadius(), 0);
}

TEST(BigShapes, APillWithARadiusPastTheOldRowTableKeepsTheOutline) {
  // Radius 10000: the ends of the kept run of every 97th row against the outline test.
  const int Wr = 24000, Hr = 20000, R = 10000;
  const platform::HRGN hRgn = CreateRoundShapeRegion(Wr, Hr, R);
  for (int y = 0; y < Hr; y += 97) {
    int runEnd = 0;
    for (int i = 0; i <= Wr / 2; ++i)
      if (!RoundCornerTest(i, y, 0, 0, Wr, Hr, R)) runEnd = i;
    for (int x : {runEnd, runEnd + 1, Wr - runEnd - 1, Wr - runEnd})
      ASSERT_EQ(platform::PtInRegion(hRgn, x, y) != 0, y >= 1 && x > runEnd && x < Wr - runEnd) << x << ", " << y;
  }
  platform::DeleteObject(hRgn);
}

TEST_F(ShapeTest, SizeBeyond32BitsRaisesOverflow) {
  host.scaleWidth = 3.0e9f;
  EXPECT_THROW(button.Resize(), OverflowError);
}

}  // namespace
}  // namespace gloss
