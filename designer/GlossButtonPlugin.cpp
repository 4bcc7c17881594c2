#include "GlossButtonPlugin.h"

#include <QIcon>

#include <GlossButton/GlossButtonWidget.h>

#include "host/qt/ControlSite.h"

GlossButtonPlugin::GlossButtonPlugin(QObject* parent) : QObject(parent) {}

QString GlossButtonPlugin::name() const { return FormClass(); }
QString GlossButtonPlugin::FormClass() const { return QStringLiteral("GlossButtonWidget"); }
QString GlossButtonPlugin::group() const { return QStringLiteral("GlossButton"); }
QString GlossButtonPlugin::toolTip() const { return QStringLiteral("Owner-drawn glossy push button"); }
QString GlossButtonPlugin::whatsThis() const {
  return QStringLiteral(
      "A push button drawn in one of seven styles and colour schemes, with hover, "
      "pressed, focused and checked looks.");
}
QString GlossButtonPlugin::includeFile() const { return QStringLiteral("GlossButton/GlossButtonWidget.h"); }
QIcon GlossButtonPlugin::icon() const { return QIcon(QStringLiteral(":/glossbutton/glossbutton.png")); }

void GlossButtonPlugin::initialize(QDesignerFormEditorInterface*) { m_Initialized = true; }

QWidget* GlossButtonPlugin::createWidget(QWidget* parent) {
  // Designer calls initialize() first; QUiLoader does not, and builds a running program's form.
  if (m_Initialized) return host::ControlSite::CreateForDesigner(parent);
  return new GlossButtonWidget(parent);
}

QString GlossButtonPlugin::domXml() const {
  return QStringLiteral(R"(<ui language="c++">
 <widget class="%1" name="glossButton">
  <property name="geometry"><rect><x>0</x><y>0</y><width>100</width><height>30</height></rect></property>
  <property name="caption"><string>GlossButton</string></property>
  <property name="style"><enum>GlossButtonWidget::GlossStyle3</enum></property>
  <property name="colorScheme"><enum>GlossButtonWidget::BlueScheme</enum></property>
 </widget>
</ui>
)")
      .arg(FormClass());
}

QString LegacyGlossButtonPlugin::group() const { return QStringLiteral("GlossButton (forms before 0.3)"); }
QString LegacyGlossButtonPlugin::FormClass() const { return QStringLiteral("host::GlossButtonWidget"); }

GlossButtonPlugins::GlossButtonPlugins(QObject* parent) : QObject(parent) {
  m_Widgets = {new GlossButtonPlugin(this), new LegacyGlossButtonPlugin(this)};
}
