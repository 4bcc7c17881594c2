#include "glossbutton/render/ReferenceRenderers.h"

#include "glossbutton/render/ColorHelpers.h"
#include "glossbutton/render/FlatStyle.h"
#include "glossbutton/render/Numbers.h"
#include "glossbutton/render/Ramp.h"

namespace gloss::reference {
namespace {

struct Band {
  Rgb3 from, to;
};

// Three bands: rows 1-3, rows 4..H-4 (overshooting its end colour), rows H-4..H-1; every fixed
// row count is a length in pixels, n of them DeviceLength(look, n).
void DrawBands(Surface& s, const ButtonLook& look, const FlatSize& size, const Band& top, const Band& middle,
               const Band& bottom) {
  const auto px = [&look](std::int32_t n) { return DeviceLength(look, n); };
  const std::int32_t W = size.W;
  const std::int32_t H = size.H;
  for (std::int32_t i = 0; i < px(4); ++i) {
    const std::int32_t y = Add32(px(1), i);
    s.Line(0, y, W, y, RampColor(top.from, top.to, px(3), i));
  }
  const std::int32_t last = Sub32(H, px(4));
  const std::int32_t divisor = Sub32(H, px(6));  // 0 only when the loop is empty
  for (std::int32_t i = px(4); i <= last; ++i) s.Line(0, i, W, i, RampColor(middle.from, middle.to, divisor, i));
  for (std::int32_t i = 0; i < px(4); ++i) {
    const std::int32_t y = Add32(last, i);
    s.Line(0, y, W, y, RampColor(bottom.from, bottom.to, px(3), i));
  }
}

}  // namespace

void RenderStyle1(Surface& s, const ButtonLook& look, const std::int32_t& ButtonState) {
  const FlatSize size = LastColumnAndRow(look);
  FillHostBackground(s, look, size);

  OutlineColors outline{};
  switch (DrawState{ButtonState}) {
    case DrawState::Pressed:
      DrawBands(s, look, size, {{220, 218, 209}, {231, 230, 224}}, {{231, 230, 224}, {225, 224, 216}},
                {{225, 224, 216}, {235, 234, 229}});
      outline = {RGB(215, 215, 204), RGB(179, 179, 168), RGB(157, 157, 146)};
      break;
    case DrawState::Hover:
      DrawBands(s, look, size, {{254, 254, 253}, {252, 252, 249}}, {{252, 252, 249}, {238, 237, 229}},
                {{238, 237, 229}, {215, 210, 198}});
      outline = {RGB(232, 232, 221), RGB(216, 216, 205), RGB(206, 206, 195)};
      break;
    case DrawState::Checked:
      s.LineBF(DeviceLength(look, 1), DeviceLength(look, 1), Sub32(size.W, DeviceLength(look, 1)),
               Sub32(size.H, DeviceLength(look, 1)), kWhite);
      outline = {RGB(203, 213, 214), RGB(152, 175, 190), RGB(122, 152, 175)};
      break;
    default: return;  // up, focused and unknown states show only the host's colour
  }
  DrawFlatOutline(s, look, size, outline, false);
}

}  // namespace gloss::reference
