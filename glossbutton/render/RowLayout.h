#pragma once
// The row painter of the glossy styles (2 to 6). Their faces are symmetric about the middle
// column, and each part of a row (outside, edge, face, the band a style lays over the face) has
// one colour per row. So a face is a layout: each row a short list of runs of one part, made from
// the shapes alone (never a colour) and kept for the last few shapes (LayoutCache, in the
// RenderContext), and painted as one list of fills from a table of row colours. A style supplies
// only its part marker and its row colours (and works out by column what varies by column).
// Where a layout cannot be used (a surface that keeps its pixels, or wider than the face) the same
// frame is painted half row by half row and mirrored (MirroredRows).
#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "glossbutton/render/MirroredRows.h"
#include "glossbutton/render/PixelKernels.h"
#include "glossbutton/render/RoundRectRows.h"
#include "glossbutton/render/Surface.h"

namespace gloss {

struct PartRun {
  std::int32_t first, last;  // inclusive, within 0..W
  std::uint8_t part;
};

class RowLayout {
 public:
  static constexpr std::uint8_t kNone = 0xFF;  // a column the painter left alone

  // Rows 0..H of a face W + 1 columns wide from a painter that marks the parts of the half row
  // (columns 0..W \ 2) for row y: paint(y, part) with part[0..W \ 2] preset to kNone. False, and
  // no layout, when a column is left as kNone. Bit p of sameInEveryRow: part p has one colour in
  // every row (see Paint); bit p of unfilled: the caller writes the runs of part p itself, so they
  // are left out of the fills.
  template <typename Paint>
  bool Build(std::int32_t W, std::int32_t H, Paint paint, std::uint32_t sameInEveryRow = 0,
             std::uint32_t unfilled = 0) {
    W_ = W;
    sameInEveryRow_ = sameInEveryRow;
    unfilled_ = unfilled;
    runs_.clear();
    fills_.clear();
    rowStart_.assign(1, 0);
    half_.assign(static_cast<std::size_t>(W / 2) + 1, kNone);
    for (std::int32_t y = 0; y <= H; ++y) {
      std::fill(half_.begin(), half_.end(), kNone);
      paint(y, half_.data());
      if (!AddRow()) return false;
    }
    return true;
  }

  // Writes the face (rows 0..H) to a canvas W + 1 pixels wide and more than H rows tall that owes
  // its clear, and the clear below the face. The runs are painted as one list of fills: a run of
  // part p in row y takes its colour from table[kParts * y + p], or from table[p] for a part that
  // has one colour in every row, whose runs that meet across the end of a row are one fill.
  static constexpr std::uint32_t kParts = 4;
  void Paint(const Surface::Canvas& canvas, const std::uint32_t* table) const;

  const PartRun* Begin(std::int32_t y) const { return runs_.data() + rowStart_[static_cast<std::size_t>(y)]; }
  const PartRun* End(std::int32_t y) const { return runs_.data() + rowStart_[static_cast<std::size_t>(y) + 1]; }

 private:
  bool AddRow();

  std::int32_t W_ = 0;
  std::vector<PartRun> runs_;
  std::vector<Fill> fills_;
  std::vector<std::uint32_t> rowStart_;
  std::uint32_t sameInEveryRow_ = 0, unfilled_ = 0;
  std::vector<std::uint8_t> half_;
};

// The last few layouts made, found again by their key (every number the layout depends on).
// Four entries: the buttons of one window share a few sizes; a layout is about 12 bytes per run,
// some seven runs a row, and only faces up to kMaxRows rows are kept.
template <typename Key, typename Layout = RowLayout>
class LayoutCache {
 public:
  static constexpr std::int32_t kMaxRows = 1024;

  // The layout for key, made by build(layout) when it is not cached; null when build fails.
  template <typename Build>
  Layout* Find(const Key& key, std::int32_t rows, Build build) {
    for (Entry& e : entries_)
      if (e.used && e.key == key) {
        e.age = ++clock_;
        return &e.layout;
      }
    Entry* slot = &entries_[0];
    if (rows > kMaxRows) {
      slot = &uncached_;  // made afresh every time, so as not to keep a large face's runs
    } else {
      for (Entry& e : entries_)
        if (!e.used || e.age < slot->age) slot = &e;
    }
    slot->used = false;
    if (!build(slot->layout)) return nullptr;
    if (slot != &uncached_) {
      slot->key = key;
      slot->used = true;
      slot->age = ++clock_;
    }
    return &slot->layout;
  }

