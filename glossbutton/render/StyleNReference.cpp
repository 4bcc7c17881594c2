#include "glossbutton/render/ReferenceRenderers.h"

#include "glossbutton/render/ColorHelpers.h"
#include "glossbutton/render/Geometry.h"
#include "glossbutton/render/Numbers.h"

namespace gloss::reference {

void DrawStyleNFace(Surface& s, const ButtonLook& look, std::int32_t X0, std::int32_t Y0, std::int32_t W,
                    std::int32_t H, std::int32_t Colour, const FaceParams& P) {
  // A face one pixel wide or high has no falloff to speak of; leave it unpainted.
  if (W == 0 || H == 0) return;
  const std::int32_t R = look.m_CornerRadius;
  const float sy = static_cast<float>(static_cast<double>(Sub32(100, P.ShadeY)) / static_cast<double>(Mul32(2, H)));
  const float sx = static_cast<float>(static_cast<double>(Sub32(100, P.ShadeX)) / static_cast<double>(W));

  std::int32_t edge;
  if (look.m_BorderBrightness >= 0) {
    std::int32_t brightness = look.m_BorderBrightness;  // in range, so the write-back changes nothing
    edge = BlendColors(Colour, kWhite, brightness);
  } else {
    std::int32_t darkness = Sub32(0, look.m_BorderBrightness);
    edge = BlendColors(Colour, kBlack, darkness);
  }

  std::int32_t g = kBlack;
  const std::int32_t halfW = IntDiv32(W, 2);
  const std::int32_t border = DeviceLength(look, 1);
  const std::int32_t innerW = Sub32(W, Mul32(2, border));
  const std::int32_t innerH = Sub32(H, Mul32(2, border));
  const std::int32_t highlightBottom = Add32(P.HighlightTop, P.HighlightHeight);
  for (std::int32_t j = 0; j <= H; ++j) {
    for (std::int32_t i = 0; i <= halfW; ++i) {
      std::int32_t c;
      if (RoundCornerTest(i, j, border, border, innerW, innerH, R)) {
        if (P.HighlightTop < j && j < highlightBottom && R != 0) {
          std::int32_t pct = Add32(IntDiv32(Mul32(P.HighlightSlope, j), R), P.HighlightBase);
          g = BlendColors(kWhite, Colour, pct);
        }
        if (RoundCornerTest(i, j, P.HighlightLeft, P.HighlightTop, P.HighlightWidth, P.HighlightHeight,
                            P.HighlightRadius)) {
          c = g;
        } else {
          const double dx = Sub32(Sub32(i, X0), halfW);
          const double dy = Sub32(Sub32(j, Y0), H);
          const double ex = static_cast<double>(sx) * dx;
          const double ey = static_cast<double>(sy) * dy;
          std::int32_t p = CInt32(ex * ex + ey * ey);
          c = BlendColors(look.m_ColorBright, Colour, p);
          if (i < R) {
            std::int32_t dark = IntDiv32(Mul32(Add32(IntDiv32(Mul32(3, j), 2), i), 70), R);
            c = BlendColors(kBlack, c, dark);
          }
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

void RenderStyleN(Surface& s, const ButtonLook& look, const std::int32_t& ButtonState) {
  FaceParams P;
  const bool drawable =
      MakeFaceParams(P, look.Style, look.m_CornerRadius, s.ScaleWidth(), look.ScaleHeight, look.DevicePixelRatio);

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
  if (!drawable) return;
  const std::int32_t W = CInt32(static_cast<double>(width - 1.0f));
  const std::int32_t H = CInt32(static_cast<double>(look.ScaleHeight - 1.0f));
  reference::DrawStyleNFace(s, look, 0, 0, W, H, colour, P);
}

}  // namespace gloss::reference
