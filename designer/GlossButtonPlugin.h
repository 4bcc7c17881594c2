#pragma once
// GlossButtonWidget in Qt Designer's widget box. Forms built by Designer get the control in
// design mode; forms built at run time by QUiLoader get it in user mode.
#include <QObject>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

class GlossButtonPlugin : public QObject, public QDesignerCustomWidgetInterface {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetInterface")
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

 private:
  // Only Designer itself calls initialize(); QUiLoader creates widgets without it.
  bool m_Initialized = false;
};
