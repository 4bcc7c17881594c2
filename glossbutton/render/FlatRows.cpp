#include "glossbutton/render/FlatRows.h"

#include <algorithm>

namespace gloss {
namespace {

template <typename Row>
std::vector<Row>& Scratch() {
  thread_local std::vector<Row> rows;  // grows to the tallest button, then reused
  return rows;
}

}  // namespace

bool FlatRows::Covers(const Surface& s, const ButtonLook& look, const FlatSize& size) {
  return size.W == s.Width() - 1 && size.H == s.Height() - 1 && size.W >= 1 && size.H >= 1 && size.W <= 65536 &&
         size.H <= 65536 && look.DevicePixelRatio >= 1.0 && look.DevicePixelRatio <= 8.0;
}

FlatRows::FlatRows(const ButtonLook& look, const FlatSize& size) : W_(size.W), H_(size.H), rows_(Scratch<RowSpans>()) {
  // The background is decoration: without the host's colour the button is drawn without it.
  if (look.ParentBackColor) {
    back_ = Surface::ToPixel(*look.ParentBackColor);
    hasBack_ = true;
  }
  if (rows_.size() < static_cast<std::size_t>(H_) + 1) rows_.resize(static_cast<std::size_t>(H_) + 1);
  for (std::int32_t y = 0; y <= H_; ++y) rows_[static_cast<std::size_t>(y)].n = 0;
}

void FlatRows::Add(std::int32_t y, std::int32_t first, std::int32_t last, std::uint32_t px) {
  if (y < 0 || y > H_) return;
  first = std::max(first, 0);
  last = std::min(last, W_);
  if (first > last) return;
  RowSpans& row = rows_[static_cast<std::size_t>(y)];
  // A line that covers an earlier one hides it completely.
  int kept = 0;
  for (int k = 0; k < row.n; ++k)
    if (row.span[k].first < first || row.span[k].last > last) row.span[kept++] = row.span[k];
  row.n = kept;
  if (row.n == kSpansPerRow) {
    complete_ = false;
    return;
  }
  row.span[row.n++] = {first, last, px};
}

void FlatRows::Line(std::int32_t x1, std::int32_t x2, std::int32_t y, std::int32_t oleColor) {
  if (x1 < x2)
    Add(y, x1, x2 - 1, Surface::ToPixel(oleColor));
  else if (x1 > x2)
    Add(y, x2 + 1, x1, Surface::ToPixel(oleColor));
}

void FlatRows::Box(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::int32_t oleColor) {
  const std::uint32_t px = Surface::ToPixel(oleColor);
  const std::int32_t top = std::max(std::min(y1, y2), 0), bottom = std::min(std::max(y1, y2), H_);
  for (std::int32_t y = top; y <= bottom; ++y) Add(y, std::min(x1, x2), std::max(x1, x2), px);
}

void FlatRows::Paint(Surface& s) {
  const Surface::Canvas canvas = s.OpenCanvas();
  // Without the host's colour, a surface that owes its clear still gets it where nothing lands.
  const bool hasBack = hasBack_ || canvas.fillAll;
  const std::uint32_t back = hasBack_ ? back_ : canvas.clearPixel;
  for (std::int32_t y = 0; y <= H_; ++y) {
    std::uint32_t* out = canvas.pixels + static_cast<std::ptrdiff_t>(y) * canvas.width;
    const RowSpans& row = rows_[static_cast<std::size_t>(y)];
    if (hasBack) {
      // The columns no line reaches, found over the lines in column order.
      Span sorted[kSpansPerRow];
      for (int k = 0; k < row.n; ++k) {  // insertion by first column: at most a handful
        int at = k;
        for (; at > 0 && sorted[at - 1].first > row.span[k].first; --at) sorted[at] = sorted[at - 1];
        sorted[at] = row.span[k];
      }
      std::int32_t next = 0;
      for (int k = 0; k < row.n; ++k) {
        if (sorted[k].first > next) std::fill(out + next, out + sorted[k].first, back);
        next = std::max(next, sorted[k].last + 1);
      }
      if (next <= W_) std::fill(out + next, out + W_ + 1, back);
    }
    for (int k = 0; k < row.n; ++k) std::fill(out + row.span[k].first, out + row.span[k].last + 1, row.span[k].px);
  }
}

}  // namespace gloss
