#pragma once
// What the player set that outlives a run, kept with QSettings in the program's configuration
// folder (~/.config/Korvane/Korvane.conf): where the window was, for each screen layout. The window
// opens there again when the whole of it fits on a screen that exists now; else at its design
// position, moved onto a screen where that does not fit. A file that is not one of ours (a link,
// not a plain file, too large, unreadable, not text, keys we do not write, values we cannot read)
// is set aside with one line and the program starts as if there were none; nothing is ever
// written through a link.
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QTimer>
#include <QVariant>
#include <memory>
#include <optional>
#include <ostream>
#include <vector>

class QSettings;
class QWidget;

namespace app {


class WindowSettings : public QObject {
  Q_OBJECT
 public:
  static constexpr qint64 kMaxBytes = 64 * 1024;
  static constexpr int kSaveAfterMoveMs = 500;

  // The settings file in the configuration folder ($XDG_CONFIG_HOME/Korvane or ~/.config/Korvane).
  static QString DefaultFile();

  // The screens' layout as a key: every screen's geometry, in a fixed order.
  static QString LayoutKey(const std::vector<QRect>& screens);
  // Where a window of `size` opens: at `kept` when the whole window fits in one of `screens`, else
  // at `design`, moved inside the screen it overlaps most (or the first) where it does not fit.
  static QPoint Placement(const std::vector<QRect>& screens, const QSize& size, const std::optional<QPoint>& kept,
                          const QPoint& design);

  // Reads `file` (setting it aside when it is not ours), places `window` and keeps its position
  // from now on: after it moves and when it closes. Owned by the window.
  WindowSettings(QWidget* window, const QString& file, std::ostream& err);
  ~WindowSettings() override;

  // A value kept under `key` (for the other parts of the program: the zoom), or `fallback`.
  QVariant Value(const QString& key, const QVariant& fallback = {}) const;
  void SetValue(const QString& key, const QVariant& value);

  // Keeps the portal's zoom (a PaneZoom, reached by its Restore and Changed: it lives in the web
  // engine's module): restores the kept one now and keeps every change.
  void KeepZoom(QObject* zoom);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private slots:
  void KeepZoomFactor(double factor);

 private:
  bool Open(std::ostream& err);
  void SetAside(const QString& why, std::ostream& err);
  bool Writable() const;
  void SavePosition();

  QWidget* m_Window;
  QString m_File;
  std::unique_ptr<QSettings> m_Settings;
  QTimer m_SaveTimer;
};

}  // namespace app
