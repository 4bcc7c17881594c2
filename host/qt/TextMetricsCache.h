#pragma once
// Qt fonts and caption extents, kept per font value and text so that a caption measured at every
// redraw is measured by Qt once.
#include <QFont>
#include <QFontMetricsF>
#include <QStringList>

#include <cstddef>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "glossbutton/render/Image.h"

namespace host {

// A caption's lines, split at '\n'.
QStringList Lines(const std::string& text);

struct QtFont {
  QFont font;
  QFontMetricsF metrics;
  explicit QtFont(const QFont& f) : font(f), metrics(f) {}
};

struct Extent {
  double width = 0;
  double height = 0;
};

std::size_t HashMix(std::size_t seed, std::size_t value);
std::size_t HashOf(const gloss::Font& font);

class TextMetricsCache {
 public:
  const QtFont& FontFor(const gloss::Font& font);
  // The box a caption fills: the widest line's advance (or its ink, if that reaches further) by
  // one font height per line.
  const Extent& ExtentOf(const gloss::Font& font, const std::string& text);

 private:
  struct TextKey {
    gloss::Font font;
    std::string text;
    bool operator==(const TextKey&) const = default;
  };
  struct TextKeyHash {
    std::size_t operator()(const TextKey& k) const;
  };
  std::vector<std::pair<gloss::Font, std::unique_ptr<QtFont>>> fonts_;
  std::unordered_map<TextKey, Extent, TextKeyHash> extents_;
};

}  // namespace host
