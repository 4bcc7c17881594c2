#pragma once
// The off-screen drawing surface a button paints into: lines that leave out their end point,
// filled boxes, single pixels, text through a TextEngine, pictures, and a shared copy of the
// result. Colours come in as OLE values; pixels are kept as 0xFFRRGGBB. Whatever falls outside
// the surface is dropped silently.
#include <cstdint>
#include <memory>
#include <string>

#include "glossbutton/render/Image.h"
#include "glossbutton/render/TextEngine.h"

namespace gloss {

class Surface {
 public:
  explicit Surface(std::int32_t width = 0, std::int32_t height = 0, std::shared_ptr<TextEngine> text = nullptr);

  std::int32_t Width() const { return pixels_.width; }
  std::int32_t Height() const { return pixels_.height; }
  float ScaleWidth() const { return static_cast<float>(pixels_.width); }
  float ScaleHeight() const { return static_cast<float>(pixels_.height); }
  // New size; the old drawing is discarded.
  void Resize(std::int32_t width, std::int32_t height);

  // What a cleared surface shows (OLE colour; white unless set).
  void SetBackColor(std::int32_t oleColor) { backColor_ = oleColor; }
  std::int32_t BackColor() const { return backColor_; }
  // Discards all drawing and puts the current position back at (0, 0).
  void Clear();

  // One-pixel line from (x1, y1) towards (x2, y2), end point excluded (Bresenham, stepping from
  // the first point). The current position becomes (x2, y2).
  void Line(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::int32_t color);
  // Filled box, both corners included, in either order. The current position becomes (x2, y2).
  void LineBF(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::int32_t color);
  void PSet(std::int32_t x, std::int32_t y, std::int32_t color);
  // Sets one pixel without touching the current position.
  void SetPixelV(std::int32_t x, std::int32_t y, std::int32_t color) {
    if (x >= 0 && y >= 0 && x < pixels_.width && y < pixels_.height)
      pixels_.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(pixels_.width) +
                     static_cast<std::size_t>(x)] = ToPixel(color);
  }

  float CurrentX() const { return currentX_; }
  float CurrentY() const { return currentY_; }
  void SetCurrentX(float x) { currentX_ = x; }
  void SetCurrentY(float y) { currentY_ = y; }

  std::int32_t ForeColor() const { return foreColor_; }
  void SetForeColor(std::int32_t oleColor) { foreColor_ = oleColor; }
  const gloss::Font& Font() const { return font_; }
  void SetFont(const gloss::Font& font) { font_ = font; }

  void SetTextEngine(std::shared_ptr<TextEngine> text) { text_ = std::move(text); }
  // Text needs an engine: without one these throw std::logic_error.
  double TextWidth(const std::string& s) const;
  double TextHeight(const std::string& s) const;
  // Draws s with its top-left corner at the current position in ForeColor; an empty s draws nothing.
  void Print(const std::string& s);

  // Draws the picture into the rectangle (x, y, width, height); at its natural pixel size when
  // the rectangle matches the image, otherwise stretched by nearest pixel. Fully transparent
  // pixels (alpha 0) leave the surface as it is.
  void DrawPicture(const Picture& picture, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height);

  // A copy of the current drawing, shared and never changed afterwards.
  std::shared_ptr<const gloss::Image> Image() const { return std::make_shared<const gloss::Image>(pixels_); }
  const gloss::Image& Pixels() const { return pixels_; }
  std::uint32_t PixelAt(std::int32_t x, std::int32_t y) const { return pixels_.At(x, y); }

  // OLE colour (system colours translated, untranslatable ones black) to a stored pixel.
  static std::uint32_t ToPixel(std::int32_t oleColor);

 private:
  void FillRow(std::int32_t y, std::int32_t xFrom, std::int32_t xTo, std::uint32_t px);  // inclusive, clipped
  TextEngine& Engine() const;

  gloss::Image pixels_;
  std::int32_t backColor_ = 0xFFFFFF;
  std::int32_t foreColor_ = 0;
  gloss::Font font_;
  float currentX_ = 0;
  float currentY_ = 0;
  std::shared_ptr<TextEngine> text_;
};

}  // namespace gloss
