// Construction and the setters that are not colours (those live in ColorSchemes.cpp).
#include "glossbutton/GlossButton.h"
#include "glossbutton/GlossButtonPrivate.h"

namespace gloss {

GlossButton::GlossButton(ControlHost& host) : m_Host(host), m_Private(std::make_unique<Private>(*this)) {
  // The surface measures and prints the caption with the host's engine, which outlives us
  // (hence the non-owning pointer); it is handed over once, here.
  m_Private->Picture1.SetTextEngine(std::shared_ptr<TextEngine>(std::shared_ptr<void>(), &m_Host.Text()));
}

GlossButton::~GlossButton() {
  // A control destroyed without its Terminate must still leave its window with its previous
  // procedure; the engine defers that while a call through the hook is in progress.
  StopMouseTracking();
}

const gloss::Font& GlossButton::Font() const { return m_Private->Picture1.Font(); }

const Surface& GlossButton::Picture1() const { return m_Private->Picture1; }

void GlossButton::SetDisplayHand(bool newValue) {
  // The pointer follows only when stored properties are read again.
  m_DisplayHand = ToVBool(newValue);
}

void GlossButton::SetForeColor(std::int32_t NewForeColor) {
  m_ForeColor = NewForeColor;
  m_Private->Picture1.SetForeColor(NewForeColor);
  m_Host.PropertyChanged("ForeColor");
  DrawState state = DrawState::Up;
  Redraw(state);
}

void GlossButton::SetPicture(PicturePtr Value) {
  m_Picture = std::move(Value);
  m_Host.PropertyChanged("Picture");
  DrawState state = DrawState::Up;
  Redraw(state);
}

void GlossButton::SetChecked(bool Value) {
  m_Checked = ToVBool(Value);
  DrawState state = Value ? DrawState::Checked : MouseOver() ? DrawState::Hover : DrawState::Up;
  Redraw(state);
  m_Host.PropertyChanged("Checked");
}

void GlossButton::SetStyle(std::int32_t eVal) {
  if (eVal == m_Style) return;
  m_Style = eVal;
  m_Host.PropertyChanged("Style");
  UpdateShape();
}

void GlossButton::SetPictureAlignment(std::int32_t eVal) {
  if (eVal == m_PictureAlignment) return;
  m_PictureAlignment = eVal;
  m_Host.PropertyChanged("PictureAlignment");
  DrawState state = DrawState::Up;
  Redraw(state);
}

void GlossButton::SetCaption(const std::string& New_Caption) {
  m_Caption = New_Caption;
  m_Host.PropertyChanged("Caption");
  DrawState state = DrawState::Up;
  Redraw(state);
}

void GlossButton::SetFont(const gloss::Font& NewFont) {
  m_Private->Picture1.SetFont(NewFont);
  m_Host.PropertyChanged("Font");
  DrawState state = DrawState::Up;
  Redraw(state);
}

}  // namespace gloss
