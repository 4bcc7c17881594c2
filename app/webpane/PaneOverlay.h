#pragma once
// What the program itself shows over a pane's page: a full cover that replaces the page (a load
// that failed, a page whose process ended), a short note at the foot of the pane (a refused
// download), and the page's alert, confirm and prompt boxes. Always a child of the pane, never a
// window of its own, so nothing here can block the rest of the program; its box is kept inside
// the part of the pane the player sees.
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>

class QEventLoop;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace app {

class PaneOverlay : public QWidget {
    Q_OBJECT
public:
    enum class Mode { Cover, Note, Alert, Confirm, Prompt };

    struct Answer {
        bool accepted = false;
        QString text;
    };

    explicit PaneOverlay(QWidget* pane, Mode mode);

    Mode GetMode() const { return m_Mode; }

    // The part of the pane in view, in pane coordinates; the box stays inside it.
    void SetVisibleArea(const QRect& area);

    // Cover and Note: shows `text` (a Note hides itself after `noteMs`).
    void Say(const QString& text, int noteMs = 4000);
    QString Text() const;

    // Alert, Confirm and Prompt: shows the question and waits, running the event loop, until it is
    // answered or Dismiss() is called (answered as cancelled).
    Answer Ask(const QString& text, const QString& value = QString());
    void Dismiss();
    bool Asking() const { return m_Loop != nullptr; }

    // For tests and keyboard users alike: the button that answers yes.
    QPushButton* OkButton() const { return m_Ok; }
    QLineEdit* Input() const { return m_Input; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Place();
    void Finish(bool accepted);

    Mode m_Mode;
    QRect m_Area;
    QWidget* m_Box = nullptr;
    QLabel* m_Label = nullptr;
    QLineEdit* m_Input = nullptr;
    QPushButton* m_Ok = nullptr;
    QPushButton* m_Cancel = nullptr;
    QTimer* m_NoteTimer = nullptr;
    QEventLoop* m_Loop = nullptr;
    Answer m_Answer;
};

}  // namespace app
