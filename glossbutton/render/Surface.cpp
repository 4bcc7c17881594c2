#include "glossbutton/render/Surface.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

#include "platform/SystemColors.h"

namespace gloss {

Surface::Surface(std::int32_t width, std::int32_t height, std::shared_ptr<TextEngine> text) : text_(std::move(text)) {
  Resize(width, height);
}

Surface::Surface(const Surface& other) { *this = other; }

Surface& Surface::operator=(const Surface& other) {
  if (this == &other) return *this;
  buf_ = std::make_shared<gloss::Image>(other.Pixels());
  spare_[0].reset();
  spare_[1].reset();
  published_ = clearPending_ = false;
  clearPixel_ = other.clearPixel_;
  backColor_ = other.backColor_;
  foreColor_ = other.foreColor_;
  font_ = other.font_;
  currentX_ = other.currentX_;
  currentY_ = other.currentY_;
  text_ = other.text_;
  widthMemo_ = other.widthMemo_;
  heightMemo_ = other.heightMemo_;
  return *this;
}

std::uint32_t Surface::ToPixel(std::int32_t oleColor) {
  if ((static_cast<std::uint32_t>(oleColor) >> 24) == 0) return OleToPixel(oleColor);
  platform::COLORREF rgb = 0;
  (void)platform::OleTranslateColor(static_cast<platform::OLE_COLOR>(oleColor), 0, &rgb);
  return OleToPixel(static_cast<std::int32_t>(rgb & 0xFFFFFFu));
}

void Surface::Resize(std::int32_t width, std::int32_t height) {
  buf_ = std::make_shared<gloss::Image>(std::max(width, 0), std::max(height, 0), ToPixel(backColor_));
  spare_[0].reset();
  spare_[1].reset();
  published_ = clearPending_ = false;
  currentX_ = currentY_ = 0;
}

void Surface::Clear() {
  clearPixel_ = ToPixel(backColor_);
  clearPending_ = true;
  currentX_ = currentY_ = 0;
}

void Surface::LeaveBuffer(bool copyPixels) const {
  std::shared_ptr<gloss::Image> next;
  for (auto& spare : spare_) {
    if (spare && spare.use_count() == 1 && spare->width == buf_->width && spare->height == buf_->height) {
      next = std::move(spare);
      break;
    }
  }
  // Only when the host still holds every earlier image.
  if (!next) next = std::make_shared<gloss::Image>(buf_->width, buf_->height);
  if (copyPixels) std::copy(buf_->pixels.begin(), buf_->pixels.end(), next->pixels.begin());
  auto& slot = !spare_[0] ? spare_[0] : !spare_[1] ? spare_[1] : spare_[spare_[0].use_count() == 1 ? 1 : 0];
  slot = std::move(buf_);
  buf_ = std::move(next);
}

void Surface::Prepare(bool keepPixels) const {
  if (published_) {
    // The host may have let go already; then the buffer is ours again.
    if (buf_.use_count() > 1) LeaveBuffer(keepPixels && !clearPending_);
    published_ = false;
  }
  if (clearPending_) {
    if (keepPixels) std::fill(buf_->pixels.begin(), buf_->pixels.end(), clearPixel_);
    clearPending_ = false;
  }
}

std::shared_ptr<const gloss::Image> Surface::Image() const {
  Settle();
  published_ = true;
  return buf_;
}

Surface::Canvas Surface::OpenCanvas() {
  const bool fillAll = clearPending_;
  // Only a pending clear lets the caller overwrite everything; otherwise the pixels stay.
  if (fillAll) PrepareOverwrite();
  else Touch();
  return {buf_->pixels.data(), buf_->width, buf_->height, fillAll, clearPixel_};
}

void Surface::FillRow(std::int32_t y, std::int32_t xFrom, std::int32_t xTo, std::uint32_t px) {
  if (y < 0 || y >= buf_->height) return;
  xFrom = std::max(xFrom, 0);
  xTo = std::min(xTo, buf_->width - 1);
  if (xFrom > xTo) return;
  auto row = buf_->pixels.begin() + static_cast<std::ptrdiff_t>(y) * buf_->width;
  std::fill(row + xFrom, row + xTo + 1, px);
}

void Surface::Line(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::int32_t color) {
  Touch();
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
    for (std::int32_t y = std::max(from, 0); y <= std::min(to, buf_->height - 1); ++y) FillRow(y, x1, x1, px);
    return;
  }
  std::int64_t x = x1, y = y1;
  const std::int64_t dx = std::llabs(std::int64_t{x2} - x1);
  const std::int64_t dy = -std::llabs(std::int64_t{y2} - y1);
  const int sx = x1 < x2 ? 1 : -1;
  const int sy = y1 < y2 ? 1 : -1;
  std::int64_t err = dx + dy;
  while (x != x2 || y != y2) {
    if (x >= 0 && y >= 0 && x < buf_->width && y < buf_->height)
      buf_->pixels[static_cast<std::size_t>(y * buf_->width + x)] = px;
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
  const std::int32_t bottom = std::min(std::max(y1, y2), buf_->height - 1);
  // A box over the whole surface makes a pending clear pointless.
  if (top == 0 && bottom == buf_->height - 1 && std::min(x1, x2) <= 0 && std::max(x1, x2) >= buf_->width - 1)
    PrepareOverwrite();
  else
    Touch();
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

template <typename Measure>
double Surface::Measured(Measurement& memo, const std::string& s, Measure measure) const {
  if (memo.valid && memo.text == s && memo.font == font_) return memo.value;
  const double value = measure(Engine());
  memo.valid = false;  // stays so if an assignment below throws
  memo.font = font_;
  memo.text = s;
  memo.value = value;
  memo.valid = true;
  return value;
}

double Surface::TextWidth(const std::string& s) const {
  return Measured(widthMemo_, s, [&](TextEngine& e) { return e.TextWidth(font_, s); });
}
double Surface::TextHeight(const std::string& s) const {
  return Measured(heightMemo_, s, [&](TextEngine& e) { return e.TextHeight(font_, s); });
}

void Surface::Print(const std::string& s) {
  if (s.empty()) return;
  Touch();
  PixelView view{buf_->pixels.data(), buf_->width, buf_->height, buf_->width};
  Engine().Print(view, currentX_, currentY_, font_, ToPixel(foreColor_), s);
}

void Surface::DrawPicture(const Picture& picture, std::int32_t x, std::int32_t y, std::int32_t width,
                          std::int32_t height) {
  const gloss::Image& src = picture.image;
  if (width <= 0 || height <= 0 || src.width <= 0 || src.height <= 0) return;
  Touch();
  for (std::int32_t row = 0; row < height; ++row) {
    const std::int64_t ty = std::int64_t{y} + row;
    if (ty < 0 || ty >= buf_->height) continue;
    const auto sy = static_cast<std::int32_t>(std::int64_t{row} * src.height / height);
    for (std::int32_t col = 0; col < width; ++col) {
      const std::int64_t tx = std::int64_t{x} + col;
      if (tx < 0 || tx >= buf_->width) continue;
      const auto sx = static_cast<std::int32_t>(std::int64_t{col} * src.width / width);
      const std::uint32_t p = src.At(sx, sy);
      if ((p >> 24) == 0) continue;
      buf_->pixels[static_cast<std::size_t>(ty * buf_->width + tx)] = p | 0xFF000000u;
    }
  }
}

}  // namespace gloss
