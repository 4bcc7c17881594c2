// Lifecycle notifications: creation, the stored property set, termination, renaming.
#include "glossbutton/GlossButton.h"
#include "glossbutton/GlossButtonPrivate.h"

namespace gloss {

namespace {

constexpr std::int32_t kDefaultBright = 16772528;  // 0xFFEDB0
constexpr std::int32_t kDefaultDown = 15309136;    // 0xE99950
constexpr std::int32_t kDefaultUp = 15309136;      // 0xE99950
constexpr std::int32_t kDefaultHover = 16760976;   // 0xFFC090

}  // namespace

void GlossButton::Initialize() {
  // Touches Style only; every member already holds its starting value.
  const std::int32_t style = m_Style;
  m_Style = style;
}

void GlossButton::InitProperties() {
  if (!m_Host.AmbientUserMode()) {
    // Placed in a designer: start from the blue look. At run time the colours stay black.
    m_ColorButtonUp = kDefaultUp;
    m_ColorButtonDown = kDefaultDown;
    m_ColorButtonHover = kDefaultHover;
    m_ColorBright = kDefaultBright;
    ClearSurface();
  }
  m_Caption = m_Host.InstanceName();
}

void GlossButton::ReadProperties(const PropertyBag& PropBag) {
  // Members are written directly: no notification, no clamp, no scheme applied, no drawing.
  m_Private->Picture1.SetFont(PropBag.ReadFont("Font", m_Host.AmbientFont()));
  m_Caption = PropBag.ReadText("Caption", kClassName);
  m_ForeColor = PropBag.ReadInt32("ForeColor", 0);
  m_Picture = PropBag.ReadPicture("Picture", nullptr);
  m_PictureAlignment = PropBag.ReadInt32("PictureAlignment", 0);
  m_Style = PropBag.ReadInt32("Style", 0);
  m_Checked = ToVBool(PropBag.ReadBoolean("Checked", Checked()));
  m_ColorButtonHover = PropBag.ReadInt32("ColorButtonHover", kDefaultHover);
  m_ColorButtonUp = PropBag.ReadInt32("ColorButtonUp", kDefaultUp);
  m_ColorButtonDown = PropBag.ReadInt32("ColorButtonDown", kDefaultDown);
  m_ColorBright = PropBag.ReadInt32("ColorBright", kDefaultBright);
  m_BorderBrightness = PropBag.ReadInt32("BorderBrightness", 0);
  m_DisplayHand = ToVBool(PropBag.ReadBoolean("DisplayHand", false));
  m_ColorScheme = PropBag.ReadInt32("ColorScheme", 0);

  m_Host.SetMousePointer(m_DisplayHand != VB_FALSE ? kPointerCustom : kPointerArrow);
  m_Host.SetForeColor(m_ForeColor);

  if (m_Host.AmbientUserMode()) StartMouseTracking();
}

void GlossButton::WriteProperties(PropertyBag& PropBag) const {
  // Fixed order; keys without a default are written even when 0 or false.
  PropBag.WriteFont("Font", m_Private->Picture1.Font(), m_Host.AmbientFont());
  PropBag.WriteText("Caption", m_Caption, kClassName);
  PropBag.WriteInt32("ForeColor", m_ForeColor, 0);
  PropBag.WritePicture("Picture", m_Picture, nullptr);
  PropBag.WriteInt32("PictureAlignment", m_PictureAlignment, 0);
  PropBag.WriteInt32("Style", m_Style, 0);
  PropBag.WriteBoolean("Checked", Checked());
  PropBag.WriteInt32("ColorButtonHover", m_ColorButtonHover);
  PropBag.WriteInt32("ColorButtonUp", m_ColorButtonUp);
  PropBag.WriteInt32("ColorButtonDown", m_ColorButtonDown);
  PropBag.WriteInt32("BorderBrightness", m_BorderBrightness);
  PropBag.WriteInt32("ColorBright", m_ColorBright);
  PropBag.WriteBoolean("DisplayHand", DisplayHand());
  PropBag.WriteInt32("ColorScheme", m_ColorScheme);
}

void GlossButton::Terminate() { StopMouseTracking(); }

void GlossButton::AmbientPropertyChanged(const std::string& /*PropertyName*/) { SetCaption(m_Host.InstanceName()); }

}  // namespace gloss
