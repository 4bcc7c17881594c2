#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <memory>
#include <stdexcept>
#include <vector>

#include "glossbutton/render/Surface.h"
#include "platform/SystemColors.h"
#include "tests/support/FixedTextEngine.h"
#include "tests/unit/glossbutton/render/RenderTestUtil.h"

using namespace gloss;
using namespace rendertest;

namespace {

constexpr std::int32_t kRed = 0x0000FF;
constexpr std::uint32_t kRedPx = Px(255, 0, 0);

int CountPainted(const Surface& s, std::uint32_t px) {
  int n = 0;
  for (std::uint32_t p : s.Pixels().pixels) n += p == px;
  return n;
}

TEST(SurfaceLine, HorizontalAndVerticalLeaveOutTheEndPoint) {
  Surface s = ClearedSurface(10, 10);
  s.Line(2, 3, 6, 3, kRed);
  for (int x = 2; x <= 5; ++x) EXPECT_EQ(s.PixelAt(x, 3), kRedPx) << x;
  EXPECT_EQ(s.PixelAt(6, 3), kCleared);
  EXPECT_EQ(s.PixelAt(1, 3), kCleared);
  EXPECT_EQ(s.CurrentX(), 6.0f);
  EXPECT_EQ(s.CurrentY(), 3.0f);

  s.Line(8, 7, 4, 7, kRed);  // right to left: starts at 8, stops before 4
  for (int x = 5; x <= 8; ++x) EXPECT_EQ(s.PixelAt(x, 7), kRedPx) << x;
  EXPECT_EQ(s.PixelAt(4, 7), kCleared);

  s.Line(0, 8, 0, 5, kRed);  // bottom to top
  for (int y = 6; y <= 8; ++y) EXPECT_EQ(s.PixelAt(0, y), kRedPx) << y;
  EXPECT_EQ(s.PixelAt(0, 5), kCleared);
  EXPECT_EQ(CountPainted(s, kRedPx), 4 + 4 + 3);
}

TEST(SurfaceLine, DiagonalsAndSteepLinesStepOnePixelPerMajorStep) {
  Surface s = ClearedSurface(10, 10);
  s.Line(0, 2, 2, 0, kRed);
  EXPECT_EQ(s.PixelAt(0, 2), kRedPx);
  EXPECT_EQ(s.PixelAt(1, 1), kRedPx);
  EXPECT_EQ(s.PixelAt(2, 0), kCleared);
  EXPECT_EQ(CountPainted(s, kRedPx), 2);

  Surface t = ClearedSurface(10, 10);
  t.Line(0, 0, 5, 2, kRed);  // shallow: one pixel in each of the columns 0..4
  EXPECT_EQ(CountPainted(t, kRedPx), 5);
  for (int x = 0; x <= 4; ++x) {
    int inColumn = 0;
    for (int y = 0; y < 10; ++y) inColumn += t.PixelAt(x, y) == kRedPx;
    EXPECT_EQ(inColumn, 1) << x;
  }
  EXPECT_EQ(t.PixelAt(5, 2), kCleared);
  EXPECT_EQ(t.PixelAt(0, 0), kRedPx);
}

TEST(SurfaceLine, ZeroLengthDrawsNothingButMovesThePosition) {
  Surface s = ClearedSurface(5, 5);
  s.Line(2, 2, 2, 2, kRed);
  EXPECT_EQ(CountPainted(s, kRedPx), 0);
  EXPECT_EQ(s.CurrentX(), 2.0f);
}

TEST(SurfaceLineBF, FillsBothCornersInEitherOrder) {
  Surface s = ClearedSurface(10, 10);
  s.LineBF(1, 2, 3, 5, kRed);
  EXPECT_EQ(CountPainted(s, kRedPx), 3 * 4);
  EXPECT_EQ(s.PixelAt(1, 2), kRedPx);
  EXPECT_EQ(s.PixelAt(3, 5), kRedPx);
  EXPECT_EQ(s.PixelAt(4, 5), kCleared);
  EXPECT_EQ(s.CurrentX(), 3.0f);
  EXPECT_EQ(s.CurrentY(), 5.0f);

  Surface t = ClearedSurface(10, 10);
  t.LineBF(3, 5, 1, 2, kRed);
  EXPECT_EQ(t.Pixels(), s.Pixels());
  EXPECT_EQ(t.CurrentX(), 1.0f);

  Surface u = ClearedSurface(10, 10);
  u.LineBF(4, 4, 4, 4, kRed);  // a box of one pixel
  EXPECT_EQ(CountPainted(u, kRedPx), 1);
}

TEST(SurfaceClipping, EverythingOutsideIsDroppedSilently) {
  Surface s = ClearedSurface(6, 4);
  s.LineBF(-5, -5, 100, 1, kRed);
  EXPECT_EQ(CountPainted(s, kRedPx), 6 * 2);
  s.Line(-10, 3, 20, 3, kRed);
  EXPECT_EQ(CountPainted(s, kRedPx), 6 * 3);
  s.Line(-3, -3, 10, 10, 0x00FF00);  // diagonal through the middle
  EXPECT_EQ(s.PixelAt(0, 0), Px(0, 255, 0));
  EXPECT_EQ(s.PixelAt(3, 3), Px(0, 255, 0));
  s.PSet(-1, 2, kRed);
  s.PSet(6, 0, kRed);
  s.SetPixelV(0, 4, kRed);
  EXPECT_EQ(s.CurrentX(), 6.0f);
  EXPECT_EQ(s.CurrentY(), 0.0f);
  EXPECT_EQ(CountPainted(s, kRedPx), 18 - 3);  // the diagonal took three red pixels, nothing else changed

  Surface empty = ClearedSurface(0, 0);
  EXPECT_NO_THROW(empty.LineBF(0, 0, 5, 5, kRed));
  EXPECT_NO_THROW(empty.Line(0, 0, 5, 3, kRed));
}

// The line walked one step at a time over its whole length, every pixel tested on its own.
std::vector<std::uint32_t> StepByStepLine(int w, int h, std::int64_t x1, std::int64_t y1, std::int64_t x2,
                                          std::int64_t y2) {
  std::vector<std::uint32_t> px(static_cast<std::size_t>(w * h), kCleared);
  std::int64_t x = x1, y = y1;
  const std::int64_t dx = std::llabs(x2 - x1), dy = -std::llabs(y2 - y1);
  const int sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
  std::int64_t err = dx + dy;
  while (x != x2 || y != y2) {
    if (x >= 0 && y >= 0 && x < w && y < h) px[static_cast<std::size_t>(y * w + x)] = kRedPx;
    const std::int64_t e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y += sy;
    }
  }
  return px;
}

