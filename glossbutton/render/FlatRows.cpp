#include "glossbutton/render/FlatRows.h"

#include <algorithm>

namespace gloss {

bool FlatRows::Covers(const Surface& s, const FlatSize& size, std::int32_t minH) {
  return size.W == s.Width() - 1 && size.H == s.Height() - 1 && size.W >= 4 && size.H >= minH && size.W <= 65536 &&
         size.H <= 65536;
}

FlatRows::FlatRows(Surface& s, const ButtonLook& look) {
  // The background is decoration: without the host's colour the button is drawn without it.
  if (look.ParentBackColor) {
    back_ = Surface::ToPixel(*look.ParentBackColor);
    hasBack_ = true;
  }
  canvas_ = s.OpenCanvas();
  if (!hasBack_ && canvas_.fillAll) {
    back_ = canvas_.clearPixel;  // the clear that was owed
    hasBack_ = true;
  }
}

void FlatRows::Fill(std::int32_t y, std::int32_t first, std::int32_t last, std::uint32_t px) {
  if (y < 0 || y >= canvas_.height) return;
  first = std::max(first, 0);
  last = std::min(last, canvas_.width - 1);
  if (first > last) return;
  std::uint32_t* row = canvas_.pixels + static_cast<std::ptrdiff_t>(y) * canvas_.width;
  std::fill(row + first, row + last + 1, px);
}

void FlatRows::Row(std::int32_t y, std::int32_t first, std::int32_t last, std::uint32_t px) {
  const std::int32_t W = canvas_.width - 1;
  if (first > last) {
    if (hasBack_) Fill(y, 0, W, back_);
    return;
  }
  if (hasBack_) {
    Fill(y, 0, first - 1, back_);
    Fill(y, last + 1, W, back_);
  }
  Fill(y, first, last, px);
}

}  // namespace gloss
