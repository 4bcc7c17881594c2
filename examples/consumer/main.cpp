// Three GlossButtons in a layout, one of each style family (flat, glossy, round), with their
// clicks counted in a label. With --smoke it clicks each button once, prints the count and ends.
#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>
#include <cstdio>

#include <GlossButton/GlossButtonWidget.h>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  auto* column = new QVBoxLayout(&window);
  auto* row = new QHBoxLayout;
  column->addLayout(row);
  auto* label = new QLabel(QStringLiteral("clicks: 0"));
  column->addWidget(label);

  int clicks = 0;
  QList<GlossButtonWidget*> buttons;
  const struct {
    const char* caption;
    GlossButtonWidget::Style style;
  } kinds[] = {{"Flat", GlossButtonWidget::ClassicStyle},
               {"Glossy", GlossButtonWidget::GlossStyle3},
               {"Round", GlossButtonWidget::CrescentStyle}};
  for (const auto& k : kinds) {
    auto* b = new GlossButtonWidget(&window);
    b->setCaption(QString::fromUtf8(k.caption));
    b->setStyle(k.style);
    b->setColorScheme(GlossButtonWidget::BlueScheme);
    b->setMinimumSize(100, 30);
    QObject::connect(b, &GlossButtonWidget::clicked, label, [label, &clicks, b] {
      label->setText(QStringLiteral("clicks: %1 (last: %2)").arg(++clicks).arg(b->caption()));
    });
    row->addWidget(b);
    buttons.append(b);
  }
  window.setWindowTitle(QStringLiteral("GlossButton consumer"));
  window.show();

  if (app.arguments().contains(QStringLiteral("--smoke"))) {
    QTimer::singleShot(0, [&] {
      for (GlossButtonWidget* b : buttons) b->click();
      std::printf("%s\n", qPrintable(label->text()));
      app.exit(clicks == 3 ? 0 : 1);
    });
  }
  return app.exec();
}
