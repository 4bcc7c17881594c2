#include "glossbutton/render/FlatRows.h"

#include <algorithm>
#include <unordered_map>

#include "glossbutton/render/Numbers.h"
#include "glossbutton/render/PixelKernels.h"

namespace gloss {
bool FlatRows::Covers(const Surface& s, const ButtonLook& look, const FlatSize& size) {
  return size.W == s.Width() - 1 && size.H == s.Height() - 1 && size.W >= 1 && size.H >= 1 && size.W <= 65536 &&
         size.H <= 65536 && look.DevicePixelRatio >= 1.0 && look.DevicePixelRatio <= 8.0;
}

FlatRows::FlatRows(const ButtonLook& look, const FlatSize& size, std::vector<RowSpans>& rows)
    : W_(size.W), H_(size.H), rows_(rows) {
  // The background is decoration: without the host's colour the button is drawn without it.
  if (look.ParentBackColor) {
    back_ = Surface::ToPixel(*look.ParentBackColor);
    hasBack_ = true;
  }
  if (rows_.size() < static_cast<std::size_t>(H_) + 1) rows_.resize(static_cast<std::size_t>(H_) + 1);
  for (std::int32_t y = 0; y <= H_; ++y) rows_[static_cast<std::size_t>(y)].n = 0;
}

void FlatRows::Add(std::int32_t y, std::int32_t first, std::int32_t last, std::uint32_t px) {
  if (y < 0 || y > H_) return;
  first = std::max(first, 0);
  last = std::min(last, W_);
  if (first > last) return;
  RowSpans& row = rows_[static_cast<std::size_t>(y)];
  // A line that covers an earlier one hides it completely.
  int kept = 0;
  for (int k = 0; k < row.n; ++k)
    if (row.span[k].first < first || row.span[k].last > last) row.span[kept++] = row.span[k];
  row.n = kept;
  if (row.n == kSpansPerRow) {
    complete_ = false;
    return;
  }
  row.span[row.n++] = {first, last, px, false};
}

void FlatRows::Line(std::int32_t x1, std::int32_t x2, std::int32_t y, std::int32_t oleColor) {
  if (x1 < x2)
    Add(y, x1, x2 - 1, Surface::ToPixel(oleColor));
  else if (x1 > x2)
    Add(y, x2 + 1, x1, Surface::ToPixel(oleColor));
}

void FlatRows::Box(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::int32_t oleColor) {
  const std::uint32_t px = Surface::ToPixel(oleColor);
  const std::int32_t top = std::max(std::min(y1, y2), 0), bottom = std::min(std::max(y1, y2), H_);
  for (std::int32_t y = top; y <= bottom; ++y) Add(y, std::min(x1, x2), std::max(x1, x2), px);
}

void FlatRows::Resolve(Plan& plan) const {
  // The outline's runs by row, each row's in the order they are drawn.
  std::vector<OutlineRun> outline(outline_);
  std::stable_sort(outline.begin(), outline.end(), [](const OutlineRun& a, const OutlineRun& b) { return a.y < b.y; });
  std::size_t nextOutline = 0;
  std::vector<std::int32_t> cuts;
  plan.runs.clear();
  plan.rowStart.assign(1, 0);
  for (std::int32_t y = 0; y <= H_; ++y) {
    const RowSpans& row = rows_[static_cast<std::size_t>(y)];
    const OutlineRun* const outlineFirst = outline.data() + nextOutline;
    while (nextOutline < outline.size() && outline[nextOutline].y == y) ++nextOutline;
    const OutlineRun* const outlineEnd = outline.data() + nextOutline;
    // Cut the row where any line starts or ends; each piece takes the colour of the last outline
    // run over it, else of the last line over it (the one drawn last), else the host's.
    cuts.assign({0, W_ + 1});
    for (int k = 0; k < row.n; ++k) cuts.insert(cuts.end(), {row.span[k].first, row.span[k].last + 1});
    for (const OutlineRun* o = outlineFirst; o != outlineEnd; ++o) cuts.insert(cuts.end(), {o->first, o->last + 1});
    std::sort(cuts.begin(), cuts.end());
    const std::size_t start = plan.runs.size();
    for (std::size_t c = 0; c + 1 < cuts.size(); ++c) {
      const std::int32_t first = cuts[c], last = cuts[c + 1] - 1;
      if (first > last) continue;
      Span piece{first, last, back_, !hasBack_};
      bool outlined = false;
      for (const OutlineRun* o = outlineEnd; o != outlineFirst;) {
        --o;
        if (o->first <= first && last <= o->last) {
          piece = {first, last, o->px, false};
          outlined = true;
          break;
        }
      }
      for (int k = row.n - 1; k >= 0 && !outlined; --k)
        if (row.span[k].first <= first && last <= row.span[k].last) {
          piece = {first, last, row.span[k].px, false};
          break;
        }
      if (plan.runs.size() > start) {
        Span& prev = plan.runs.back();
        if (prev.unpainted == piece.unpainted && (piece.unpainted || prev.px == piece.px)) {
          prev.last = last;
          continue;
        }
      }
      plan.runs.push_back(piece);
    }
    plan.rowStart.push_back(static_cast<std::uint32_t>(plan.runs.size()));
  }
  plan.currentX = currentX_;
  plan.currentY = currentY_;
  plan.movesPosition = movesPosition_;

  plan.palette.assign(1, 0);
  std::unordered_map<std::uint32_t, std::uint32_t> index;
  const auto colourOf = [&](std::uint32_t px) {
    const auto [at, added] = index.try_emplace(px, static_cast<std::uint32_t>(plan.palette.size()));
    if (added) plan.palette.push_back(px);
    return at->second;
  };
  const auto width = static_cast<std::size_t>(W_) + 1;
  plan.fills.clear();
  for (std::int32_t y = 0; y <= H_; ++y) {
    for (std::uint32_t k = plan.rowStart[static_cast<std::size_t>(y)];
         k < plan.rowStart[static_cast<std::size_t>(y) + 1]; ++k) {
      const Span& run = plan.runs[k];
      const Fill fill{static_cast<std::size_t>(y) * width + static_cast<std::size_t>(run.first),
                      static_cast<std::uint32_t>(run.last - run.first + 1), run.unpainted ? 0u : colourOf(run.px)};
      Fill* const prev = plan.fills.empty() ? nullptr : &plan.fills.back();
      if (prev && prev->colour == fill.colour && prev->offset + prev->n == fill.offset)
        prev->n += fill.n;
      else
        plan.fills.push_back(fill);
    }
  }
}

void FlatRows::OutlineRunAt(std::int32_t y, std::int32_t first, std::int32_t last, std::uint32_t px) {
  if (y < 0 || y > H_) return;
  first = std::max(first, 0);
  last = std::min(last, W_);
  if (first <= last) outline_.push_back({y, first, last, px});
}

void FlatRows::HostBackground() {
  if (!hasBack_) return;
  currentX_ = static_cast<float>(W_);
  currentY_ = static_cast<float>(H_);
  movesPosition_ = true;
}

void FlatRows::OutlinePixel(std::int32_t x, std::int32_t y, std::int32_t oleColor) {
  OutlineRunAt(y, x, x, Surface::ToPixel(oleColor));
  currentX_ = static_cast<float>(x);
  currentY_ = static_cast<float>(y);
  movesPosition_ = true;
}

void FlatRows::OutlineLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::int32_t oleColor) {
  const std::uint32_t px = Surface::ToPixel(oleColor);
  currentX_ = static_cast<float>(x2);
  currentY_ = static_cast<float>(y2);
  movesPosition_ = true;
  const std::int64_t dx = std::int64_t{x2} - x1, dy = std::int64_t{y2} - y1;
  if (dy == 0) {
    if (x1 < x2)
      OutlineRunAt(y1, x1, x2 - 1, px);
    else if (x1 > x2)
      OutlineRunAt(y1, x2 + 1, x1, px);
  } else if (dx == 0 || dx == dy || dx == -dy) {
    // Down, or at 45 degrees, where the line's minor axis moves one pixel every step: from the
    // first point up to but not including the second.
    const std::int32_t sx = dx > 0 ? 1 : dx < 0 ? -1 : 0, sy = dy > 0 ? 1 : -1;
    const std::int64_t steps = dy > 0 ? dy : -dy;
    for (std::int64_t k = 0; k < steps; ++k) {
      const auto x = static_cast<std::int32_t>(x1 + sx * k), y = static_cast<std::int32_t>(y1 + sy * k);
      OutlineRunAt(y, x, x, px);
    }
  } else {
    complete_ = false;
  }
}

