// Style 0 in one pass per row: the plain renderer's lines, outline included, are recorded in its
// order (FlatRows), then each row gets the host's colour and its face and frame colours together,
// and the outline's pixels go over them, the current position left where its lines leave it. Mismatched surfaces and
// ratios outside 1..8 go to the plain renderer (ReferenceRenderers.h).
#include "glossbutton/render/Style0Renderer.h"

#include "glossbutton/render/ColorHelpers.h"
#include "glossbutton/render/FlatRows.h"
#include "glossbutton/render/FlatStyle.h"
#include "glossbutton/render/Numbers.h"
#include "glossbutton/render/Ramp.h"
#include "glossbutton/render/ReferenceRenderers.h"

namespace gloss {
namespace {

// Five rows of the last step against a divisor of 3 pixels: the bottom row runs past the end colour.
void PressedFace(FlatRows& rows, const ButtonLook& look, std::int32_t W, std::int32_t H) {
  const auto px = [&look](std::int32_t n) { return DeviceLength(look, n); };
  const Rgb3 p1From{209, 204, 193}, p1To{229, 228, 221}, p2To{226, 226, 218}, p3To{242, 241, 238};
  for (std::int32_t i = 0; i < px(4); ++i) rows.Line(0, W, Add32(px(1), i), RampColor(p1From, p1To, px(3), i));
  const std::int32_t last = Sub32(H, px(4));
  const std::int32_t divisor = Sub32(H, px(6));
  for (std::int32_t i = px(4); i <= last; ++i) rows.Line(0, W, i, RampColor(p1To, p2To, divisor, i));
  for (std::int32_t i = 0; i < px(5); ++i) rows.Line(0, W, Add32(last, i), RampColor(p2To, p3To, px(3), i));
}

void NormalFace(FlatRows& rows, const ButtonLook& look, std::int32_t W, std::int32_t H) {
  const auto px = [&look](std::int32_t n) { return DeviceLength(look, n); };
  const Rgb3 white{255, 255, 255}, n1To{236, 235, 230}, n2To{214, 208, 197};
  const std::int32_t n1Last = Sub32(H, px(3));
  for (std::int32_t i = 0; i <= n1Last; ++i) rows.Line(px(1), W, i, RampColor(white, n1To, n1Last, i));
  const std::int32_t first = Sub32(H, px(4));
  for (std::int32_t i = 0; i < px(4); ++i) rows.Line(0, W, Add32(first, i), RampColor(n1To, n2To, px(3), i));
}

struct FrameColors {
  Rgb3 f1, f2, f4, f5;
};

void Rows(FlatRows& rows, std::int32_t from, std::int32_t to, std::int32_t W, std::int32_t colour) {
  for (std::int32_t y = from; y < to; ++y) rows.Line(0, W, y, colour);
}

// The side bars ramp over the last row index, so they never quite reach the F4 colour.
void InnerFrame(FlatRows& rows, const ButtonLook& look, std::int32_t W, std::int32_t H, const FrameColors& c) {
  const auto px = [&look](std::int32_t n) { return DeviceLength(look, n); };
  Rows(rows, px(1), px(2), W, ToOle(c.f1));
  Rows(rows, px(2), px(3), W, ToOle(c.f2));
  const std::int32_t last = Sub32(H, px(3));
  for (std::int32_t i = px(3); i <= last; ++i) {
    const std::int32_t bar = RampColor(c.f2, c.f4, H, i);
    rows.Line(0, px(3), i, bar);
    rows.Line(Sub32(W, px(2)), W, i, bar);
  }
  Rows(rows, Sub32(H, px(2)), Sub32(H, px(1)), W, ToOle(c.f4));
  Rows(rows, Sub32(H, px(1)), H, W, ToOle(c.f5));
}

}  // namespace

void RenderStyle0(Surface& s, const ButtonLook& look, const std::int32_t& ButtonState) {
  const FlatSize size = LastColumnAndRow(look);
  if (!FlatRows::Covers(s, look, size)) return reference::RenderStyle0(s, look, ButtonState);

  // The plan depends on the state only through which face and frame it draws.
  const std::int32_t kind = ButtonState == DrawState::Pressed   ? 1
                            : ButtonState == DrawState::Focused ? 2
                            : ButtonState == DrawState::Hover   ? 3
                                                                : 0;
  const FlatRows::Plan* plan = FlatRows::Find(look, size, kind, [&](FlatRows& rows) {
    rows.HostBackground();
    if (kind == 1)
      PressedFace(rows, look, size.W, size.H);
    else
      NormalFace(rows, look, size.W, size.H);
    if (kind == 2)
      InnerFrame(rows, look, size.W, size.H, {{206, 231, 255}, {188, 212, 246}, {137, 173, 228}, {105, 130, 238}});
    else if (kind == 3)
      InnerFrame(rows, look, size.W, size.H, {{255, 240, 202}, {253, 216, 137}, {248, 178, 48}, {229, 151, 0}});
    rows.Outline(look, {RGB(122, 149, 168), RGB(37, 87, 131), RGB(0, 60, 116)}, true);
  });
  if (!plan) return reference::RenderStyle0(s, look, ButtonState);
  FlatRows::Paint(*plan, s);
}

}  // namespace gloss
