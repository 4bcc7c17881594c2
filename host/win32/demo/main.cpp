// glossbutton-demo-win32: every style and state of the GlossButton in real Win32 windows, the
// program's two window buttons (green minimise, red close) and a live event line.
// Each event is also written to standard output, one line each, for scripts that drive it.
#include <windows.h>
// (after <windows.h>, before the project's headers)
#include "platform/win32/NoWindowsMacros.h"

#include <cstdio>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "glossbutton/GlossButtonEvents.h"
#include "platform/EventLog.h"
#include "platform/MessageBox.h"
#include "platform/SystemColors.h"
#include "platform/win32/Win32Window.h"
#include "platform/win32/WindowsSinks.h"
#include "host/win32/ControlSite.h"

namespace {

using platform::COLOR_BTNFACE;
using platform::WM_CLOSE;
using platform::WM_DESTROY;
using win32host::ControlSite;

constexpr int kWidth = 104;
constexpr int kHeight = 34;
constexpr int kWindowWidth = 800;
constexpr int kWindowHeight = 300;

HWND g_EventLine = nullptr;
HWND g_Main = nullptr;
std::deque<std::string> g_Recent;

void Log(const std::string& name, const std::string& what) {
  const std::string line = name + ": " + what;
  std::printf("%s\n", line.c_str());
  std::fflush(stdout);
  g_Recent.push_back(line);
  while (g_Recent.size() > 4) g_Recent.pop_front();
  std::string text;
  for (const auto& l : g_Recent) text += (text.empty() ? "" : "  |  ") + l;
  ::SetWindowTextW(g_EventLine, platform::win32::Widen(text).c_str());
}

std::string Xy(float x, float y) {
  char buf[48];
  std::snprintf(buf, sizeof buf, "%g,%g", x, y);
  return buf;
}

class Events final : public gloss::GlossButtonEvents {
 public:
  Events(std::string name, std::function<void()> onClick = {})
      : m_Name(std::move(name)), m_OnClick(std::move(onClick)) {}
  void OnClick() override {
    Log(m_Name, "Click");
    if (m_OnClick) m_OnClick();
  }
  void OnDblClick() override { Log(m_Name, "DblClick"); }
  void OnMouseEnter() override { Log(m_Name, "MouseEnter"); }
  void OnMouseLeave() override { Log(m_Name, "MouseLeave"); }
  void OnMouseDown(std::int16_t b, std::int16_t, float x, float y) override {
    Log(m_Name, "MouseDown " + std::to_string(b) + " @" + Xy(x, y));
  }
  void OnMouseUp(std::int16_t b, std::int16_t, float x, float y) override {
    Log(m_Name, "MouseUp " + std::to_string(b) + " @" + Xy(x, y));
  }

 private:
  std::string m_Name;
  std::function<void()> m_OnClick;
};

struct Demo {
  std::vector<std::unique_ptr<ControlSite>> sites;
  std::vector<std::unique_ptr<Events>> events;

  ControlSite& Add(const std::string& name, int x, int y, int w, int h, gloss::PropertyBag bag,
                   std::function<void()> onClick = {}) {
    sites.push_back(std::make_unique<ControlSite>(reinterpret_cast<platform::HWND>(g_Main), name, x, y, w, h));
    events.push_back(std::make_unique<Events>(name, std::move(onClick)));
    ControlSite& site = *sites.back();
    site.SetEventListener(events.back().get());
    site.ReadProperties(bag);
    site.ShowSite();
    std::printf("site %s %d %d %d %d\n", name.c_str(), x, y, w, h);
    return site;
  }

  static gloss::PropertyBag Styled(int style, const std::string& caption) {
    gloss::PropertyBag bag;
    bag.WriteInt32("Style", style);
    bag.WriteText("Caption", caption);
    return bag;
  }

  // The program's window buttons: Style 3, 25 x 25, green minimise and red close.
  static gloss::PropertyBag WindowButton(const std::string& caption, int up, int hover, int bright) {
    gloss::PropertyBag bag;
    bag.WriteFont("Font", gloss::Font{"Tahoma", 9.0, 400, 0, false, false, false});
    bag.WriteText("Caption", caption);
    bag.WriteInt32("Style", 3);
    bag.WriteBoolean("Checked", false);
    bag.WriteInt32("ColorButtonHover", hover);
    bag.WriteInt32("ColorButtonUp", up);
    bag.WriteInt32("ColorButtonDown", up);
    bag.WriteInt32("BorderBrightness", 0);
    bag.WriteInt32("ColorBright", bright);
    bag.WriteBoolean("DisplayHand", false);
    bag.WriteInt32("ColorScheme", 0);
    return bag;
  }

