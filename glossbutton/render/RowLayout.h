#pragma once
// Where the glossy renderers' colours go, worked out once per shape. Those faces are symmetric
// about the middle column and each part of a row (outside, edge, face, gloss) has one colour per
// row, so a row is a short list of runs of one part each across the whole width, and the face a
// list of fills that one call paints (PaintFills) from a table of row colours; only what varies by column (the corner
// darkening, a horizontal glow) is worked out pixel by pixel on the left half and mirrored. The runs depend on sizes
// and radii alone, never on a colour, so a redraw in another state or scheme at the same size finds them in a small
// cache keyed by every number they are made from.
#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "glossbutton/render/PixelKernels.h"
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

}  // namespace gloss
