#include "host/qt/QtTextEngine.h"

#include <QImage>

#include "host/qt/CaptionMasks.h"
#include "host/qt/QtFontSetup.h"
#include "host/qt/TextMetricsCache.h"

namespace host {
namespace {

bool Drawable(const gloss::PixelView& target, const std::string& text) {
  return target.pixels && target.width > 0 && target.height > 0 && target.stride >= target.width && !text.empty();
}

QImage Wrap(gloss::PixelView target) {
  return QImage(reinterpret_cast<uchar*>(target.pixels), target.width, target.height,
                static_cast<qsizetype>(target.stride) * 4, QImage::Format_RGB32);
}

}  // namespace

struct QtTextEngine::Parts {
  TextMetricsCache metrics;
  CaptionMasks masks{metrics};
  PrintStats stats;
};

QtTextEngine::QtTextEngine() : parts_(std::make_unique<Parts>()) { SetUpFontsOnce(); }
QtTextEngine::~QtTextEngine() = default;

QString QtTextEngine::SongFace() { return host::SongFace(); }

QFont QtTextEngine::ToQFont(const gloss::Font& font) { return host::ToQFont(font); }

double QtTextEngine::TextWidth(const gloss::Font& font, const std::string& text) {
  return parts_->metrics.ExtentOf(font, text).width;
}

double QtTextEngine::TextHeight(const gloss::Font& font, const std::string& text) {
  return parts_->metrics.ExtentOf(font, text).height;
}

const QtTextEngine::PrintStats& QtTextEngine::Stats() const { return parts_->stats; }

void QtTextEngine::Print(gloss::PixelView target, double x, double y, const gloss::Font& font, std::uint32_t color,
                         const std::string& text) {
  if (!Drawable(target, text)) return;
  const bool replayed = parts_->masks.Replay(target, x, y, font, color, text);
  // Masks are built and let go only here, so the counts are current for every caller.
  const CaptionMasks::Counts& masks = parts_->masks.Stats();
  parts_->stats.masksBuilt = masks.built;
  parts_->stats.masksRefused = masks.refused;
  parts_->stats.tableResets = masks.tableResets;
  if (replayed)
    ++parts_->stats.fromMask;
  else
    PrintDirect(target, x, y, font, color, text);
}

void QtTextEngine::PrintDirect(gloss::PixelView target, double x, double y, const gloss::Font& font,
                               std::uint32_t color, const std::string& text) {
  if (!Drawable(target, text)) return;
  ++parts_->stats.drawn;
  QImage image = Wrap(target);
  CaptionPainter painter(image, x, y, parts_->metrics.FontFor(font), color, parts_->metrics.ExtentOf(font, text));
  painter.Draw(Lines(text));
}

}  // namespace host
