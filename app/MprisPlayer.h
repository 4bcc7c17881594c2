#pragma once
// The program's own media player on the desktop's session bus (MPRIS, bus name
// org.mpris.MediaPlayer2.korvane): the desktop's player applets and media keys switch the music
// as the 开启音乐/关闭音乐 label does and change the track as 换 曲 does; Raise brings the window
// forward and Quit closes it as its close button does. What it reports (playing or stopped, whether
// Next works, the music page's title) follows the music pane, and every change is signalled.
//
// The web engine offers a media-session player of its own for each page; KeepEngineOffTheBus()
// switches that off, and must run before the application is created.
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariantMap>
#include <ostream>

namespace app {

class Form1;
class Pane;

class MprisPlayer : public QObject {
  Q_OBJECT
 public:
  static constexpr const char* kService = "org.mpris.MediaPlayer2.korvane";
  static constexpr const char* kPath = "/org/mpris/MediaPlayer2";

  // Adds the engine switches that keep its own player and media keys away, to what
  // QTWEBENGINE_CHROMIUM_FLAGS holds already (a list of features to switch off is joined).
  static void KeepEngineOffTheBus();
  // The flags `existing` becomes (for the environment variable above).
  static QByteArray WithEngineOffTheBus(const QByteArray& existing);

  // A player for `form`, owned by it; it goes on the bus once the event loop runs. Without a
  // session bus (or when the name is taken) it stays off the bus and says so in one line on `err`,
  // which must outlive the form.
  MprisPlayer(Form1* form, std::ostream& err);

  bool OnBus() const { return m_OnBus; }
  // Follows the music pane from now on (its shows, hides and title); done by the constructor when
  // the form has its panes already.
  void AttachMusicPane();

  // What the desktop asks, by the names of the protocol.
  void Play();
  void Pause();
  void PlayPause();
  void Stop();
  void Next();
  void Raise();
  void Quit();

  bool MusicOn() const;
  QString PlaybackStatus() const { return MusicOn() ? QStringLiteral("Playing") : QStringLiteral("Stopped"); }
  bool CanGoNext() const { return MusicOn(); }
  QVariantMap Metadata() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Connect(std::ostream& err);
  Pane* Music() const;
  void ToggleMusic();
  // Signals what changed since the last report.
  void Report();

  QPointer<Form1> m_Form;
  bool m_OnBus = false;
  bool m_Attached = false;
  bool m_ReportQueued = false;
  QString m_Status;
  bool m_CanGoNext = false;
  QVariantMap m_Metadata;
  int m_Track = 0;
};

}  // namespace app
