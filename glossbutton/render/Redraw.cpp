#include "glossbutton/render/Redraw.h"

#include "glossbutton/render/RenderContext.h"
#include "glossbutton/render/Numbers.h"
#include "glossbutton/render/Style0Renderer.h"
#include "glossbutton/render/Style1Renderer.h"
#include "glossbutton/render/Style6Renderer.h"
#include "glossbutton/render/StyleNRenderer.h"

namespace gloss {
namespace {

std::int32_t Abs32(std::int32_t v) { return v < 0 ? Sub32(0, v) : v; }

}  // namespace

Placement PlaceIconAndCaption(std::int32_t PictureAlignment, std::int32_t W, std::int32_t H, std::int32_t pw,
                              std::int32_t ph, std::int32_t tw, std::int32_t th, std::int32_t margin) {
  Placement p;
  const std::int32_t centredX = Abs32(Sub32(IntDiv32(W, 2), IntDiv32(tw, 2)));
  switch (PictureAlignment) {
    case 0:  // picture above caption, the picture one pixel right of centre
      p.px = Add32(IntDiv32(Sub32(W, pw), 2), 1);
      p.py = IntDiv32(Sub32(Sub32(H, ph), th), 2);
      p.cx = centredX;
      p.cy = Abs32(Sub32(Add32(IntDiv32(ph, 2), IntDiv32(H, 2)), IntDiv32(th, 2)));
      p.placesCaption = true;
      break;
    case 1:  // caption above picture
      p.px = IntDiv32(Sub32(W, pw), 2);
      p.py = IntDiv32(Add32(Sub32(H, ph), th), 2);
      p.cx = centredX;
      p.cy = Abs32(Sub32(IntDiv32(H, 2), IntDiv32(Add32(ph, th), 2)));
      p.placesCaption = true;
      break;
    case 2:  // picture at the left edge; the caption stays centred on the whole button
    case 3:  // picture at the right edge
      p.px = PictureAlignment == 2 ? margin : Sub32(Sub32(W, margin), pw);
      p.py = IntDiv32(Sub32(H, ph), 2);
      p.cx = centredX;
      p.cy = Abs32(Sub32(IntDiv32(H, 2), IntDiv32(th, 2)));
      p.placesCaption = true;
      break;
    default: break;
  }
  return p;
}

std::shared_ptr<const Image> DrawIconWCaption(Surface& s, const ButtonLook& look, const std::int32_t& vState) {
  s.SetForeColor(look.ForeColor);
  // The caption is drawn at the device's resolution: the font scaled for this drawing only, since
  // the surface's font is the control's own setting.
  gloss::Font deviceFont = look.Font;
  deviceFont.size *= look.DevicePixelRatio;
  s.SetFont(deviceFont);
  struct RestoreFont {
    Surface& s;
    const gloss::Font& font;
    ~RestoreFont() { s.SetFont(font); }
  } restore{s, look.Font};

  const std::int32_t pw = look.Picture ? look.Picture.width : 0;
  const std::int32_t ph = look.Picture ? look.Picture.height : 0;
  std::int32_t tw = 0, th = 0;
  if (!look.Caption.empty()) {
    tw = CInt32(s.TextWidth(look.Caption));
    th = CInt32(s.TextHeight(look.Caption));
  }
  const std::int32_t W = CInt32(look.ScaleWidth);
  const std::int32_t H = CInt32(look.ScaleHeight);
  const std::int32_t margin = look.m_CornerRadius != 0 ? look.m_CornerRadius : DeviceLength(look, 8);

  Placement p = PlaceIconAndCaption(look.PictureAlignment, W, H, pw, ph, tw, th, margin);
  if (p.placesCaption) {
    s.SetCurrentX(static_cast<float>(p.cx));
    s.SetCurrentY(static_cast<float>(p.cy));
  }
  if (vState == DrawState::Pressed) {
    const std::int32_t offset = DeviceLength(look, 1);
    p.px = Add32(p.px, offset);
    s.SetCurrentX(s.CurrentX() + static_cast<float>(offset));
    p.py = Add32(p.py, offset);
    s.SetCurrentY(s.CurrentY() + static_cast<float>(offset));
  }

  s.Print(look.Caption);
  if (look.Picture) s.DrawPicture(*look.Picture.image, p.px, p.py, pw, ph);
  return s.Image();
}

std::shared_ptr<const Image> RedrawButton(Surface& s, const ButtonLook& look, std::int32_t& state) {
  if (look.Checked) state = ToInt32(DrawState::Checked);
  FaceCache& faces = RenderContext::ForThisThread().faces;
  switch (look.Style) {
    case 0: faces.Draw(s, look, state, RenderStyle0); break;
    case 1: faces.Draw(s, look, state, RenderStyle1); break;
    case 2:
    case 3:
    case 4:
    case 5: faces.Draw(s, look, state, RenderStyleN); break;
    case 6: faces.Draw(s, look, state, RenderStyle6); break;
    default: break;  // no body: only the caption and picture on the cleared surface
  }
  auto image = DrawIconWCaption(s, look, state);
  s.Clear();
  return image;
}

}  // namespace gloss
