#pragma once
// GlossButtonWidget in Qt Designer's widget box. Forms built by Designer get the control in
// design mode; forms built at run time by QUiLoader get it in user mode. Forms saved with the
// widget's name up to 0.2, host::GlossButtonWidget, still load: a second entry answers to it.
#include <QList>
#include <QObject>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

class GlossButtonPlugin : public QObject, public QDesignerCustomWidgetInterface {
  Q_OBJECT
  Q_INTERFACES(QDesignerCustomWidgetInterface)

 public:
  explicit GlossButtonPlugin(QObject* parent = nullptr);

  QString name() const override;
  QString group() const override;
  QString toolTip() const override;
  QString whatsThis() const override;
  QString includeFile() const override;
  QIcon icon() const override;
  bool isContainer() const override { return false; }
  QWidget* createWidget(QWidget* parent) override;
  bool isInitialized() const override { return m_Initialized; }
  void initialize(QDesignerFormEditorInterface* core) override;
  QString domXml() const override;

 protected:
  // The class name forms know the widget by.
  virtual QString FormClass() const;

 private:
  // Only Designer itself calls initialize(); QUiLoader creates widgets without it.
  bool m_Initialized = false;
};

// The same widget under its old name, for forms saved before 0.3.
class LegacyGlossButtonPlugin : public GlossButtonPlugin {
  Q_OBJECT

 public:
  using GlossButtonPlugin::GlossButtonPlugin;
  QString group() const override;

 protected:
  QString FormClass() const override;
};

class GlossButtonPlugins : public QObject, public QDesignerCustomWidgetCollectionInterface {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface")
  Q_INTERFACES(QDesignerCustomWidgetCollectionInterface)

 public:
  explicit GlossButtonPlugins(QObject* parent = nullptr);
  QList<QDesignerCustomWidgetInterface*> customWidgets() const override { return m_Widgets; }

 private:
  QList<QDesignerCustomWidgetInterface*> m_Widgets;
};
