#include "DemoWindow.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include <GlossButton/GlossButtonWidget.h>

#include "host/qt/ControlAccessible.h"

namespace {

// A small round badge with a transparent surround, drawn once for the picture buttons: 16 x 16
// pixels, drawn afresh at the screen's device pixel ratio rather than enlarged.
QImage Badge(qreal ratio) {
  const int side = qRound(16 * ratio);
  QImage img(side, side, QImage::Format_ARGB32);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setPen(QColor(40, 40, 40));
  p.setBrush(QColor(240, 200, 40));
  if (ratio == 1) {
    p.drawEllipse(1, 1, 13, 13);
    p.setBrush(QColor(200, 40, 40));
    p.drawEllipse(5, 5, 5, 5);
  } else {
    // The same circles, their one-pixel outline centred on the same lines.
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(ratio, ratio);
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    p.setBrush(QColor(200, 40, 40));
    p.drawEllipse(QRectF(5.5, 5.5, 5, 5));
  }
  p.end();
  // Hard edges: the control draws any pixel that is not fully transparent as it is.
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (qAlpha(img.pixel(x, y)) < 128)
        img.setPixel(x, y, 0);
      else
        img.setPixel(x, y, img.pixel(x, y) | 0xFF000000u);
  img.setDevicePixelRatio(ratio);
  return img;
}

constexpr int kWidth = 104;
constexpr int kHeight = 34;

}  // namespace

DemoWindow::DemoWindow(QWidget* parent) : QWidget(parent) {
  host::InstallWindowAccessible(staticMetaObject);
  setWindowTitle("GlossButton gallery");
  auto* outer = new QVBoxLayout(this);

  auto* styles = new QGroupBox("Styles 0 to 6: stored defaults, and colour scheme 3", this);
  auto* styleGrid = new QGridLayout(styles);
  for (int s = 0; s <= 6; ++s) {
    styleGrid->addWidget(AddButton(QString("Style%1").arg(s), QString("Style %1").arg(s), s), 0, s);
    auto* scheme = AddButton(QString("Style%1Scheme3").arg(s), QString("Style %1").arg(s), s);
    scheme->setColorScheme(3);
    if (s >= 2) scheme->setForeColor(Qt::white);  // the dark blue scheme needs a light caption
    styleGrid->addWidget(scheme, 1, s);
  }
  outer->addWidget(styles);

  auto* schemes = new QGroupBox("Colour schemes 1 to 6 (Style 4)", this);
  auto* schemeGrid = new QGridLayout(schemes);
  for (int c = 1; c <= 6; ++c) {
    auto* b = AddButton(QString("Scheme%1").arg(c), QString("Scheme %1").arg(c), 4);
    b->setColorScheme(c);
    if (c == 3) b->setForeColor(Qt::white);
    schemeGrid->addWidget(b, 0, c - 1);
  }
  outer->addWidget(schemes);

  auto* extras = new QGroupBox("Checked and pictures", this);
  auto* extraGrid = new QGridLayout(extras);
  int col = 0;
  for (int s : {1, 3, 6}) {
    auto* b = AddButton(QString("Checked%1").arg(s), "Checked", s);
    b->setChecked(true);
    extraGrid->addWidget(b, 0, col++);
  }
  const QImage badge = Badge(qApp->devicePixelRatio());
  for (int a = 0; a <= 3; ++a) {
    auto* b = AddButton(QString("Picture%1").arg(a), QString("Align %1").arg(a), a % 2 == 0 ? 5 : 2);
    b->setFixedSize(kWidth, a < 2 ? 52 : kHeight);
    b->setPicture(badge);
    b->setPictureAlignment(a);
    b->setDisplayHand(true);
    extraGrid->addWidget(b, 1, a);
  }
  outer->addWidget(extras);

  m_LogLine = new QLabel("Move the pointer over a button, click it, or Tab to it and press Space or Enter.", this);
  m_LogLine->setObjectName("LogLine");
  m_LogLine->setMinimumWidth(700);
  outer->addWidget(m_LogLine);
}

GlossButtonWidget* DemoWindow::AddButton(const QString& name, const QString& caption, int style) {
  auto* b = new GlossButtonWidget(this);
  b->setObjectName(name);
  b->setFixedSize(kWidth, kHeight);
  b->setStyle(style);
  b->setCaption(caption);
  const auto xy = [](const QPointF& p) { return QString("%1,%2").arg(p.x()).arg(p.y()); };
  connect(b, &GlossButtonWidget::clicked, this, [this, name] { Log(name, "Click"); });
  connect(b, &GlossButtonWidget::activated, this, [this, name] { Log(name, "activated (keyboard)"); });
  connect(b, &GlossButtonWidget::doubleClicked, this, [this, name] { Log(name, "DblClick"); });
  connect(b, &GlossButtonWidget::mouseEnter, this, [this, name] { Log(name, "MouseEnter"); });
  connect(b, &GlossButtonWidget::mouseLeave, this, [this, name] { Log(name, "MouseLeave"); });
  connect(b, &GlossButtonWidget::mouseDown, this,
          [this, name, xy](Qt::MouseButtons buttons, Qt::KeyboardModifiers, const QPointF& at) {
            Log(name, QString("MouseDown %1 @%2").arg(buttons.toInt()).arg(xy(at)));
  });
  connect(b, &GlossButtonWidget::mouseUp, this,
          [this, name, xy](Qt::MouseButtons buttons, Qt::KeyboardModifiers, const QPointF& at) {
            Log(name, QString("MouseUp %1 @%2").arg(buttons.toInt()).arg(xy(at)));
  });
  return b;
}

void DemoWindow::Log(const QString& name, const QString& what) {
  m_Recent.append(name + ": " + what);
  while (m_Recent.size() > 4) m_Recent.removeFirst();
  m_LogLine->setText(m_Recent.join("  |  "));
}
