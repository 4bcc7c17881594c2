#pragma once
// Styles 2 to 5: a glossy rounded face painted pixel by pixel, the styles differing only in the
// nine numbers of FaceParams (FaceParams.h).
#include <cstdint>
#include <vector>

#include "glossbutton/render/ButtonLook.h"
#include "glossbutton/render/DrawState.h"
#include "glossbutton/render/FaceParams.h"
#include "glossbutton/render/PixelKernels.h"
#include "glossbutton/render/PixelMath.h"
#include "glossbutton/render/RoundRectRows.h"
#include "glossbutton/render/RowLayout.h"
#include "glossbutton/render/Surface.h"

namespace gloss {

// What Styles 2 to 5 keep between redraws (in the RenderContext): the shapes' row walkers, the
// last few layouts, and tables made again only when what they are made from changes.
struct StyleNKept {
  // Every number the shapes of a face are made from.
  struct LayoutKey {
    std::int32_t W, H, R, border, left, top, width, height, radius, shadeX, shadeY, slope, base;
    bool operator==(const LayoutKey&) const = default;
  };
  // A face's layout with what its row loop needs besides the runs: whether a row shows the face
  // at all, and the face runs of its left half with the last column of their corner darkening and,
  // for a glow by column, the first column where it is not clamped.
  struct FaceSpan {
    std::int32_t first, last, darkEnd, glowFrom;
  };
  struct FaceLayout : RowLayout {
    // Per row: the percentages of the face's and the gloss band's colours, -1 where the row has no
    // face (then neither) or is outside the band (the gloss colour of the row before stays).
    struct Percentages {
      std::int16_t face, gloss;
    };
    std::vector<Percentages> percent;
    std::vector<std::uint32_t> spanStart;  // row j: spans[spanStart[j] .. spanStart[j + 1])
    std::vector<FaceSpan> spans;
  };

  GlossyFrame frame;
  RoundRectRows gloss;
  LayoutCache<LayoutKey, FaceLayout> layouts;
  std::vector<double> columnTerm;  // (sx * dx)^2 per column of the half row
  float termSx = 0;
  std::int32_t termHalfW = -1;
  // n * 70 \ R for n = (3 j) \ 2 + i, while below 100 (darkLimit of them), then eight zeros for
  // DarkenAndMirror to read past the end.
  std::vector<std::uint8_t> darkening;
  std::int32_t darkeningR = -1, darkLimit = 0;
  std::uint32_t glow[101];                // the glow's pixel for each percentage
  std::vector<std::uint32_t> rowColours;  // RowLayout::kParts a row
  std::vector<GlowRun> glowRuns;
  Rgb glowFrom{-1, -1, -1}, glowTo{-1, -1, -1};
};

void DrawStyleNFace(Surface& surface, const ButtonLook& look, std::int32_t X0, std::int32_t Y0, std::int32_t W,
                    std::int32_t H, std::int32_t Colour, const FaceParams& P);

void RenderStyleN(Surface& surface, const ButtonLook& look, const std::int32_t& ButtonState);

}  // namespace gloss