  void Build() {
    for (int s = 0; s <= 6; ++s) {
      const std::string caption = "Style " + std::to_string(s);
      Add("Style" + std::to_string(s), 10 + s * 112, 40, kWidth, kHeight, Styled(s, caption));
      gloss::PropertyBag scheme = Styled(s, caption);
      scheme.WriteInt32("ColorScheme", 3);
      if (s >= 2) scheme.WriteInt32("ForeColor", 0xFFFFFF);  // the dark blue scheme wants a light caption
      Add("Style" + std::to_string(s) + "Scheme3", 10 + s * 112, 84, kWidth, kHeight, scheme);
    }
    for (int c = 1; c <= 6; ++c) {
      gloss::PropertyBag bag = Styled(4, "Scheme " + std::to_string(c));
      bag.WriteInt32("ColorScheme", c);
      if (c == 3) bag.WriteInt32("ForeColor", 0xFFFFFF);
      Add("Scheme" + std::to_string(c), 10 + (c - 1) * 112, 140, kWidth, kHeight, bag);
    }
    int col = 0;
    for (int s : {1, 3, 6}) {
      gloss::PropertyBag bag = Styled(s, "Checked");
      bag.WriteBoolean("Checked", true);
      Add("Checked" + std::to_string(s), 10 + col++ * 112, 196, kWidth, kHeight, bag);
    }
    gloss::PropertyBag hand = Styled(5, "Hand");
    hand.WriteBoolean("DisplayHand", true);
    Add("DisplayHand", 10 + col * 112, 196, kWidth, kHeight, hand);

    Add("GlossButton1", kWindowWidth - 60, 4, 25, 25, WindowButton("-", 65280, 32768, 65280),
        [] { ::ShowWindow(g_Main, SW_MINIMIZE); });
    Add("GlossButton3", kWindowWidth - 32, 4, 25, 25, WindowButton("\xC3\x97", 255, 128, 8421631),
        [] { ::PostMessageW(g_Main, WM_CLOSE, 0, 0); });
  }
};

}  // namespace

int main() {
  platform::SetEventLog(std::make_shared<platform::win32::WindowsEventLog>("GlossButton demo"));
  platform::SetMessageBox(std::make_shared<platform::win32::WindowsMessageBox>());

  platform::win32::WindowPlacement place;
  place.style = WS_POPUP | WS_CLIPCHILDREN;
  place.width = kWindowWidth;
  place.height = kWindowHeight;
  place.title = L"GlossButton gallery";
  const platform::HWND main = platform::win32::CreateWindowIn(
      platform::MakeWindowProc([](platform::HWND h, platform::UINT m, platform::WPARAM w, platform::LPARAM l) {
        HWND hw = reinterpret_cast<HWND>(h);
        switch (m) {
          case WM_ERASEBKGND: {
            RECT rc;
            ::GetClientRect(hw, &rc);
            ::FillRect(reinterpret_cast<HDC>(w), &rc, ::GetSysColorBrush(COLOR_BTNFACE));
            return platform::LRESULT{1};
          }
          case WM_DESTROY: ::PostQuitMessage(0); return platform::LRESULT{0};
          default: return platform::DefWindowProc(h, m, w, l);
        }
      }),
      place);
  if (!main) return 1;
  g_Main = reinterpret_cast<HWND>(main);
  HWND title = ::CreateWindowExW(0, L"STATIC", L"GlossButton gallery on Win32", WS_CHILD | WS_VISIBLE, 10, 10, 400, 20,
                                 g_Main, nullptr, nullptr, nullptr);
  g_EventLine =
      ::CreateWindowExW(0, L"STATIC", L"Move the pointer over a button, click it, or Tab to it.", WS_CHILD | WS_VISIBLE,
                        10, 250, kWindowWidth - 20, 20, g_Main, nullptr, nullptr, nullptr);
  HFONT gui = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
  ::SendMessageW(title, WM_SETFONT, reinterpret_cast<WPARAM>(gui), 0);
  ::SendMessageW(g_EventLine, WM_SETFONT, reinterpret_cast<WPARAM>(gui), 0);
  ::ShowWindow(g_Main, SW_SHOW);

  Demo demo;
  demo.Build();
  std::printf("ready\n");
  std::fflush(stdout);
  const int code = platform::win32::RunMessageLoop();
  demo.sites.clear();
  std::printf("closed\n");
  return code;
}
