// Style 0: a shaded face in fixed colours, a dark blue outline with cut corners, and an inner frame
// when focused (blue) or hovered (orange). The drawing is written once, for a pen: on the surface
// it is the plain renderer; recorded by FlatRows it becomes a plan of row fills, kept for the last
// few sizes, that writes each pixel once. Surfaces the face does not fill exactly and ratios
// outside 1..8 are drawn with the surface pen.
#include "glossbutton/render/Style0Renderer.h"

#include "glossbutton/render/ColorHelpers.h"
#include "glossbutton/render/FlatRows.h"
#include "glossbutton/render/FlatStyle.h"
#include "glossbutton/render/Numbers.h"
#include "glossbutton/render/Ramp.h"
#include "glossbutton/render/ReferenceRenderers.h"
#include "glossbutton/render/RenderContext.h"

namespace gloss {
namespace {

// Fixed row counts and offsets are lengths in pixels: n of them is DeviceLength(look, n).
// Five rows of the last step against a divisor of 3 pixels: the bottom row runs past the end colour.
template <class Pen>
void PressedFace(Pen& pen, const ButtonLook& look, std::int32_t W, std::int32_t H) {
  const auto px = [&look](std::int32_t n) { return DeviceLength(look, n); };
  const Rgb3 p1From{209, 204, 193}, p1To{229, 228, 221}, p2To{226, 226, 218}, p3To{242, 241, 238};
  for (std::int32_t i = 0; i < px(4); ++i) pen.Line(0, W, Add32(px(1), i), RampColor(p1From, p1To, px(3), i));
  const std::int32_t last = Sub32(H, px(4));
  const std::int32_t divisor = Sub32(H, px(6));
  for (std::int32_t i = px(4); i <= last; ++i) pen.Line(0, W, i, RampColor(p1To, p2To, divisor, i));
  for (std::int32_t i = 0; i < px(5); ++i) pen.Line(0, W, Add32(last, i), RampColor(p2To, p3To, px(3), i));
}

template <class Pen>
void NormalFace(Pen& pen, const ButtonLook& look, std::int32_t W, std::int32_t H) {
  const auto px = [&look](std::int32_t n) { return DeviceLength(look, n); };
  const Rgb3 white{255, 255, 255}, n1To{236, 235, 230}, n2To{214, 208, 197};
  const std::int32_t n1Last = Sub32(H, px(3));
  for (std::int32_t i = 0; i <= n1Last; ++i) pen.Line(px(1), W, i, RampColor(white, n1To, n1Last, i));
  const std::int32_t first = Sub32(H, px(4));
  for (std::int32_t i = 0; i < px(4); ++i) pen.Line(0, W, Add32(first, i), RampColor(n1To, n2To, px(3), i));
}

struct FrameColors {
  Rgb3 f1, f2, f4, f5;
};

// Rows from..to - 1 across the whole width.
template <class Pen>
void Rows(Pen& pen, std::int32_t from, std::int32_t to, std::int32_t W, std::int32_t colour) {
  for (std::int32_t y = from; y < to; ++y) pen.Line(0, W, y, colour);
}

// The side bars ramp over the last row index, so they never quite reach the F4 colour.
template <class Pen>
void InnerFrame(Pen& pen, const ButtonLook& look, std::int32_t W, std::int32_t H, const FrameColors& c) {
  const auto px = [&look](std::int32_t n) { return DeviceLength(look, n); };
  Rows(pen, px(1), px(2), W, ToOle(c.f1));
  Rows(pen, px(2), px(3), W, ToOle(c.f2));
  const std::int32_t last = Sub32(H, px(3));
  for (std::int32_t i = px(3); i <= last; ++i) {
    const std::int32_t bar = RampColor(c.f2, c.f4, H, i);
    pen.Line(0, px(3), i, bar);
    pen.Line(Sub32(W, px(2)), W, i, bar);
  }
  Rows(pen, Sub32(H, px(2)), Sub32(H, px(1)), W, ToOle(c.f4));
  Rows(pen, Sub32(H, px(1)), H, W, ToOle(c.f5));
}

// The face depends on the state only through which face and frame it draws.
enum Kind : std::int32_t { kUp, kPressed, kFocused, kHover };

Kind KindOf(std::int32_t state) {
  return state == DrawState::Pressed   ? kPressed
         : state == DrawState::Focused ? kFocused
         : state == DrawState::Hover   ? kHover
                                       : kUp;
}

template <class Pen>
void Draw(Pen& pen, const ButtonLook& look, const FlatSize& size, Kind kind) {
  pen.HostBackground();
  if (kind == kPressed)
    PressedFace(pen, look, size.W, size.H);
  else
    NormalFace(pen, look, size.W, size.H);
  if (kind == kFocused)
    InnerFrame(pen, look, size.W, size.H, {{206, 231, 255}, {188, 212, 246}, {137, 173, 228}, {105, 130, 238}});
  else if (kind == kHover)
    InnerFrame(pen, look, size.W, size.H, {{255, 240, 202}, {253, 216, 137}, {248, 178, 48}, {229, 151, 0}});
  pen.Outline(look, {RGB(122, 149, 168), RGB(37, 87, 131), RGB(0, 60, 116)}, true);
}

}  // namespace

void RenderStyle0(Surface& s, const ButtonLook& look, const std::int32_t& ButtonState) {
  const FlatSize size = LastColumnAndRow(look);
  if (!FlatRows::Covers(s, look, size)) return reference::RenderStyle0(s, look, ButtonState);
  const Kind kind = KindOf(ButtonState);
  FlatRows::Plan* plan = FlatRows::Find(RenderContext::ForThisThread().flat, look, size, kind,
                                        [&](FlatRows& rows) { Draw(rows, look, size, kind); });
  if (!plan) return reference::RenderStyle0(s, look, ButtonState);
  FlatRows::Paint(*plan, s);
}

void reference::RenderStyle0(Surface& s, const ButtonLook& look, const std::int32_t& ButtonState) {
  const FlatSize size = LastColumnAndRow(look);
  SurfacePen pen{s, look, size};
  Draw(pen, look, size, KindOf(ButtonState));
}

}  // namespace gloss
