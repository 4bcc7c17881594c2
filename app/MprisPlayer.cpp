#include "app/MprisPlayer.h"

#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QEvent>
#include <QFileInfo>
#include <QStringList>
#include <QTimer>

#include "app/Form1.h"
#include "app/FormLabel.h"
#include "app/webpane/Pane.h"

namespace app {

namespace {

// The features of the engine that put every page with sound on the bus and take the media keys.
constexpr const char* kEngineMediaFeatures = "HardwareMediaKeyHandling,MediaSessionService";

// Where the desktop names no session bus, the bus library would start one of its own for the
// display (and leave it running): there is none to reach then.
bool SessionBusNamed() {
  if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) return true;
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  return !runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/bus"));
}

class RootAdaptor : public QDBusAbstractAdaptor {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2")
  Q_PROPERTY(bool CanQuit READ Yes)
  Q_PROPERTY(bool CanRaise READ Yes)
  Q_PROPERTY(bool HasTrackList READ No)
  Q_PROPERTY(bool CanSetFullscreen READ No)
  Q_PROPERTY(bool Fullscreen READ No)
  Q_PROPERTY(QString Identity READ Identity)
  Q_PROPERTY(QString DesktopEntry READ DesktopEntry)
  Q_PROPERTY(QStringList SupportedUriSchemes READ None)
  Q_PROPERTY(QStringList SupportedMimeTypes READ None)
 public:
  explicit RootAdaptor(MprisPlayer* player) : QDBusAbstractAdaptor(player), m_Player(player) {}
  bool Yes() const { return true; }
  bool No() const { return false; }
  QString Identity() const { return QStringLiteral("Korvane"); }
  QString DesktopEntry() const { return QStringLiteral("korvane"); }
  QStringList None() const { return {}; }
 public slots:
  void Raise() { m_Player->Raise(); }
  void Quit() { m_Player->Quit(); }

 private:
  MprisPlayer* m_Player;
};

class PlayerAdaptor : public QDBusAbstractAdaptor {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2.Player")
  Q_PROPERTY(QString PlaybackStatus READ PlaybackStatus)
  Q_PROPERTY(double Rate READ One)
  Q_PROPERTY(double MinimumRate READ One)
  Q_PROPERTY(double MaximumRate READ One)
  Q_PROPERTY(double Volume READ One)
  Q_PROPERTY(qlonglong Position READ Position)
  Q_PROPERTY(QVariantMap Metadata READ Metadata)
  Q_PROPERTY(bool CanGoNext READ CanGoNext)
  Q_PROPERTY(bool CanGoPrevious READ No)
  Q_PROPERTY(bool CanPlay READ Yes)
  Q_PROPERTY(bool CanPause READ Yes)
  Q_PROPERTY(bool CanSeek READ No)
  Q_PROPERTY(bool CanControl READ Yes)
 public:
  explicit PlayerAdaptor(MprisPlayer* player) : QDBusAbstractAdaptor(player), m_Player(player) {}
  QString PlaybackStatus() const { return m_Player->PlaybackStatus(); }
  double One() const { return 1.0; }
  qlonglong Position() const { return 0; }
  QVariantMap Metadata() const { return m_Player->Metadata(); }
  bool CanGoNext() const { return m_Player->CanGoNext(); }
  bool Yes() const { return true; }
  bool No() const { return false; }
 public slots:
  void Play() { m_Player->Play(); }
  void Pause() { m_Player->Pause(); }
  void PlayPause() { m_Player->PlayPause(); }
  void Stop() { m_Player->Stop(); }
  void Next() { m_Player->Next(); }
  void Previous() {}
  void Seek(qlonglong) {}
  void SetPosition(const QDBusObjectPath&, qlonglong) {}
  void OpenUri(const QString&) {}
 signals:
  void Seeked(qlonglong position);

 private:
  MprisPlayer* m_Player;
};

}  // namespace

QByteArray MprisPlayer::WithEngineOffTheBus(const QByteArray& existing) {
  const QByteArray key = "--disable-features=";
  QList<QByteArray> flags = existing.simplified().split(' ');
  flags.removeAll(QByteArray());
  for (QByteArray& flag : flags) {
    if (!flag.startsWith(key)) continue;
    // The engine reads the last of a repeated switch only: ours join the list already there.
    flag += ',';
    flag += kEngineMediaFeatures;
    return flags.join(' ');
  }
  flags << key + kEngineMediaFeatures;
  return flags.join(' ');
}

void MprisPlayer::KeepEngineOffTheBus() {
  qputenv("QTWEBENGINE_CHROMIUM_FLAGS", WithEngineOffTheBus(qgetenv("QTWEBENGINE_CHROMIUM_FLAGS")));
}

