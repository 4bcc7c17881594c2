// Style 1 in one pass per row, like Style 0: host colour and band colour per row together, the
// outline through the surface's own operations. Small or mismatched surfaces, and the states
// that show only the host's colour, and scaled looks, go to the plain renderer (ReferenceRenderers.h).
#include "glossbutton/render/Style1Renderer.h"

#include "glossbutton/render/ColorHelpers.h"
#include "glossbutton/render/FlatRows.h"
#include "glossbutton/render/FlatStyle.h"
#include "glossbutton/render/Ramp.h"
#include "glossbutton/render/ReferenceRenderers.h"

namespace gloss {
namespace {

struct Band {
  Rgb3 from, to;
};

std::uint32_t RampPixel(const Band& band, std::int32_t d, std::int32_t i) {
  return Surface::ToPixel(RampColor(band.from, band.to, d, i));
}

// Rows 1..3 from the top band, 4..H-5 from the middle one, H-4..H-1 from the bottom one.
void Bands(FlatRows& rows, std::int32_t W, std::int32_t H, const Band& top, const Band& middle, const Band& bottom) {
  rows.BackgroundRow(0);
  for (std::int32_t y = 1; y <= 3; ++y) rows.Row(y, 0, W - 1, RampPixel(top, 3, y - 1));
  for (std::int32_t y = 4; y <= H - 5; ++y) rows.Row(y, 0, W - 1, RampPixel(middle, H - 6, y));
  for (std::int32_t y = H - 4; y <= H - 1; ++y) rows.Row(y, 0, W - 1, RampPixel(bottom, 3, y - (H - 4)));
  rows.BackgroundRow(H);
}

}  // namespace

void RenderStyle1(Surface& s, const ButtonLook& look, const std::int32_t& ButtonState) {
  const FlatSize size = LastColumnAndRow(look);
  const bool paintsFace =
      ButtonState == DrawState::Pressed || ButtonState == DrawState::Hover || ButtonState == DrawState::Checked;
  if (!paintsFace || !FlatRows::Covers(s, size, 8) || look.DevicePixelRatio != 1.0)
    return reference::RenderStyle1(s, look, ButtonState);

  FlatRows rows(s, look);
  const std::int32_t W = size.W, H = size.H;
  OutlineColors outline{};
  switch (DrawState{ButtonState}) {
    case DrawState::Pressed:
      Bands(rows, W, H, {{220, 218, 209}, {231, 230, 224}}, {{231, 230, 224}, {225, 224, 216}},
            {{225, 224, 216}, {235, 234, 229}});
      outline = {RGB(215, 215, 204), RGB(179, 179, 168), RGB(157, 157, 146)};
      break;
    case DrawState::Hover:
      Bands(rows, W, H, {{254, 254, 253}, {252, 252, 249}}, {{252, 252, 249}, {238, 237, 229}},
            {{238, 237, 229}, {215, 210, 198}});
      outline = {RGB(232, 232, 221), RGB(216, 216, 205), RGB(206, 206, 195)};
      break;
    default: {  // checked: a white box inside the host's colour
      rows.BackgroundRow(0);
      const std::uint32_t white = Surface::ToPixel(kWhite);
      for (std::int32_t y = 1; y <= H - 1; ++y) rows.Row(y, 1, W - 1, white);
      rows.BackgroundRow(H);
      outline = {RGB(203, 213, 214), RGB(152, 175, 190), RGB(122, 152, 175)};
      break;
    }
  }
  DrawFlatOutline(s, look, size, outline, false);
}

}  // namespace gloss
