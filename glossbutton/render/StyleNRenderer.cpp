// Styles 2 to 5 on the glossy row painter (RowLayout.h): the face's parts are the glow and the
// gloss band, coloured by row; what varies by column (the glow of Style 5, its horizontal
// falloff, and the darkening of the upper corners) is worked out on the left half of each row and
// mirrored, by the vector path's kernels (PixelKernels.h). Tables that depend only on the radius,
// the width or the colours are kept (StyleNKept). The plain renderer (ReferenceRenderers.h), written
// apart, checks every pixel and draws what is outside the painter's ranges.
#include "glossbutton/render/StyleNRenderer.h"

#include <immintrin.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "glossbutton/render/ColorHelpers.h"
#include "glossbutton/render/GlossyFace.h"
#include "glossbutton/render/MirroredRows.h"
#include "glossbutton/render/Numbers.h"
#include "glossbutton/render/PixelKernels.h"
#include "glossbutton/render/PixelMath.h"
#include "glossbutton/render/ReferenceRenderers.h"
#include "glossbutton/render/RenderContext.h"
#include "glossbutton/render/RoundRectRows.h"
#include "glossbutton/render/RowLayout.h"

namespace gloss {
namespace {

// The face parameters within the ranges the row painter is written for (besides GlossyFastRange).
bool WithinFastRange(const FaceParams& P) {
  constexpr std::int32_t kMaxSide = 8192;
  const auto small = [](std::int32_t v) { return std::abs(v) <= 4 * kMaxSide; };
  return P.HighlightRadius >= 0 && P.HighlightRadius <= kMaxSide && small(P.HighlightBase) && small(P.HighlightSlope) &&
         small(P.HighlightLeft) && small(P.HighlightTop) && small(P.HighlightWidth) && small(P.HighlightHeight) &&
         small(P.ShadeX) && small(P.ShadeY);
}

// Float to integer, nearest with halves to even: the processor's default rounding, as CInt32.
inline std::int32_t RoundToInt(double v) { return _mm_cvtsd_si32(_mm_set_sd(v)); }

// The glow's term of row j before rounding: (sy * (j - H))^2.
inline double RowTerm(float sy, std::int32_t j, std::int32_t H) {
  const double ey = static_cast<double>(sy) * static_cast<double>(j - H);
  return ey * ey;
}

// The glow's percentage never grows towards the middle column (the distance from it shrinks), so
// the columns of first..last where it is still clamped at 100 come first: where they end.
std::int32_t ClampedGlowEnd(const double* term, double rowTerm, std::int32_t first, std::int32_t last) {
  std::int32_t lo = first, hi = last + 1;
  while (lo < hi) {
    const std::int32_t mid = lo + (hi - lo) / 2;
    if (RoundToInt(term[mid] + rowTerm) >= 100)
      lo = mid + 1;
    else
      hi = mid;
  }
  return lo;
}

}  // namespace

void DrawStyleNFace(Surface& s, const ButtonLook& look, std::int32_t X0, std::int32_t Y0, std::int32_t W,
                    std::int32_t H, std::int32_t Colour, const FaceParams& P) {
  if (W == 0 || H == 0) return;
  const std::int32_t R = look.m_CornerRadius;
  if (!GlossyFastRange(X0, Y0, W, H, R, look.DevicePixelRatio) || !WithinFastRange(P))
    return reference::DrawStyleNFace(s, look, X0, Y0, W, H, Colour, P);

  const float sy = static_cast<float>(static_cast<double>(100 - P.ShadeY) / static_cast<double>(2 * H));
  const float sx = static_cast<float>(static_cast<double>(100 - P.ShadeX) / static_cast<double>(W));

  // A copy of BorderBrightness: the clamp in BlendColors must not write back into the look.
  std::int32_t brightness = look.m_BorderBrightness >= 0 ? look.m_BorderBrightness : Sub32(0, look.m_BorderBrightness);
  const std::uint32_t edge =
      ToPixel(SplitColor(BlendColors(Colour, look.m_BorderBrightness >= 0 ? kWhite : kBlack, brightness)));

  const Rgb face = SplitColor(Colour);
  const Rgb bright = SplitColor(look.m_ColorBright);
  const Rgb white = SplitColor(kWhite);

  RenderContext& cx = RenderContext::ForThisThread();
  StyleNKept& sc = cx.styleN;
  const std::int32_t border = DeviceLength(look, 1);
  sc.frame.Reset(W, H, R, border);
  sc.gloss.Reset(P.HighlightLeft, P.HighlightTop, P.HighlightWidth, P.HighlightHeight, P.HighlightRadius);

  const std::int32_t halfW = W / 2;
  // The glow depends on the column only when there is a horizontal falloff (Style 5).
  GlowRamp ramp{};
  const bool perColumn = sx != 0.0f;
  if (perColumn) {
    if (!(sc.glowFrom == bright && sc.glowTo == face)) {
      sc.glowFrom = Rgb{-1, -1, -1};  // stays unmatched if the loop below is left early
      for (std::int32_t p = 0; p <= 100; ++p) sc.glow[p] = ToPixel(Blend(bright, face, p));
      sc.glowFrom = bright;
      sc.glowTo = face;
    }
    ramp = {sc.glow, {bright.r, bright.g, bright.b}, {face.r, face.g, face.b}};
    if (sc.termHalfW != halfW || sc.termSx != sx) {
      sc.termHalfW = -1;
      sc.columnTerm.resize(static_cast<std::size_t>(halfW) + 1);
      for (std::int32_t i = 0; i <= halfW; ++i) {
        const double ex = static_cast<double>(sx) * static_cast<double>(i - halfW);
        sc.columnTerm[static_cast<std::size_t>(i)] = ex * ex;
      }
      sc.termHalfW = halfW;
      sc.termSx = sx;
    }
  }
  const std::uint32_t* glow = sc.glow;
  // The upper-corner darkening stops where its percentage reaches 100.
  if (sc.darkeningR != R) {
    sc.darkeningR = -1;
    sc.darkening.clear();
    if (R > 0) {
      for (std::int32_t n = 0;; ++n) {
        const std::int32_t pct = n * 70 / R;
        if (pct >= 100) break;
        sc.darkening.push_back(static_cast<std::uint8_t>(pct));
      }
    }
    sc.darkLimit = static_cast<std::int32_t>(sc.darkening.size());
    sc.darkening.resize(sc.darkening.size() + 8, 0);
    sc.darkeningR = R;
  }
  const std::int32_t darkLimit = sc.darkLimit;

  Surface::Canvas canvas = s.OpenCanvas();
  const std::int32_t highlightBottom = P.HighlightTop + P.HighlightHeight;
  if (PaintsFromLayout(canvas, W, H)) {
    const StyleNKept::LayoutKey key{W,
                                    H,
                                    R,
                                    border,
                                    P.HighlightLeft,
                                    P.HighlightTop,
                                    P.HighlightWidth,
                                    P.HighlightHeight,
                                    P.HighlightRadius,
                                    P.ShadeX,
                                    P.ShadeY,
                                    P.HighlightSlope,
                                    P.HighlightBase};
    // The face's band is the gloss shape.
    const auto markRow = [&](std::int32_t j, std::uint8_t* part) {
      Run innerRuns[3], glossRuns[3], glossInFace[6];
      const int nInner = sc.frame.Mark(j, halfW, part, innerRuns);
      const int nGloss = sc.gloss.Row(j, glossRuns);
      MarkRuns(part, halfW, glossInFace, IntersectRuns(innerRuns, nInner, glossRuns, nGloss, glossInFace), kBand);
    };
    const StyleNKept::FaceLayout* layout = sc.layouts.Find(key, H + 1, [&](StyleNKept::FaceLayout& l) {
      // A glow by column writes the face's pixels itself.
      if (!l.Build(W, H, markRow, kSameInEveryRow, perColumn ? 1u << kFace : 0u)) return false;
      l.percent.assign(static_cast<std::size_t>(H) + 1, {-1, -1});
      l.spanStart.assign(1, 0);
      l.spans.clear();
      for (std::int32_t j = 0; j <= H; ++j) {
        bool anyFace = false;
        for (const PartRun* run = l.Begin(j); run != l.End(j); ++run) {
          anyFace |= run->part >= kFace;
          if (run->part != kFace || run->first > halfW) continue;
          const std::int32_t last = std::min(run->last, halfW);
          const std::int32_t glowFrom =
              perColumn ? ClampedGlowEnd(sc.columnTerm.data(), RowTerm(sy, j, H), run->first, last) : last + 1;
          l.spans.push_back({run->first, last, std::min({last, R - 1, darkLimit - 1 - 3 * j / 2}), glowFrom});
        }
        l.spanStart.push_back(static_cast<std::uint32_t>(l.spans.size()));
        if (!anyFace) continue;
        StyleNKept::FaceLayout::Percentages& row = l.percent[static_cast<std::size_t>(j)];
        row.face = static_cast<std::int16_t>(std::min(RoundToInt(RowTerm(sy, j, H)), 100));
        if (P.HighlightTop < j && j < highlightBottom && R != 0)
          row.gloss = static_cast<std::int16_t>(Clamp100(P.HighlightSlope * j / R + P.HighlightBase));
      }
      return true;
    });
    if (layout) {
      // The colours of each row's parts (a glow by column is written below, left half and mirror),
      // a row's colour worked out again only where its percentage differs from the row before.
      const auto rowColours = [percent = layout->percent.data(), white, face, bright, perColumn,
                               g = ToPixel(Rgb{0, 0, 0}), faceColour = std::uint32_t{0}, glossPercent = -1,
                               facePercent = -1](std::int32_t j, std::uint32_t* colour) mutable {
        const StyleNKept::FaceLayout::Percentages row = percent[j];
        if (row.gloss >= 0 && row.gloss != glossPercent) {
          glossPercent = row.gloss;
          g = ToPixel(Blend(white, face, glossPercent));
        }
        if (!perColumn && row.face >= 0 && row.face != facePercent) {
          facePercent = row.face;
          faceColour = ToPixel(Blend(bright, face, facePercent));
        }
        colour[kFace] = faceColour;
        colour[kBand] = g;
      };
      PaintFromLayout(*layout, canvas, sc.rowColours, H, edge, rowColours);
      // What varies by column, on the left half of each face run, then mirrored: the glow of
      // every row, then the corner darkening over it.
      const auto spansOf = [&](std::int32_t j) {
        return std::make_pair(layout->spans.data() + layout->spanStart[static_cast<std::size_t>(j)],
                              layout->spans.data() + layout->spanStart[static_cast<std::size_t>(j) + 1]);
      };
      if (perColumn) {
        sc.glowRuns.clear();
        for (std::int32_t j = 0; j <= H; ++j)
          for (auto [span, end] = spansOf(j); span != end; ++span)
            sc.glowRuns.push_back({canvas.pixels + static_cast<std::ptrdiff_t>(j) * canvas.width, RowTerm(sy, j, H),
                                   span->first, span->glowFrom, span->last});
        GlowColumns(sc.glowRuns.data(), sc.glowRuns.size(), sc.columnTerm.data(), ramp, W);
      }
      for (std::int32_t j = 0; j <= H; ++j) {
        std::uint32_t* out = canvas.pixels + static_cast<std::ptrdiff_t>(j) * canvas.width;
        const std::uint8_t* percent = sc.darkening.data() + 3 * j / 2;  // n = (3 j) \ 2 + i
        for (auto [span, end] = spansOf(j); span != end; ++span)
          if (span->first <= span->darkEnd) DarkenAndMirror(out, percent, span->first, span->darkEnd, W);
      }
      return;
    }
  }

  std::uint32_t g = ToPixel(Rgb{0, 0, 0});
  PaintMirrored(canvas, W, H, sc.frame, cx.mirroredRow, edge,
                [&](std::int32_t j, MirroredRows& rows, std::uint32_t* out, const Run* innerRuns, int nInner) {
                  Run glossRuns[3];
                  bool anyFace = false;
                  for (int k = 0; k < nInner; ++k)
                    anyFace |= std::max(innerRuns[k].first, 0) <= std::min(innerRuns[k].last, halfW);
                  if (anyFace) {
                    if (P.HighlightTop < j && j < highlightBottom && R != 0)
                      g = ToPixel(Blend(white, face, Clamp100(P.HighlightSlope * j / R + P.HighlightBase)));

                    const double ey = static_cast<double>(sy) * static_cast<double>(j - H);
                    const double rowTerm = ey * ey;
                    const std::uint32_t rowGlow =
                        perColumn ? 0 : ToPixel(Blend(bright, face, std::min(RoundToInt(rowTerm), 100)));
                    const std::int32_t darkStart = 3 * j / 2;  // n = darkStart + i
                    // The glow with the upper-corner darkening, for columns first..last outside the gloss band.
                    const auto glowRun = [&](std::int32_t first, std::int32_t last) {
                      if (first > last) return;
                      std::int32_t perPixelFrom = last + 1;
                      if (perColumn) {
                        const double* term = sc.columnTerm.data();
                        const std::int32_t lo = ClampedGlowEnd(term, rowTerm, first, last);
                        rows.Fill(first, lo - 1, glow[100]);
                        const GlowRun run{out, rowTerm, lo, lo, last};
                        GlowColumns(&run, 1, term, ramp);
                        perPixelFrom = lo;
                      } else {
                        rows.Fill(first, last, rowGlow);
                      }
                      // Only the columns i < R, and only while the percentage stays below 100.
                      const std::int32_t darkEnd = std::min({last, R - 1, darkLimit - 1 - darkStart});
                      if (first <= darkEnd) DarkenColumns(out, sc.darkening.data() + darkStart, first, darkEnd);
                      // What was worked out pixel by pixel: the darkened columns and the glow columns.
                      rows.Mirror(first, std::min(darkEnd, perPixelFrom - 1));
                      rows.Mirror(perPixelFrom, last);
                    };
                    const int nGloss = sc.gloss.Row(j, glossRuns);
                    for (int k = 0; k < nInner; ++k) {
                      std::int32_t next = std::max(innerRuns[k].first, 0);
                      const std::int32_t last = std::min(innerRuns[k].last, halfW);
                      // Runs of the gloss band split the face run: glow between them, the gloss colour on them.
                      for (int a = 0; a < nGloss && next <= last; ++a) {
                        const std::int32_t glossFirst = std::max(glossRuns[a].first, next);
                        const std::int32_t glossLast = std::min(glossRuns[a].last, last);
                        if (glossFirst > glossLast) continue;
                        glowRun(next, glossFirst - 1);
                        rows.Fill(glossFirst, glossLast, g);
                        next = glossLast + 1;
                      }
                      glowRun(next, last);
                    }
                  }
                });
}

void RenderStyleN(Surface& s, const ButtonLook& look, const std::int32_t& ButtonState) {
  FaceParams P;
  const bool drawable =
      MakeFaceParams(P, look.Style, look.m_CornerRadius, s.ScaleWidth(), look.ScaleHeight, look.DevicePixelRatio);
  FaceBox box;
  if (drawable && GlossyFaceBox(s, look, ButtonState, box)) DrawStyleNFace(s, look, 0, 0, box.W, box.H, box.Colour, P);
}

}  // namespace gloss
