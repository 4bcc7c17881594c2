#pragma once
// Form1: the program's only window, built from its stored layout. A borderless window painted
// from its background picture, with the portal and music panes, the decoration strip, the four
// labels, the blink timer and the minimise and close buttons.
//
// Construction reads every control from the layout (the buttons read their stored property
// sets) and throws app::LayoutError, naming the control and key, for anything it cannot use;
// nothing is shown until the caller shows the form. The load handler has run when the
// constructor returns. Closing the form deletes it.
#include <QImage>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <QWidget>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

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

  // Both panes use `profile` when given (the caller keeps it until the form is gone), else one
  // off-the-record profile each.
  Form1(const app::FormLayout& layout, Form1Addresses addresses, QWidget* parent = nullptr,
        QWebEngineProfile* profile = nullptr);
  ~Form1() override;

  // The controls, by their names in the layout.
  WebPane* WebBrowser1() const { return m_WebBrowser1; }
  WebPane* WebBrowser2() const { return m_WebBrowser2; }
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
  // The music label's checked state and description follow the music pane.
  void ShowMusicState();
  void SetUpPanes();
  template <class T>
  T* Bound(const app::FormLayout& layout, const char* name, app::ControlKind kind) const;

  // Opens a new-window address in the portal pane if it may be followed.
  void FollowInPortal(const QUrl& url);

  Form1Addresses m_Addresses;
  QImage m_Picture;
  std::int32_t m_BackColor = 0xFFFFFF;

  float m_DragStartX = 0;
  float m_DragStartY = 0;
  QWebEngineProfile* m_Profile = nullptr;
  bool m_PressHandedToSystem = false;
  int m_SystemMoveRequests = 0;

  std::map<std::string, QWidget*> m_Controls;
  std::vector<std::unique_ptr<ButtonEvents>> m_ButtonEvents;
  QTimer* m_Timer1 = nullptr;
  WebPane* m_WebBrowser1 = nullptr;
  WebPane* m_WebBrowser2 = nullptr;
  host::ControlSite* m_GlossButton1 = nullptr;
  host::ControlSite* m_GlossButton3 = nullptr;
  PictureBox* m_Picture1 = nullptr;
  FormLabel* m_Label1 = nullptr;
  FormLabel* m_Label2 = nullptr;
  FormLabel* m_Label3 = nullptr;
  FormLabel* m_Label4 = nullptr;
};

}  // namespace app
