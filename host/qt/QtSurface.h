#pragma once
// QtSurface: what a Qt host (a QWidget or a QQuickItem) gives the site that hosts the control on
// it. The site does everything the two hosts share (input as window messages, the text engine,
// the face, the shape, key activation, the properties in Qt's types); the surface does what only
// the host itself can: repaint, take a shape and a pointer, emit its own signals.
#include <QColor>
#include <QFont>
#include <QSize>
#include <QString>
#include <Qt>

class QObject;
class QRegion;

namespace host {

class QtSurface {
 public:
  // The host as a QObject: the context of the site's queued calls, its name and class.
  virtual QObject& Object() = 0;
  virtual QSize SurfaceSize() const = 0;
  // Given a size, or shown: the control may be told its size.
  virtual bool SurfaceSized() const = 0;
  virtual double SurfaceRatio() const = 0;
  // What the surface sits on: the font and background a new button takes.
  virtual QFont SurfaceFont() const = 0;
  virtual QColor SurfaceBackColor() const = 0;

  // The face changed: paint it again.
  virtual void Repaint() = 0;
  // The control's window region changed: mask holds every logical pixel with a part inside it;
  // null when the control has no region (the whole rectangle is the button).
  virtual void ShapeChanged(const QRegion* mask) = 0;
  // The pointer over the surface: a shape, or Qt::BitmapCursor for the host's default.
  virtual void SetPointerShape(Qt::CursorShape shape) = 0;

  // A property of the control changed (name as the control gives it).
  virtual void ControlPropertyChanged(const QString& name) = 0;
  // The button's pressed look went on or off (assistive technology follows it).
  virtual void PressedLookChanged() = 0;
  // Space, Return or Enter pressed and released on the focused surface. May delete the host.
  virtual void Activated() = 0;

 protected:
  ~QtSurface() = default;
};

}  // namespace host
