#include "host/qt/ControlAccessible.h"

#include <QAccessible>

#include <GlossButton/GlossButtonWidget.h>

#include "host/qt/GlossButtonWidgetPrivate.h"
#include "host/qt/SiteEngine.h"

namespace host {

ControlAccessible::ControlAccessible(::GlossButtonWidget* widget) : QAccessibleWidget(widget, QAccessible::Button) {}

SiteEngine* ControlAccessible::Site() const { return &EngineOf(*static_cast<::GlossButtonWidget*>(widget())); }

QString ControlAccessible::text(QAccessible::Text t) const {
  if (t == QAccessible::Name) {
    const QString name = widget()->accessibleName();
    return name.isEmpty() ? QString::fromStdString(Site()->Button().Caption()) : name;
  }
  return QAccessibleWidget::text(t);
}

QAccessible::State ControlAccessible::state() const {
  QAccessible::State s = QAccessibleWidget::state();
  const SiteEngine* site = Site();
  s.pressed = site->Pressed();
  // A button shown checked reads as a checked toggle.
  s.checkable = site->Button().Checked();
  s.checked = site->Button().Checked();
  return s;
}

QStringList ControlAccessible::actionNames() const {
  return widget()->isEnabled() ? QStringList{pressAction(), setFocusAction()} : QStringList{};
}

void ControlAccessible::doAction(const QString& actionName) {
  if (!widget()->isEnabled()) return;
  if (actionName == pressAction())
    Site()->PressAndRelease();
  else
    QAccessibleWidget::doAction(actionName);
}

QStringList ControlAccessible::keyBindingsForAction(const QString& actionName) const {
  if (actionName == pressAction()) return {QStringLiteral("Return")};
  return QAccessibleWidget::keyBindingsForAction(actionName);
}

namespace {

QAccessibleInterface* Factory(const QString& key, QObject* object) {
  // Asked for each class from the object's own up to QObject: this key covers every subclass.
  if (key == QLatin1String(::GlossButtonWidget::staticMetaObject.className()) && object && object->isWidgetType())
    return new ControlAccessible(static_cast<::GlossButtonWidget*>(object));
  return nullptr;
}

}  // namespace

void InstallControlAccessibleFactory() {
  static const bool installed = [] {
    QAccessible::installFactory(&Factory);
    return true;
  }();
  (void)installed;
}

void NotifyAccessibleChange(QWidget* site, bool nameChanged, bool checkedChanged, bool pressedChanged) {
  if (!QAccessible::isActive()) return;
  if (nameChanged) {
    QAccessibleEvent e(site, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&e);
  }
  if (checkedChanged || pressedChanged) {
    QAccessible::State changed;
    changed.checked = checkedChanged;
    changed.checkable = checkedChanged;
    changed.pressed = pressedChanged;
    QAccessibleStateChangeEvent e(site, changed);
    QAccessible::updateAccessibility(&e);
  }
}

}  // namespace host
