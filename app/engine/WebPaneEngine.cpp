#include "app/engine/WebPaneEngine.h"

#include <QPointer>
#include <QWebEnginePage>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <optional>

#include "app/KeptProfile.h"
#include "app/PaneEngine.h"
#include "app/webpane/PaneFullScreen.h"
#include "app/webpane/PaneZoom.h"
#include "app/webpane/WebPane.h"

namespace app {

namespace {

// A WebPane as the form sees it. Owned by the pane (deleted with it), so that it never outlives it.
class FormWebPane final : public QObject, public Pane {
 public:
  explicit FormWebPane(WebPane* pane) : QObject(pane), m_Pane(pane) {}

  QWidget* Widget() const override { return m_Pane; }
  QWidget* ViewWidget() const override { return m_Pane->View(); }
  QObject* PageObject() const override { return m_Pane->Page(); }
  void Navigate(const QString& url) override { m_Pane->Navigate(url); }
  void Navigate2(const QString& url) override { m_Pane->Navigate2(url); }
  void Refresh() override { m_Pane->Refresh(); }
  void SetHomeUrl(const QString& url) override { m_Pane->SetHomeUrl(url); }
  bool Visible() const override { return m_Pane->Visible(); }
  void SetVisible(bool newValue) override { m_Pane->SetVisible(newValue); }
  void SetAudioMuted(bool newValue) override { m_Pane->SetAudioMuted(newValue); }
  void Suspend() override { m_Pane->Suspend(); }
  void SetUserAgent(const QString& newValue) override { m_Pane->SetUserAgent(newValue); }
  void SetScrollBarsHidden(bool newValue) override { m_Pane->SetScrollBarsHidden(newValue); }
  DomObject Document() const override { return m_Pane->Document(); }
  QString Title() const override { return m_Pane->Page()->title(); }
  void AllowPlaybackWithoutGesture() override {
    m_Pane->Page()->settings()->setAttribute(QWebEngineSettings::PlaybackRequiresUserGesture, false);
  }
  void OnNewWindow2(QObject* context, std::function<void(NewWindow2Args&)> handler) override {
    QObject::connect(m_Pane, &WebPane::NewWindow2, context, std::move(handler), Qt::DirectConnection);
  }
  void OnDocumentComplete(QObject* context, std::function<void(const QUrl&, bool)> handler) override {
    QObject::connect(m_Pane, &WebPane::DocumentComplete, context, std::move(handler));
  }
  void OnTitleChanged(QObject* context, std::function<void()> handler) override {
    QObject::connect(m_Pane->Page(), &QWebEnginePage::titleChanged, context, [handler = std::move(handler)] { handler(); });
  }

 private:
  WebPane* m_Pane;
};

class Engine final : public PaneEngine {
 public:
  Pane* MakePane(QWebEngineProfile* profile, QWidget* parent) override {
    auto* pane = new WebPane(profile, parent);
    return new FormWebPane(pane);
  }

  QObject* AddPortalExtras(Pane* portal, QWidget* keys) override {
    auto* pane = static_cast<WebPane*>(portal->Widget());
    new PaneFullScreen(pane);
    return new PaneZoom(pane, keys);
  }

  QWebEngineProfile* OpenKeptProfile(const QString& dataFolder, std::ostream& err) override {
    m_Kept.emplace(dataFolder, err);
    return m_Kept->Profile();
  }

  void CloseKeptProfile() override { m_Kept.reset(); }

 private:
  std::optional<KeptProfile> m_Kept;
};

}  // namespace

PaneEngine* WebPaneEngine() {
  static Engine* engine = new Engine;
  return engine;
}

}  // namespace app
