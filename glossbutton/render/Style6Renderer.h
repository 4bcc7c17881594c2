#pragma once
// Style 6: a rounded face shaded by row towards ColorBright, with a thin gloss crescent under the
// top edge and an edge at half the face's brightness.
#include <cstdint>
#include <vector>

#include "glossbutton/render/ButtonLook.h"
#include "glossbutton/render/DrawState.h"
#include "glossbutton/render/RoundRectRows.h"
#include "glossbutton/render/RowLayout.h"
#include "glossbutton/render/Surface.h"

namespace gloss {

// What Style 6 keeps between redraws (in the RenderContext): the shapes' row walkers, the last
// few layouts and the table of row colours.
struct Style6Kept {
  // Every number the shapes of a face are made from.
  struct LayoutKey {
    std::int32_t W, H, R, border, glossLeft, glossTop;
    bool operator==(const LayoutKey&) const = default;
  };
  GlossyFrame frame;
  RoundRectRows upper, lower;
  LayoutCache<LayoutKey> layouts;
  std::vector<std::uint32_t> rowColours;  // RowLayout::kParts a row
};

void DrawStyle6Face(Surface& surface, const ButtonLook& look, std::int32_t X0, std::int32_t Y0, std::int32_t W,
                    std::int32_t H, std::int32_t Colour);

void RenderStyle6(Surface& surface, const ButtonLook& look, const std::int32_t& ButtonState);

}  // namespace gloss
