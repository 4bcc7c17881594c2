// Printing from the engine's remembered coverage masks must give exactly the pixels that
// QPainter::drawText gives, on any background. The referee below is the plain drawing path
// written out again with Qt alone, so it shares no cache with the engine.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include <cstdint>
#include <string>
#include <vector>

#include "host/qt/QtTextEngine.h"

namespace {

using gloss::Font;
using host::QtTextEngine;

Font F(const char* name, double size, int weight = 400, bool italic = false, bool underline = false,
       bool strike = false) {
  Font f;
  f.name = name;
  f.size = size;
  f.weight = static_cast<std::int16_t>(weight);
  f.italic = italic;
  f.underline = underline;
  f.strikethrough = strike;
  return f;
}

QStringList Lines(const std::string& text) { return QString::fromStdString(text).split(QLatin1Char('\n')); }

// Measurement and drawing straight from Qt, every call from scratch.
double RefWidth(const Font& font, const std::string& text) {
  const QFontMetricsF m(QtTextEngine::ToQFont(font));
  double width = 0;
  for (const QString& line : Lines(text))
    width = std::max({width, m.horizontalAdvance(line), line.isEmpty() ? 0.0 : m.boundingRect(line).right()});
  return width;
}
double RefHeight(const Font& font, const std::string& text) {
  return QFontMetricsF(QtTextEngine::ToQFont(font)).height() * Lines(text).size();
}
void RefPrint(gloss::PixelView t, double x, double y, const Font& font, std::uint32_t color, const std::string& text) {
  QImage image(reinterpret_cast<uchar*>(t.pixels), t.width, t.height, t.stride * 4, QImage::Format_RGB32);
  const QFont q = QtTextEngine::ToQFont(font);
  const QFontMetricsF m(q);
  QPainter p(&image);
  p.setFont(q);
  p.setPen(QColor::fromRgb(color));
  p.setClipRect(QRectF(x, y, RefWidth(font, text), RefHeight(font, text)));
  double baseline = y + m.ascent();
  for (const QString& line : Lines(text)) {
    p.drawText(QPointF(x, baseline), line);
    baseline += m.height();
  }
}

struct Rng {
  std::uint32_t s;
  std::uint32_t Next() {
    s ^= s << 13, s ^= s >> 17, s ^= s << 5;
    return s;
  }
};

// Backgrounds of several kinds; buffers wider than the view, so writes past the view show.
std::vector<std::vector<std::uint32_t>> Backgrounds(int stride, int rows) {
  const std::size_t n = static_cast<std::size_t>(stride) * rows;
  std::vector<std::vector<std::uint32_t>> out;
  out.emplace_back(n, 0xFF000000u);
  out.emplace_back(n, 0xFFFFFFFFu);
  out.emplace_back(n, 0xFFC0392Bu);
  std::vector<std::uint32_t> ramp(n);
  for (std::size_t i = 0; i < n; ++i) {
    const auto x = static_cast<std::uint32_t>(i % stride), y = static_cast<std::uint32_t>(i / stride);
    ramp[i] = 0xFF000000u | ((x * 7) & 0xFF) << 16 | ((y * 11) & 0xFF) << 8 | ((x + y) * 5 & 0xFF);
  }
  out.push_back(ramp);
  Rng rng{0x9E3779B9u};
  for (int k = 0; k < 3; ++k) {
    std::vector<std::uint32_t> noise(n);
    for (auto& px : noise) px = 0xFF000000u | (rng.Next() & 0xFFFFFFu);
    out.push_back(noise);
  }
  return out;
}

struct Case {
  Font font;
  std::string text;
  std::uint32_t color;
  double x, y;
};

// Prints with the engine (twice on each background: the first print of a caption is drawn by Qt,
// the second builds its mask, the rest replay it) and with the referee on each background, and
// compares every pixel of the buffer. Returns the number of engine prints.
int ExpectSameAsDrawText(QtTextEngine& engine, const Case& c, int width, int height, int extra = 7) {
  int prints = 0;
  const int stride = width + extra, rows = height + 5;
  for (const auto& background : Backgrounds(stride, rows)) {
    std::vector<std::uint32_t> expected = background;
    RefPrint({expected.data(), width, height, stride}, c.x, c.y, c.font, c.color, c.text);
    for (int pass = 0; pass < 2; ++pass) {
      std::vector<std::uint32_t> actual = background;
      engine.Print({actual.data(), width, height, stride}, c.x, c.y, c.font, c.color, c.text);
      ++prints;
      EXPECT_EQ(actual, expected) << "pass " << pass;
      if (actual != expected) return prints;
    }
  }
  return prints;
}

const Font kFonts[] = {F("Tahoma", 9),
                       F("Tahoma", 9, 700),
                       F("宋体", 9, 700),
                       F("DejaVu Serif", 14, 400, true),
                       F("Tahoma", 12, 400, false, true, true),
                       F("SimSun", 15),
                       F("DejaVu Sans", 26)};
const char* const kTexts[] = {"OK", "\xC3\x97", "-", "开启音乐", "Wj|gy_f", "fj\nAVA", "邮箱：hi@x"};
const std::uint32_t kColors[] = {0xFF000000u, 0xFFFFFFFFu, 0xFF3A7BD5u, 0xFFE0FF10u};

TEST(QtTextEngineMask, CachedPrintsMatchDrawTextOnEveryBackground) {
  QtTextEngine engine;
  const std::pair<double, double> origins[] = {{4, 3}, {10.5, 6.25}, {0, 0}};
  std::uint64_t prints = 0;
  auto check = [&](const Font& f, const char* text, std::uint32_t color, std::pair<double, double> at) {
    SCOPED_TRACE(f.name + " " + std::to_string(f.size) + " '" + text + "' colour " + std::to_string(color) + " at " +
                 std::to_string(at.first) + "," + std::to_string(at.second));
    prints += ExpectSameAsDrawText(engine, {f, text, color, at.first, at.second}, 140, 80);
  };
  // Every font with every text, colour and position taking turns; then the program's own
  // captions in every colour at every position.
  for (std::size_t fi = 0; fi < std::size(kFonts); ++fi)
    for (std::size_t ti = 0; ti < std::size(kTexts); ++ti)
      check(kFonts[fi], kTexts[ti], kColors[(fi + ti) % std::size(kColors)],
            origins[(fi * 7 + ti) % std::size(origins)]);
  for (std::uint32_t color : kColors)
    for (const auto& at : origins) {
      check(F("Tahoma", 9), "OK", color, at);
      check(F("宋体", 9, 700), "\xC3\x97", color, at);
    }
  // The point of the masks: each caption is drawn by Qt once, then always replayed.
  const auto& stats = engine.Stats();
  EXPECT_EQ(stats.masksRefused, 0u);
  EXPECT_EQ(stats.masksBuilt, stats.drawn);
  EXPECT_EQ(stats.fromMask + stats.drawn, prints);
  EXPECT_GE(stats.fromMask, 12 * stats.drawn);
}

TEST(QtTextEngineMask, ClippedViewsMatchDrawText) {
  QtTextEngine engine;
  const Font f = F("Tahoma", 14, 700);
  // Text running off the right and bottom of small views; a caption larger than its button.
  for (const auto& [x, y] : {std::pair{20.0, 4.0}, std::pair{2.0, 1.0}, std::pair{11.0, 9.5}}) {
    SCOPED_TRACE(std::to_string(x) + "," + std::to_string(y));
    ExpectSameAsDrawText(engine, {f, "WWWWWW", 0xFF10E070u, x, y}, 30, 12, 40);
    ExpectSameAsDrawText(engine, {f, "OK", 0xFFFFFFFFu, x, y}, 25, 25);
  }
}

TEST(QtTextEngineMask, PositionsLeftOrAboveTheViewAreDrawnByQt) {
  QtTextEngine engine;
  const Font f = F("Tahoma", 14, 700);
  for (const auto& [x, y] : {std::pair{-6.0, -5.0}, std::pair{-40.0, 6.0}, std::pair{3.0, -0.5}}) {
    SCOPED_TRACE(std::to_string(x) + "," + std::to_string(y));
    ExpectSameAsDrawText(engine, {f, "WWWWWW", 0xFFFFFFFFu, x, y}, 30, 12, 40);
  }
  EXPECT_EQ(engine.Stats().fromMask, 0u);
  EXPECT_GT(engine.Stats().drawn, 0u);
}

TEST(QtTextEngineMask, ManyCaptionsAtOnceStayCorrect) {
  // More captions than the engine keeps masks for, then the first ones again.
  QtTextEngine engine;
  const Font f = F("Tahoma", 9);
  for (int round = 0; round < 2; ++round) {
    for (int i = 0; i < 80; ++i) {
      SCOPED_TRACE(i);
      const Case c{i % 2 ? f : F("Tahoma", 9, 700), "n" + std::to_string(i), 0xFF000000u | (i * 0x030507u),
                   static_cast<double>(i % 9), static_cast<double>(i % 5)};
      std::vector<std::uint32_t> expected(60 * 20, 0xFF808080u);
      RefPrint({expected.data(), 60, 20, 60}, c.x, c.y, c.font, c.color, c.text);
      for (int pass = 0; pass < 3; ++pass) {  // drawn, built, replayed
        std::vector<std::uint32_t> actual(60 * 20, 0xFF808080u);
        engine.Print({actual.data(), 60, 20, 60}, c.x, c.y, c.font, c.color, c.text);
        ASSERT_EQ(actual, expected) << "pass " << pass;
      }
    }
  }
  EXPECT_GT(engine.Stats().masksBuilt, 80u);  // the first ones were let go and built again
}

TEST(QtTextEngineMask, CaptionsInManyColoursStayCorrect) {
  // Each colour brings its own blend tables; past the engine's limit they are all let go, and the
  // masks built before must not replay tables that are gone.
  QtTextEngine engine;
  const Font f = F("DejaVu Sans", 26, 700, true);
  const std::string text = "Wj|gy_f\nAVA@";
  auto check = [&](std::uint32_t color) {
    std::vector<std::uint32_t> expected(140 * 90);
    Rng rng{color};
    for (auto& px : expected) px = 0xFF000000u | (rng.Next() & 0xFFFFFFu);
    const std::vector<std::uint32_t> background = expected;
    RefPrint({expected.data(), 140, 90, 140}, 3, 2, f, color, text);
    for (int pass = 0; pass < 3; ++pass) {
      std::vector<std::uint32_t> actual = background;
      engine.Print({actual.data(), 140, 90, 140}, 3, 2, f, color, text);
      ASSERT_EQ(actual, expected) << "colour " << color << " pass " << pass;
    }
  };
  std::uint32_t color = 0xFF000000u;
  for (int i = 0; i < 60 && engine.Stats().tableResets == 0; ++i) {
    color = 0xFF000000u | (0x1F3A57u * static_cast<std::uint32_t>(i + 1) & 0xFFFFFFu);
    check(color);
  }
  ASSERT_GT(engine.Stats().tableResets, 0u);
  check(0xFF1F3A57u);  // the first colour, from before the reset
  check(color);        // the one whose mask was built as the tables were let go
  EXPECT_EQ(engine.Stats().masksRefused, 0u);
}

TEST(QtTextEngineMask, RememberedMeasurementsBelongToTheirFontAndText) {
  QtTextEngine engine;
  // Interleaved, so that a measurement handed out for the wrong key would show.
  for (int round = 0; round < 2; ++round)
    for (const Font& f : kFonts)
      for (const char* text : kTexts) {
        SCOPED_TRACE(f.name + " " + std::to_string(f.size) + " '" + text + "'");
        EXPECT_EQ(engine.TextWidth(f, text), RefWidth(f, text));
        EXPECT_EQ(engine.TextHeight(f, text), RefHeight(f, text));
      }
}

TEST(QtTextEngineMask, DirectPrintMatchesTheReferee) {
  QtTextEngine engine;
  for (const Font& f : kFonts) {
    SCOPED_TRACE(f.name);
    std::vector<std::uint32_t> expected(100 * 50, 0xFF336699u), actual = expected;
    RefPrint({expected.data(), 100, 50, 100}, 3.5, 2, f, 0xFFFFFF00u, "Gloss\nOK");
    engine.PrintDirect({actual.data(), 100, 50, 100}, 3.5, 2, f, 0xFFFFFF00u, "Gloss\nOK");
    EXPECT_EQ(actual, expected);
  }
  EXPECT_EQ(engine.Stats().fromMask, 0u);
}

}  // namespace
