#pragma once
// Caption text through GDI: measured with GetTextExtentPoint32W, drawn with TextOutW into a
// DIB section and copied onto the control's surface glyph pixel by glyph pixel.
#include "glossbutton/render/TextEngine.h"

namespace win32host {

class GdiTextEngine final : public gloss::TextEngine {
 public:
  GdiTextEngine();
  ~GdiTextEngine() override;
  GdiTextEngine(const GdiTextEngine&) = delete;
  GdiTextEngine& operator=(const GdiTextEngine&) = delete;

  double TextWidth(const gloss::Font& font, const std::string& text) override;
  double TextHeight(const gloss::Font& font, const std::string& text) override;
  void Print(gloss::PixelView target, double x, double y, const gloss::Font& font, std::uint32_t color,
             const std::string& text) override;

 private:
  void* m_Dc = nullptr;  // a memory DC for measuring
};

}  // namespace win32host
