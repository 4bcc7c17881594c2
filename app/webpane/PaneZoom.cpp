#include "app/webpane/PaneZoom.h"

#include <QChildEvent>
#include <QShortcut>
#include <QWebEngineView>
#include <QWheelEvent>
#include <cmath>
#include <iterator>

#include "app/webpane/WebPane.h"

namespace app {

namespace {

constexpr int kStepCount = int(std::size(PaneZoom::kSteps));

int IndexOf(double factor) {
    int best = 0;
    for (int i = 1; i < kStepCount; ++i)
        if (std::abs(PaneZoom::kSteps[i] - factor) < std::abs(PaneZoom::kSteps[best] - factor)) best = i;
    return best;
}

}  // namespace

double PaneZoom::Nearest(double factor) { return std::isfinite(factor) ? kSteps[IndexOf(factor)] : 1.0; }

PaneZoom::PaneZoom(WebPane* pane, QWidget* keys) : QObject(pane), m_Pane(pane) {
    const struct {
        QKeySequence key;
        void (PaneZoom::*action)();
    } bindings[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_Plus), &PaneZoom::In},
        {QKeySequence(Qt::CTRL | Qt::Key_Equal), &PaneZoom::In},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Equal), &PaneZoom::In},
        {QKeySequence(Qt::CTRL | Qt::Key_Minus), &PaneZoom::Out},
        {QKeySequence(Qt::CTRL | Qt::Key_0), &PaneZoom::Reset},
    };
    for (const auto& b : bindings) {
        auto* shortcut = new QShortcut(b.key, keys);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, b.action);
    }
    Watch(pane->View());
    // The engine takes each new document at its own zoom: ours is put back.
    connect(pane->Page(), &QWebEnginePage::loadFinished, this, [this] {
        if (!qFuzzyCompare(m_Pane->Page()->zoomFactor(), m_Factor)) m_Pane->Page()->setZoomFactor(m_Factor);
    });
}

void PaneZoom::Watch(QObject* widget) {
    widget->installEventFilter(this);
    for (QObject* child : widget->children())
        if (child->isWidgetType()) child->installEventFilter(this);
}

bool PaneZoom::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ChildAdded) {
        QObject* child = static_cast<QChildEvent*>(event)->child();
        if (child->isWidgetType()) child->installEventFilter(this);
    }
    if (event->type() == QEvent::Wheel) {
        auto* wheel = static_cast<QWheelEvent*>(event);
        if (wheel->modifiers() & Qt::ControlModifier) {
            // A touchpad sends small amounts: a step for each notch's worth.
            m_Wheel += wheel->angleDelta().y();
            while (m_Wheel >= kWheelStep) {
                m_Wheel -= kWheelStep;
                In();
            }
            while (m_Wheel <= -kWheelStep) {
                m_Wheel += kWheelStep;
                Out();
            }
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void PaneZoom::Restore(double factor) { Apply(Nearest(factor), false); }

void PaneZoom::In() { Step(+1); }

void PaneZoom::Out() { Step(-1); }

void PaneZoom::Reset() { Apply(1.0, true); }

void PaneZoom::Step(int by) {
    const int next = std::clamp(IndexOf(m_Factor) + by, 0, kStepCount - 1);
    Apply(kSteps[next], true);
}

void PaneZoom::Apply(double factor, bool say) {
    const bool changed = !qFuzzyCompare(factor, m_Factor);
    m_Factor = factor;
    m_Pane->Page()->setZoomFactor(factor);
    if (say) m_Pane->Say(QStringLiteral("缩放 %1%").arg(qRound(factor * 100)), kNoteMs);
    if (changed) emit Changed(factor);
}

}  // namespace app
