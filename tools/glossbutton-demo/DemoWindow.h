#pragma once
// The button gallery: every Style, every colour scheme, checked buttons, picture alignments,
// and a line showing the events as they are raised.
#include <QLabel>
#include <QStringList>
#include <QWidget>

class GlossButtonWidget;

class DemoWindow : public QWidget {
  Q_OBJECT

 public:
  explicit DemoWindow(QWidget* parent = nullptr);

 private:
  GlossButtonWidget* AddButton(const QString& name, const QString& caption, int style);
  void Log(const QString& name, const QString& what);

  QLabel* m_LogLine = nullptr;
  QStringList m_Recent;
};
