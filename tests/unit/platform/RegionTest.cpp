// Regions: exact set arithmetic against a per-pixel referee, region handles, window shapes.
#include <gtest/gtest.h>

#include <array>
#include <random>
#include <vector>

#include "platform/Region.h"
#include "platform/Regions.h"
#include "platform/Window.h"

namespace p = platform;

namespace {

// Referee: a plain pixel grid covering [-kPad, kSize + kPad) in both directions.
constexpr int kSize = 40;
constexpr int kPad = 6;
constexpr int kSpan = kSize + 2 * kPad;
using Grid = std::array<std::array<bool, kSpan>, kSpan>;

Grid GridOf(const p::Region& r) {
  Grid g{};
  for (int y = 0; y < kSpan; ++y)
    for (int x = 0; x < kSpan; ++x) g[y][x] = r.Contains(x - kPad, y - kPad);
  return g;
}

Grid GridRect(int l, int t, int rr, int b) {
  if (l > rr) std::swap(l, rr);
  if (t > b) std::swap(t, b);
  Grid g{};
  for (int y = t; y < b; ++y)
    for (int x = l; x < rr; ++x) g[y + kPad][x + kPad] = true;
  return g;
}

Grid GridCombine(const Grid& a, const Grid& b, int mode) {
  Grid g{};
  for (int y = 0; y < kSpan; ++y)
    for (int x = 0; x < kSpan; ++x) {
      const bool u = a[y][x], v = b[y][x];
      g[y][x] = mode == p::RGN_AND    ? (u && v)
                : mode == p::RGN_OR   ? (u || v)
                : mode == p::RGN_XOR  ? (u != v)
                : mode == p::RGN_DIFF ? (u && !v)
                                      : u;
    }
  return g;
}

std::int64_t Count(const Grid& g) {
  std::int64_t n = 0;
  for (const auto& row : g)
    for (bool v : row) n += v;
  return n;
}

// Bands must be sorted and disjoint, spans sorted, disjoint and not touching, and touching
// bands must differ, so that equal pixel sets have equal representations.
void ExpectCanonical(const p::Region& r) {
  const auto& bands = r.Bands();
  for (std::size_t i = 0; i < bands.size(); ++i) {
    ASSERT_LT(bands[i].top, bands[i].bottom);
    ASSERT_FALSE(bands[i].spans.empty());
    if (i > 0) {
      ASSERT_LE(bands[i - 1].bottom, bands[i].top);
      if (bands[i - 1].bottom == bands[i].top) {
        ASSERT_NE(bands[i - 1].spans, bands[i].spans);
      }
    }
    for (std::size_t j = 0; j < bands[i].spans.size(); ++j) {
      ASSERT_LT(bands[i].spans[j].left, bands[i].spans[j].right);
      if (j > 0) {
        ASSERT_LT(bands[i].spans[j - 1].right, bands[i].spans[j].left);
      }
    }
  }
}

TEST(Region, RandomCombinationsMatchPixelReferee) {
  std::mt19937 rng(20240611);
  std::uniform_int_distribution<int> coord(-kPad + 1, kSize + kPad - 1);
  std::uniform_int_distribution<int> modeOf(p::RGN_AND, p::RGN_COPY);
  for (int round = 0; round < 200; ++round) {
    p::Region region;
    Grid expected{};
    for (int step = 0; step < 12; ++step) {
      const int l = coord(rng), t = coord(rng), r = coord(rng), b = coord(rng);
      const int mode = step % 3 == 0 ? p::RGN_XOR : modeOf(rng);
      region = p::Region::Combine(region, p::Region::FromRect(l, t, r, b), mode);
      expected = GridCombine(expected, GridRect(l, t, r, b), mode);
      ASSERT_EQ(GridOf(region), expected) << "round " << round << " step " << step;
      ASSERT_EQ(region.PixelCount(), Count(expected));
      ExpectCanonical(region);
    }
  }
}

// Built at once from a list: rows in order (touching spans, equal rows) in one pass, and any
// other list (overlaps, out of order, reversed edges) the same union as one rectangle at a time.
TEST(Region, FromRectsIsTheUnionInEitherOrder) {
  std::mt19937 rng(77);
  std::uniform_int_distribution<int> coord(-kPad + 1, kSize + kPad - 1);
  for (int round = 0; round < 200; ++round) {
    std::vector<p::RECT> rects;
    if (round % 2 == 0) {
      for (int y = -3; y < kSize; y += 1 + round % 3) {  // band order, as a shape is built
        int x = coord(rng) - kSize / 2;
        for (int k = 0; k < 3; ++k) {
          const int w = std::uniform_int_distribution<int>(0, 6)(rng);
          rects.push_back({x, y, x + w, y + 1 + round % 3});
          x += w + std::uniform_int_distribution<int>(0, 2)(rng);  // 0: touching the last
        }
      }
    } else {
      for (int k = 0; k < 10; ++k) rects.push_back({coord(rng), coord(rng), coord(rng), coord(rng)});
    }
    p::Region expected;
    for (const p::RECT& r : rects)
      expected = p::Region::Combine(expected, p::Region::FromRect(r.left, r.top, r.right, r.bottom), p::RGN_OR);
    const p::Region built = p::Region::FromRects(rects);
    ASSERT_EQ(built, expected) << "round " << round;
    ExpectCanonical(built);
  }
}

TEST(Region, XorTwiceRestoresAndEqualSetsCompareEqual) {
  const p::Region a =
      p::Region::Combine(p::Region::FromRect(0, 0, 10, 10), p::Region::FromRect(5, 5, 15, 15), p::RGN_OR);
  const p::Region cut = p::Region::FromRect(3, 2, 12, 7);
  EXPECT_EQ(p::Region::Combine(p::Region::Combine(a, cut, p::RGN_XOR), cut, p::RGN_XOR), a);
  // The same L shape built two ways.
  const p::Region l1 = p::Region::Combine(p::Region::FromRect(0, 0, 4, 8), p::Region::FromRect(4, 4, 8, 8), p::RGN_OR);
  const p::Region l2 =
      p::Region::Combine(p::Region::FromRect(0, 0, 8, 8), p::Region::FromRect(4, 0, 8, 4), p::RGN_DIFF);
  EXPECT_EQ(l1, l2);
  EXPECT_EQ(l1.Rects(), (std::vector<p::RECT>{{0, 0, 4, 4}, {0, 4, 8, 8}}));
}

// Cutting a one-row run from both edges: rectangles that meet cut cleanly, a column covered by
// both stays in (XOR takes it out twice).
TEST(Region, RowCutsFromBothEdges) {
  const p::Region full = p::Region::FromRect(0, 0, 10, 3);
  p::Region meet = p::Region::Combine(full, p::Region::FromRect(5, 0, 10, 1), p::RGN_XOR);
  meet = p::Region::Combine(meet, p::Region::FromRect(0, 1, 5, 0), p::RGN_XOR);  // top > bottom
  EXPECT_EQ(meet, p::Region::FromRect(0, 1, 10, 3));
  p::Region overlap = p::Region::Combine(full, p::Region::FromRect(4, 0, 10, 1), p::RGN_XOR);
  overlap = p::Region::Combine(overlap, p::Region::FromRect(0, 0, 5, 1), p::RGN_XOR);
  EXPECT_TRUE(overlap.Contains(4, 0));
  EXPECT_FALSE(overlap.Contains(3, 0));
  EXPECT_FALSE(overlap.Contains(5, 0));
  EXPECT_EQ(overlap.PixelCount(), 21);
}

TEST(RegionHandles, CombineReportsKindsAndRejectsBadHandles) {
  const p::HRGN a = p::CreateRectRgn(0, 0, 10, 10);
  const p::HRGN b = p::CreateRectRgn(5, 5, 15, 15);
  const p::HRGN dest = p::CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(p::CombineRgn(dest, a, b, p::RGN_XOR), p::COMPLEXREGION);
  EXPECT_TRUE(p::PtInRegion(dest, 0, 0));
  EXPECT_FALSE(p::PtInRegion(dest, 7, 7));
  EXPECT_TRUE(p::PtInRegion(dest, 14, 14));
  EXPECT_FALSE(p::PtInRegion(dest, 15, 15));
  EXPECT_EQ(p::CombineRgn(dest, a, a, p::RGN_XOR), p::NULLREGION);
  const p::HRGN right = p::CreateRectRgn(10, 0, 20, 10);
  EXPECT_EQ(p::CombineRgn(dest, a, right, p::RGN_XOR), p::SIMPLEREGION);
  // Destination may be a source.
  EXPECT_EQ(p::CombineRgn(a, a, b, p::RGN_AND), p::SIMPLEREGION);
  EXPECT_EQ(p::GetRegion(a)->Rects(), (std::vector<p::RECT>{{5, 5, 10, 10}}));

  const p::Region before = *p::GetRegion(dest);
  EXPECT_EQ(p::CombineRgn(dest, a, 0xDEAD, p::RGN_XOR), p::RGN_ERROR);
  EXPECT_EQ(p::CombineRgn(dest, a, b, 9), p::RGN_ERROR);
  EXPECT_EQ(*p::GetRegion(dest), before);
  for (p::HRGN h : {a, b, dest, right}) EXPECT_TRUE(p::DeleteObject(h));
  EXPECT_FALSE(p::DeleteObject(a));
  EXPECT_EQ(p::CombineRgn(dest, dest, dest, p::RGN_COPY), p::RGN_ERROR);
}

TEST(WindowRegion, WindowTakesOwnershipAndTellsTheHost) {
  const p::HWND h = p::CreateWindow(p::MakeWindowProc(p::DefWindowProc));
  std::vector<p::BOOL> told;
  p::SetWindowRgnChangedHandler(h, [&](p::HWND w, p::BOOL redraw) {
    EXPECT_EQ(w, h);
    told.push_back(redraw);
  });
  EXPECT_TRUE(p::PtInWindowRgn(h, 0, 0));  // no region: the whole rectangle
  bool has = true;
  EXPECT_TRUE(p::GetWindowRgnRects(h, &has).empty());
  EXPECT_FALSE(has);

  const p::HRGN r = p::CreateRectRgn(1, 1, 9, 9);
  EXPECT_NE(p::SetWindowRgn(h, r, p::TRUE), 0);
  EXPECT_FALSE(p::DeleteObject(r));  // the window owns it now
  EXPECT_EQ(p::GetRegion(r), nullptr);
  EXPECT_FALSE(p::PtInWindowRgn(h, 0, 0));
  EXPECT_TRUE(p::PtInWindowRgn(h, 1, 1));
  EXPECT_EQ(p::GetWindowRgnRects(h, &has), (std::vector<p::RECT>{{1, 1, 9, 9}}));
  EXPECT_TRUE(has);

  const p::HRGN copy = p::CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(p::GetWindowRgn(h, copy), p::SIMPLEREGION);
  EXPECT_TRUE(p::PtInRegion(copy, 8, 8));

  EXPECT_EQ(p::SetWindowRgn(h, 0xBAD, p::TRUE), 0);  // unknown handle: nothing changes
  EXPECT_FALSE(p::PtInWindowRgn(h, 0, 0));
  EXPECT_NE(p::SetWindowRgn(h, 0, p::FALSE), 0);
  EXPECT_TRUE(p::PtInWindowRgn(h, 0, 0));
  EXPECT_EQ(p::GetWindowRgn(h, copy), p::RGN_ERROR);
  EXPECT_EQ(told, (std::vector<p::BOOL>{p::TRUE, p::FALSE}));

  p::DeleteObject(copy);
  p::DestroyWindow(h);
  EXPECT_EQ(p::SetWindowRgn(h, 0, p::TRUE), 0);
  EXPECT_FALSE(p::PtInWindowRgn(h, 0, 0));
}

}  // namespace
