#pragma once
// A set of pixels, kept as horizontal bands of sorted, disjoint spans (right edges exclusive).
// Combining is exact: every pixel is in the result exactly when the mode says so.
#include <cstdint>
#include <vector>

#include "platform/WinTypes.h"

namespace platform {

// CombineRgn modes and region kinds.
constexpr int RGN_AND = 1;
constexpr int RGN_OR = 2;
constexpr int RGN_XOR = 3;
constexpr int RGN_DIFF = 4;
constexpr int RGN_COPY = 5;

constexpr int RGN_ERROR = 0;
constexpr int NULLREGION = 1;
constexpr int SIMPLEREGION = 2;
constexpr int COMPLEXREGION = 3;

class Region {
 public:
  struct Span {
    LONG left;
    LONG right;
    friend bool operator==(const Span&, const Span&) = default;
  };
  struct Band {
    LONG top;
    LONG bottom;
    std::vector<Span> spans;
    friend bool operator==(const Band&, const Band&) = default;
  };

  Region() = default;
  // Edges given in either order cover the same pixels; an empty rectangle is an empty region.
  static Region FromRect(LONG left, LONG top, LONG right, LONG bottom);
  // The union of the rectangles (edges in either order, empty ones ignored). Rectangles listed
  // top to bottom in rows of equal top and bottom, each row left to right without overlap, are
  // taken in one pass; any other list is united one rectangle at a time.
  static Region FromRects(const std::vector<RECT>& rects);
  // mode is one of RGN_AND, RGN_OR, RGN_XOR, RGN_DIFF (a minus b), RGN_COPY (a).
  static Region Combine(const Region& a, const Region& b, int mode);

  bool IsEmpty() const { return m_Bands.empty(); }
  bool Contains(LONG x, LONG y) const;
  // NULLREGION, SIMPLEREGION (one rectangle) or COMPLEXREGION.
  int Kind() const;
  // Disjoint rectangles covering exactly the region, top to bottom, left to right.
  std::vector<RECT> Rects() const;
  RECT Bounds() const;
  std::int64_t PixelCount() const;
  const std::vector<Band>& Bands() const { return m_Bands; }

  friend bool operator==(const Region&, const Region&) = default;

 private:
  // Adds a band below the last, merging it with the last when they touch and have equal spans.
  void AppendBand(LONG top, LONG bottom, std::vector<Span> spans);

  std::vector<Band> m_Bands;
};

}  // namespace platform
