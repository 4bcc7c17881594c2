#include "app/WindowSettings.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QWidget>

#include <algorithm>
#include <optional>

namespace app {

namespace {

const QString kPositionGroup = QStringLiteral("position");
// Every key the program writes; a file with others is not ours.
const QStringList kKnownTops = {QStringLiteral("position"), QStringLiteral("zoom")};

std::vector<QRect> ScreensNow() {
  std::vector<QRect> screens;
  for (QScreen* screen : QGuiApplication::screens()) screens.push_back(screen->availableGeometry());
  return screens;
}

std::optional<QPoint> ReadPoint(const QVariant& value) {
  const QStringList parts = value.toString().split(QLatin1Char(','));
  if (parts.size() != 2) return std::nullopt;
  bool okX = false, okY = false;
  const int x = parts[0].trimmed().toInt(&okX), y = parts[1].trimmed().toInt(&okY);
  if (!okX || !okY) return std::nullopt;
  return QPoint(x, y);
}

// Lines of a settings file: blank, comments, [groups] and key=value; the parser skips anything else
// without a word, so a file of another kind would read as an empty one.
bool LooksLikeSettings(const QString& text) {
  for (const QString& raw : text.split(QLatin1Char('\n'))) {
    const QString line = raw.trimmed();
    if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#'))) continue;
    if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) continue;
    if (!line.contains(QLatin1Char('='))) return false;
  }
  return true;
}

// Wayland clients cannot place their windows: nothing to keep there.
bool CanPlace() { return !QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

}  // namespace

QString WindowSettings::DefaultFile() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/Korvane/Korvane.conf");
}

QString WindowSettings::LayoutKey(const std::vector<QRect>& screens) {
  std::vector<QRect> sorted = screens;
  std::sort(sorted.begin(), sorted.end(), [](const QRect& a, const QRect& b) {
    return std::tuple(a.x(), a.y(), a.width(), a.height()) < std::tuple(b.x(), b.y(), b.width(), b.height());
  });
  QStringList parts;
  for (const QRect& r : sorted)
    parts << QStringLiteral("%1x%2@%3_%4").arg(r.width()).arg(r.height()).arg(r.x()).arg(r.y());
  return parts.join(QLatin1Char('-'));
}

QPoint WindowSettings::Placement(const std::vector<QRect>& screens, const QSize& size,
                                 const std::optional<QPoint>& kept, const QPoint& design) {
  if (screens.empty()) return design;
  if (kept) {
    const QRect there(*kept, size);
    for (const QRect& screen : screens)
      if (screen.contains(there)) return *kept;
  }
  const QRect wanted(design, size);
  const QRect* best = &screens.front();
  qint64 bestArea = -1;
  for (const QRect& screen : screens) {
    if (screen.contains(wanted)) return design;
    const QRect common = screen & wanted;
    const qint64 area = common.isEmpty() ? 0 : qint64(common.width()) * common.height();
    if (area > bestArea) {
      bestArea = area;
      best = &screen;
    }
  }
  // Moved inside: the top-left corner stays on the screen when the window is larger than it.
  const int x = std::max(best->left(), std::min(design.x(), best->right() + 1 - size.width()));
  const int y = std::max(best->top(), std::min(design.y(), best->bottom() + 1 - size.height()));
  return {x, y};
}

WindowSettings::WindowSettings(QWidget* window, const QString& file, std::ostream& err)
    : QObject(window), m_Window(window), m_File(file) {
  Open(err);
  if (CanPlace()) {
    const std::vector<QRect> screens = ScreensNow();
    std::optional<QPoint> kept;
    if (m_Settings) kept = ReadPoint(m_Settings->value(kPositionGroup + QLatin1Char('/') + LayoutKey(screens)));
    window->move(Placement(screens, window->size(), kept, window->pos()));
  }
  m_SaveTimer.setSingleShot(true);
  m_SaveTimer.setInterval(kSaveAfterMoveMs);
  connect(&m_SaveTimer, &QTimer::timeout, this, &WindowSettings::SavePosition);
  window->installEventFilter(this);
}

WindowSettings::~WindowSettings() = default;

