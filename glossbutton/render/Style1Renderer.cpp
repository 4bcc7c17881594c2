// Style 1: the host's colour with, when pressed or hovered, a face in three shaded bands, when
// checked a white box, and an outline with cut corners. The drawing is written once, for a pen: on
// the surface it is the plain renderer; recorded by FlatRows it becomes a plan of row fills, kept
// for the last few sizes, that writes each pixel once. Surfaces the face does not fill exactly and
// ratios outside 1..8 are drawn with the surface pen.
#include "glossbutton/render/Style1Renderer.h"

#include "glossbutton/render/ColorHelpers.h"
#include "glossbutton/render/FlatRows.h"
#include "glossbutton/render/FlatStyle.h"
#include "glossbutton/render/Numbers.h"
#include "glossbutton/render/Ramp.h"
#include "glossbutton/render/ReferenceRenderers.h"
#include "glossbutton/render/RenderContext.h"

namespace gloss {
namespace {

struct Band {
  Rgb3 from, to;
};

// Rows 1-3, rows 4..H-4 (overshooting its end colour), rows H-4..H-1; every fixed row count is a
// length in pixels, n of them DeviceLength(look, n).
template <class Pen>
void Bands(Pen& pen, const ButtonLook& look, std::int32_t W, std::int32_t H, const Band& top, const Band& middle,
           const Band& bottom) {
  const auto px = [&look](std::int32_t n) { return DeviceLength(look, n); };
  for (std::int32_t i = 0; i < px(4); ++i) pen.Line(0, W, Add32(px(1), i), RampColor(top.from, top.to, px(3), i));
  const std::int32_t last = Sub32(H, px(4));
  const std::int32_t divisor = Sub32(H, px(6));  // 0 only when the loop is empty
  for (std::int32_t i = px(4); i <= last; ++i) pen.Line(0, W, i, RampColor(middle.from, middle.to, divisor, i));
  for (std::int32_t i = 0; i < px(4); ++i) pen.Line(0, W, Add32(last, i), RampColor(bottom.from, bottom.to, px(3), i));
}

// Up, focused and unknown states show only the host's colour: one plan for all of them.
std::int32_t KindOf(std::int32_t state) {
  return state == DrawState::Pressed || state == DrawState::Hover || state == DrawState::Checked ? state : -1;
}

template <class Pen>
void Draw(Pen& pen, const ButtonLook& look, const FlatSize& size, std::int32_t kind) {
  const std::int32_t W = size.W, H = size.H;
  pen.HostBackground();
  if (kind == DrawState::Pressed) {
    Bands(pen, look, W, H, {{220, 218, 209}, {231, 230, 224}}, {{231, 230, 224}, {225, 224, 216}},
          {{225, 224, 216}, {235, 234, 229}});
    pen.Outline(look, {RGB(215, 215, 204), RGB(179, 179, 168), RGB(157, 157, 146)}, false);
  } else if (kind == DrawState::Hover) {
    Bands(pen, look, W, H, {{254, 254, 253}, {252, 252, 249}}, {{252, 252, 249}, {238, 237, 229}},
          {{238, 237, 229}, {215, 210, 198}});
    pen.Outline(look, {RGB(232, 232, 221), RGB(216, 216, 205), RGB(206, 206, 195)}, false);
  } else if (kind == DrawState::Checked) {  // a white box inside the host's colour
    const std::int32_t b = DeviceLength(look, 1);
    pen.Box(b, b, Sub32(W, b), Sub32(H, b), kWhite);
    pen.Outline(look, {RGB(203, 213, 214), RGB(152, 175, 190), RGB(122, 152, 175)}, false);
  }
}

}  // namespace

void RenderStyle1(Surface& s, const ButtonLook& look, const std::int32_t& ButtonState) {
  const FlatSize size = LastColumnAndRow(look);
  if (!FlatRows::Covers(s, look, size)) return reference::RenderStyle1(s, look, ButtonState);
  const std::int32_t kind = KindOf(ButtonState);
  FlatRows::Plan* plan = FlatRows::Find(RenderContext::ForThisThread().flat, look, size, kind,
                                        [&](FlatRows& rows) { Draw(rows, look, size, kind); });
  if (!plan) return reference::RenderStyle1(s, look, ButtonState);
  FlatRows::Paint(*plan, s);
}

void reference::RenderStyle1(Surface& s, const ButtonLook& look, const std::int32_t& ButtonState) {
  const FlatSize size = LastColumnAndRow(look);
  SurfacePen pen{s, look, size};
  Draw(pen, look, size, KindOf(ButtonState));
}

}  // namespace gloss
