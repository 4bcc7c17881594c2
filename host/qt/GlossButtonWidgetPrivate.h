#pragma once
// The private part of GlossButtonWidget: the engine that hosts the control on the widget, and
// the control's events turned into the widget's signals. Inside the tree only; programs that
// use the widget see the public header alone.
#include <GlossButton/GlossButtonWidget.h>

#include <memory>

#include "glossbutton/GlossButtonEvents.h"
#include "host/qt/SiteEngine.h"

class GlossButtonWidgetPrivate : private gloss::GlossButtonEvents {
 public:
  // loaded: whether the widget reads its (empty) stored properties when it is made; a host
  // that gives the lifecycle itself (host::ControlSite) passes false.
  GlossButtonWidgetPrivate(GlossButtonWidget& q, bool loaded);
  ~GlossButtonWidgetPrivate() override;

  static GlossButtonWidgetPrivate& Of(const GlossButtonWidget& widget) { return *widget.d_ptr; }

  // Called by the widget's constructor, once the widget exists: makes the engine.
  void Start();

  GlossButtonWidget& q;
  // Made by Start(): the widget must exist first.
  std::unique_ptr<host::SiteEngine> engine;
  const bool loadOnStart;

 private:
  // Each becomes a signal; the widget is not touched after the emit.
  void OnStatus(const std::string& sStatus) override;
  void OnClick() override;
  void OnDblClick() override;
  void OnMouseEnter() override;
  void OnMouseLeave() override;
  void OnMouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y) override;
  void OnMouseUp(std::int16_t Button, std::int16_t Shift, float X, float Y) override;
  void OnMouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y) override;
};

namespace host {

// The engine behind a widget.
SiteEngine& EngineOf(::GlossButtonWidget& widget);
const SiteEngine& EngineOf(const ::GlossButtonWidget& widget);

}  // namespace host
