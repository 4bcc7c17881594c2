// Style 1 in one pass per row, like Style 0: the plain renderer's lines recorded in its order
// (FlatRows), host colour and band colour per row together, the outline's pixels over them.
// Mismatched surfaces and ratios outside 1..8 go to the plain renderer (ReferenceRenderers.h).
#include "glossbutton/render/Style1Renderer.h"

#include "glossbutton/render/ColorHelpers.h"
#include "glossbutton/render/FlatRows.h"
#include "glossbutton/render/FlatStyle.h"
#include "glossbutton/render/Numbers.h"
#include "glossbutton/render/Ramp.h"
#include "glossbutton/render/ReferenceRenderers.h"

namespace gloss {
namespace {

struct Band {
  Rgb3 from, to;
};

// Rows 1-3, rows 4..H-4 (overshooting its end colour), rows H-4..H-1, in lengths of pixels.
void Bands(FlatRows& rows, const ButtonLook& look, std::int32_t W, std::int32_t H, const Band& top, const Band& middle,
           const Band& bottom) {
  const auto px = [&look](std::int32_t n) { return DeviceLength(look, n); };
  for (std::int32_t i = 0; i < px(4); ++i) rows.Line(0, W, Add32(px(1), i), RampColor(top.from, top.to, px(3), i));
  const std::int32_t last = Sub32(H, px(4));
  const std::int32_t divisor = Sub32(H, px(6));
  for (std::int32_t i = px(4); i <= last; ++i) rows.Line(0, W, i, RampColor(middle.from, middle.to, divisor, i));
  for (std::int32_t i = 0; i < px(4); ++i) rows.Line(0, W, Add32(last, i), RampColor(bottom.from, bottom.to, px(3), i));
}

}  // namespace

void RenderStyle1(Surface& s, const ButtonLook& look, const std::int32_t& ButtonState) {
  const FlatSize size = LastColumnAndRow(look);
  const bool paintsFace =
      ButtonState == DrawState::Pressed || ButtonState == DrawState::Hover || ButtonState == DrawState::Checked;
  if (!FlatRows::Covers(s, look, size)) return reference::RenderStyle1(s, look, ButtonState);

  const std::int32_t W = size.W, H = size.H;
  const OutlineColors outline =
      ButtonState == DrawState::Pressed ? OutlineColors{RGB(215, 215, 204), RGB(179, 179, 168), RGB(157, 157, 146)}
      : ButtonState == DrawState::Hover ? OutlineColors{RGB(232, 232, 221), RGB(216, 216, 205), RGB(206, 206, 195)}
                                        : OutlineColors{RGB(203, 213, 214), RGB(152, 175, 190), RGB(122, 152, 175)};
  // Up, focused and unknown states show only the host's colour: one plan for all of them.
  const FlatRows::Plan* plan = FlatRows::Find(look, size, paintsFace ? ButtonState : -1, [&](FlatRows& rows) {
    rows.HostBackground();
    if (!paintsFace) return;
    if (ButtonState == DrawState::Pressed)
      Bands(rows, look, W, H, {{220, 218, 209}, {231, 230, 224}}, {{231, 230, 224}, {225, 224, 216}},
            {{225, 224, 216}, {235, 234, 229}});
    else if (ButtonState == DrawState::Hover)
      Bands(rows, look, W, H, {{254, 254, 253}, {252, 252, 249}}, {{252, 252, 249}, {238, 237, 229}},
            {{238, 237, 229}, {215, 210, 198}});
    else  // checked: a white box inside the host's colour
      rows.Box(DeviceLength(look, 1), DeviceLength(look, 1), Sub32(W, DeviceLength(look, 1)),
               Sub32(H, DeviceLength(look, 1)), kWhite);
    rows.Outline(look, outline, false);
  });
  if (!plan) return reference::RenderStyle1(s, look, ButtonState);
  FlatRows::Paint(*plan, s);
}

}  // namespace gloss
