#include "glossbutton/render/ReferenceRenderers.h"

#include "glossbutton/render/ColorHelpers.h"
#include "glossbutton/render/Geometry.h"
#include "glossbutton/render/Numbers.h"

namespace gloss::reference {

void DrawStyle6Face(Surface& s, const ButtonLook& look, std::int32_t X0, std::int32_t Y0, std::int32_t W,
                    std::int32_t H, std::int32_t Colour) {
  // The row shading divides by H: a face one pixel high is left unpainted.
  if (H == 0) return;
  const std::int32_t R = look.m_CornerRadius;
  std::int32_t half = 50;
  const std::int32_t edge = BlendColors(kBlack, Colour, half);

  const std::int32_t border = DeviceLength(look, 1);
  const std::int32_t innerW = Sub32(W, Mul32(2, border));
  const std::int32_t innerH = Sub32(H, Mul32(2, border));
  const std::int32_t glossLeft = DeviceLength(look, 4);
  const std::int32_t glossTop = DeviceLength(look, 2);
  const std::int32_t glossWidth = Sub32(W, R);
  const std::int32_t glossHeight = Sub32(Mul32(2, R), border);
  const std::int32_t glossRadius = IntDiv32(Mul32(2, R), 3);
  const std::int32_t lowerTop = IntDiv32(R, 2);
  const std::int32_t halfW = IntDiv32(W, 2);

  std::int32_t g = kBlack;
  for (std::int32_t j = 0; j <= H; ++j) {
    if (j < R) {
      std::int32_t pct = IntDiv32(Mul32(j, 30), R);
      g = BlendColors(kWhite, Colour, pct);
    }
    const std::int32_t signedShade = IntDiv32(Mul32(Sub32(Mul32(2, j), H), 100), H);
    const std::int32_t shade = signedShade < 0 ? Sub32(0, signedShade) : signedShade;
    for (std::int32_t i = 0; i <= halfW; ++i) {
      std::int32_t c;
      if (RoundCornerTest(i, j, border, border, innerW, innerH, R)) {
        const bool a = RoundCornerTest(i, j, glossLeft, glossTop, glossWidth, glossHeight, glossRadius);
        const bool b = RoundCornerTest(i, j, glossLeft, lowerTop, glossWidth, glossHeight, glossRadius);
        if (a && !b) {
          c = g;
        } else {
          std::int32_t pct = shade;
          c = BlendColors(Colour, look.m_ColorBright, pct);
        }
      } else if (RoundCornerTest(i, j, 0, 0, W, H, R)) {
        c = edge;
      } else {
        continue;
      }
      s.SetPixelV(Add32(X0, i), Add32(Y0, j), c);
      s.SetPixelV(Sub32(Add32(X0, W), i), Add32(Y0, j), c);
    }
  }
}

void RenderStyle6(Surface& s, const ButtonLook& look, const std::int32_t& ButtonState) {
  std::int32_t colour;
  float width = look.ScaleWidth;
  switch (DrawState{ButtonState}) {
    case DrawState::Up:
    case DrawState::Focused: colour = look.m_ColorButtonUp; break;
    case DrawState::Hover:
      colour = look.m_ColorButtonHover;
      width = s.ScaleWidth();
      break;
    case DrawState::Pressed:
    case DrawState::Checked: colour = look.m_ColorButtonDown; break;
    default: return;
  }
  const std::int32_t W = CInt32(static_cast<double>(width - 1.0f));
  const std::int32_t H = CInt32(static_cast<double>(look.ScaleHeight - 1.0f));
  reference::DrawStyle6Face(s, look, 0, 0, W, H, colour);
}

}  // namespace gloss::reference
