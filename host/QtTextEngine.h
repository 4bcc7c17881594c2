#pragma once
// The control's text measurement and output on Qt. Needs a QGuiApplication.
#include <QFont>

#include "glossbutton/render/TextEngine.h"

namespace host {

class QtTextEngine : public gloss::TextEngine {
 public:
  QtTextEngine();

  // Our font value as a Qt font: points at 96 dots per inch become whole pixels, Windows
  // weights map straight onto Qt's, and the Song face names map onto the installed Ming face.
  static QFont ToQFont(const gloss::Font& font);

  // The box Print fills: the widest line's advance (or its ink, if that reaches further) by
  // one font height per line.
  double TextWidth(const gloss::Font& font, const std::string& text) override;
  double TextHeight(const gloss::Font& font, const std::string& text) override;
  void Print(gloss::PixelView target, double x, double y, const gloss::Font& font, std::uint32_t color,
             const std::string& text) override;

  // Family names registered or substituted at start, for diagnostics.
  static QString SongFace();
};

}  // namespace host
