#include "app/FormLabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include "host/qt/QtSystemColors.h"
#include "platform/SystemColors.h"

namespace app {

namespace {

// A label to assistive technology: static text named by its caption, and once actionable a push
// button (a toggle when checkable) whose press action clicks it as the mouse does. Decided when
// asked: the interface may exist before the label becomes actionable.
class LabelAccessible : public QAccessibleWidget {
 public:
  explicit LabelAccessible(FormLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

  QAccessible::Role role() const override {
    return Label()->Actionable() ? QAccessible::Button : QAccessible::StaticText;
  }

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) return Label()->Caption();
    return QAccessibleWidget::text(t);
  }

  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    if (!Label()->Actionable()) return s;
    s.checkable = Label()->Checkable();
    s.checked = Label()->Checkable() && Label()->Checked();
    return s;
  }

  QStringList actionNames() const override {
    if (!Label()->Actionable()) return {};
    return widget()->isEnabled() ? QStringList{pressAction(), setFocusAction()} : QStringList{};
  }
  void doAction(const QString& actionName) override {
    if (!widget()->isEnabled() || !Label()->Actionable()) return;
    if (actionName == pressAction())
      emit Label()->Click();
    else
      QAccessibleWidget::doAction(actionName);
  }
  QStringList keyBindingsForAction(const QString& actionName) const override {
    if (actionName == pressAction() && Label()->Actionable())
      return {QStringLiteral("Space"), QStringLiteral("Return"), QStringLiteral("Enter")};
    return QAccessibleWidget::keyBindingsForAction(actionName);
  }

 private:
  FormLabel* Label() const { return static_cast<FormLabel*>(widget()); }
};

QAccessibleInterface* LabelFactory(const QString& key, QObject* object) {
  if (key != QLatin1String(FormLabel::staticMetaObject.className())) return nullptr;
  return new LabelAccessible(static_cast<FormLabel*>(object));
}

}  // namespace

QColor OleToQColor(std::int32_t oleColor) {
  platform::COLORREF rgb = 0;
  if (platform::OleTranslateColor(static_cast<platform::OLE_COLOR>(oleColor), 0, &rgb) != platform::S_OK) rgb = 0;
  return host::FromColorRef(rgb);
}

FormLabel::FormLabel(QWidget* parent) : QLabel(parent) {
  static const bool factoryInstalled = [] {
    QAccessible::installFactory(&LabelFactory);
    return true;
  }();
  (void)factoryInstalled;
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setTextFormat(Qt::PlainText);
  setWordWrap(true);  // a label wraps its caption within its box
}

void FormLabel::SetForeColor(std::int32_t newValue) {
  m_ForeColor = newValue;
  QPalette p = palette();
  p.setColor(QPalette::WindowText, OleToQColor(newValue));
  setPalette(p);
}

// A transparent label fills nothing, so the form's picture shows around its text.
void FormLabel::SetTransparent(bool transparent) { setAutoFillBackground(!transparent); }

void FormLabel::SetActionable(bool actionable) {
  m_Actionable = actionable;
  // Tab only: a click on a label does not leave a focus outline behind.
  setFocusPolicy(actionable ? Qt::TabFocus : Qt::NoFocus);
}

void FormLabel::SetChecked(bool checked) {
  if (checked == m_Checked) return;
  m_Checked = checked;
  if (QAccessible::isActive()) {
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent e(this, changed);
    QAccessible::updateAccessibility(&e);
  }
}

void FormLabel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) m_LeftPressed = true;
  event->accept();
}

void FormLabel::mouseMoveEvent(QMouseEvent* event) { event->accept(); }

void FormLabel::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() != Qt::LeftButton || !m_LeftPressed) return;
  m_LeftPressed = false;
  if (rect().contains(event->position().toPoint())) emit Click();
}

void FormLabel::keyPressEvent(QKeyEvent* event) {
  if (m_Actionable && m_Keys.Press(*event))
    event->accept();
  else
    QLabel::keyPressEvent(event);
}

void FormLabel::keyReleaseEvent(QKeyEvent* event) {
  if (m_Actionable && m_Keys.Release(*event)) {
    event->accept();
    emit Click();
    return;
  }
  QLabel::keyReleaseEvent(event);
}

void FormLabel::focusInEvent(QFocusEvent* event) {
  QLabel::focusInEvent(event);
  update();
}

void FormLabel::focusOutEvent(QFocusEvent* event) {
  m_Keys.Cancel();
  QLabel::focusOutEvent(event);
  update();
}

void FormLabel::paintEvent(QPaintEvent* event) {
  if (!hasFocus()) {
    QLabel::paintEvent(event);
    return;
  }
  // A soft rounded tint and outline in the text's own colour around the caption: it reads on the
  // light artwork the labels sit on, still shows where the caption meets the label's edge, and
  // follows the caption's colour.
  const QRect text =
      fontMetrics().boundingRect(contentsRect(), static_cast<int>(alignment()) | Qt::TextWordWrap, Caption());
  const QRectF box = QRectF(text.adjusted(-3, -1, 3, 1)).intersected(QRectF(rect())).adjusted(0.5, 0.5, -0.5, -0.5);
  QColor c = palette().color(QPalette::WindowText);
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  c.setAlphaF(0.12f);
  p.setPen(Qt::NoPen);
  p.setBrush(c);
  p.drawRoundedRect(box, 3.0, 3.0);
  p.end();
  QLabel::paintEvent(event);
  p.begin(this);
  p.setRenderHint(QPainter::Antialiasing);
  c.setAlphaF(0.7f);
  p.setPen(QPen(c, 1.0));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(box, 3.0, 3.0);
}

}  // namespace app
