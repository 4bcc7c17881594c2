#include "app/webpane/PaneOverlay.h"

#include <QEvent>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace app {

namespace {

// The form's own colours: white ground, blue writing (its labels), a thin blue rule.
const QColor kGround(0xff, 0xff, 0xff);
const QColor kInk(0x00, 0x00, 0xff);
const QColor kVeil(0xff, 0xff, 0xff, 0xb0);

constexpr int kMargin = 6;

}  // namespace

PaneOverlay::PaneOverlay(QWidget* pane, Mode mode) : QWidget(pane), m_Mode(mode) {
    setAttribute(Qt::WA_NoSystemBackground);
    m_Box = new QWidget(this);
    m_Box->setObjectName(QStringLiteral("box"));
    m_Box->setAutoFillBackground(true);
    QPalette palette = m_Box->palette();
    palette.setColor(QPalette::Window, kGround);
    palette.setColor(QPalette::WindowText, kInk);
    m_Box->setPalette(palette);

    auto* column = new QVBoxLayout(m_Box);
    column->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    column->setSpacing(4);
    m_Label = new QLabel(m_Box);
    m_Label->setWordWrap(true);
    m_Label->setAlignment(Qt::AlignCenter);
    m_Label->setTextFormat(Qt::PlainText);
    column->addWidget(m_Label);

    if (mode == Mode::Prompt) {
        m_Input = new QLineEdit(m_Box);
        column->addWidget(m_Input);
        connect(m_Input, &QLineEdit::returnPressed, this, [this] { Finish(true); });
    }
    if (mode == Mode::Alert || mode == Mode::Confirm || mode == Mode::Prompt) {
        auto* row = new QHBoxLayout();
        row->addStretch();
        m_Ok = new QPushButton(QStringLiteral("确定"), m_Box);
        row->addWidget(m_Ok);
        connect(m_Ok, &QPushButton::clicked, this, [this] { Finish(true); });
        if (mode != Mode::Alert) {
            m_Cancel = new QPushButton(QStringLiteral("取消"), m_Box);
            row->addWidget(m_Cancel);
            connect(m_Cancel, &QPushButton::clicked, this, [this] { Finish(false); });
        }
        row->addStretch();
        column->addLayout(row);
    }
    if (mode == Mode::Note) {
        // A note covers nothing the player might click: presses go through to the page.
        setAttribute(Qt::WA_TransparentForMouseEvents);
        m_NoteTimer = new QTimer(this);
        m_NoteTimer->setSingleShot(true);
        connect(m_NoteTimer, &QTimer::timeout, this, &QWidget::hide);
    }
    pane->installEventFilter(this);
    hide();
}

void PaneOverlay::SetVisibleArea(const QRect& area) {
    m_Area = area;
    Place();
}

QString PaneOverlay::Text() const { return m_Label->text(); }

void PaneOverlay::Say(const QString& text, int noteMs) {
    m_Label->setText(text);
    Place();
    show();
    raise();
    if (m_NoteTimer) m_NoteTimer->start(noteMs);
}

PaneOverlay::Answer PaneOverlay::Ask(const QString& text, const QString& value) {
    m_Answer = {};
    m_Label->setText(text);
    if (m_Input) m_Input->setText(value);
    Place();
    show();
    raise();
    if (m_Input)
        m_Input->setFocus();
    else if (m_Ok)
        m_Ok->setFocus();
    QEventLoop loop;
    m_Loop = &loop;
    QPointer<PaneOverlay> self(this);
    loop.exec();
    if (!self) return {};
    m_Loop = nullptr;
    hide();
    return m_Answer;
}

void PaneOverlay::Dismiss() {
    if (m_Loop) Finish(false);
}

void PaneOverlay::Finish(bool accepted) {
    m_Answer.accepted = accepted;
    if (accepted && m_Input) m_Answer.text = m_Input->text();
    if (m_Loop) m_Loop->quit();
}

void PaneOverlay::Place() {
    QWidget* pane = parentWidget();
    const QRect area = m_Area.isValid() ? m_Area : pane->rect();
    const QRect inner = area.adjusted(kMargin, kMargin, -kMargin, -kMargin);
    const int width = std::max(40, inner.width());
    m_Box->setFixedWidth(width);
    const int height = std::min(std::max(m_Box->sizeHint().height(), m_Box->heightForWidth(width)), inner.height());
    if (m_Mode == Mode::Note) {
        // Only the box, at the foot of what the player sees.
        setGeometry(inner.left(), inner.bottom() - height, width, height);
        m_Box->setGeometry(0, 0, width, height);
        return;
    }
    setGeometry(pane->rect());
    const int top = m_Mode == Mode::Cover ? inner.top() + (inner.height() - height) / 3
                                          : inner.top() + (inner.height() - height) / 2;
    m_Box->setGeometry(inner.left(), top, width, height);
}

void PaneOverlay::paintEvent(QPaintEvent*) {
    if (m_Mode == Mode::Note) return;
    QPainter painter(this);
    // A cover hides the page (or the engine's own error page) entirely; a question veils it.
    painter.fillRect(rect(), m_Mode == Mode::Cover ? kGround : kVeil);
    painter.setPen(kInk);
    painter.drawRect(m_Box->geometry().adjusted(-1, -1, 0, 0));
}

bool PaneOverlay::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize && isVisible()) Place();
    return QWidget::eventFilter(watched, event);
}

}  // namespace app
