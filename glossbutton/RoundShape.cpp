#include "glossbutton/RoundShape.h"

#include <algorithm>
#include <array>
#include <vector>

#include "glossbutton/render/Geometry.h"
#include "glossbutton/render/Numbers.h"
#include "glossbutton/render/RoundRectRows.h"
#include "platform/Regions.h"

namespace gloss {
namespace {

// The outside columns of one row within 0 to halfWidth: the first and the last.
struct Outside {
  bool any = false;
  std::int32_t first = 0, last = 0;
};

class RowScanner {
 public:
  RowScanner(std::int32_t width, std::int32_t height, std::int32_t radius)
      : m_Width(width), m_Height(height), m_Radius(radius), m_HalfWidth(IntDiv32(width, 2)) {
    // The row table needs a radius it can hold and sums that stay within 32 bits; a size outside
    // that falls back to asking every column (where the outline test overflows, as it must).
    m_ByRows = radius >= 0 && radius <= RoundRectRows::kMaxRadius && width < (1 << 28) && height < (1 << 28) &&
               width > -(1 << 28) && height > -(1 << 28);
    if (m_ByRows) m_Rows.Reset(0, 0, width, height, radius);
  }

  Outside Row(std::int32_t y) const {
    Outside o;
    if (m_HalfWidth < 0) return o;
    if (!m_ByRows) {
      for (std::int32_t i = 0; i <= m_HalfWidth; ++i) {
        if (RoundCornerTest(i, y, 0, 0, m_Width, m_Height, m_Radius)) continue;
        if (!o.any) o.first = i;
        o.any = true;
        o.last = i;
      }
      return o;
    }
    Run inside[3];
    const int n = m_Rows.Row(y, inside);
    // Runs ascend with gaps between them: step over any that hold the candidate column.
    std::int32_t first = 0;
    for (int r = 0; r < n; ++r)
      if (inside[r].first <= first && first <= inside[r].last) first = inside[r].last + 1;
    if (first > m_HalfWidth) return o;
    std::int32_t last = m_HalfWidth;
    for (int r = n - 1; r >= 0; --r)
      if (inside[r].first <= last && last <= inside[r].last) last = inside[r].first - 1;
    o.any = true;
    o.first = first;
    o.last = last;
    return o;
  }

 private:
  std::int32_t m_Width, m_Height, m_Radius, m_HalfWidth;
  bool m_ByRows = false;
  RoundRectRows m_Rows;
};

// Columns [left, right) of one row toggled in or out; edges may come in either order.
struct Toggle {
  std::int32_t a, b;
};

}  // namespace

platform::HRGN CreateRoundShapeRegion(std::int32_t Wr, std::int32_t Hr, std::int32_t radius) {
  // The shape is the full rectangle with, for each row, the outside run on either side toggled
  // away: the left run of a row is known once the next row begins, so the toggles of rows
  // lastRow to k - 1 are fixed at row k. Rows are worked out one at a time and the region is
  // built once from the finished rows.
  const RowScanner scanner(Wr, Hr, radius);
  const std::int32_t rows = std::max(Hr, 0);
  std::vector<std::array<Toggle, 2>> toggles(static_cast<std::size_t>(rows), {Toggle{0, 0}, Toggle{0, 0}});
  const auto toggleRows = [&](std::int32_t top, std::int32_t bottom, Toggle a, Toggle b) {
    for (std::int32_t y = std::max(top, 0); y < std::min(bottom, rows); ++y)
      toggles[static_cast<std::size_t>(y)] = {a, b};
  };

  std::int32_t lastRow = 0;
  std::int32_t runEnd = 0;
  for (std::int32_t k = 0; k <= Hr; ++k) {
    const Outside o = scanner.Row(k);
    if (!o.any) continue;
    if (k != lastRow) {
      const Toggle right{Sub32(Wr, runEnd), Sub32(Wr, o.first)};
      // For an even width the two halves meet at Wr / 2: one more column would be cut twice.
      if (Wr != Mul32(2, runEnd)) runEnd = Add32(runEnd, 1);
      toggleRows(lastRow, k, right, Toggle{o.first, runEnd});
    }
    runEnd = o.last;
    lastRow = k;
  }

  std::vector<platform::RECT> rects;
  rects.reserve(static_cast<std::size_t>(rows) * 3);
  const std::int32_t width = std::max(Wr, 0);
  for (std::int32_t y = 0; y < rows; ++y) {
    // The row's pixels: the full width with both toggles applied, as the parity of the edges.
    const auto& t = toggles[static_cast<std::size_t>(y)];
    std::array<std::int32_t, 6> edges{0, width, t[0].a, t[0].b, t[1].a, t[1].b};
    std::sort(edges.begin(), edges.end());
    for (std::size_t e = 0; e + 1 < edges.size(); e += 2)
      if (edges[e] < edges[e + 1]) rects.push_back({edges[e], y, edges[e + 1], y + 1});
  }
  return platform::CreateRgnFromRects(rects);
}

}  // namespace gloss
