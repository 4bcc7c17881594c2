#pragma once
// Form1: the program's only window, built from its stored layout. A borderless window painted
// from its background picture, with the portal and music panes, the decoration strip, the four
// labels, the blink timer and the minimise and close buttons.
//
// Construction reads every control from the layout (the buttons read their stored property
// sets) and throws app::LayoutError, naming the control and key, for anything it cannot use;
// nothing is shown until the caller shows the form. The two panes need the web engine, which
// takes far longer to start than the window takes to show: they are made by StartPanes, which
// also runs the load handler, so that the window can be on screen first. Until then the
// background shows where they go, and what the player does with the music and refresh labels is
// kept and carried out by StartPanes. The panes come from the web engine's module (PaneEngine):
// the form itself needs nothing of the engine. Closing the form deletes it.
#include <QImage>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QUrl>
#include <QWidget>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/webpane/Pane.h"
#include "app/webpane/WebPane.h"
#include "app/layout/Layout.h"

class QTimer;
class QWebEngineProfile;

namespace gloss {
class GlossButtonEvents;
}
namespace host {
class ControlSite;
}

namespace app {

class FormLabel;
class PaneEngine;
class PictureBox;

// The two web addresses the form loads.
struct Form1Addresses {
  QString portal;
  QString music;
};

class Form1 : public QWidget {
  Q_OBJECT
 public:
  static constexpr const char* kMusicOffCaption = "开启音乐";  // shown while music is off
  static constexpr const char* kMusicOnCaption = "关闭音乐";
  static constexpr std::int32_t kBlinkGreen = 65280;
  static constexpr std::int32_t kBlinkBlue = 16711680;

  // Throws WebPaneError for a portal address the pane would refuse, as the load handler would.
  Form1(const app::FormLayout& layout, Form1Addresses addresses, QWidget* parent = nullptr);
  ~Form1() override;

  // Makes the two panes where the layout puts them with `engine`, then runs the load handler and
  // switches the music on if the player asked for it meanwhile. Both panes use `profile` when given
  // (the caller keeps it until the form is gone), else one off-the-record profile each. Once only.
  void StartPanes(PaneEngine& engine, QWebEngineProfile* profile = nullptr);
  // The same with LoadPaneEngine()'s engine; where there is none, says so in the portal's place.
  void StartPanes(QWebEngineProfile* profile = nullptr);
  bool PanesStarted() const { return m_Portal != nullptr; }
  // Music is on: the music pane shown, or, before the panes are made, switched on meanwhile.
  bool MusicOn() const;
  // Where the panes cannot be made (the web engine cannot start): says `text` in the portal pane's
  // place instead; the rest of the window works on.
  void ShowPanesUnavailable(const QString& text);

  // The controls, by their names in the layout. The panes are nullptr until StartPanes.
  Pane* PortalPane() const { return m_Portal; }
  Pane* MusicPane() const { return m_Music; }
  // The panes as WebPanes, for code that links the panes in (the engine made them).
  WebPane* WebBrowser1() const { return m_Portal ? static_cast<WebPane*>(m_Portal->Widget()) : nullptr; }
  WebPane* WebBrowser2() const { return m_Music ? static_cast<WebPane*>(m_Music->Widget()) : nullptr; }
  // The portal's zoom (a PaneZoom), once the panes are made.
  QObject* PortalZoom() const { return m_PortalZoom; }
  host::ControlSite* GlossButton1() const { return m_GlossButton1; }
  host::ControlSite* GlossButton3() const { return m_GlossButton3; }
  PictureBox* Picture1() const { return m_Picture1; }
  FormLabel* Label1() const { return m_Label1; }
  FormLabel* Label2() const { return m_Label2; }
  FormLabel* Label3() const { return m_Label3; }
  FormLabel* Label4() const { return m_Label4; }
  QTimer* Timer1() const { return m_Timer1; }
  // Any control created from the layout, or nullptr.
  QWidget* Control(const std::string& name) const;

  const Form1Addresses& Addresses() const { return m_Addresses; }
  const QImage& BackgroundPicture() const { return m_Picture; }

  // The window's position in twips, its coordinate unit.
  float Left() const;
  float Top() const;
  void Move(float left, float top);

  float DragStartX() const { return m_DragStartX; }
  float DragStartY() const { return m_DragStartY; }
  // Where the platform does not let a window place itself (Wayland), a drag is handed to the
  // compositor's own move instead: how many presses were handed over so far.
  int SystemMoveRequests() const { return m_SystemMoveRequests; }

  // ---- Handlers. Mouse coordinates are in twips; Button and Shift are bit masks.
  void Form_Load();
  void Form_MouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y);
  void Form_MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y);
  void GlossButton1_Click();
  void GlossButton3_Click();
  void Label2_Click();
  void Label3_Click();
  void Label4_Click();
  void Timer1_Timer();
  void WebBrowser1_NewWindow2(NewWindow2Args& args);
  void WebBrowser1_DocumentComplete(const QUrl& url, bool ok);

 signals:
  // On the event loop's first turn after the window's first frame was painted: the moment to
  // start what can wait for the window.
  void FirstFrameShown();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  class ButtonEvents;

  void BuildWindow(const app::FormLayout& layout);
  QWidget* BuildControl(const app::ControlLayout& c);
  host::ControlSite* BuildButton(const app::ControlLayout& c);
  void BindControls(const app::FormLayout& layout);
  void SetUpKeyboardAndNames();
  // Tab follows the window as it reads; controls not made yet are left out.
  void ChainTabOrder();
  // The music label's checked state and description follow the music pane.
  void ShowMusicState();
  void SwitchMusic(bool on);
  void SetUpPanes(PaneEngine& engine);
  template <class T>
  T* Bound(const app::FormLayout& layout, const char* name, app::ControlKind kind) const;

  // Opens a new-window address in the portal pane if it may be followed.
  void FollowInPortal(const QUrl& url);

  Form1Addresses m_Addresses;
  QImage m_Picture;
  std::int32_t m_BackColor = 0xFFFFFF;

  float m_DragStartX = 0;
  float m_DragStartY = 0;
  bool m_PressHandedToSystem = false;
  int m_SystemMoveRequests = 0;

  // A pane to be made by StartPanes: its place in the layout, and the control made just above it.
  struct PaneSlot {
    std::string name;
    QRect rect;
    bool visible = true;
    QPointer<QWidget> above;
  };
  std::vector<PaneSlot> m_PaneSlots;
  // Where a slot puts what stands in the pane's place: its rectangle, its place in the stacking order.
  void PutInSlot(QWidget* widget, const PaneSlot& slot);
  // The music label clicked before the panes were made: music on once they are.
  bool m_MusicOnAtStart = false;
  bool m_FirstFramePainted = false;

  std::map<std::string, QWidget*> m_Controls;
  std::vector<std::unique_ptr<ButtonEvents>> m_ButtonEvents;
  QTimer* m_Timer1 = nullptr;
  Pane* m_Portal = nullptr;  // WebBrowser1
  Pane* m_Music = nullptr;   // WebBrowser2
  QPointer<QObject> m_PortalZoom;
  host::ControlSite* m_GlossButton1 = nullptr;
  host::ControlSite* m_GlossButton3 = nullptr;
  PictureBox* m_Picture1 = nullptr;
  FormLabel* m_Label1 = nullptr;
  FormLabel* m_Label2 = nullptr;
  FormLabel* m_Label3 = nullptr;
  FormLabel* m_Label4 = nullptr;
};

}  // namespace app