TEST(SurfaceClipping, LinesFromFarOutsideMatchTheStepByStepWalk) {
  std::uint32_t seed = 12345;
  const auto next = [&](int range) {
    seed = seed * 1103515245u + 12345u;
    return static_cast<int>((seed >> 8) % static_cast<std::uint32_t>(2 * range + 1)) - range;
  };
  for (int i = 0; i < 3000; ++i) {
    const int range = i % 3 == 0 ? 30 : 400;  // near the surface, and entering it from far away
    const int x1 = next(range), y1 = next(range), x2 = next(range), y2 = next(range);
    if (x1 == x2 || y1 == y2) continue;
    Surface s = ClearedSurface(25, 17);
    s.Line(x1, y1, x2, y2, kRed);
    ASSERT_EQ(s.Pixels().pixels, StepByStepLine(25, 17, x1, y1, x2, y2))
        << x1 << ", " << y1 << " to " << x2 << ", " << y2;
  }
  // End points at the 32-bit limits: the diagonal through the surface, and one that misses it.
  constexpr std::int32_t lo = std::numeric_limits<std::int32_t>::min(), hi = std::numeric_limits<std::int32_t>::max();
  Surface s = ClearedSurface(25, 25);
  s.Line(lo, lo, hi, hi, kRed);
  for (int i = 0; i < 25; ++i) EXPECT_EQ(s.PixelAt(i, i), kRedPx) << i;
  EXPECT_EQ(CountPainted(s, kRedPx), 25);
  Surface t = ClearedSurface(25, 25);
  t.Line(lo, hi, hi, hi - 1, kRed);
  EXPECT_EQ(CountPainted(t, kRedPx), 0);
}

TEST(SurfacePoints, PSetMovesThePositionSetPixelVDoesNot) {
  Surface s = ClearedSurface(5, 5);
  s.PSet(1, 2, kRed);
  EXPECT_EQ(s.PixelAt(1, 2), kRedPx);
  EXPECT_EQ(s.CurrentX(), 1.0f);
  EXPECT_EQ(s.CurrentY(), 2.0f);
  s.SetPixelV(4, 4, 0xFF0000);
  EXPECT_EQ(s.PixelAt(4, 4), Px(0, 0, 255));
  EXPECT_EQ(s.CurrentX(), 1.0f);
  EXPECT_EQ(s.CurrentY(), 2.0f);
}

