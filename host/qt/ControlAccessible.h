#pragma once
// The accessible face of a hosted button: a push button named by its accessible name or else
// its caption, with focus, pressed and checked states read from the control, and a press action
// that clicks it the way the mouse does.
#include <QAccessibleWidget>

class GlossButtonWidget;

namespace host {

class QtSite;

class ControlAccessible : public QAccessibleWidget {
 public:
  explicit ControlAccessible(::GlossButtonWidget* widget);

  QString text(QAccessible::Text t) const override;
  QAccessible::State state() const override;
  QStringList actionNames() const override;
  void doAction(const QString& actionName) override;
  QStringList keyBindingsForAction(const QString& actionName) const override;

 private:
  QtSite* Site() const;
};

// Installs the factory that gives every GlossButtonWidget its ControlAccessible (once per process).
void InstallControlAccessibleFactory();

// Widgets of windowClass (or a subclass) that are windows read as frames named by their window
// title, as a main window does, rather than as plain panes. Once per class.
void InstallWindowAccessible(const QMetaObject& windowClass);

// The control's caption or checked state changed: tells a listening client. Costs a flag test
// while no client listens.
void NotifyAccessibleChange(QWidget* widget, bool nameChanged, bool checkedChanged, bool pressedChanged);

}  // namespace host
