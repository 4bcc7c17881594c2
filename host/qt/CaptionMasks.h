#pragma once
// Replaying a printed caption from a per-pixel coverage mask. A caption is usually printed again
// and again at the same place: from its second print its effect on the pixels is recorded from
// Qt's own drawText and then replayed, but only once the recording has reproduced drawText on
// every background level.
#include <QImage>
#include <QPainter>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <string>

#include "glossbutton/render/TextEngine.h"
#include "host/qt/TextMetricsCache.h"

namespace host {

// One painter set up exactly as every print draws: the font, the colour as pen and the measured
// box as clip. Nothing outside the measured box: a glyph that bears left of the pen is cut
// rather than spilling onto pixels the caller did not account for.
class CaptionPainter {
 public:
  CaptionPainter(QImage& image, double x, double y, const QtFont& font, std::uint32_t color, const Extent& box);
  void Draw(const QStringList& lines);

 private:
  QPainter painter_;
  double x_, y_;
  const QtFont& font_;
};

class CaptionMasks {
 public:
  struct Counts {
    std::uint64_t built = 0;
    std::uint64_t refused = 0;      // Qt's output could not be recorded or replayed exactly
    std::uint64_t tableResets = 0;  // so many colours were seen that every mask was let go
  };

  // Fonts and extents come from metrics, which must outlive this.
  explicit CaptionMasks(TextMetricsCache& metrics);
  ~CaptionMasks();
  CaptionMasks(const CaptionMasks&) = delete;
  CaptionMasks& operator=(const CaptionMasks&) = delete;

  // Applies the caption's mask to target and returns true, or returns false (touching nothing)
  // when this caption has no usable mask yet: the caller then draws it with Qt.
  bool Replay(gloss::PixelView target, double x, double y, const gloss::Font& font, std::uint32_t color,
              const std::string& text);
  const Counts& Stats() const;

 private:
  struct Store;
  std::unique_ptr<Store> store_;
};

}  // namespace host
