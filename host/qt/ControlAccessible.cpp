#include "host/qt/ControlAccessible.h"

#include <QAccessible>
#include <algorithm>
#include <vector>

#include <GlossButton/GlossButtonWidget.h>

#include "host/qt/GlossButtonWidgetPrivate.h"
#include "host/qt/QtSite.h"

namespace host {

ControlAccessible::ControlAccessible(::GlossButtonWidget* widget) : QAccessibleWidget(widget, QAccessible::Button) {}

QtSite* ControlAccessible::Site() const {
  return &GlossButtonWidgetPrivate::Of(*static_cast<::GlossButtonWidget*>(widget()));
}

QString ControlAccessible::text(QAccessible::Text t) const {
  if (t == QAccessible::Name) {
    const QString name = widget()->accessibleName();
    return name.isEmpty() ? QString::fromStdString(Site()->Button().Caption()) : name;
  }
  return QAccessibleWidget::text(t);
}

QAccessible::State ControlAccessible::state() const {
  QAccessible::State s = QAccessibleWidget::state();
  const QtSite* site = Site();
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
  // The keys that activate a focused site (KeyActivation), in a running program only.
  if (actionName == pressAction())
    return Site()->AmbientUserMode()
               ? QStringList{QStringLiteral("Space"), QStringLiteral("Return"), QStringLiteral("Enter")}
               : QStringList{};
  return QAccessibleWidget::keyBindingsForAction(actionName);
}

namespace {

QAccessibleInterface* Factory(const QString& key, QObject* object) {
  // Asked for each class from the object's own up to QObject: this key covers every subclass.
  if (key == QLatin1String(::GlossButtonWidget::staticMetaObject.className()) && object && object->isWidgetType())
    return new ControlAccessible(static_cast<::GlossButtonWidget*>(object));
  return nullptr;
}

std::vector<QString>& WindowClasses() {
  static std::vector<QString> names;
  return names;
}

QAccessibleInterface* WindowFactory(const QString& key, QObject* object) {
  if (!object || !object->isWidgetType() || !static_cast<QWidget*>(object)->isWindow()) return nullptr;
  const auto& names = WindowClasses();
  if (std::find(names.begin(), names.end(), key) == names.end()) return nullptr;
  return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
}

}  // namespace

void InstallWindowAccessible(const QMetaObject& windowClass) {
  auto& names = WindowClasses();
  const QString name = QLatin1String(windowClass.className());
  if (std::find(names.begin(), names.end(), name) != names.end()) return;
  if (names.empty()) QAccessible::installFactory(&WindowFactory);
  names.push_back(name);
}

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
