// Redraw: the one path by which the button changes its look.
#include "glossbutton/GlossButton.h"
#include "glossbutton/GlossButtonPrivate.h"
#include "glossbutton/render/Redraw.h"

namespace gloss {

void GlossButton::Redraw(DrawState& state) {
  // A checked button always shows the checked look; the caller sees the forced state too.
  if (Checked()) state = DrawState::Checked;
  if (m_RedrawObserver) m_RedrawObserver(ToInt32(state));
  PaintAndPublish(state);
}

void GlossButton::PaintAndPublish(DrawState& state) {
  // RedrawButton clears the surface only after a complete drawing; if anything throws, nothing
  // is published and the host keeps showing the previous image.
  std::int32_t value = ToInt32(state);
  Publish(RedrawButton(m_Private->Picture1, Look(), value));
  state = DrawState{value};
}

void GlossButton::DrawIconWCaption(const std::int32_t& vState) {
  Publish(gloss::DrawIconWCaption(m_Private->Picture1, Look(), vState));
}

void GlossButton::ClearSurface() { m_Private->Picture1.Clear(); }

ButtonLook GlossButton::Look() {
  // Everything the renderers read from the host is read here, before they run.
  ButtonLook look;
  look.Style = m_Style;
  look.Checked = Checked();
  look.Caption = m_Caption;
  look.PictureAlignment = m_PictureAlignment;
  look.ForeColor = m_ForeColor;
  look.Font = m_Private->Picture1.Font();
  look.m_CornerRadius = m_CornerRadius;
  look.m_ColorButtonUp = m_ColorButtonUp;
  look.m_ColorButtonHover = m_ColorButtonHover;
  look.m_ColorButtonDown = m_ColorButtonDown;
  look.m_ColorBright = m_ColorBright;
  look.m_BorderBrightness = m_BorderBrightness;
  try {
    look.ParentBackColor = m_Host.ParentBackColor();
  } catch (...) {
    // A host without the colour: the background is decoration, the button is drawn without it.
  }
  const double ratio = m_Host.DevicePixelRatio();
  look.DevicePixelRatio = ratio;
  // At another ratio the device size is whole pixels, the size of the surface (UpdateShape).
  look.ScaleWidth = ratio == 1.0 ? m_Host.ScaleWidth() : static_cast<float>(CInt32(m_Host.ScaleWidth() * ratio));
  look.ScaleHeight = ratio == 1.0 ? m_Host.ScaleHeight() : static_cast<float>(CInt32(m_Host.ScaleHeight() * ratio));
  if (m_Picture) {
    look.Picture = PictureAtSize(m_Picture, m_Host.ScaleX(m_Picture->widthHimetric),
                                 m_Host.ScaleY(m_Picture->heightHimetric), ratio);
  }
  return look;
}

void GlossButton::Publish(std::shared_ptr<const Image> image) {
  m_Image = image;
  m_Host.PublishImage(std::move(image));
}

}  // namespace gloss
