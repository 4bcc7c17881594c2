#include "platform/Region.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace platform {
namespace {

bool Apply(int mode, bool inA, bool inB) {
  switch (mode) {
    case RGN_AND: return inA && inB;
    case RGN_OR: return inA || inB;
    case RGN_XOR: return inA != inB;
    case RGN_DIFF: return inA && !inB;
    default: return inA;
  }
}

// Spans of the band covering row y, or null.
const std::vector<Region::Span>* SpansAt(const std::vector<Region::Band>& bands, LONG y) {
  auto it = std::upper_bound(bands.begin(), bands.end(), y, [](LONG v, const Region::Band& b) { return v < b.bottom; });
  if (it == bands.end() || it->top > y) return nullptr;
  return &it->spans;
}

bool Covers(const std::vector<Region::Span>* spans, LONG x) {
  if (!spans) return false;
  auto it =
      std::upper_bound(spans->begin(), spans->end(), x, [](LONG v, const Region::Span& s) { return v < s.right; });
  return it != spans->end() && it->left <= x;
}

// One row's combination: walk the elementary intervals between all span edges.
std::vector<Region::Span> CombineSpans(const std::vector<Region::Span>* a, const std::vector<Region::Span>* b,
                                       int mode) {
  std::vector<LONG> edges;
  for (const auto* side : {a, b}) {
    if (!side) continue;
    for (const auto& s : *side) {
      edges.push_back(s.left);
      edges.push_back(s.right);
    }
  }
  std::sort(edges.begin(), edges.end());
  edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
  std::vector<Region::Span> out;
  for (std::size_t i = 0; i + 1 < edges.size(); ++i) {
    const LONG l = edges[i];
    if (!Apply(mode, Covers(a, l), Covers(b, l))) continue;
    if (!out.empty() && out.back().right == l) {
      out.back().right = edges[i + 1];
    } else {
      out.push_back({l, edges[i + 1]});
    }
  }
  return out;
}

}  // namespace

Region Region::FromRect(LONG left, LONG top, LONG right, LONG bottom) {
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
  Region r;
  if (left < right && top < bottom) r.m_Bands.push_back({top, bottom, {{left, right}}});
  return r;
}

Region Region::FromRects(const std::vector<RECT>& rects) {
  std::vector<RECT> sorted;
  sorted.reserve(rects.size());
  for (RECT r : rects) {
    if (r.left > r.right) std::swap(r.left, r.right);
    if (r.top > r.bottom) std::swap(r.top, r.bottom);
    if (r.left < r.right && r.top < r.bottom) sorted.push_back(r);
  }
  Region out;
  std::size_t i = 0;
  while (i < sorted.size()) {
    const RECT& first = sorted[i];
    const bool below = out.m_Bands.empty() || first.top >= out.m_Bands.back().bottom;
    std::vector<Span> spans;
    std::size_t j = i;
    bool banded = below;
    for (; banded && j < sorted.size() && sorted[j].top == first.top; ++j) {
      const RECT& r = sorted[j];
      if (r.bottom != first.bottom || (!spans.empty() && r.left < spans.back().right))
        banded = false;
      else if (!spans.empty() && r.left == spans.back().right)
        spans.back().right = r.right;  // touching
      else
        spans.push_back({r.left, r.right});
    }
    if (!banded) {
      // Not in band order: unite the rest the general way.
      for (; i < sorted.size(); ++i) {
        const RECT& r = sorted[i];
        out = Combine(out, FromRect(r.left, r.top, r.right, r.bottom), RGN_OR);
      }
      break;
    }
    out.AppendBand(first.top, first.bottom, std::move(spans));
    i = j;
  }
  return out;
}

void Region::AppendBand(LONG top, LONG bottom, std::vector<Span> spans) {
  if (spans.empty() || top >= bottom) return;
  if (!m_Bands.empty() && m_Bands.back().bottom == top && m_Bands.back().spans == spans) {
    m_Bands.back().bottom = bottom;
    return;
  }
  m_Bands.push_back({top, bottom, std::move(spans)});
}

Region Region::Combine(const Region& a, const Region& b, int mode) {
  if (mode == RGN_COPY) return a;
  std::vector<LONG> rows;
  for (const auto* side : {&a, &b}) {
    for (const auto& band : side->m_Bands) {
      rows.push_back(band.top);
      rows.push_back(band.bottom);
    }
  }
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  Region out;
  for (std::size_t i = 0; i + 1 < rows.size(); ++i) {
    const LONG y = rows[i];
    out.AppendBand(y, rows[i + 1], CombineSpans(SpansAt(a.m_Bands, y), SpansAt(b.m_Bands, y), mode));
  }
  return out;
}

bool Region::Contains(LONG x, LONG y) const { return Covers(SpansAt(m_Bands, y), x); }

int Region::Kind() const {
  if (m_Bands.empty()) return NULLREGION;
  if (m_Bands.size() == 1 && m_Bands.front().spans.size() == 1) return SIMPLEREGION;
  return COMPLEXREGION;
}

std::vector<RECT> Region::Rects() const {
  std::vector<RECT> out;
  for (const auto& band : m_Bands) {
    for (const auto& s : band.spans) out.push_back({s.left, band.top, s.right, band.bottom});
  }
  return out;
}

RECT Region::Bounds() const {
  if (m_Bands.empty()) return {};
  LONG left = std::numeric_limits<LONG>::max();
  LONG right = std::numeric_limits<LONG>::min();
  for (const auto& band : m_Bands) {
    left = std::min(left, band.spans.front().left);
    right = std::max(right, band.spans.back().right);
  }
  return {left, m_Bands.front().top, right, m_Bands.back().bottom};
}

std::int64_t Region::PixelCount() const {
  std::int64_t n = 0;
  for (const auto& band : m_Bands) {
    std::int64_t w = 0;
    for (const auto& s : band.spans) w += static_cast<std::int64_t>(s.right) - s.left;
    n += w * (static_cast<std::int64_t>(band.bottom) - band.top);
  }
  return n;
}

}  // namespace platform