 private:
  struct Entry {
    bool used = false;
    Key key{};
    std::uint64_t age = 0;
    Layout layout;
  };
  std::array<Entry, 4> entries_;
  Entry uncached_;
  std::uint64_t clock_ = 0;
};

// The parts of a glossy row: outside and edge have one colour in every row (kSameInEveryRow); the
// face, and the band a style lays over it, one per row.
enum GlossyPart : std::uint8_t { kOutside, kEdge, kFace, kBand };
inline constexpr std::uint32_t kSameInEveryRow = (1u << kOutside) | (1u << kEdge);

// Whether a face at (X0, Y0) with last column W and last row H, corners of radius R, at the given
// device pixel ratio, is within the ranges the row painter is written for.
inline bool GlossyFastRange(std::int32_t X0, std::int32_t Y0, std::int32_t W, std::int32_t H, std::int32_t R,
                            double ratio) {
  constexpr std::int32_t kMaxSide = 8192;
  return X0 == 0 && Y0 == 0 && W >= 1 && W <= kMaxSide && H >= 1 && H <= kMaxSide && R >= 0 && R <= kMaxSide &&
         ratio >= 1.0 && ratio <= 8.0;
}

// Whether the face is painted from its layout: the canvas owes its clear, is as wide as the face
// and no shorter.
inline bool PaintsFromLayout(const Surface::Canvas& canvas, std::int32_t W, std::int32_t H) {
  return canvas.fillAll && W + 1 == canvas.width && H < canvas.height;
}

// Columns of runs, clipped to the half row 0..half, marked as part value.
inline void MarkRuns(std::uint8_t* part, std::int32_t half, const Run* runs, int n, std::uint8_t value) {
  for (int k = 0; k < n; ++k)
    for (std::int32_t x = std::max(runs[k].first, 0); x <= std::min(runs[k].last, half); ++x) part[x] = value;
}

// Every glossy face's frame: the outer shape, and the inner one a border inside it, the face. The
// ring between them is the edge.
struct GlossyFrame {
  RoundRectRows outer, inner;
  void Reset(std::int32_t W, std::int32_t H, std::int32_t R, std::int32_t border) {
    outer.Reset(0, 0, W, H, R);
    inner.Reset(border, border, W - 2 * border, H - 2 * border, R);
  }
  // Marks the half row j (columns 0..half) outside, edge or face, as the mirrored painter paints
  // it; the face's runs go to innerRuns, their count is returned.
  int Mark(std::int32_t j, std::int32_t half, std::uint8_t* part, Run innerRuns[3]) const {
    Run outerRuns[3], painted[6], ring[12];
    const int nOuter = outer.Row(j, outerRuns);
    const int nInner = inner.Row(j, innerRuns);
    for (std::int32_t x = 0; x <= half; ++x) part[x] = kOutside;
    MarkRuns(part, half, painted, UniteRuns(outerRuns, nOuter, innerRuns, nInner, painted), RowLayout::kNone);
    MarkRuns(part, half, ring, SubtractRuns(outerRuns, nOuter, innerRuns, nInner, ring), kEdge);
    MarkRuns(part, half, innerRuns, nInner, kFace);
    return nInner;
  }
};

// Paints a face from its layout: outside in the clear the canvas owes, the edge in edge, and the
// face and band of row j in the colours rowColours(j, colour) puts in colour[kFace], colour[kBand],
// the rows in order. Out of line, and rowColours taken by value so that what it keeps from row to
// row stays in registers: inlined into a style's large drawing function, the loop over the rows
// falls below the compiler's guessed threshold for hot code and is compiled for size, each
// division of a colour blend by 100 then a hardware division (a fifth of a small face's redraw).
template <class RowColours>
[[gnu::noinline]] void PaintFromLayout(const RowLayout& layout, const Surface::Canvas& canvas,
                                       std::vector<std::uint32_t>& table, std::int32_t H, std::uint32_t edge,
                                       RowColours rowColours) {
  table.resize(RowLayout::kParts * (static_cast<std::size_t>(H) + 1));
  table[kOutside] = canvas.clearPixel;
  table[kEdge] = edge;
  for (std::int32_t j = 0; j <= H; ++j) rowColours(j, table.data() + RowLayout::kParts * static_cast<std::size_t>(j));
  layout.Paint(canvas, table.data());
}

// Paints a face half row by half row, mirrored: the frame of each row, then the face's runs by
// paintFace(j, rows, out, innerRuns, nInner), out being the half row (MirroredRows::Begin).
template <class PaintFace>
void PaintMirrored(const Surface::Canvas& canvas, std::int32_t W, std::int32_t H, const GlossyFrame& frame,
                   std::vector<std::uint32_t>& scratch, std::uint32_t edge, PaintFace&& paintFace) {
  MirroredRows rows(canvas, W, scratch);
  const std::int32_t lastRow = std::min(H, rows.VisibleRows() - 1);
  Run outerRuns[3], innerRuns[3];
  for (std::int32_t j = 0; j <= lastRow; ++j) {
    std::uint32_t* out = rows.Begin(j);
    const int nOuter = frame.outer.Row(j, outerRuns);
    const int nInner = frame.inner.Row(j, innerRuns);
    rows.PaintFrame(outerRuns, nOuter, innerRuns, nInner, edge);
    paintFace(j, rows, out, static_cast<const Run*>(innerRuns), nInner);
    rows.Commit(j);
  }
}

}  // namespace gloss
