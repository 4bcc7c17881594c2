// Style 0 in one pass per row: each row gets the host's colour and its face ramp together, the
// inner frame goes straight into the rows, and only the outline uses the surface's line
// operations (which also leave the current position where the caption step expects it).
// Small or mismatched surfaces, and scaled looks, go to the plain renderer (ReferenceRenderers.h).
#include "glossbutton/render/Style0Renderer.h"

#include "glossbutton/render/ColorHelpers.h"
#include "glossbutton/render/FlatRows.h"
#include "glossbutton/render/FlatStyle.h"
#include "glossbutton/render/Ramp.h"
#include "glossbutton/render/ReferenceRenderers.h"

namespace gloss {
namespace {

std::uint32_t RampPixel(const Rgb3& from, const Rgb3& to, std::int32_t d, std::int32_t i) {
  return Surface::ToPixel(RampColor(from, to, d, i));
}

// Rows 1..3 from the first step, 4..H-5 from the middle one, H-4..H from the last (five rows
// against a divisor of 3, so the bottom row runs past the end colour).
void PressedFace(FlatRows& rows, std::int32_t W, std::int32_t H) {
  const Rgb3 p1From{209, 204, 193}, p1To{229, 228, 221}, p2To{226, 226, 218}, p3To{242, 241, 238};
  rows.BackgroundRow(0);
  for (std::int32_t y = 1; y <= 3; ++y) rows.Row(y, 0, W - 1, RampPixel(p1From, p1To, 3, y - 1));
  for (std::int32_t y = 4; y <= H - 5; ++y) rows.Row(y, 0, W - 1, RampPixel(p1To, p2To, H - 6, y));
  for (std::int32_t y = H - 4; y <= H; ++y) rows.Row(y, 0, W - 1, RampPixel(p2To, p3To, 3, y - (H - 4)));
}

// Rows 0..H-5 from the first step (leaving column 0 to the host), H-4..H-1 from the second.
void NormalFace(FlatRows& rows, std::int32_t W, std::int32_t H) {
  const Rgb3 white{255, 255, 255}, n1To{236, 235, 230}, n2To{214, 208, 197};
  for (std::int32_t y = 0; y <= H - 5; ++y) rows.Row(y, 1, W - 1, RampPixel(white, n1To, H - 3, y));
  for (std::int32_t y = H - 4; y <= H - 1; ++y) rows.Row(y, 0, W - 1, RampPixel(n1To, n2To, 3, y - (H - 4)));
  rows.BackgroundRow(H);
}

struct FrameColors {
  Rgb3 f1, f2, f4, f5;
};

void InnerFrame(FlatRows& rows, std::int32_t W, std::int32_t H, const FrameColors& c) {
  rows.Fill(1, 0, W - 1, Surface::ToPixel(ToOle(c.f1)));
  rows.Fill(2, 0, W - 1, Surface::ToPixel(ToOle(c.f2)));
  for (std::int32_t y = 3; y <= H - 3; ++y) {
    const std::uint32_t bar = RampPixel(c.f2, c.f4, H, y);
    rows.Fill(y, 0, 2, bar);
    rows.Fill(y, W - 2, W - 1, bar);
  }
  rows.Fill(H - 2, 0, W - 1, Surface::ToPixel(ToOle(c.f4)));
  rows.Fill(H - 1, 0, W - 1, Surface::ToPixel(ToOle(c.f5)));
}

}  // namespace

void RenderStyle0(Surface& s, const ButtonLook& look, const std::int32_t& ButtonState) {
  const FlatSize size = LastColumnAndRow(look);
  // Rows scaled to a device pixel ratio other than 1 are left to the plain renderer.
  if (!FlatRows::Covers(s, size, 8) || look.DevicePixelRatio != 1.0)
    return reference::RenderStyle0(s, look, ButtonState);

  FlatRows rows(s, look);
  if (ButtonState == DrawState::Pressed)
    PressedFace(rows, size.W, size.H);
  else
    NormalFace(rows, size.W, size.H);

  if (ButtonState == DrawState::Focused)
    InnerFrame(rows, size.W, size.H, {{206, 231, 255}, {188, 212, 246}, {137, 173, 228}, {105, 130, 238}});
  else if (ButtonState == DrawState::Hover)
    InnerFrame(rows, size.W, size.H, {{255, 240, 202}, {253, 216, 137}, {248, 178, 48}, {229, 151, 0}});

  DrawFlatOutline(s, look, size, {RGB(122, 149, 168), RGB(37, 87, 131), RGB(0, 60, 116)}, true);
}

}  // namespace gloss
