// Style 6, row by row: the face colour and the gloss colour depend on the row alone, and the
// shape tests become runs of columns per row, taken from the shape's cached layout (RowLayout.h)
// on a surface that owes its clear and is as wide as the face. Exactly the pixels of the plain renderer
// (ReferenceRenderers.h), which takes over outside the ranges these shortcuts are written for.
#include "glossbutton/render/Style6Renderer.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "glossbutton/render/ColorHelpers.h"
#include "glossbutton/render/GlossyFace.h"
#include "glossbutton/render/MirroredRows.h"
#include "glossbutton/render/PixelMath.h"
#include "glossbutton/render/ReferenceRenderers.h"
#include "glossbutton/render/RenderContext.h"
#include "glossbutton/render/RoundRectRows.h"
#include "glossbutton/render/RowLayout.h"

namespace gloss {
namespace {

constexpr std::int32_t kMaxSide = 8192;

// The parts of a row in a layout (RowLayout.h).
enum Part : std::uint8_t { kOutside, kEdge, kShaded, kCrescent };

// The crescent of row j: inside the face and the upper gloss shape but not inside the lower one.
int CrescentRuns(Style6Kept& sc, std::int32_t j, const Run* innerRuns, int nInner, Run* crescent) {
  if (nInner == 0) return 0;
  Run upperRuns[3], lowerRuns[3], band[6];
  const int nUpper = sc.upper.Row(j, upperRuns);
  const int nLower = nUpper ? sc.lower.Row(j, lowerRuns) : 0;
  const int nBand = IntersectRuns(innerRuns, nInner, upperRuns, nUpper, band);
  return SubtractRuns(band, nBand, lowerRuns, nLower, crescent);
}

}  // namespace

void DrawStyle6Face(Surface& s, const ButtonLook& look, std::int32_t X0, std::int32_t Y0, std::int32_t W,
                    std::int32_t H, std::int32_t Colour) {
  if (H == 0) return;
  const std::int32_t R = look.m_CornerRadius;
  if (X0 != 0 || Y0 != 0 || W < 1 || W > kMaxSide || H < 1 || H > kMaxSide || R < 0 || R > kMaxSide ||
      look.DevicePixelRatio < 1.0 || look.DevicePixelRatio > 8.0)
    return reference::DrawStyle6Face(s, look, X0, Y0, W, H, Colour);

  const Rgb face = SplitColor(Colour);
  const Rgb bright = SplitColor(look.m_ColorBright);
  const Rgb white = SplitColor(kWhite);
  const std::uint32_t edge = ToPixel(Blend(SplitColor(kBlack), face, 50));

  RenderContext& cx = RenderContext::ForThisThread();
  Style6Kept& sc = cx.style6;
  const std::int32_t border = DeviceLength(look, 1), glossLeft = DeviceLength(look, 4);
  const std::int32_t glossWidth = W - R, glossHeight = 2 * R - border, glossRadius = 2 * R / 3;
  sc.outer.Reset(0, 0, W, H, R);
  sc.inner.Reset(border, border, W - 2 * border, H - 2 * border, R);
  sc.upper.Reset(glossLeft, DeviceLength(look, 2), glossWidth, glossHeight, glossRadius);
  sc.lower.Reset(glossLeft, R / 2, glossWidth, glossHeight, glossRadius);

  Surface::Canvas canvas = s.OpenCanvas();
  // A face as wide as a surface that owes its clear, and no taller: every pixel written once, from the layout.
  if (canvas.fillAll && W + 1 == canvas.width && H < canvas.height) {
    const Style6Kept::LayoutKey key{W, H, R, border, glossLeft, DeviceLength(look, 2)};
    const std::int32_t half = W / 2;
    const RowLayout* layout = sc.layouts.Find(key, H + 1, [&](RowLayout& l) {
      return l.Build(
          W, H,
          [&](std::int32_t j, std::uint8_t* part) {
            // The parts the row painter below would give each column of the half row, in its order.
            const auto mark = [&](const Run* runs, int n, std::uint8_t value) {
              for (int k = 0; k < n; ++k)
                for (std::int32_t x = std::max(runs[k].first, 0); x <= std::min(runs[k].last, half); ++x)
                  part[x] = value;
            };
            Run outerRuns[3], innerRuns[3], painted[6], ring[12], crescent[12];
            const int nOuter = sc.outer.Row(j, outerRuns);
            const int nInner = sc.inner.Row(j, innerRuns);
            for (std::int32_t x = 0; x <= half; ++x) part[x] = kOutside;
            mark(painted, UniteRuns(outerRuns, nOuter, innerRuns, nInner, painted), RowLayout::kNone);
            mark(ring, SubtractRuns(outerRuns, nOuter, innerRuns, nInner, ring), kEdge);
            mark(innerRuns, nInner, kShaded);
            mark(crescent, CrescentRuns(sc, j, innerRuns, nInner, crescent), kCrescent);
          },
          (1u << kOutside) | (1u << kEdge));
    });
    if (layout) {
      // Outside and edge have one colour, row 0's.
      sc.rowColours.resize(RowLayout::kParts * (static_cast<std::size_t>(H) + 1));
      sc.rowColours[kOutside] = canvas.clearPixel;
      sc.rowColours[kEdge] = edge;
      std::uint32_t crescent = ToPixel(Rgb{0, 0, 0});
      for (std::int32_t j = 0; j <= H; ++j) {
        if (j < R) crescent = ToPixel(Blend(white, face, j * 30 / R));
        std::uint32_t* colour = sc.rowColours.data() + RowLayout::kParts * static_cast<std::size_t>(j);
        colour[kShaded] = ToPixel(Blend(face, bright, Clamp100(std::abs((2 * j - H) * 100 / H))));
        colour[kCrescent] = crescent;
      }
      layout->Paint(canvas, sc.rowColours.data());
      return;
    }
  }

  MirroredRows rows(canvas, W, cx.mirroredRow);
  const std::int32_t lastRow = std::min(H, rows.VisibleRows() - 1);
  std::uint32_t g = ToPixel(Rgb{0, 0, 0});
  Run outerRuns[3], innerRuns[3];
  for (std::int32_t j = 0; j <= lastRow; ++j) {
    if (j < R) g = ToPixel(Blend(white, face, j * 30 / R));
    const std::int32_t shade = std::abs((2 * j - H) * 100 / H);
    const std::uint32_t shaded = ToPixel(Blend(face, bright, Clamp100(shade)));

    rows.Begin(j);
    const int nOuter = sc.outer.Row(j, outerRuns);
    const int nInner = sc.inner.Row(j, innerRuns);
    rows.PaintFrame(outerRuns, nOuter, innerRuns, nInner, edge);
    Run crescent[12], plain[12];
    const int nCrescent = CrescentRuns(sc, j, innerRuns, nInner, crescent);
    const int nPlain = SubtractRuns(innerRuns, nInner, crescent, nCrescent, plain);
    rows.Fill(plain, nPlain, shaded);
    rows.Fill(crescent, nCrescent, g);
    rows.Commit(j);
  }
}

void RenderStyle6(Surface& s, const ButtonLook& look, const std::int32_t& ButtonState) {
  FaceBox box;
  if (GlossyFaceBox(s, look, ButtonState, box)) DrawStyle6Face(s, look, 0, 0, box.W, box.H, box.Colour);
}

}  // namespace gloss
