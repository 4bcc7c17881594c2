// Redraw: the one path by which the button changes its look.
#include "glossbutton/GlossButton.h"
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
  Publish(RedrawButton(m_Picture1, Look(), value));
  state = DrawState{value};
}

void GlossButton::DrawIconWCaption(const std::int32_t& vState) {
  Publish(gloss::DrawIconWCaption(m_Picture1, Look(), vState));
}

void GlossButton::ClearSurface() { m_Picture1.Clear(); }

ButtonLook GlossButton::Look() {
  // The host's engine is asked for at every drawing, so a host may supply it after creating us.
  // It outlives the control, hence the non-owning pointer.
  m_Picture1.SetTextEngine(std::shared_ptr<TextEngine>(std::shared_ptr<void>(), &m_Host.Text()));

  ButtonLook look;
  look.Style = m_Style;
  look.Checked = Checked();
  look.Caption = m_Caption;
  look.Picture = m_Picture;
  look.PictureAlignment = m_PictureAlignment;
  look.ForeColor = m_ForeColor;
  look.Font = m_Picture1.Font();
  look.m_CornerRadius = m_CornerRadius;
  look.m_ColorButtonUp = m_ColorButtonUp;
  look.m_ColorButtonHover = m_ColorButtonHover;
  look.m_ColorButtonDown = m_ColorButtonDown;
  look.m_ColorBright = m_ColorBright;
  look.m_BorderBrightness = m_BorderBrightness;
  const ControlHost* host = &m_Host;
  look.ParentBackColor = [host] { return host->ParentBackColor(); };
  const double ratio = m_Host.DevicePixelRatio();
  look.DevicePixelRatio = ratio;
  // At another ratio the device size is whole pixels, the size of the surface (UpdateShape).
  look.ScaleWidth = ratio == 1.0 ? m_Host.ScaleWidth() : static_cast<float>(CInt32(m_Host.ScaleWidth() * ratio));
  look.ScaleHeight = ratio == 1.0 ? m_Host.ScaleHeight() : static_cast<float>(CInt32(m_Host.ScaleHeight() * ratio));
  look.ScaleX = [host](double himetric) { return host->ScaleX(himetric); };
  look.ScaleY = [host](double himetric) { return host->ScaleY(himetric); };
  return look;
}

void GlossButton::Publish(std::shared_ptr<const Image> image) {
  m_Image = image;
  m_Host.PublishImage(std::move(image));
}

}  // namespace gloss
