// Style 6, row by row: the face colour and the gloss colour depend on the row alone, and the
// shape tests become runs of columns per row. Exactly the pixels of the plain renderer
// (ReferenceRenderers.h), which takes over outside the ranges these shortcuts are written for.
#include "glossbutton/render/Style6Renderer.h"

#include <algorithm>
#include <cstdlib>

#include "glossbutton/render/ColorHelpers.h"
#include "glossbutton/render/GlossyFace.h"
#include "glossbutton/render/MirroredRows.h"
#include "glossbutton/render/PixelMath.h"
#include "glossbutton/render/ReferenceRenderers.h"
#include "glossbutton/render/RoundRectRows.h"

namespace gloss {
namespace {

constexpr std::int32_t kMaxSide = 8192;

struct Scratch {
  RoundRectRows outer, inner, upper, lower;
};

Scratch& GetScratch() {
  thread_local Scratch scratch;
  return scratch;
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

  Scratch& sc = GetScratch();
  const std::int32_t border = DeviceLength(look, 1), glossLeft = DeviceLength(look, 4);
  const std::int32_t glossWidth = W - R, glossHeight = 2 * R - border, glossRadius = 2 * R / 3;
  sc.outer.Reset(0, 0, W, H, R);
  sc.inner.Reset(border, border, W - 2 * border, H - 2 * border, R);
  sc.upper.Reset(glossLeft, DeviceLength(look, 2), glossWidth, glossHeight, glossRadius);
  sc.lower.Reset(glossLeft, R / 2, glossWidth, glossHeight, glossRadius);

  Surface::Canvas canvas = s.OpenCanvas();
  MirroredRows rows(canvas, W);
  const std::int32_t lastRow = std::min(H, rows.VisibleRows() - 1);
  std::uint32_t g = ToPixel(Rgb{0, 0, 0});
  Run outerRuns[3], innerRuns[3], upperRuns[3], lowerRuns[3];
  for (std::int32_t j = 0; j <= lastRow; ++j) {
    if (j < R) g = ToPixel(Blend(white, face, j * 30 / R));
    const std::int32_t shade = std::abs((2 * j - H) * 100 / H);
    const std::uint32_t shaded = ToPixel(Blend(face, bright, Clamp100(shade)));

    rows.Begin(j);
    const int nOuter = sc.outer.Row(j, outerRuns);
    const int nInner = sc.inner.Row(j, innerRuns);
    rows.PaintFrame(outerRuns, nOuter, innerRuns, nInner, edge);
    // The crescent: inside the face and the upper gloss shape but not inside the lower one.
    Run crescent[12], band[6], plain[12];
    int nCrescent = 0;
    if (nInner != 0) {
      const int nUpper = sc.upper.Row(j, upperRuns);
      const int nLower = nUpper ? sc.lower.Row(j, lowerRuns) : 0;
      const int nBand = IntersectRuns(innerRuns, nInner, upperRuns, nUpper, band);
      nCrescent = SubtractRuns(band, nBand, lowerRuns, nLower, crescent);
    }
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
