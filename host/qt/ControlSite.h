#pragma once
// ControlSite: the widget as the program's own form and the tests host it, with the control's
// lifecycle in the owner's hands. It is a GlossButtonWidget (same face, signals, accessibility)
// whose properties are not read when it is made: the owner sets the user mode, then gives
// InitProperties() or ReadProperties(bag), exactly one of the two, once.
#include <cstdint>
#include <memory>

#include <GlossButton/GlossButtonWidget.h>

#include "glossbutton/GlossButton.h"
#include "glossbutton/GlossButtonEvents.h"
#include "glossbutton/PropertyBag.h"
#include "glossbutton/render/Image.h"
#include "host/qt/GlossButtonWidgetPrivate.h"
#include "host/qt/QtSite.h"

namespace host {

// No Q_OBJECT of its own: to Qt (class name, accessibility, Designer) it is a GlossButtonWidget.
class ControlSite : public ::GlossButtonWidget {
 public:
  explicit ControlSite(QWidget* parent = nullptr);
  ~ControlSite() override;
  // A widget for a form designer: design mode (design-time looks, no hook), no stored values.
  static ::GlossButtonWidget* CreateForDesigner(QWidget* parent);

  QtSite& Engine() { return GlossButtonWidgetPrivate::Of(*this); }
  const QtSite& Engine() const { return GlossButtonWidgetPrivate::Of(*this); }
  gloss::GlossButton& Button() { return Engine().Button(); }
  const gloss::GlossButton& Button() const { return Engine().Button(); }
  platform::HWND Hwnd() const { return Engine().Hwnd(); }

  // Ambient UserMode: true in a running program. Set it before the properties are read.
  void SetUserMode(bool userMode) { Engine().SetUserMode(userMode); }
  void InitProperties() { Engine().InitProperties(); }
  void ReadProperties(const gloss::PropertyBag& bag) { Engine().ReadProperties(bag); }
  bool PropertiesLoaded() const { return Engine().PropertiesLoaded(); }
  // The stored form, for saving (WriteProperties).
  gloss::PropertyBag Properties() const;

  // Takes the control's events instead of the widget's signals. Not owned; may be null.
  // Handlers may delete this site.
  void SetEventListener(gloss::GlossButtonEvents* listener) { Engine().SetEventListener(listener); }

  bool Pressed() const { return Engine().Pressed(); }
  void PressAndRelease() { Engine().PressAndRelease(); }
  std::shared_ptr<const gloss::Image> PublishedImage() const { return Engine().PublishedImage(); }
  std::int32_t MousePointer() const { return Engine().MousePointer(); }
  std::int32_t ControlForeColor() const { return Engine().ControlForeColor(); }

  // What the site serves the control.
  std::string InstanceName() const { return Engine().InstanceName(); }
  gloss::Font AmbientFont() const { return Engine().AmbientFont(); }
  std::int32_t ParentBackColor() const { return Engine().ParentBackColor(); }
  platform::HWND WindowHandle() const { return Engine().WindowHandle(); }

  static gloss::Font ToControlFont(const QFont& font) { return QtSite::ToControlFont(font); }
};

}  // namespace host
