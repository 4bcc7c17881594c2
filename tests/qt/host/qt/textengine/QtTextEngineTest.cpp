// The Qt text engine: font mapping, and measurement that holds every pixel Print changes.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QFontInfo>
#include <QGuiApplication>

#include <cmath>
#include <vector>

#include "host/qt/QtTextEngine.h"

namespace {

using gloss::Font;
using host::QtTextEngine;

Font MakeFont(const char* name, double size, int weight = 400, bool italic = false, bool underline = false) {
  Font f;
  f.name = name;
  f.size = size;
  f.weight = static_cast<std::int16_t>(weight);
  f.italic = italic;
  f.underline = underline;
  return f;
}

// A backing buffer larger than the view, so writes outside the view show up.
struct Canvas {
  static constexpr std::uint32_t kBack = 0xFF204060u;
  int width, height, stride, rows;
  std::vector<std::uint32_t> pixels;
  Canvas(int w, int h, int extraColumns = 0, int extraRows = 0)
      : width(w),
        height(h),
        stride(w + extraColumns),
        rows(h + extraRows),
        pixels(static_cast<std::size_t>(stride) * rows, kBack) {}
  gloss::PixelView View() { return {pixels.data(), width, height, stride}; }
  std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * stride + x]; }
};

struct Ink {
  int count = 0;
  int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;  // inclusive
};

Ink ChangedPixels(const Canvas& c) {
  Ink ink;
  for (int y = 0; y < c.rows; ++y) {
    for (int x = 0; x < c.stride; ++x) {
      if (c.At(x, y) == Canvas::kBack) continue;
      ++ink.count;
      ink.left = std::min(ink.left, x);
      ink.top = std::min(ink.top, y);
      ink.right = std::max(ink.right, x);
      ink.bottom = std::max(ink.bottom, y);
    }
  }
  return ink;
}

TEST(QtTextEngineFonts, PointsBecomePixelsAt96Dpi) {
  EXPECT_EQ(QtTextEngine::ToQFont(MakeFont("Tahoma", 9)).pixelSize(), 12);
  EXPECT_EQ(QtTextEngine::ToQFont(MakeFont("Tahoma", 12)).pixelSize(), 16);
  EXPECT_EQ(QtTextEngine::ToQFont(MakeFont("Tahoma", 8.25)).pixelSize(), 11);
  EXPECT_EQ(QtTextEngine::ToQFont(MakeFont("Tahoma", 24)).pixelSize(), 32);
}

TEST(QtTextEngineFonts, StyleFlagsAndWeight) {
  const QFont bold = QtTextEngine::ToQFont(MakeFont("Tahoma", 9, 700, true, true));
  EXPECT_EQ(bold.weight(), QFont::Bold);
  EXPECT_TRUE(bold.italic());
  EXPECT_TRUE(bold.underline());
  EXPECT_FALSE(bold.strikeOut());
  Font struck = MakeFont("Tahoma", 9);
  struck.strikethrough = true;
  EXPECT_TRUE(QtTextEngine::ToQFont(struck).strikeOut());
  EXPECT_EQ(QtTextEngine::ToQFont(MakeFont("Tahoma", 9)).weight(), QFont::Normal);
}

