// The control without Qt: a GlossButton in a window of the stand-in platform, served by a host of
// this program's own, drawn and clicked through the window messages a toolkit sends. Prints what
// it saw and ends; a non-zero exit when the click or the drawing did not arrive.
#include <GlossButton/GlossButton.h>

#include <cstdio>
#include <memory>
#include <string>

namespace {

// Every character is a 7 by 13 cell; nothing is printed (a real host draws with its toolkit).
class CellText final : public gloss::TextEngine {
 public:
  double TextWidth(const gloss::Font&, const std::string& text) override { return 7.0 * text.size(); }
  double TextHeight(const gloss::Font&, const std::string&) override { return 13.0; }
  void Print(gloss::PixelView, double, double, const gloss::Font&, std::uint32_t, const std::string&) override {}
};

class Host final : public gloss::ControlHost, public gloss::ControlWindowHost, public gloss::GlossButtonEvents {
 public:
  // gloss::ControlHost
  void PropertyChanged(const std::string&) override {}
  bool AmbientUserMode() const override { return true; }
  gloss::Font AmbientFont() const override { return {}; }
  std::string InstanceName() const override { return "GlossButton1"; }
  std::int32_t ParentBackColor() const override { return 0xFFFFFF; }
  float ScaleWidth() const override { return 100; }
  float ScaleHeight() const override { return 30; }
  platform::HWND WindowHandle() const override { return hwnd; }
  void SetMousePointer(std::int32_t) override {}
  void SetForeColor(std::int32_t) override {}
  void PublishImage(std::shared_ptr<const gloss::Image> image) override { shown = std::move(image); }
  gloss::TextEngine& Text() override { return text; }

  // gloss::ControlWindowHost
  bool IsVisiblePixel(std::int32_t x, std::int32_t y) const override { return x >= 0 && y >= 0 && x < 100 && y < 30; }

  // gloss::GlossButtonEvents
  void OnClick() override { ++clicks; }

  platform::HWND hwnd = 0;
  std::shared_ptr<const gloss::Image> shown;
  int clicks = 0;
  CellText text;
};

}  // namespace

int main() {
  Host host;
  gloss::ControlWindow window(host, host, [&host](platform::WNDPROC procedure) {
    return host.hwnd = platform::CreateWindow(std::move(procedure));
  });
  gloss::GlossButton& button = window.Button();
  button.SetEventListener(&host);
  window.InitProperties();
  button.SetCaption("Play");
  button.SetStyle(3);

  const platform::LPARAM at = platform::PackPointerPos(50, 15);
  platform::SendMessage(host.hwnd, platform::WM_MOUSEMOVE, 0, at);
  platform::SendMessage(host.hwnd, platform::WM_LBUTTONDOWN, platform::MK_LBUTTON, at);
  platform::SendMessage(host.hwnd, platform::WM_LBUTTONUP, 0, at);

  const bool drawn = host.shown && host.shown->width == 100 && host.shown->height == 30;
  std::printf("clicks: %d, image: %dx%d\n", host.clicks, host.shown ? host.shown->width : 0,
              host.shown ? host.shown->height : 0);
  return host.clicks == 1 && drawn ? 0 : 1;
}
