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
  if (fillAll)
    PrepareOverwrite();
  else
    Touch();
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
    if (x1 < x2)
      FillRow(y1, x1, x2 - 1, px);
    else if (x1 > x2)
      FillRow(y1, x2 + 1, x1, px);
    return;
  }
  if (x1 == x2) {
    const std::int32_t from = y1 < y2 ? y1 : y2 + 1;
    const std::int32_t to = y1 < y2 ? y2 - 1 : y1;
    for (std::int32_t y = std::max(from, 0); y <= std::min(to, buf_->height - 1); ++y) FillRow(y, x1, x1, px);
    return;
  }
  // Bresenham's line from (x1, y1) up to but not including (x2, y2), walked only where it
  // crosses the surface. Along the major axis every step moves one pixel; the minor axis has
  // moved floor((2 * minor * n + major) / (2 * major)) pixels after n steps, which is what the
  // error term of the step-by-step walk works out to (ties included).
  const std::int64_t dx = std::llabs(std::int64_t{x2} - x1);
  const std::int64_t dy = std::llabs(std::int64_t{y2} - y1);
  const bool xMajor = dx >= dy;
  const std::int64_t major = xMajor ? dx : dy;
  const std::int64_t minor = xMajor ? dy : dx;
  const std::int64_t majorStart = xMajor ? x1 : y1, minorStart = xMajor ? y1 : x1;
  const int majorStep = (xMajor ? x1 < x2 : y1 < y2) ? 1 : -1;
  const int minorStep = (xMajor ? y1 < y2 : x1 < x2) ? 1 : -1;
  const std::int64_t majorSize = xMajor ? buf_->width : buf_->height;
  const std::int64_t minorSize = xMajor ? buf_->height : buf_->width;
  // Steps n in [first, last] keep the major coordinate on the surface.
  std::int64_t first = 0, last = major - 1;
  if (majorStep > 0) {
    first = std::max(first, -majorStart);
    last = std::min(last, majorSize - 1 - majorStart);
  } else {
    first = std::max(first, majorStart - (majorSize - 1));
    last = std::min(last, majorStart);
  }
  if (first > last) return;
  // Minor offset after `first` steps, as quotient and remainder of the division by 2 * major.
  // minor * first stays below 2^64; the doubled numerator might not, so it is split first.
  const std::uint64_t product = static_cast<std::uint64_t>(minor) * static_cast<std::uint64_t>(first);
  const auto whole = static_cast<std::int64_t>(product / static_cast<std::uint64_t>(major));
  const auto part = static_cast<std::int64_t>(product % static_cast<std::uint64_t>(major));
  std::int64_t moved = whole + (2 * part + major) / (2 * major);
  std::int64_t rest = (2 * part + major) % (2 * major);
  for (std::int64_t n = first; n <= last; ++n) {
    const std::int64_t a = majorStart + majorStep * n;
    const std::int64_t b = minorStart + minorStep * moved;
    if (b >= 0 && b < minorSize) {
      const std::int64_t px_x = xMajor ? a : b, px_y = xMajor ? b : a;
      buf_->pixels[static_cast<std::size_t>(px_y * buf_->width + px_x)] = px;
    }
    rest += 2 * minor;
    if (rest >= 2 * major) {  // minor <= major: at most one pixel a step
      rest -= 2 * major;
      ++moved;
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
  // Only the rows and columns that land on the surface.
  const std::int64_t rowFirst = std::max<std::int64_t>(0, -std::int64_t{y});
  const std::int64_t rowEnd = std::min<std::int64_t>(height, std::int64_t{buf_->height} - y);
  const std::int64_t colFirst = std::max<std::int64_t>(0, -std::int64_t{x});
  const std::int64_t colEnd = std::min<std::int64_t>(width, std::int64_t{buf_->width} - x);
  for (std::int64_t row = rowFirst; row < rowEnd; ++row) {
    const std::int64_t ty = std::int64_t{y} + row;
    const auto sy = static_cast<std::int32_t>(row * src.height / height);
    for (std::int64_t col = colFirst; col < colEnd; ++col) {
      const std::int64_t tx = std::int64_t{x} + col;
      const auto sx = static_cast<std::int32_t>(col * src.width / width);
      const std::uint32_t p = src.At(sx, sy);
      if ((p >> 24) == 0) continue;
      buf_->pixels[static_cast<std::size_t>(ty * buf_->width + tx)] = p | 0xFF000000u;
    }
  }
}

}  // namespace gloss
