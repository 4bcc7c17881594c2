#pragma once
// Output for the glossy renderers, which work out the left half of each row (columns 0..W \ 2)
// and mirror it to the columns W..W - W \ 2. When the surface owes a clear and the row is as
// wide as the surface, runs of one colour go straight into the surface row on both sides, and
// only what the renderer works out pixel by pixel is mirrored (Mirror). Otherwise the half row
// is built in a buffer where 0 means "not painted" (stored pixels always have alpha 0xFF), then
// mirrored and written to the surface, clipped; pixels left unpainted keep what the surface
// holds, or get the clear colour when the surface still owes a clear.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "glossbutton/render/PixelKernels.h"
#include "glossbutton/render/RoundRectRows.h"
#include "glossbutton/render/Surface.h"

namespace gloss {

class MirroredRows {
 public:
  // scratch: the half row when it cannot be built in the surface row, grown as needed.
  MirroredRows(const Surface::Canvas& canvas, std::int32_t W, std::vector<std::uint32_t>& scratch);
  ~MirroredRows();  // rows never written get the clear colour if the surface owes a clear
  MirroredRows(const MirroredRows&) = delete;
  MirroredRows& operator=(const MirroredRows&) = delete;

  std::int32_t HalfWidth() const { return half_; }
  // Rows 0 .. VisibleRows() - 1 reach the surface.
  std::int32_t VisibleRows() const { return canvas_.height; }

  // The half row for row y (0 <= y < VisibleRows()); rows must come in ascending order. Every
  // entry must be written: the painted runs by the caller, the rest with LeaveUnpainted. Columns
  // the caller writes itself (not through Fill) it must pass to Mirror once they are final.
  std::uint32_t* Begin(std::int32_t y);
  // Marks the columns of the half row outside the given runs as not painted.
  void LeaveUnpainted(const Run* painted, int n);
  // Paints the given runs of the half row with px, clipped to the half row.
  void Fill(const Run* runs, int n, std::uint32_t px) {
    for (int k = 0; k < n; ++k) Fill(runs[k].first, runs[k].last, px);
  }
  // Columns first..last (clipped to the half row) in px.
  void Fill(std::int32_t first, std::int32_t last, std::uint32_t px) {
    first = std::max(first, 0);
    last = std::min(last, half_);
    if (first > last) return;
    std::fill(row_ + first, row_ + last + 1, px);
    if (direct_) std::fill(row_ + (W_ - last), row_ + (W_ - first) + 1, px);
  }
  // Columns first..last of the half row, written by the caller, are final: mirror them.
  void Mirror(std::int32_t first, std::int32_t last) {
    if (direct_ && first <= last) MirrorColumns(row_, W_, first, last);
  }
  // The frame of a rounded face on the half row, each pixel written once: nothing outside both
  // shapes, the edge colour where only the outer shape holds. The inner runs are the caller's.
  void PaintFrame(const Run* outer, int nOuter, const Run* inner, int nInner, std::uint32_t edge);
  // Mirrors the half row and writes it to row y.
  void Commit(std::int32_t y);

 private:
  void FillSkippedRows(std::int32_t upTo);

  Surface::Canvas canvas_;
  std::int32_t W_;
  std::int32_t half_;
  std::uint32_t* row_ = nullptr;  // W + 1 entries: the surface row itself or scratch
  bool direct_ = false;           // row_ is the surface row
  std::int32_t nextRow_ = 0;
  std::vector<std::uint32_t>& scratch_;
};

}  // namespace gloss