TEST(SurfaceColours, SystemColoursAreTranslated) {
  const auto saved = platform::GetSystemColorTable();
  platform::SetSysColor(platform::COLOR_BTNFACE, Ole(1, 2, 3));
  Surface s = ClearedSurface(2, 1);
  s.PSet(0, 0, static_cast<std::int32_t>(0x8000000F));
  EXPECT_EQ(s.PixelAt(0, 0), Px(1, 2, 3));
  platform::SetSystemColorTable(saved);
}

TEST(SurfaceImage, IsASnapshotAndClearRestoresTheBackground) {
  Surface s = ClearedSurface(4, 3);
  s.PSet(2, 1, kRed);
  auto snapshot = s.Image();
  s.Clear();
  EXPECT_EQ(snapshot->At(2, 1), kRedPx);
  EXPECT_EQ(snapshot->width, 4);
  EXPECT_EQ(snapshot->height, 3);
  EXPECT_EQ(s.PixelAt(2, 1), kCleared);
  EXPECT_EQ(s.CurrentX(), 0.0f);
  EXPECT_EQ(s.CurrentY(), 0.0f);

  s.Resize(7, 2);
  EXPECT_EQ(s.Width(), 7);
  EXPECT_EQ(s.Height(), 2);
  EXPECT_EQ(CountPainted(s, kCleared), 14);
}

TEST(SurfaceImage, DrawingAfterPublishingNeverReachesThePublishedImage) {
  Surface s = ClearedSurface(4, 3);
  s.PSet(1, 1, kRed);
  auto shown = s.Image();
  s.PSet(2, 1, kRed);  // no clear in between: the drawing so far must come along
  s.Line(0, 2, 4, 2, kRed);
  EXPECT_EQ(shown->At(1, 1), kRedPx);
  EXPECT_EQ(shown->At(2, 1), kCleared);
  EXPECT_EQ(shown->At(0, 2), kCleared);
  EXPECT_EQ(s.PixelAt(1, 1), kRedPx);
  EXPECT_EQ(s.PixelAt(2, 1), kRedPx);
  EXPECT_EQ(s.PixelAt(3, 2), kRedPx);

  const Surface copy = s;  // a copy draws on its own pixels
  s.PSet(0, 0, kRed);
  EXPECT_EQ(copy.PixelAt(0, 0), kCleared);
}

TEST(SurfaceImage, TwoBuffersTakeTurnsWhileTheHostHoldsTheLastImage) {
  Surface s = ClearedSurface(8, 6);
  std::shared_ptr<const Image> shown;
  std::vector<const std::uint32_t*> buffers;
  for (int n = 0; n < 6; ++n) {
    s.PSet(n, 0, kRed);
    shown = s.Image();  // the host lets go of the previous image here
    s.Clear();
    buffers.push_back(shown->pixels.data());
    EXPECT_EQ(shown->At(n, 0), kRedPx) << n;
    if (n > 0) {
      EXPECT_EQ(shown->At(n - 1, 0), kCleared) << "a reused buffer kept an old drawing";
    }
  }
  EXPECT_NE(buffers[0], buffers[1]);
  for (std::size_t n = 2; n < buffers.size(); ++n) EXPECT_EQ(buffers[n], buffers[n - 2]) << n;

  // A host that lets go before the next drawing leaves the surface a single buffer.
  shown.reset();
  s.PSet(0, 0, kRed);
  const std::uint32_t* single = s.Image()->pixels.data();
  s.Clear();
  s.PSet(1, 0, kRed);
  EXPECT_EQ(s.Image()->pixels.data(), single);
}

TEST(SurfaceClear, UsesTheBackColourOfTheMomentItWasAskedFor) {
  Surface s = ClearedSurface(3, 2);
  s.PSet(0, 0, kRed);
  s.Clear();
  s.SetBackColor(0x00FF00);  // later back colour: for the next clear only
  EXPECT_EQ(s.PixelAt(0, 0), kCleared);
  s.Clear();
  EXPECT_EQ(s.PixelAt(2, 1), Px(0, 255, 0));
}

