#include "host/qt/TextMetricsCache.h"

#include <algorithm>
#include <functional>

#include "host/qt/QtFontSetup.h"

namespace host {
namespace {

constexpr std::size_t kMaxExtents = 512, kMaxFonts = 16;

}  // namespace

QStringList Lines(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).split(QLatin1Char('\n'));
}

std::size_t HashMix(std::size_t seed, std::size_t value) {
  return seed ^ (value + 0x9E3779B97F4A7C15ull + (seed << 6) + (seed >> 2));
}

std::size_t HashOf(const gloss::Font& f) {
  std::size_t h = std::hash<std::string>{}(f.name);
  h = HashMix(h, std::hash<double>{}(f.size));
  h = HashMix(
      h, static_cast<std::size_t>(static_cast<std::uint16_t>(f.weight)) << 16 | static_cast<std::uint16_t>(f.charset));
  return HashMix(h, (f.italic ? 1u : 0u) | (f.underline ? 2u : 0u) | (f.strikethrough ? 4u : 0u));
}

std::size_t TextMetricsCache::TextKeyHash::operator()(const TextKey& k) const {
  return HashMix(HashOf(k.font), std::hash<std::string>{}(k.text));
}

const QtFont& TextMetricsCache::FontFor(const gloss::Font& font) {
  for (const auto& [f, q] : fonts_)
    if (f == font) return *q;
  if (fonts_.size() >= kMaxFonts) fonts_.erase(fonts_.begin());
  fonts_.emplace_back(font, std::make_unique<QtFont>(ToQFont(font)));
  return *fonts_.back().second;
}

const Extent& TextMetricsCache::ExtentOf(const gloss::Font& font, const std::string& text) {
  TextKey key{font, text};
  if (auto it = extents_.find(key); it != extents_.end()) return it->second;
  const QFontMetricsF& metrics = FontFor(font).metrics;
  const QStringList lines = Lines(text);
  Extent e;
  for (const QString& line : lines) {
    // Italic and some glyphs reach past their advance; the box must hold the ink.
    const double ink = line.isEmpty() ? 0.0 : metrics.boundingRect(line).right();
    e.width = std::max({e.width, metrics.horizontalAdvance(line), ink});
  }
  e.height = metrics.height() * static_cast<double>(lines.size());
  if (extents_.size() >= kMaxExtents) extents_.clear();
  return extents_.emplace(std::move(key), e).first->second;
}

}  // namespace host
