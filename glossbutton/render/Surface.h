#pragma once
// The off-screen drawing surface a button paints into: lines that leave out their end point,
// filled boxes, single pixels, text through a TextEngine, pictures, and a shared copy of the
// result. Colours come in as OLE values; pixels are kept as 0xFFRRGGBB. Whatever falls outside
// the surface is dropped silently.
//
// A redraw must not allocate or copy once the surface has its size: Image() hands out the pixel
// buffer itself and the next write moves to a spare buffer the host has let go of (copy on
// write); Clear() only records the clear, and the first operation that needs the pixels carries
// it out, unless the operation overwrites every pixel anyway.
#include <cstdint>
#include <memory>
#include <string>

#include "glossbutton/render/Image.h"
#include "glossbutton/render/TextEngine.h"

namespace gloss {

class Surface {
 public:
  explicit Surface(std::int32_t width = 0, std::int32_t height = 0, std::shared_ptr<TextEngine> text = nullptr);
  // A copy draws on pixels of its own.
  Surface(const Surface& other);
  Surface& operator=(const Surface& other);
  Surface(Surface&&) noexcept = default;
  Surface& operator=(Surface&&) noexcept = default;

  std::int32_t Width() const { return buf_->width; }
  std::int32_t Height() const { return buf_->height; }
  float ScaleWidth() const { return static_cast<float>(buf_->width); }
  float ScaleHeight() const { return static_cast<float>(buf_->height); }
  // New size; the old drawing is discarded.
  void Resize(std::int32_t width, std::int32_t height);

  // What a cleared surface shows (OLE colour; white unless set).
  void SetBackColor(std::int32_t newValue) { backColor_ = newValue; }
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
    Touch();
    if (x >= 0 && y >= 0 && x < buf_->width && y < buf_->height)
      buf_->pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(buf_->width) + static_cast<std::size_t>(x)] =
          ToPixel(color);
  }

  float CurrentX() const { return currentX_; }
  float CurrentY() const { return currentY_; }
  void SetCurrentX(float newValue) { currentX_ = newValue; }
  void SetCurrentY(float newValue) { currentY_ = newValue; }

  std::int32_t ForeColor() const { return foreColor_; }
  void SetForeColor(std::int32_t newValue) { foreColor_ = newValue; }
  const gloss::Font& Font() const { return font_; }
  void SetFont(const gloss::Font& newValue) { font_ = newValue; }

  void SetTextEngine(std::shared_ptr<TextEngine> text) {
    text_ = std::move(text);
    widthMemo_.valid = heightMemo_.valid = false;
  }
  // Text needs an engine: without one these throw std::logic_error. A measurement depends only
  // on the font and the text, so the last one of each is remembered: a redraw measures the same
  // caption every time.
  double TextWidth(const std::string& s) const;
  double TextHeight(const std::string& s) const;
  // Draws s with its top-left corner at the current position in ForeColor; an empty s draws nothing.
  void Print(const std::string& s);

  // Draws the picture into the rectangle (x, y, width, height); at its natural pixel size when
  // the rectangle matches the image, otherwise stretched by nearest pixel. Fully transparent
  // pixels (alpha 0) leave the surface as it is.
  void DrawPicture(const Picture& picture, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height);

  // The current drawing, shared and never changed afterwards (later drawing goes elsewhere).
  std::shared_ptr<const gloss::Image> Image() const;
  const gloss::Image& Pixels() const {
    Settle();
    return *buf_;
  }
  std::uint32_t PixelAt(std::int32_t x, std::int32_t y) const { return Pixels().At(x, y); }

  // Direct row access for renderers that paint row by row. When fillAll is set, the surface was
  // cleared and the clear was left undone: the caller must then write every pixel, clearPixel
  // wherever it paints nothing. Nothing may throw between opening the canvas and that write.
  struct Canvas {
    std::uint32_t* pixels;  // row-major, stride == width
    std::int32_t width;
    std::int32_t height;
    bool fillAll;
    std::uint32_t clearPixel;
  };
  Canvas OpenCanvas();

  // Whether the surface owes a clear (Clear() not yet carried out), and the colour it will clear to.
  bool OwesClear() const { return clearPending_; }
  std::uint32_t PendingClearPixel() const { return clearPending_ ? clearPixel_ : 0u; }

  // OLE colour (system colours translated, untranslatable ones black) to a stored pixel.
  static std::uint32_t ToPixel(std::int32_t oleColor);

 private:
  void FillRow(std::int32_t y, std::int32_t xFrom, std::int32_t xTo, std::uint32_t px);  // inclusive, clipped
  TextEngine& Engine() const;

  struct Measurement {
    bool valid = false;
    gloss::Font font;
    std::string text;
    double value = 0;
  };
  template <typename Measure>
  double Measured(Measurement& memo, const std::string& s, Measure measure) const;
  mutable Measurement widthMemo_, heightMemo_;

  // Before writing: leave a published buffer and carry out a pending clear.
  void Touch() {
    if (published_ || clearPending_) Prepare(true);
  }
  // Before overwriting every pixel: leave a published buffer, skip the pending clear.
  void PrepareOverwrite() { Prepare(false); }
  void Prepare(bool keepPixels) const;
  // Before reading: carry out a pending clear.
  void Settle() const {
    if (clearPending_) Prepare(true);
  }
  void LeaveBuffer(bool copyPixels) const;

  // The drawing and up to two earlier buffers; all mutable because a pending clear is carried out
  // on the first read as well.
  mutable std::shared_ptr<gloss::Image> buf_;
  mutable std::shared_ptr<gloss::Image> spare_[2];
  mutable bool published_ = false;     // buf_ has been handed out by Image()
  mutable bool clearPending_ = false;  // every pixel logically holds clearPixel_
  std::uint32_t clearPixel_ = 0;
  std::int32_t backColor_ = 0xFFFFFF;
  std::int32_t foreColor_ = 0;
  gloss::Font font_;
  float currentX_ = 0;
  float currentY_ = 0;
  std::shared_ptr<TextEngine> text_;
};

}  // namespace gloss