TEST(SurfaceCanvas, OwesTheClearOnlyOnceAndKeepsDrawingOtherwise) {
  Surface s = ClearedSurface(3, 2);
  s.PSet(1, 1, kRed);
  Surface::Canvas kept = s.OpenCanvas();
  EXPECT_FALSE(kept.fillAll);
  EXPECT_EQ(kept.pixels[1 * 3 + 1], kRedPx);

  s.Clear();
  Surface::Canvas owed = s.OpenCanvas();
  EXPECT_TRUE(owed.fillAll);
  EXPECT_EQ(owed.clearPixel, kCleared);
  std::fill(owed.pixels, owed.pixels + 6, kRedPx);  // the promise: every pixel written
  EXPECT_FALSE(s.OpenCanvas().fillAll);
  EXPECT_EQ(CountPainted(s, kRedPx), 6);
}

TEST(SurfaceText, MeasuresAndPrintsThroughTheEngineAtTheCurrentPosition) {
  auto engine = std::make_shared<gloss::testing::FixedTextEngine>();
  Surface s = ClearedSurface(40, 20);
  s.SetTextEngine(engine);
  Font f;
  f.name = "Song";
  s.SetFont(f);
  EXPECT_EQ(s.TextWidth("abc"), 21.0);
  EXPECT_EQ(s.TextHeight("abc"), 13.0);
  s.SetForeColor(kRed);
  s.SetCurrentX(3);
  s.SetCurrentY(2);
  s.Print("ab");
  ASSERT_EQ(engine->Calls().size(), 1u);
  EXPECT_EQ(engine->Calls()[0].font, f);
  // Corners of the two cells, nothing between them.
  EXPECT_EQ(s.PixelAt(3, 2), kRedPx);
  EXPECT_EQ(s.PixelAt(9, 2), kRedPx);
  EXPECT_EQ(s.PixelAt(10, 2), kRedPx);
  EXPECT_EQ(s.PixelAt(16, 14), kRedPx);
  EXPECT_EQ(s.PixelAt(5, 5), kCleared);
  EXPECT_EQ(CountPainted(s, kRedPx), 8);

  s.Print("");
  EXPECT_EQ(engine->Calls().size(), 1u);
}

TEST(SurfaceText, WithoutAnEngineTextIsAnError) {
  Surface s = ClearedSurface(4, 4);
  EXPECT_THROW(s.TextWidth("x"), std::logic_error);
  EXPECT_THROW(s.Print("x"), std::logic_error);
  EXPECT_NO_THROW(s.Print(""));
}

TEST(SurfacePicture, DrawsAtNaturalSizeClippedKeepingTransparentPixels) {
  Picture pic;
  pic.image = Image(3, 2, Px(0, 0, 255));
  pic.image.pixels[1] = 0x00000000u;  // transparent at (1, 0)
  Surface s = ClearedSurface(4, 4);
  s.DrawPicture(pic, 2, 1, 3, 2);
  EXPECT_EQ(s.PixelAt(2, 1), Px(0, 0, 255));
  EXPECT_EQ(s.PixelAt(3, 1), kCleared);
  EXPECT_EQ(s.PixelAt(3, 2), Px(0, 0, 255));
  EXPECT_EQ(s.PixelAt(1, 1), kCleared);
  EXPECT_EQ(CountPainted(s, Px(0, 0, 255)), 3);  // column 4 falls outside

  Surface t = ClearedSurface(8, 8);
  t.DrawPicture(pic, 0, 0, 6, 4);  // asked for twice the size: stretched
  EXPECT_EQ(CountPainted(t, Px(0, 0, 255)), 24 - 4);

  // Stretched far beyond the surface and placed before its origin: the part that lands on it
  // samples the picture as the whole would.
  Picture big;
  big.image = Image(2, 2, Px(0, 0, 255));
  big.image.pixels[3] = Px(0, 255, 0);  // bottom right
  constexpr std::int32_t huge = std::numeric_limits<std::int32_t>::max();
  Surface u = ClearedSurface(6, 6);
  u.DrawPicture(big, -(huge / 2) + 3, -(huge / 2) + 3, huge, huge);
  // Column 3 is column huge / 2 of the picture, the last one still mapped to its left half.
  EXPECT_EQ(u.PixelAt(3, 3), Px(0, 0, 255));
  EXPECT_EQ(u.PixelAt(4, 4), Px(0, 255, 0));
  EXPECT_EQ(u.PixelAt(3, 4), Px(0, 0, 255));
  EXPECT_EQ(u.PixelAt(4, 3), Px(0, 0, 255));
  EXPECT_EQ(CountPainted(u, Px(0, 255, 0)), 4);
}

}  // namespace
