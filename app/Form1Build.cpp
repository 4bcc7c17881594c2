// Form1 built from its stored layout: the window, then every control from the bottom of the
// stacking order up, so that each new one lies above those before it.
#include <QApplication>
#include <QCursor>
#include <QFile>
#include <functional>
#include <QIcon>
#include <QPixmap>
#include <QOpenGLWidget>
#include <QRegularExpression>
#include <QTimer>

#include "app/Form1.h"
#include "app/FormLabel.h"
#include "app/PaneEngine.h"
#include "app/PictureBox.h"
#include "app/webpane/PaneOverlay.h"
#include "glossbutton/GlossButtonEvents.h"
#include "glossbutton/PropertyBag.h"
#include "app/layout/LayoutBag.h"
#include "host/qt/ControlAccessible.h"
#include "host/qt/ControlSite.h"
#include "host/qt/QtTextEngine.h"

namespace app {

using app::ControlKind;
using app::ControlLayout;
using app::FormLayout;
using app::LayoutError;

namespace {

// The artwork drawn for k device pixels per pixel: "name@kx.ext" beside "name.ext" (BMP or PNG).
QImage ArtForRatio(const QString& path, int k, const QSize& plainSize) {
  const int dot = path.lastIndexOf(QLatin1Char('.'));
  const int slash = path.lastIndexOf(QLatin1Char('/'));
  const QString stem = dot > slash ? path.left(dot) : path;
  const QString suffix = QStringLiteral("@%1x").arg(k);
  for (const QString& ext : {dot > slash ? path.mid(dot) : QString(), QStringLiteral(".png")}) {
    QImage art(stem + suffix + ext);
    if (!art.isNull() && art.size() == plainSize * k) return art;
  }
  return {};
}

// On a screen of more than one device pixel per pixel the image is made for that ratio: the art
// drawn for it where there is some (2x, 3x), else the nearest larger art scaled down smoothly
// (1.5 from the 2x art), or the largest there is scaled up. It is marked with the ratio, so it
// covers the same area and is painted one image pixel to one device pixel; the image keeps its
// stored size in device-independent pixels either way.
QImage LoadImage(const std::string& control, const std::string& key, const std::string& path) {
  const QString name = QString::fromStdString(path);
  QImage image(name);
  if (image.isNull()) throw LayoutError(control, key, "cannot load the image \"" + path + "\"");
  const double ratio = qApp ? qApp->devicePixelRatio() : 1.0;
  if (ratio <= 1.0) return image;
  QImage art;
  int artRatio = 1;
  for (int k = 2; k <= 3 && (art.isNull() || artRatio < ratio); ++k) {
    QImage candidate = ArtForRatio(name, k, image.size());
    if (candidate.isNull()) continue;
    art = std::move(candidate);
    artRatio = k;
  }
  if (art.isNull()) return image;
  if (artRatio != ratio) {
    const QSize device(qRound(image.width() * ratio), qRound(image.height() * ratio));
    art = art.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }
  art.setDevicePixelRatio(artRatio == ratio ? artRatio : ratio);
  return art;
}

QRect PixelRect(const app::Rect& r) { return QRect(r.left, r.top, r.width, r.height); }

// The bag names the key it could not read; the layout keeps keys in lower case.
std::string KeyOfTypeError(const std::string& message) {
  static const QRegularExpression quoted(QStringLiteral("\"([^\"]+)\""));
  const auto m = quoted.match(QString::fromStdString(message));
  return m.hasMatch() ? m.captured(1).toLower().toStdString() : std::string("properties");
}

const char* KindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::WebBrowser: return "WebBrowser";
    case ControlKind::Timer: return "Timer";
    case ControlKind::GlossButton: return "GlossButton";
    case ControlKind::PictureBox: return "PictureBox";
    case ControlKind::Label: return "Label";
  }
  return "?";
}

}  // namespace

// Relays one button's events to the form's handler for it.
class Form1::ButtonEvents : public gloss::GlossButtonEvents {
 public:
  explicit ButtonEvents(std::function<void()> onClick) : m_OnClick(std::move(onClick)) {}
  void OnClick() override {
    if (m_OnClick) m_OnClick();
  }

 private:
  std::function<void()> m_OnClick;
};