bool WindowSettings::Open(std::ostream& err) {
  const QFileInfo info(m_File);
  if (info.isSymLink()) {
    SetAside(QStringLiteral("it is a link"), err);
  } else if (info.exists() && !info.isFile()) {
    SetAside(QStringLiteral("it is not a file"), err);
  } else if (info.exists() && info.size() > kMaxBytes) {
    SetAside(QStringLiteral("it is too large"), err);
  } else if (info.exists()) {
    QFile file(m_File);
    if (!file.open(QIODevice::ReadOnly)) {
      SetAside(QStringLiteral("it cannot be read"), err);
    } else {
      const QByteArray bytes = file.readAll();
      QStringDecoder utf8(QStringDecoder::Utf8);
      const QString text = utf8(bytes);
      if (bytes.contains('\0') || utf8.hasError())
        SetAside(QStringLiteral("it is not text"), err);
      else if (!LooksLikeSettings(text))
        SetAside(QStringLiteral("it is not a settings file of ours"), err);
    }
  }
  // The folder itself must be the program's own, not a link to somewhere else.
  const QString folder = QFileInfo(m_File).absolutePath();
  if (QFileInfo(folder).isSymLink()) {
    err << "korvane: the settings folder is a link; nothing is kept: " << folder.toStdString() << std::endl;
    return false;
  }
  m_Settings = std::make_unique<QSettings>(m_File, QSettings::IniFormat);
  bool ours = m_Settings->status() == QSettings::NoError;
  for (const QString& key : m_Settings->allKeys()) {
    const QString top = key.section(QLatin1Char('/'), 0, 0);
    if (!kKnownTops.contains(top)) ours = false;
    if (top == kPositionGroup && !ReadPoint(m_Settings->value(key))) ours = false;
  }
  if (!ours) {
    m_Settings.reset();
    SetAside(QStringLiteral("it is not a settings file of ours"), err);
    m_Settings = std::make_unique<QSettings>(m_File, QSettings::IniFormat);
  }
  return true;
}

void WindowSettings::SetAside(const QString& why, std::ostream& err) {
  const QString aside = m_File + QStringLiteral(".bad");
  QFile::remove(aside);
  // Renaming moves a link itself, never what it points at.
  const bool moved = QDir().rename(m_File, aside);
  err << "korvane: settings file set aside (" << why.toStdString() << "): " << m_File.toStdString()
      << (moved ? " -> " + aside.toStdString() : std::string(" (could not be moved; not written)")) << std::endl;
}

bool WindowSettings::Writable() const {
  if (!m_Settings) return false;
  const QFileInfo info(m_File);
  return !info.isSymLink() && (!info.exists() || info.isFile()) && !QFileInfo(info.absolutePath()).isSymLink();
}

QVariant WindowSettings::Value(const QString& key, const QVariant& fallback) const {
  return m_Settings ? m_Settings->value(key, fallback) : fallback;
}

void WindowSettings::SetValue(const QString& key, const QVariant& value) {
  if (!Writable()) return;
  m_Settings->setValue(key, value);
  m_Settings->sync();
}

void WindowSettings::SavePosition() {
  if (!CanPlace() || m_Window->isMinimized() || m_Window->isFullScreen()) return;
  const QPoint p = m_Window->pos();
  SetValue(kPositionGroup + QLatin1Char('/') + LayoutKey(ScreensNow()), QStringLiteral("%1,%2").arg(p.x()).arg(p.y()));
}

void WindowSettings::KeepZoom(QObject* zoom) {
  if (!zoom) return;
  bool ok = false;
  const double kept = Value(QStringLiteral("zoom")).toDouble(&ok);
  if (ok) QMetaObject::invokeMethod(zoom, "Restore", Qt::DirectConnection, Q_ARG(double, kept));
  connect(zoom, SIGNAL(Changed(double)), this, SLOT(KeepZoomFactor(double)));
}

void WindowSettings::KeepZoomFactor(double factor) { SetValue(QStringLiteral("zoom"), factor); }

bool WindowSettings::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_Window) {
    if (event->type() == QEvent::Move) m_SaveTimer.start();
    if (event->type() == QEvent::Close) {
      m_SaveTimer.stop();
      SavePosition();
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace app