MprisPlayer::MprisPlayer(Form1* form, std::ostream& err) : QObject(form), m_Form(form) {
  AttachMusicPane();
  m_Status = PlaybackStatus();
  m_CanGoNext = CanGoNext();
  m_Metadata = Metadata();
  // Once the window is up: nothing here may hold up its first frame.
  QTimer::singleShot(0, this, [this, out = &err] { Connect(*out); });
}

void MprisPlayer::Connect(std::ostream& err) {
  if (!SessionBusNamed()) {
    err << "korvane: no session bus: the desktop's media controls do not reach the music" << std::endl;
    return;
  }
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) {
    err << "korvane: no session bus: the desktop's media controls do not reach the music" << std::endl;
    return;
  }
  new RootAdaptor(this);
  new PlayerAdaptor(this);
  if (!bus.registerObject(QString::fromLatin1(kPath), this) || !bus.registerService(QString::fromLatin1(kService))) {
    err << "korvane: the media controls' name is taken: " << bus.lastError().message().toStdString() << std::endl;
    bus.unregisterObject(QString::fromLatin1(kPath));
    return;
  }
  m_OnBus = true;
}

void MprisPlayer::AttachMusicPane() {
  Pane* music = Music();
  if (!music || m_Attached) return;
  m_Attached = true;
  music->Widget()->installEventFilter(this);
  music->OnTitleChanged(this, [this] { Report(); });
  Report();
}

Pane* MprisPlayer::Music() const { return m_Form ? m_Form->MusicPane() : nullptr; }

// Before the panes are made, music switched on is music the form will play.
bool MprisPlayer::MusicOn() const { return m_Form && m_Form->MusicOn(); }

QVariantMap MprisPlayer::Metadata() const {
  QVariantMap data;
  data.insert(
      QStringLiteral("mpris:trackid"),
      QVariant::fromValue(QDBusObjectPath(MusicOn() ? QStringLiteral("/org/korvane/track/%1").arg(m_Track)
                                                    : QStringLiteral("/org/mpris/MediaPlayer2/TrackList/NoTrack"))));
  Pane* music = Music();
  if (MusicOn() && music && !music->Title().isEmpty()) {
    data.insert(QStringLiteral("xesam:title"), music->Title());
  }
  return data;
}

// Through the label itself: its handler and everything tied to its click (the checked state).
void MprisPlayer::ToggleMusic() {
  if (m_Form && m_Form->Label2()) emit m_Form->Label2()->Click();
  Report();
}

void MprisPlayer::Play() {
  if (!MusicOn()) ToggleMusic();
}

void MprisPlayer::Pause() {
  if (MusicOn()) ToggleMusic();
}

void MprisPlayer::Stop() { Pause(); }

void MprisPlayer::PlayPause() { ToggleMusic(); }

void MprisPlayer::Next() {
  if (!MusicOn() || !m_Form) return;
  ++m_Track;
  m_Form->Label3_Click();
  Report();
}

void MprisPlayer::Raise() {
  if (!m_Form) return;
  m_Form->setWindowState((m_Form->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
  m_Form->show();
  m_Form->raise();
  m_Form->activateWindow();
}

void MprisPlayer::Quit() {
  // Not from inside the bus call: the window closes once the answer is on its way.
  QTimer::singleShot(0, m_Form, [form = m_Form] {
    if (form) form->GlossButton3_Click();
  });
}

bool MprisPlayer::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent) {
    if (!m_ReportQueued) {
      m_ReportQueued = true;
      QTimer::singleShot(0, this, [this] {
        m_ReportQueued = false;
        Report();
      });
    }
  }
  return QObject::eventFilter(watched, event);
}

void MprisPlayer::Report() {
  QVariantMap changed;
  const QString status = PlaybackStatus();
  if (status != m_Status) changed.insert(QStringLiteral("PlaybackStatus"), m_Status = status);
  if (CanGoNext() != m_CanGoNext) changed.insert(QStringLiteral("CanGoNext"), m_CanGoNext = CanGoNext());
  const QVariantMap metadata = Metadata();
  if (metadata != m_Metadata) changed.insert(QStringLiteral("Metadata"), m_Metadata = metadata);
  if (!m_OnBus || changed.isEmpty()) return;
  QDBusMessage signal =
      QDBusMessage::createSignal(QString::fromLatin1(kPath), QStringLiteral("org.freedesktop.DBus.Properties"),
                                 QStringLiteral("PropertiesChanged"));
  signal << QStringLiteral("org.mpris.MediaPlayer2.Player") << changed << QStringList();
  QDBusConnection::sessionBus().send(signal);
}

}  // namespace app

#include "MprisPlayer.moc"
