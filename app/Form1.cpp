// Form1's handlers: load, drag, minimise and close, music, reloads, blink, new windows, scroll bars.
#include "app/Form1.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWindow>

#include "app/FormLabel.h"
#include "app/PictureBox.h"
#include "app/webpane/UrlPolicy.h"
#include "host/qt/ControlSite.h"
#include "host/qt/InputMessages.h"
#include "app/layout/Layout.h"

namespace app {

namespace {

constexpr std::int16_t kLeftButton = 1;
// Not a button the handlers know; it only keeps such a press from reading as the left alone.
constexpr std::int16_t kOtherButton = 8;

std::int16_t ButtonMask(Qt::MouseButtons buttons) {
  std::int16_t mask = 0;
  if (buttons & Qt::LeftButton) mask |= 1;
  if (buttons & Qt::RightButton) mask |= 2;
  if (buttons & Qt::MiddleButton) mask |= 4;
  if (buttons & ~(Qt::LeftButton | Qt::RightButton | Qt::MiddleButton)) mask |= kOtherButton;
  return mask;
}

// The label handlers skip a step that fails and carry on with the next.
template <class F>
void Step(F&& f) {
  try {
    f();
  } catch (const std::exception&) {
  }
}

// Wayland clients cannot place their own windows: move() is ignored there.
bool MoveIsHonoured() { return !QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

}  // namespace

float Form1::Left() const { return static_cast<float>(geometry().x() * app::kTwipsPerPixel); }
float Form1::Top() const { return static_cast<float>(geometry().y() * app::kTwipsPerPixel); }

void Form1::Move(float left, float top) { move(app::TwipsToPixels(left), app::TwipsToPixels(top)); }

void Form1::paintEvent(QPaintEvent*) {
  if (!m_FirstFramePainted) {
    m_FirstFramePainted = true;
    // The frame is handed to the window system when this paint returns.
    QTimer::singleShot(0, this, &Form1::FirstFrameShown);
  }
  QPainter painter(this);
  painter.fillRect(rect(), OleToQColor(m_BackColor));
  painter.drawImage(QPoint(0, 0), m_Picture);
}

// Only presses on the background arrive here: every control takes its own.
void Form1::mousePressEvent(QMouseEvent* event) {
  m_PressHandedToSystem = false;
  const QPointF p = event->position();
  Form_MouseDown(ButtonMask(event->button()), host::ShiftMask(event->modifiers()),
                 static_cast<float>(p.x() * app::kTwipsPerPixel), static_cast<float>(p.y() * app::kTwipsPerPixel));
}

void Form1::mouseMoveEvent(QMouseEvent* event) {
  if (!MoveIsHonoured()) {
    // Same rule as the drag below (the left button alone); the compositor then keeps the pressed
    // point under the pointer until the button goes up.
    if (ButtonMask(event->buttons()) == kLeftButton && !m_PressHandedToSystem && windowHandle()) {
      m_PressHandedToSystem = true;
      ++m_SystemMoveRequests;
      windowHandle()->startSystemMove();
    }
    return;
  }
  const QPointF p = event->position();
  Form_MouseMove(ButtonMask(event->buttons()), host::ShiftMask(event->modifiers()),
                 static_cast<float>(p.x() * app::kTwipsPerPixel), static_cast<float>(p.y() * app::kTwipsPerPixel));
}

void Form1::Form_Load() {
  // Where 刷 新 and 换 曲 lead from a page that failed.
  Step([&] { m_Portal->SetHomeUrl(m_Addresses.portal); });
  Step([&] { m_Music->SetHomeUrl(m_Addresses.music); });
  m_Portal->Navigate(m_Addresses.portal);
  m_Music->SetVisible(false);
  m_Music->SetAudioMuted(true);  // music off is silence, even from a page kept loaded
}

void Form1::Form_MouseDown(std::int16_t, std::int16_t, float X, float Y) {
  m_DragStartX = X;
  m_DragStartY = Y;
}

void Form1::Form_MouseMove(std::int16_t Button, std::int16_t, float X, float Y) {
  if (Button != kLeftButton) return;
  // Single precision throughout, as the window's coordinates are kept.
  const float newLeft = (Left() - m_DragStartX) + X;
  const float newTop = (Top() - m_DragStartY) + Y;
  Move(newLeft, newTop);
}

void Form1::GlossButton1_Click() { setWindowState(windowState() | Qt::WindowMinimized); }

// The button is still inside its own Click: closing defers the form's deletion to the event
// loop, and the application ends with its last window.
void Form1::GlossButton3_Click() { close(); }

void Form1::Label2_Click() {
  Step([&] {
    m_Label2->SetCaption(m_Label2->Caption() == QString::fromUtf8(kMusicOffCaption)
                             ? QString::fromUtf8(kMusicOnCaption)
                             : QString::fromUtf8(kMusicOffCaption));
  });
  if (!PanesStarted()) {
    m_MusicOnAtStart = !m_MusicOnAtStart;  // StartPanes switches it on
    return;
  }
  SwitchMusic(!m_Music->Visible());
}

bool Form1::MusicOn() const { return PanesStarted() ? m_Music->Visible() : m_MusicOnAtStart; }

void Form1::SwitchMusic(bool on) {
  if (!on) {
    Step([&] { m_Music->SetVisible(false); });
    Step([&] { m_Music->SetAudioMuted(true); });
    Step([&] { m_Music->Suspend(); });  // the hidden player costs nothing until music is on again
  } else {
    Step([&] { m_Music->SetVisible(true); });
    Step([&] { m_Music->Navigate(m_Addresses.music); });
    Step([&] { m_Music->SetAudioMuted(false); });
  }
}

// Before the panes are made there is nothing to refresh: their first loads are fresh ones.
void Form1::Label3_Click() {
  if (PanesStarted()) Step([&] { m_Music->Refresh(); });
}

void Form1::Label4_Click() {
  if (PanesStarted()) Step([&] { m_Portal->Refresh(); });
}

void Form1::Timer1_Timer() { m_Label1->SetForeColor(m_Label1->ForeColor() == kBlinkGreen ? kBlinkBlue : kBlinkGreen); }

void Form1::WebBrowser1_NewWindow2(NewWindow2Args& args) {
  // Refused before anything else, so that no failure below can let a window open.
  args.Cancel = true;
  const QUrl requested = args.RequestedUrl;
  QPointer<Form1> self(this);
  m_Portal->Document().Member("activeElement").Get("href", [self, requested](std::optional<QString> href) {
    if (!self) return;
    // A window opened by script has no link behind it: the engine's address stands in.
    self->FollowInPortal(href && !href->isEmpty() ? QUrl(*href) : requested);
  });
}

void Form1::FollowInPortal(const QUrl& url) {
  if (!IsFollowableUrl(url)) return;
  try {
    // Encoded as the page gave it: decoding would turn "%20" into a space the pane refuses and
    // "%2F" into a path separator.
    m_Portal->Navigate2(url.toString(QUrl::FullyEncoded));
  } catch (const WebPaneError& e) {
    qWarning("korvane: new-window link not followed: %s", e.what());
  }
}

void Form1::WebBrowser1_DocumentComplete(const QUrl&, bool) {
  m_Portal->Document().Member("Body").SetAttribute("Scroll", "no");
}

}  // namespace app
