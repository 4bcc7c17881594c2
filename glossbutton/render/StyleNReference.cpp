#include "glossbutton/render/StyleNRenderer.h"

#include <cmath>

#include "glossbutton/render/ColorHelpers.h"
#include "glossbutton/render/Geometry.h"
#include "glossbutton/render/Numbers.h"

namespace gloss {

bool MakeFaceParams(FaceParams& P, std::int32_t Style, std::int32_t R, float surfaceScaleWidth,
                    float controlScaleHeight) {
  P = FaceParams{};
  if (Style < 2 || Style > 5) return true;
  const double half = static_cast<double>(R) / 2.0;
  P.HighlightWidth = CInt32(static_cast<double>(surfaceScaleWidth + static_cast<float>(Mul32(2, R))));
  switch (Style) {
    case 2:
      P.HighlightSlope = 50;
      P.HighlightLeft = CInt32(half);
      P.HighlightTop = 1;
      P.HighlightRadius = IntDiv32(R, 2);
      P.HighlightHeight = R;
      P.ShadeX = 100;
      P.ShadeY = 60;
      break;
    case 3: {
      P.HighlightSlope = 70;
      P.HighlightLeft = IntDiv32(R, 3);
      P.HighlightTop = 0;
      P.HighlightRadius = 5;
      P.HighlightHeight = 10;
      P.ShadeX = 100;
      const float falloff = 100.0f - 700.0f / controlScaleHeight;
      if (!std::isfinite(falloff)) return false;
      P.ShadeY = CInt32(falloff);
      if (P.ShadeY > 80) P.ShadeY = 80;
      break;
    }
    case 4:
      P.HighlightSlope = 70;
      P.HighlightLeft = Sub32(IntDiv32(R, 3), 1);
      P.HighlightTop = 0;
      P.HighlightRadius = IntDiv32(R, 2);
      P.HighlightHeight = Sub32(R, 2);
      P.ShadeX = 100;
      P.ShadeY = 70;
      break;
    case 5:
      P.HighlightSlope = 50;
      P.HighlightLeft = CInt32(-half);
      P.HighlightTop = Sub32(Sub32(0, R), 2);
      P.HighlightRadius = R;
      P.HighlightHeight = Add32(Mul32(2, R), 1);
      P.ShadeX = 80;
      P.ShadeY = 70;
      break;
  }
  return true;
}

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
  const std::int32_t highlightBottom = Add32(P.HighlightTop, P.HighlightHeight);
  for (std::int32_t j = 0; j <= H; ++j) {
    for (std::int32_t i = 0; i <= halfW; ++i) {
      std::int32_t c;
      if (RoundCornerTest(i, j, 1, 1, Sub32(W, 2), Sub32(H, 2), R)) {
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
  const bool drawable = MakeFaceParams(P, look.Style, look.m_CornerRadius, s.ScaleWidth(), look.ScaleHeight);

  std::int32_t colour;
  float width = look.ScaleWidth;
  switch (ButtonState) {
    case 0:
    case 2:
      colour = look.m_ColorButtonUp;
      break;
    case 3:
      colour = look.m_ColorButtonHover;
      width = s.ScaleWidth();
      break;
    case 1:
    case 4:
      colour = look.m_ColorButtonDown;
      break;
    default:
      return;
  }
  if (!drawable) return;
  const std::int32_t W = CInt32(static_cast<double>(width - 1.0f));
  const std::int32_t H = CInt32(static_cast<double>(look.ScaleHeight - 1.0f));
  DrawStyleNFace(s, look, 0, 0, W, H, colour, P);
}

}  // namespace gloss
