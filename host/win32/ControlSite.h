#pragma once
// A control site on real Win32: one GlossButton in a real child window of its own.
//
// The window's procedure starts as the control window's default procedure; the system delivers
// mouse, key and focus messages to whatever is in the window's procedure slot (the control's
// hook when it has one), and the default procedure turns them into the control's notifications,
// the same one the Qt host runs. WM_PAINT draws the published image with StretchDIBits; the window
// region the control sets clips painting and clicks, so a press outside the shape reaches what
// is behind by itself.
//
// Lifecycle as on the Qt host: construct, then InitProperties() or ReadProperties(bag); the
// first size is given at construction, Resize follows every size change, Show the first show.
#include <cstdint>
#include <memory>
#include <string>

#include "glossbutton/ControlWindow.h"
#include "glossbutton/GlossButton.h"
#include "glossbutton/PropertyBag.h"
#include "platform/Window.h"
#include "host/win32/GdiTextEngine.h"

namespace win32host {

class ControlSite final : public gloss::ControlHost, private gloss::ControlWindowHost {
 public:
  ControlSite(platform::HWND parent, std::string name, int x, int y, int width, int height);
  ~ControlSite() override;
  ControlSite(const ControlSite&) = delete;
  ControlSite& operator=(const ControlSite&) = delete;

  gloss::GlossButton& Button() { return m_Window->Button(); }
  platform::HWND Hwnd() const { return m_Window->Hwnd(); }
  void SetUserMode(bool userMode) { m_UserMode = userMode; }
  void SetEventListener(gloss::GlossButtonEvents* listener) { Button().SetEventListener(listener); }

  void InitProperties();
  void ReadProperties(const gloss::PropertyBag& bag);
  // Shows the window (Show is given the first time).
  void ShowSite();

  std::shared_ptr<const gloss::Image> PublishedImage() const { return m_Image; }

  // ---- ControlHost
  void PropertyChanged(const std::string&) override {}
  bool AmbientUserMode() const override { return m_UserMode; }
  gloss::Font AmbientFont() const override;
  std::string InstanceName() const override { return m_Name; }
  std::int32_t ParentBackColor() const override;
  float ScaleWidth() const override;
  float ScaleHeight() const override;
  platform::HWND WindowHandle() const override { return m_Window ? m_Window->Hwnd() : 0; }
  void SetMousePointer(std::int32_t kind) override { m_MousePointer = kind; }
  void SetForeColor(std::int32_t oleColor) override { m_ForeColor = oleColor; }
  void PublishImage(std::shared_ptr<const gloss::Image> image) override;
  gloss::TextEngine& Text() override { return m_Text; }

 private:
  // ---- ControlWindowHost
  bool IsVisiblePixel(std::int32_t x, std::int32_t y) const override;
  void BeginLeftPress() override;
  void EndLeftPress() override;
  bool HostMessage(platform::UINT uMsg, platform::WPARAM wParam, platform::LPARAM lParam,
                   platform::LRESULT& result) override;
  void Paint();
  void Loaded();

  std::string m_Name;
  GdiTextEngine m_Text;
  std::unique_ptr<gloss::ControlWindow> m_Window;
  bool m_UserMode = true;
  bool m_Shown = false;
  int m_LastWidth = -1, m_LastHeight = -1;
  std::shared_ptr<const gloss::Image> m_Image;
  std::int32_t m_MousePointer = 0;
  std::int32_t m_ForeColor = 0;
};

}  // namespace win32host
