#pragma once
// The private part of GlossButtonWidget: the site that hosts the control, with the widget as its
// surface, and the control's events turned into the widget's signals. Inside the tree only;
// programs that use the widget see the public header alone.
#include <GlossButton/GlossButtonWidget.h>

#include "host/qt/QtSite.h"

class GlossButtonWidgetPrivate final : public host::QtSite, private host::QtSurface {
 public:
  // loaded: whether the widget reads its (empty) stored properties when it is made; a host
  // that gives the lifecycle itself (host::ControlSite) passes false.
  GlossButtonWidgetPrivate(GlossButtonWidget& q, bool loaded);
  ~GlossButtonWidgetPrivate() override;

  static GlossButtonWidgetPrivate& Of(const GlossButtonWidget& widget) { return *widget.d_ptr; }

  // Called by the widget's constructor, once the widget exists.
  void Start();
  // The widget's paint event: the face, cut to the shape where the mask cannot cut it.
  void Paint();

  GlossButtonWidget& q;
  const bool loadOnStart;

 private:
  // ---- QtSurface
  QObject& Object() override { return q; }
  QSize SurfaceSize() const override { return q.size(); }
  bool SurfaceSized() const override { return q.testAttribute(Qt::WA_Resized) || q.isVisible(); }
  double SurfaceRatio() const override { return q.devicePixelRatioF(); }
  QFont SurfaceFont() const override;
  QColor SurfaceBackColor() const override;
  void Repaint() override { q.update(); }
  void ShapeChanged(const QRegion* mask) override;
  void SetPointerShape(Qt::CursorShape shape) override;
  void ControlPropertyChanged(const QString& name) override;
  void PressedLookChanged() override;
  void Activated() override { emit q.activated(); }

  host::SignalRelay<GlossButtonWidget> m_Signals{q};
};

namespace host {

// The site behind a widget.
inline QtSite& EngineOf(::GlossButtonWidget& widget) { return GlossButtonWidgetPrivate::Of(widget); }
inline const QtSite& EngineOf(const ::GlossButtonWidget& widget) { return GlossButtonWidgetPrivate::Of(widget); }

}  // namespace host