void FlatRows::Outline(const ButtonLook& look, const OutlineColors& c, bool firstShadeOnLeft) {
  WalkFlatOutline(
      W_, H_, c, DeviceLength(look, 1), DeviceLength(look, 2), firstShadeOnLeft,
      [this](std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::int32_t colour) {
        OutlineLine(x1, y1, x2, y2, colour);
      },
      [this](std::int32_t x, std::int32_t y, std::int32_t colour) { OutlinePixel(x, y, colour); });
}

void FlatRows::Paint(Plan& plan, Surface& s) {
  const Surface::Canvas canvas = s.OpenCanvas();
  if (canvas.fillAll) {
    // Every pixel is written, row after row: a fill may write past its end.
    plan.palette[0] = canvas.clearPixel;
    PaintFills(canvas.pixels, plan.fills.data(), plan.fills.data() + plan.fills.size(), plan.palette.data(),
               static_cast<std::ptrdiff_t>(canvas.width) * canvas.height);
  } else {
    PaintEach(plan, canvas);
  }
  if (plan.movesPosition) {
    s.SetCurrentX(plan.currentX);
    s.SetCurrentY(plan.currentY);
  }
}

// A surface that keeps its pixels: the unpainted runs are left alone.
void FlatRows::PaintEach(const Plan& plan, const Surface::Canvas& canvas) {
  const auto rows = static_cast<std::int32_t>(plan.rowStart.size()) - 1;
  for (std::int32_t y = 0; y < rows; ++y) {
    std::uint32_t* out = canvas.pixels + static_cast<std::ptrdiff_t>(y) * canvas.width;
    const Span* run = plan.runs.data() + plan.rowStart[static_cast<std::size_t>(y)];
    const Span* end = plan.runs.data() + plan.rowStart[static_cast<std::size_t>(y) + 1];
    for (; run != end; ++run)
      if (!run->unpainted) FillPixels(out + run->first, run->last - run->first + 1, run->px);
  }
}

}  // namespace gloss