TEST(QtTextEngineFonts, SongNamesResolveToTheMingFace) {
  ASSERT_FALSE(QtTextEngine::SongFace().isEmpty()) << "no Ming face installed";
  for (const char* name : {"宋体", "SimSun"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(QFontInfo(QtTextEngine::ToQFont(MakeFont(name, 9, 700))).family(), QtTextEngine::SongFace());
  }
}

TEST(QtTextEngineFonts, TahomaIsTheStoredFaceWhereItsFileExists) {
  if (!QFileInfo::exists("/usr/share/wine/fonts/tahoma.ttf")) GTEST_SKIP() << "fonts-wine not installed";
  EXPECT_EQ(QFontInfo(QtTextEngine::ToQFont(MakeFont("Tahoma", 9))).family(), QStringLiteral("Tahoma"));
}

TEST(QtTextEngineMeasure, WidthAndHeightFollowTheText) {
  QtTextEngine engine;
  const Font f = MakeFont("Tahoma", 9);
  EXPECT_EQ(engine.TextWidth(f, ""), 0);
  EXPECT_GT(engine.TextHeight(f, ""), 0);  // an empty line still has a height
  EXPECT_GT(engine.TextWidth(f, "GlossButtons"), engine.TextWidth(f, "Gloss"));
  EXPECT_EQ(engine.TextWidth(f, "a\nGlossButton"), engine.TextWidth(f, "GlossButton"));
  EXPECT_DOUBLE_EQ(engine.TextHeight(f, "a\nb"), 2 * engine.TextHeight(f, "a"));
  EXPECT_GT(engine.TextHeight(MakeFont("Tahoma", 18), "a"), engine.TextHeight(f, "a"));
  EXPECT_GT(engine.TextWidth(MakeFont("Tahoma", 9, 700), "GlossButton"), engine.TextWidth(f, "GlossButton"));
}

// Every pixel Print changes lies inside the box TextWidth x TextHeight at the print position.
TEST(QtTextEngineMeasure, PrintStaysInsideTheMeasuredBox) {
  QtTextEngine engine;
  const Font fonts[] = {MakeFont("Tahoma", 9),
                        MakeFont("Tahoma", 9, 700),
                        MakeFont("宋体", 9, 700),
                        MakeFont("DejaVu Serif", 14, 400, true),
                        MakeFont("Tahoma", 12, 400, false, true),
                        MakeFont("SimSun", 15)};
  const char* texts[] = {"GlossButton", "\xC3\x97", "-", "开启音乐", "Wj|gy_f", "fj\nAVA", "邮箱：hi@x"};
  const std::pair<double, double> origins[] = {{10, 7}, {10.5, 3.25}};
  for (const Font& f : fonts) {
    for (const char* text : texts) {
      for (const auto& [x, y] : origins) {
        SCOPED_TRACE(f.name + " " + std::to_string(f.size) + " '" + text + "' at " + std::to_string(x));
        Canvas c(220, 90);
        engine.Print(c.View(), x, y, f, 0xFFFFFFFFu, text);
        const double w = engine.TextWidth(f, text), h = engine.TextHeight(f, text);
        const Ink ink = ChangedPixels(c);
        ASSERT_GT(ink.count, 0);
        EXPECT_GE(ink.left, std::floor(x));
        EXPECT_GE(ink.top, std::floor(y));
        EXPECT_LT(ink.right, x + w);
        EXPECT_LT(ink.bottom, y + h);
        // The box is not grossly larger than the ink either: the text fills most of its width.
        EXPECT_GT(ink.right - ink.left + 1, w * 0.6);
      }
    }
  }
}

TEST(QtTextEngineMeasure, CaptionCentredByItsMeasureIsCentred) {
  QtTextEngine engine;
  const Font f = MakeFont("Tahoma", 9);
  Canvas c(25, 25);
  const double w = engine.TextWidth(f, "\xC3\x97"), h = engine.TextHeight(f, "\xC3\x97");
  engine.Print(c.View(), std::nearbyint((25 - w) / 2), std::nearbyint((25 - h) / 2), f, 0xFFFFFFFFu, "\xC3\x97");
  const Ink ink = ChangedPixels(c);
  ASSERT_GT(ink.count, 0);
  EXPECT_LE(std::abs((ink.left + ink.right) - 24), 3);
  EXPECT_LE(std::abs((ink.top + ink.bottom) - 24), 5);
}

TEST(QtTextEnginePrint, UsesTheColourAndBlendsOnlyGlyphPixels) {
  QtTextEngine engine;
  Canvas c(120, 40);
  engine.Print(c.View(), 2, 2, MakeFont("Tahoma", 20, 700), 0xFFFF0000u, "HI");
  int solid = 0;
  for (std::uint32_t px : c.pixels) {
    EXPECT_EQ(px >> 24, 0xFFu);  // stays opaque RGB32
    if (px == 0xFFFF0000u) ++solid;
    if (px != Canvas::kBack) {
      // Between the background (0x20, 0x40, 0x60) and red: red rises as green and blue fall.
      EXPECT_GE((px >> 16) & 0xFF, 0x20u);
      EXPECT_LE((px >> 8) & 0xFF, 0x40u);
      EXPECT_LE(px & 0xFF, 0x60u);
    }
  }
  EXPECT_GT(solid, 20);  // the stems are fully covered
}

TEST(QtTextEnginePrint, ClipsToTheView) {
  QtTextEngine engine;
  const Font f = MakeFont("Tahoma", 14, 700);
  // View 30 x 12 inside a 70 x 40 buffer: text running off every edge touches only the view.
  for (const auto& [x, y] : {std::pair{-6.0, -5.0}, std::pair{20.0, 4.0}, std::pair{-40.0, 6.0}}) {
    SCOPED_TRACE(std::to_string(x) + "," + std::to_string(y));
    Canvas c(30, 12, 40, 28);
    engine.Print(c.View(), x, y, f, 0xFFFFFFFFu, "WWWWWW");
    const Ink ink = ChangedPixels(c);
    EXPECT_GT(ink.count, 0);
    EXPECT_LT(ink.right, 30);
    EXPECT_LT(ink.bottom, 12);
  }
  Canvas far(30, 12, 40, 28);
  engine.Print(far.View(), 200, 200, f, 0xFFFFFFFFu, "W");
  EXPECT_EQ(ChangedPixels(far).count, 0);
}

TEST(QtTextEnginePrint, EmptyViewOrTextDoesNothing) {
  QtTextEngine engine;
  const Font f = MakeFont("Tahoma", 9);
  engine.Print({}, 0, 0, f, 0xFFFFFFFFu, "text");
  Canvas c(20, 20);
  engine.Print(c.View(), 0, 0, f, 0xFFFFFFFFu, "");
  gloss::PixelView zeroWide = c.View();
  zeroWide.width = 0;
  engine.Print(zeroWide, 0, 0, f, 0xFFFFFFFFu, "text");
  EXPECT_EQ(ChangedPixels(c).count, 0);
}

}  // namespace

int main(int argc, char** argv) {
  // No window is shown; this also lets the test list be read without a display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
