#include "glossbutton/render/MirroredRows.h"

#include <algorithm>

namespace gloss {
namespace {

std::vector<std::uint32_t>& Scratch() {
  thread_local std::vector<std::uint32_t> scratch;  // grows to the widest button, then reused
  return scratch;
}

}  // namespace

MirroredRows::MirroredRows(const Surface::Canvas& canvas, std::int32_t W)
    : canvas_(canvas), W_(W), half_(W / 2), scratch_(Scratch()) {
  // With a pending clear and a row exactly as wide as the surface, every pixel of the row gets
  // written anyway: build it in place.
  direct_ = canvas_.fillAll && W_ + 1 == canvas_.width;
  if (!direct_ && scratch_.size() < static_cast<std::size_t>(W_) + 1) scratch_.resize(static_cast<std::size_t>(W_) + 1);
}

MirroredRows::~MirroredRows() { FillSkippedRows(canvas_.height); }

void MirroredRows::FillSkippedRows(std::int32_t upTo) {
  if (canvas_.fillAll) {
    for (; nextRow_ < upTo; ++nextRow_) {
      std::uint32_t* dst = canvas_.pixels + static_cast<std::ptrdiff_t>(nextRow_) * canvas_.width;
      std::fill(dst, dst + canvas_.width, canvas_.clearPixel);
    }
  }
  nextRow_ = std::max(nextRow_, upTo);
}

std::uint32_t* MirroredRows::Begin(std::int32_t y) {
  FillSkippedRows(y);
  row_ = direct_ ? canvas_.pixels + static_cast<std::ptrdiff_t>(y) * canvas_.width : scratch_.data();
  std::fill(row_, row_ + half_ + 1, 0u);
  return row_;
}

void MirroredRows::Commit(std::int32_t y) {
  std::uint32_t* row = row_;
  // Right half: column W - i gets column i (for even W the middle column is its own mirror).
  for (std::int32_t i = 0; i <= half_; ++i) row[W_ - i] = row[i];
  std::uint32_t* dst = canvas_.pixels + static_cast<std::ptrdiff_t>(y) * canvas_.width;
  const std::int32_t n = std::min(W_ + 1, canvas_.width);
  if (canvas_.fillAll) {
    const std::uint32_t clear = canvas_.clearPixel;
    for (std::int32_t x = 0; x < n; ++x) dst[x] = row[x] != 0 ? row[x] : clear;
    std::fill(dst + n, dst + canvas_.width, clear);
  } else {
    for (std::int32_t x = 0; x < n; ++x) dst[x] = row[x] != 0 ? row[x] : dst[x];
  }
  nextRow_ = y + 1;
}

}  // namespace gloss
