#include "glossbutton/render/MirroredRows.h"

#include <algorithm>

namespace gloss {
MirroredRows::MirroredRows(const Surface::Canvas& canvas, std::int32_t W, std::vector<std::uint32_t>& scratch)
    : canvas_(canvas), W_(W), half_(W / 2), scratch_(scratch) {
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
  return row_;
}

void MirroredRows::LeaveUnpainted(const Run* painted, int n) {
  // Owing a clear, unpainted pixels get the clear colour straight away.
  const std::uint32_t value = canvas_.fillAll ? canvas_.clearPixel : 0u;
  std::int32_t next = 0;
  for (int k = 0; k < n && next <= half_; ++k) {
    const std::int32_t first = std::max(painted[k].first, next);
    if (painted[k].last < first) continue;
    if (first > next) Fill(next, first - 1, value);
    next = painted[k].last + 1;
  }
  if (next <= half_) Fill(next, half_, value);
}

void MirroredRows::PaintFrame(const Run* outer, int nOuter, const Run* inner, int nInner, std::uint32_t edge) {
  Run painted[6], ring[12];
  LeaveUnpainted(painted, UniteRuns(outer, nOuter, inner, nInner, painted));
  Fill(ring, SubtractRuns(outer, nOuter, inner, nInner, ring), edge);
}

void MirroredRows::Commit(std::int32_t y) {
  nextRow_ = y + 1;
  if (direct_) return;  // both halves are in place
  std::uint32_t* __restrict row = row_;
  const std::int32_t W = W_, half = half_, width = canvas_.width;
  // Right half: column W - i gets column i. The m = W - half columns after the half row are
  // the mirrors of columns m - 1 .. 0 (for even W the middle column is its own mirror).
  const std::int32_t m = W - half;
  std::uint32_t* __restrict right = row + half + 1;
  for (std::int32_t k = 0; k < m; ++k) right[k] = row[m - 1 - k];
  std::uint32_t* __restrict dst = canvas_.pixels + static_cast<std::ptrdiff_t>(y) * width;
  const std::int32_t n = std::min(W + 1, width);
  if (canvas_.fillAll) {
    std::copy(row, row + n, dst);
    std::fill(dst + n, dst + width, canvas_.clearPixel);
  } else {
    for (std::int32_t x = 0; x < n; ++x) dst[x] = row[x] != 0 ? row[x] : dst[x];
  }
}

}  // namespace gloss
