// Style 6 on the glossy row painter (RowLayout.h): the face's parts are the shaded face and the
// gloss crescent under the top edge, both coloured by row. The plain renderer
// (ReferenceRenderers.h) draws what is outside the painter's ranges.
#include "glossbutton/render/Style6Renderer.h"

#include <cstdlib>

#include "glossbutton/render/ColorHelpers.h"
#include "glossbutton/render/GlossyFace.h"
#include "glossbutton/render/PixelMath.h"
#include "glossbutton/render/ReferenceRenderers.h"
#include "glossbutton/render/RenderContext.h"

namespace gloss {
namespace {

// The crescent of row j: inside the face and the upper gloss shape but not inside the lower one.
int CrescentRuns(const Style6Kept& sc, std::int32_t j, const Run* innerRuns, int nInner, Run* crescent) {
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
  if (!GlossyFastRange(X0, Y0, W, H, R, look.DevicePixelRatio))
    return reference::DrawStyle6Face(s, look, X0, Y0, W, H, Colour);

  const Rgb face = SplitColor(Colour);
  const Rgb bright = SplitColor(look.m_ColorBright);
  const Rgb white = SplitColor(kWhite);
  const std::uint32_t edge = ToPixel(Blend(SplitColor(kBlack), face, 50));
  const auto shaded = [face, bright, H](std::int32_t j) {
    return ToPixel(Blend(face, bright, Clamp100(std::abs((2 * j - H) * 100 / H))));
  };

  RenderContext& cx = RenderContext::ForThisThread();
  Style6Kept& sc = cx.style6;
  const std::int32_t border = DeviceLength(look, 1), glossLeft = DeviceLength(look, 4),
                     glossTop = DeviceLength(look, 2);
  const std::int32_t glossWidth = W - R, glossHeight = 2 * R - border, glossRadius = 2 * R / 3;
  sc.frame.Reset(W, H, R, border);
  sc.upper.Reset(glossLeft, glossTop, glossWidth, glossHeight, glossRadius);
  sc.lower.Reset(glossLeft, R / 2, glossWidth, glossHeight, glossRadius);

  Surface::Canvas canvas = s.OpenCanvas();
  if (PaintsFromLayout(canvas, W, H)) {
    const std::int32_t half = W / 2;
    const RowLayout* layout = sc.layouts.Find({W, H, R, border, glossLeft, glossTop}, H + 1, [&](RowLayout& l) {
      return l.Build(
          W, H,
          [&](std::int32_t j, std::uint8_t* part) {
            Run innerRuns[3], crescent[12];
            const int nInner = sc.frame.Mark(j, half, part, innerRuns);
            MarkRuns(part, half, crescent, CrescentRuns(sc, j, innerRuns, nInner, crescent), kBand);
          },
          kSameInEveryRow);
    });
    if (layout) {
      const auto rowColours = [shaded, white, face, R, crescent = ToPixel(Rgb{0, 0, 0})](
                                  std::int32_t j, std::uint32_t* colour) mutable {
        if (j < R) crescent = ToPixel(Blend(white, face, j * 30 / R));
        colour[kFace] = shaded(j);
        colour[kBand] = crescent;
      };
      PaintFromLayout(*layout, canvas, sc.rowColours, H, edge, rowColours);
      return;
    }
  }

  std::uint32_t g = ToPixel(Rgb{0, 0, 0});
  PaintMirrored(canvas, W, H, sc.frame, cx.mirroredRow, edge,
                [&](std::int32_t j, MirroredRows& rows, std::uint32_t*, const Run* innerRuns, int nInner) {
                  if (j < R) g = ToPixel(Blend(white, face, j * 30 / R));
                  Run crescent[12], plain[12];
                  const int nCrescent = CrescentRuns(sc, j, innerRuns, nInner, crescent);
                  rows.Fill(plain, SubtractRuns(innerRuns, nInner, crescent, nCrescent, plain), shaded(j));
                  rows.Fill(crescent, nCrescent, g);
                });
}

void RenderStyle6(Surface& s, const ButtonLook& look, const std::int32_t& ButtonState) {
  FaceBox box;
  if (GlossyFaceBox(s, look, ButtonState, box)) DrawStyle6Face(s, look, 0, 0, box.W, box.H, box.Colour);
}

}  // namespace gloss
