#include "glossbutton/render/Surface.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

#include "platform/SystemColors.h"

namespace gloss {

Surface::Surface(std::int32_t width, std::int32_t height, std::shared_ptr<TextEngine> text) : text_(std::move(text)) {
  Resize(width, height);
}

std::uint32_t Surface::ToPixel(std::int32_t oleColor) {
  if ((static_cast<std::uint32_t>(oleColor) >> 24) == 0) return OleToPixel(oleColor);
  platform::COLORREF rgb = 0;
  (void)platform::OleTranslateColor(static_cast<platform::OLE_COLOR>(oleColor), 0, &rgb);
  return OleToPixel(static_cast<std::int32_t>(rgb & 0xFFFFFFu));
}

void Surface::Resize(std::int32_t width, std::int32_t height) {
  pixels_ = gloss::Image(std::max(width, 0), std::max(height, 0), ToPixel(backColor_));
  currentX_ = currentY_ = 0;
}

void Surface::Clear() {
  std::fill(pixels_.pixels.begin(), pixels_.pixels.end(), ToPixel(backColor_));
  currentX_ = currentY_ = 0;
}

void Surface::FillRow(std::int32_t y, std::int32_t xFrom, std::int32_t xTo, std::uint32_t px) {
  if (y < 0 || y >= pixels_.height) return;
  xFrom = std::max(xFrom, 0);
  xTo = std::min(xTo, pixels_.width - 1);
  if (xFrom > xTo) return;
  auto row = pixels_.pixels.begin() + static_cast<std::ptrdiff_t>(y) * pixels_.width;
  std::fill(row + xFrom, row + xTo + 1, px);
}

void Surface::Line(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::int32_t color) {
  const std::uint32_t px = ToPixel(color);
  currentX_ = static_cast<float>(x2);
  currentY_ = static_cast<float>(y2);
  if (y1 == y2) {
    if (x1 < x2) FillRow(y1, x1, x2 - 1, px);
    else if (x1 > x2) FillRow(y1, x2 + 1, x1, px);
    return;
  }
  if (x1 == x2) {
    const std::int32_t from = y1 < y2 ? y1 : y2 + 1;
    const std::int32_t to = y1 < y2 ? y2 - 1 : y1;
    for (std::int32_t y = std::max(from, 0); y <= std::min(to, pixels_.height - 1); ++y) FillRow(y, x1, x1, px);
    return;
  }
  std::int64_t x = x1, y = y1;
  const std::int64_t dx = std::llabs(std::int64_t{x2} - x1);
  const std::int64_t dy = -std::llabs(std::int64_t{y2} - y1);
  const int sx = x1 < x2 ? 1 : -1;
  const int sy = y1 < y2 ? 1 : -1;
  std::int64_t err = dx + dy;
  while (x != x2 || y != y2) {
    if (x >= 0 && y >= 0 && x < pixels_.width && y < pixels_.height)
      pixels_.pixels[static_cast<std::size_t>(y * pixels_.width + x)] = px;
    const std::int64_t e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y += sy;
    }
  }
}

void Surface::LineBF(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::int32_t color) {
  const std::uint32_t px = ToPixel(color);
  currentX_ = static_cast<float>(x2);
  currentY_ = static_cast<float>(y2);
  const std::int32_t top = std::max(std::min(y1, y2), 0);
  const std::int32_t bottom = std::min(std::max(y1, y2), pixels_.height - 1);
  for (std::int32_t y = top; y <= bottom; ++y) FillRow(y, std::min(x1, x2), std::max(x1, x2), px);
}

void Surface::PSet(std::int32_t x, std::int32_t y, std::int32_t color) {
  SetPixelV(x, y, color);
  currentX_ = static_cast<float>(x);
  currentY_ = static_cast<float>(y);
}

TextEngine& Surface::Engine() const {
  if (!text_) throw std::logic_error("The drawing surface has no text engine");
  return *text_;
}

double Surface::TextWidth(const std::string& s) const { return Engine().TextWidth(font_, s); }
double Surface::TextHeight(const std::string& s) const { return Engine().TextHeight(font_, s); }

void Surface::Print(const std::string& s) {
  if (s.empty()) return;
  PixelView view{pixels_.pixels.data(), pixels_.width, pixels_.height, pixels_.width};
  Engine().Print(view, currentX_, currentY_, font_, ToPixel(foreColor_), s);
}

void Surface::DrawPicture(const Picture& picture, std::int32_t x, std::int32_t y, std::int32_t width,
                          std::int32_t height) {
  const gloss::Image& src = picture.image;
  if (width <= 0 || height <= 0 || src.width <= 0 || src.height <= 0) return;
  for (std::int32_t row = 0; row < height; ++row) {
    const std::int64_t ty = std::int64_t{y} + row;
    if (ty < 0 || ty >= pixels_.height) continue;
    const auto sy = static_cast<std::int32_t>(std::int64_t{row} * src.height / height);
    for (std::int32_t col = 0; col < width; ++col) {
      const std::int64_t tx = std::int64_t{x} + col;
      if (tx < 0 || tx >= pixels_.width) continue;
      const auto sx = static_cast<std::int32_t>(std::int64_t{col} * src.width / width);
      const std::uint32_t p = src.At(sx, sy);
      if ((p >> 24) == 0) continue;
      pixels_.pixels[static_cast<std::size_t>(ty * pixels_.width + tx)] = p | 0xFF000000u;
    }
  }
}

}  // namespace gloss