Form1::Form1(const FormLayout& layout, Form1Addresses addresses, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_Addresses(std::move(addresses)) {
  setAttribute(Qt::WA_DeleteOnClose);
  // Refused here, where the load handler would only find out once the window is up.
  ParsePaneAddress(m_Addresses.portal);
  BuildWindow(layout);
  for (auto it = layout.controls.rbegin(); it != layout.controls.rend(); ++it) {
    QWidget* widget = BuildControl(*it);
    if (!widget) continue;
    m_Controls[it->name] = widget;
    // The panes made later go just below what was made after them here.
    for (PaneSlot& slot : m_PaneSlots)
      if (!slot.above) slot.above = widget;
  }
  BindControls(layout);
  // The web views draw through OpenGL, and a window that gains its first such child once it is on
  // screen is made anew by Qt (unmapped and mapped again). A hidden child of that kind, there
  // from the start, gives the window its OpenGL surface at once; hidden, it draws nothing. The
  // lightest of them: the views' own kind would load Qt Quick with the window.
  auto* surfaceKeeper = new QOpenGLWidget(this);
  surfaceKeeper->setObjectName(QStringLiteral("openGLSurface"));
  surfaceKeeper->hide();

  QWidget* previous = nullptr;
  for (const std::string& name : layout.TabOrder()) {
    QWidget* w = Control(name);
    if (!w) continue;
    if (previous) setTabOrder(previous, w);
    previous = w;
  }
  SetUpKeyboardAndNames();
  ShowMusicState();
  // Last, so that a form whose construction failed leaves no button pointing at its handlers.
  // Their captions "-" and "×" say little when read aloud.
  m_GlossButton1->setAccessibleName(QStringLiteral("Minimise"));
  m_GlossButton3->setAccessibleName(QStringLiteral("Close"));
  m_ButtonEvents.push_back(std::make_unique<ButtonEvents>([this] { GlossButton1_Click(); }));
  m_GlossButton1->SetEventListener(m_ButtonEvents.back().get());
  m_ButtonEvents.push_back(std::make_unique<ButtonEvents>([this] { GlossButton3_Click(); }));
  m_GlossButton3->SetEventListener(m_ButtonEvents.back().get());
  // The keyboard's activation is the site's own, not the control's Click: the same handlers.
  connect(m_GlossButton1, &GlossButtonWidget::activated, this, &Form1::GlossButton1_Click);
  connect(m_GlossButton3, &GlossButtonWidget::activated, this, &Form1::GlossButton3_Click);
}

void Form1::PutInSlot(QWidget* widget, const PaneSlot& slot) {
  widget->setGeometry(slot.rect);
  if (slot.above) widget->stackUnder(slot.above);
}

void Form1::ShowPanesUnavailable(const QString& text) {
  for (const PaneSlot& slot : m_PaneSlots) {
    if (slot.name != "WebBrowser1") continue;
    auto* place = new QWidget(this);
    place->setObjectName(QStringLiteral("WebBrowser1Unavailable"));
    PutInSlot(place, slot);
    auto* cover = new PaneOverlay(place, PaneOverlay::Mode::Cover);
    cover->Say(text);
    place->show();
  }
}

void Form1::StartPanes(QWebEngineProfile* profile) {
  if (PanesStarted()) return;
  QString why;
  PaneEngine* engine = LoadPaneEngine(&why);
  if (!engine) {
    qWarning("korvane: the web panes cannot be made: %s", qPrintable(why));
    ShowPanesUnavailable(QStringLiteral("网页组件无法启动"));
    return;
  }
  StartPanes(*engine, profile);
}

void Form1::StartPanes(PaneEngine& engine, QWebEngineProfile* profile) {
  if (PanesStarted()) return;
  for (const PaneSlot& slot : m_PaneSlots) {
    Pane* pane = engine.MakePane(profile, this);
    QWidget* widget = pane->Widget();
    widget->setObjectName(QString::fromStdString(slot.name));
    PutInSlot(widget, slot);
    pane->SetVisible(slot.visible);
    m_Controls[slot.name] = widget;
    (slot.name == "WebBrowser1" ? m_Portal : m_Music) = pane;
  }
  m_PaneSlots.clear();
  m_Portal->Widget()->setAccessibleName(QStringLiteral("游戏门户"));
  m_Music->Widget()->setAccessibleName(QStringLiteral("音乐播放器"));
  for (Pane* pane : {m_Portal, m_Music}) pane->ViewWidget()->setAccessibleName(pane->Widget()->accessibleName());
  ChainTabOrder();
  SetUpPanes(engine);
  Form_Load();
  if (m_MusicOnAtStart) SwitchMusic(true);
  ShowMusicState();
  // The window opens with the keyboard in the portal, where it starts reading.
  m_Portal->ViewWidget()->setFocus(Qt::OtherFocusReason);
}

Form1::~Form1() {
  // Children go after this part of the form: nothing they raise may reach its handlers then.
  for (host::ControlSite* site : {m_GlossButton1, m_GlossButton3})
    if (site) site->SetEventListener(nullptr);
  for (QObject* o : std::initializer_list<QObject*>{WebBrowser1(), WebBrowser2(), m_Timer1})
    if (o) o->disconnect(this);
}

QWidget* Form1::Control(const std::string& name) const {
  auto it = m_Controls.find(name);
  return it == m_Controls.end() ? nullptr : it->second;
}

void Form1::BuildWindow(const FormLayout& layout) {
  setObjectName(QString::fromStdString(layout.name));
  setWindowTitle(QString::fromStdString(layout.caption));
  m_BackColor = layout.backColor;
  m_Picture = LoadImage(layout.name, "picture", layout.picture);
  QIcon icon(QPixmap::fromImage(LoadImage(layout.name, "icon", layout.icon)));
  // The larger sizes (128, 256) for the desktop's task bars and switchers, where the artwork has them.
  for (const char* big : {":/assets/korvane@2x.png", ":/assets/korvane-256.png"})
    if (QFile::exists(QLatin1String(big))) icon.addFile(QLatin1String(big));
  setWindowIcon(icon);
  if (layout.font) setFont(host::QtTextEngine::ToQFont(*layout.font));
  setFixedSize(layout.clientPixels.width, layout.clientPixels.height);
  move(layout.clientPixels.left, layout.clientPixels.top);
}

QWidget* Form1::BuildControl(const ControlLayout& c) {
  const QString name = QString::fromStdString(c.name);
  switch (c.kind) {
    case ControlKind::Timer: {
      auto* timer = new QTimer(this);
      timer->setObjectName(name);
      timer->setInterval(c.interval);
      // A timer of interval 0 never ticks.
      if (c.enabled && c.interval > 0) timer->start();
      if (c.name == "Timer1") m_Timer1 = timer;
      return nullptr;
    }
    case ControlKind::WebBrowser:
      m_PaneSlots.push_back({c.name, PixelRect(c.pixels), c.visible, nullptr});
      return nullptr;
    case ControlKind::GlossButton: return BuildButton(c);
    case ControlKind::PictureBox: {
      auto* box = new PictureBox(this);
      box->setObjectName(name);
      box->setGeometry(PixelRect(c.pixels));
      box->SetBackColor(c.backColor);
      box->SetPicture(LoadImage(c.name, "picture", c.picture));
      return box;
    }
    case ControlKind::Label: {
      auto* label = new FormLabel(this);
      label->setObjectName(name);
      label->setGeometry(PixelRect(c.pixels));
      label->SetCaption(QString::fromStdString(c.caption));
      label->SetForeColor(c.foreColor);
      label->SetTransparent(c.transparent);
      if (c.font) label->setFont(host::QtTextEngine::ToQFont(*c.font));
      if (c.mousePointer == gloss::kPointerCustom && c.mouseIcon) {
        const QImage image = LoadImage("cursors", c.mouseIcon->image, c.mouseIcon->image);
        label->setCursor(QCursor(QPixmap::fromImage(image), c.mouseIcon->hotX, c.mouseIcon->hotY));
      }
      return label;
    }
  }
  return nullptr;
}

host::ControlSite* Form1::BuildButton(const ControlLayout& c) {
  auto* site = new host::ControlSite(this);
  site->setObjectName(QString::fromStdString(c.name));
  site->SetUserMode(true);
  site->setGeometry(PixelRect(c.pixels));
  try {
    site->ReadProperties(app::MakePropertyBag(c.properties));
  } catch (const gloss::PropertyTypeError& e) {
    throw LayoutError(c.name, KeyOfTypeError(e.what()), e.what());
  } catch (const LayoutError&) {
    throw;
  } catch (const std::exception& e) {
    throw LayoutError(c.name, "properties", std::string("the button cannot use its stored values: ") + e.what());
  }
  return site;
}

template <class T>
T* Form1::Bound(const FormLayout& layout, const char* name, ControlKind kind) const {
  const ControlLayout* c = layout.Find(name);
  if (!c) throw LayoutError(name, "name", "the window needs this control and the layout has none");
  if (c->kind != kind) throw LayoutError(name, "kind", std::string("expected a ") + KindName(kind));
  return dynamic_cast<T*>(Control(name));  // ControlSite is a GlossButtonWidget to Qt
}

void Form1::BindControls(const FormLayout& layout) {
  // The panes are made by StartPanes: here only their places are checked.
  Bound<QWidget>(layout, "WebBrowser1", ControlKind::WebBrowser);
  Bound<QWidget>(layout, "WebBrowser2", ControlKind::WebBrowser);
  m_GlossButton1 = Bound<host::ControlSite>(layout, "GlossButton1", ControlKind::GlossButton);
  m_GlossButton3 = Bound<host::ControlSite>(layout, "GlossButton3", ControlKind::GlossButton);
  m_Picture1 = Bound<PictureBox>(layout, "Picture1", ControlKind::PictureBox);
  m_Label1 = Bound<FormLabel>(layout, "Label1", ControlKind::Label);
  m_Label2 = Bound<FormLabel>(layout, "Label2", ControlKind::Label);
  m_Label3 = Bound<FormLabel>(layout, "Label3", ControlKind::Label);
  m_Label4 = Bound<FormLabel>(layout, "Label4", ControlKind::Label);
  Bound<QWidget>(layout, "Timer1", ControlKind::Timer);  // not a widget: only its presence is checked

  connect(m_Label2, &FormLabel::Click, this, &Form1::Label2_Click);
  connect(m_Label3, &FormLabel::Click, this, &Form1::Label3_Click);
  connect(m_Label4, &FormLabel::Click, this, &Form1::Label4_Click);
  // After the handler: the toggle's state is whether the music pane is on.
  connect(m_Label2, &FormLabel::Click, this, &Form1::ShowMusicState);
  connect(m_Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
}

void Form1::SetUpKeyboardAndNames() {
  host::InstallWindowAccessible(staticMetaObject);
  // The labels that do something are buttons for the keyboard and for screen readers; their
  // captions are spaced out for the eye, so the two fixed ones get names without the gaps.
  for (FormLabel* label : {m_Label2, m_Label3, m_Label4}) label->SetActionable(true);
  m_Label2->SetCheckable(true);  // music on or off
  m_Label3->setAccessibleName(QStringLiteral("换曲"));
  m_Label4->setAccessibleName(QStringLiteral("刷新"));
  ChainTabOrder();
}

void Form1::ChainTabOrder() {
  // The portal, the labels top to bottom and left to right, the music pane beneath them, then the
  // window's own buttons.
  QWidget* previous = nullptr;
  for (QWidget* w : std::initializer_list<QWidget*>{m_Portal ? m_Portal->Widget() : nullptr, m_Label4, m_Label2,
                                                    m_Label3, m_Music ? m_Music->Widget() : nullptr, m_GlossButton1,
                                                    m_GlossButton3}) {
    if (!w) continue;
    if (previous) setTabOrder(previous, w);
    previous = w;
  }
}

void Form1::ShowMusicState() {
  // Screen readers announce a push button's checked state unevenly: the description says it too.
  const bool on = MusicOn();
  m_Label2->SetChecked(on);
  m_Label2->setAccessibleDescription(on ? QStringLiteral("音乐：开") : QStringLiteral("音乐：关"));
}

void Form1::SetUpPanes(PaneEngine& engine) {
  m_Portal->SetUserAgent(QString::fromLatin1(WebPane::MobileUserAgent));
  // The body's scroll attribute alone does not hide a bar in this engine; the pane must.
  m_Portal->SetScrollBarsHidden(true);
  m_Portal->OnNewWindow2(this, [this](NewWindow2Args& args) { WebBrowser1_NewWindow2(args); });
  m_Portal->OnDocumentComplete(this, [this](const QUrl& url, bool ok) { WebBrowser1_DocumentComplete(url, ok); });
  // Games may take the whole screen and lock the pointer, and the portal's text can be made
  // larger; the music box does neither.
  m_PortalZoom = engine.AddPortalExtras(m_Portal, this);
  // The player starts on its own once music is switched on.
  m_Music->AllowPlaybackWithoutGesture();
}

}  // namespace app
