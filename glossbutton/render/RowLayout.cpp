#include "glossbutton/render/RowLayout.h"

#include <algorithm>

namespace gloss {

bool RowLayout::AddRow() {
  // Runs of the half row, then the same runs mirrored (column W - x for x): the run holding the
  // middle column and its mirror join into one.
  const std::size_t start = runs_.size();
  const auto half = static_cast<std::int32_t>(half_.size()) - 1;
  for (std::int32_t x = 0; x <= half;) {
    const std::uint8_t part = half_[static_cast<std::size_t>(x)];
    if (part == kNone) return false;
    std::int32_t last = x;
    while (last < half && half_[static_cast<std::size_t>(last) + 1] == part) ++last;
    runs_.push_back({x, last, part});
    x = last + 1;
  }
  const std::size_t leftEnd = runs_.size();
  runs_[leftEnd - 1].last = W_ - runs_[leftEnd - 1].first;  // the middle run and its mirror
  for (std::size_t k = leftEnd - 1; k-- > start;)
    runs_.push_back({W_ - runs_[k].last, W_ - runs_[k].first, runs_[k].part});
  const auto y = static_cast<std::size_t>(rowStart_.size() - 1);
  for (std::size_t k = start; k < runs_.size(); ++k) {
    const PartRun& run = runs_[k];
    if (((unfilled_ >> run.part) & 1u) != 0) continue;
    const Fill fill{
        y * (static_cast<std::size_t>(W_) + 1) + static_cast<std::size_t>(run.first),
        static_cast<std::uint32_t>(run.last - run.first + 1),
        static_cast<std::uint32_t>(((sameInEveryRow_ >> run.part) & 1u) != 0 ? run.part : kParts * y + run.part)};
    if (!fills_.empty() && fills_.back().colour == fill.colour && fills_.back().offset + fills_.back().n == fill.offset)
      fills_.back().n += fill.n;
    else
      fills_.push_back(fill);
  }
  rowStart_.push_back(static_cast<std::uint32_t>(runs_.size()));
  return true;
}

void RowLayout::Paint(const Surface::Canvas& canvas, const std::uint32_t* table) const {
  // Every pixel of the canvas is written in order: a fill may write past its end.
  PaintFills(canvas.pixels, fills_.data(), fills_.data() + fills_.size(), table,
             static_cast<std::ptrdiff_t>(canvas.width) * canvas.height);
  const std::ptrdiff_t below = static_cast<std::ptrdiff_t>(rowStart_.size() - 1) * canvas.width;
  std::fill(canvas.pixels + below, canvas.pixels + static_cast<std::ptrdiff_t>(canvas.width) * canvas.height,
            canvas.clearPixel);
}

}  // namespace gloss
