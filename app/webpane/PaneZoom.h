#pragma once
// The zoom of a pane's page, in the steps browsers use, from 50 % to 300 %: Ctrl + (and Ctrl =)
// one step larger, Ctrl - one smaller, Ctrl 0 back to 100 %, and Ctrl with the wheel over the
// pane. Each change is shown on the pane for a moment, kept across the page's navigations and
// reported, so that the caller can keep it across runs.
//
//   auto* zoom = new app::PaneZoom(portalPane, form);   // keys on the whole of form's window
#include <QObject>

class QWidget;

namespace app {

class WebPane;

class PaneZoom : public QObject {
    Q_OBJECT
public:
    static constexpr double kSteps[] = {0.5, 0.67, 0.75, 0.8, 0.9, 1.0, 1.1, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0};
    static constexpr int kWheelStep = 120;  // wheel units of one notch
    static constexpr int kNoteMs = 1500;

    PaneZoom(WebPane* pane, QWidget* keys);

    double Factor() const { return m_Factor; }
    // The step nearest to `factor` (non-numbers and values out of range end up at a limit or 100 %).
    static double Nearest(double factor);
    // Sets the step nearest to `factor`, quietly (a kept value at start). Invokable: the program
    // calls it through Qt's meta-objects, without linking the panes.
    Q_INVOKABLE void Restore(double factor);

    void In();
    void Out();
    void Reset();

signals:
    void Changed(double factor);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Step(int by);
    void Apply(double factor, bool say);
    void Watch(QObject* widget);

    WebPane* m_Pane;
    double m_Factor = 1.0;
    int m_Wheel = 0;
};

}  // namespace app
