#pragma once
// The control's text measurement and output on Qt: an adapter over the font set-up, the
// measurement cache and the caption masks. Needs a QGuiApplication.
#include <QFont>

#include <cstdint>
#include <memory>

#include "glossbutton/render/TextEngine.h"

namespace host {

class QtTextEngine : public gloss::TextEngine {
 public:
  QtTextEngine();
  ~QtTextEngine() override;
  QtTextEngine(const QtTextEngine&) = delete;
  QtTextEngine& operator=(const QtTextEngine&) = delete;

  // Our font value as a Qt font: points at 96 dots per inch become whole pixels, Windows
  // weights map straight onto Qt's, and the Song face names map onto the installed Ming face.
  static QFont ToQFont(const gloss::Font& font);

  // The box Print fills: the widest line's advance (or its ink, if that reaches further) by
  // one font height per line.
  double TextWidth(const gloss::Font& font, const std::string& text) override;
  double TextHeight(const gloss::Font& font, const std::string& text) override;
  // A caption is usually printed again and again at the same place: after the first time its
  // effect on the pixels is replayed from a per-pixel coverage mask, which is kept only once it
  // has reproduced Qt's own drawText on every background level. Anything else is drawn by Qt.
  void Print(gloss::PixelView target, double x, double y, const gloss::Font& font, std::uint32_t color,
             const std::string& text) override;
  // Always through QPainter::drawText, never the mask: the reference the masks must match.
  void PrintDirect(gloss::PixelView target, double x, double y, const gloss::Font& font, std::uint32_t color,
                   const std::string& text);

  // How Print calls were served, so that a lost fast path shows up in tests.
  struct PrintStats {
    std::uint64_t fromMask = 0;  // replayed from a mask
    std::uint64_t drawn = 0;     // drawn by Qt
    std::uint64_t masksBuilt = 0;
    std::uint64_t masksRefused = 0;  // Qt's output could not be recorded or replayed exactly
    std::uint64_t tableResets = 0;   // so many colours were seen that every mask was let go
  };
  const PrintStats& Stats() const;

  // Family names registered or substituted at start, for diagnostics.
  static QString SongFace();

 private:
  struct Parts;
  std::unique_ptr<Parts> parts_;
};

}  // namespace host
