#include "glossbutton/render/ReferenceRenderers.h"

#include "glossbutton/render/ColorHelpers.h"
#include "glossbutton/render/FlatStyle.h"
#include "glossbutton/render/Numbers.h"
#include "glossbutton/render/Ramp.h"

namespace gloss::reference {
namespace {

// Fixed row counts and offsets are lengths in pixels: n of them is DeviceLength(look, n).
void DrawPressedFace(Surface& s, const ButtonLook& look, std::int32_t W, std::int32_t H) {
  const auto px = [&look](std::int32_t n) { return DeviceLength(look, n); };
  const Rgb3 p1From{209, 204, 193}, p1To{229, 228, 221}, p2To{226, 226, 218}, p3To{242, 241, 238};
  for (std::int32_t i = 0; i < px(4); ++i) {
    const std::int32_t y = Add32(px(1), i);
    s.Line(0, y, W, y, RampColor(p1From, p1To, px(3), i));
  }
  const std::int32_t last = Sub32(H, px(4));
  const std::int32_t divisor = Sub32(H, px(6));
  for (std::int32_t i = px(4); i <= last; ++i) s.Line(0, i, W, i, RampColor(p1To, p2To, divisor, i));
  // Five rows against a divisor of 3: the bottom row runs past the end colour.
  for (std::int32_t i = 0; i < px(5); ++i) {
    const std::int32_t y = Add32(last, i);
    s.Line(0, y, W, y, RampColor(p2To, p3To, px(3), i));
  }
}

void DrawNormalFace(Surface& s, const ButtonLook& look, std::int32_t W, std::int32_t H) {
  const auto px = [&look](std::int32_t n) { return DeviceLength(look, n); };
  const Rgb3 white{255, 255, 255}, n1To{236, 235, 230}, n2To{214, 208, 197};
  const std::int32_t n1Last = Sub32(H, px(3));
  for (std::int32_t i = 0; i <= n1Last; ++i) s.Line(px(1), i, W, i, RampColor(white, n1To, n1Last, i));
  const std::int32_t first = Sub32(H, px(4));
  for (std::int32_t i = 0; i < px(4); ++i) {
    const std::int32_t y = Add32(first, i);
    s.Line(0, y, W, y, RampColor(n1To, n2To, px(3), i));
  }
}

struct FrameColors {
  Rgb3 f1, f2, f4, f5;
};

// Rows from..to - 1 across the whole width.
void DrawRows(Surface& s, std::int32_t from, std::int32_t to, std::int32_t W, std::int32_t colour) {
  for (std::int32_t y = from; y < to; ++y) s.Line(0, y, W, y, colour);
}

void DrawInnerFrame(Surface& s, const ButtonLook& look, std::int32_t W, std::int32_t H, const FrameColors& c) {
  const auto px = [&look](std::int32_t n) { return DeviceLength(look, n); };
  DrawRows(s, px(1), px(2), W, ToOle(c.f1));
  DrawRows(s, px(2), px(3), W, ToOle(c.f2));
  // The side bars ramp over the last row index, so they never quite reach the F4 colour.
  const std::int32_t last = Sub32(H, px(3));
  for (std::int32_t i = px(3); i <= last; ++i) {
    const std::int32_t bar = RampColor(c.f2, c.f4, H, i);
    s.Line(0, i, px(3), i, bar);
    s.Line(Sub32(W, px(2)), i, W, i, bar);
  }
  DrawRows(s, Sub32(H, px(2)), Sub32(H, px(1)), W, ToOle(c.f4));
  DrawRows(s, Sub32(H, px(1)), H, W, ToOle(c.f5));
}

}  // namespace

void RenderStyle0(Surface& s, const ButtonLook& look, const std::int32_t& ButtonState) {
  const FlatSize size = LastColumnAndRow(look);
  FillHostBackground(s, look, size);

  if (ButtonState == DrawState::Pressed)
    DrawPressedFace(s, look, size.W, size.H);
  else
    DrawNormalFace(s, look, size.W, size.H);

  if (ButtonState == DrawState::Focused)
    DrawInnerFrame(s, look, size.W, size.H, {{206, 231, 255}, {188, 212, 246}, {137, 173, 228}, {105, 130, 238}});
  else if (ButtonState == DrawState::Hover)
    DrawInnerFrame(s, look, size.W, size.H, {{255, 240, 202}, {253, 216, 137}, {248, 178, 48}, {229, 151, 0}});

  DrawFlatOutline(s, look, size, {RGB(122, 149, 168), RGB(37, 87, 131), RGB(0, 60, 116)}, true);
}

}  // namespace gloss::reference
