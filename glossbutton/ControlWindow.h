#pragma once
/// \file
/// ControlWindow: one GlossButton in a window of its own, and that window's default procedure.
///
/// Every host runs one per button: the Qt widget, the Win32 child window and the unit tests. The
/// window's procedure starts as DefaultProcedure, which decodes each input message once (buttons,
/// Shift, point) and raises the control's notifications. It keeps the toolkit's bookkeeping:
/// which left press is down, whether the next release ends a double click, whether Enter is held,
/// and the click rule (a left press and release on the control's visible pixels, except the
/// release that ends a double click).
///
/// The host supplies only what is its own (ControlWindowHost): which pixels are visible, focus and
/// capture around a press, and the messages of its own window (painting, size, pointer shape).
///
/// Any event handler may destroy the host, and with it this window, while the control is inside
/// the handler. Alive() expires then; the procedure touches nothing once it has, and a host that
/// sends a message checks it before going on.
#include <cstdint>
#include <functional>
#include <memory>

#include "glossbutton/ControlHost.h"
#include "glossbutton/GlossButton.h"
#include "glossbutton/PropertyBag.h"
#include "platform/Window.h"

namespace gloss {

/// What a host does for its ControlWindow: which pixels are visible, focus and capture around a
/// press, and the messages of its own window.
class ControlWindowHost {
 public:
  virtual ~ControlWindowHost() = default;  ///< Deleted through this interface.

  /// Is the pixel (x, y) of the window one of the control's visible pixels (inside the window
  /// and its region)?
  virtual bool IsVisiblePixel(std::int32_t x, std::int32_t y) const = 0;

  /// A left press is about to reach the control: take the focus and the capture where the toolkit
  /// does not do it by itself. The window may be gone afterwards (a focus handler may destroy it).
  virtual void BeginLeftPress() {}
  /// The left button went up, before the control hears of it.
  virtual void EndLeftPress() {}
  /// Pressed() changed.
  virtual void PressedChanged() {}

  /// A message of the host's own window (painting, size, pointer shape). Returns true and sets
  /// result when the host handled it.
  virtual bool HostMessage(platform::UINT, platform::WPARAM, platform::LPARAM, platform::LRESULT&) { return false; }
};

/// One GlossButton in a window of its own, and that window's default procedure (see the file's
/// description). Every host runs one per button.
class ControlWindow {
 public:
  /// Makes the window (given its default procedure) and returns it.
  using CreateWindowFunction = std::function<platform::HWND(platform::WNDPROC)>;

  /// Creates the window through create, then the control, which host serves, and gives it
  /// Initialize. The host's WindowHandle() answers Hwnd().
  ControlWindow(ControlHost& host, ControlWindowHost& windowHost, const CreateWindowFunction& create);
  /// Terminates the control, cuts the procedure off, destroys the control, then the window.
  ~ControlWindow();
  ControlWindow(const ControlWindow&) = delete;
  ControlWindow& operator=(const ControlWindow&) = delete;

  /// The control in the window.
  ///@{
  GlossButton& Button() { return *m_Button; }
  const GlossButton& Button() const { return *m_Button; }
  ///@}
  /// The window.
  platform::HWND Hwnd() const { return m_hWnd; }
  /// The window's own procedure, the one a hook chains to.
  platform::WNDPROC DefaultProcedure() const { return m_Procedure; }

  /// The second lifecycle step: exactly one of the two, once. Until then the procedure leaves
  /// every message to DefWindowProc.
  ///@{
  void InitProperties();
  void ReadProperties(const PropertyBag& bag);
  ///@}
  /// One of the two was given.
  bool Loaded() const { return m_Loaded; }
  /// The last step, once: the control releases its hook. The destructor gives it if the host has
  /// not (a host that reports errors its own way gives it first).
  void Terminate();

  /// A left press (or Enter) is down on the control.
  bool Pressed() const { return m_LeftPressed || m_EnterDown; }

  /// Expires when this window and its control are destroyed.
  std::weak_ptr<const void> Alive() const { return m_Alive; }

 private:
  platform::LRESULT HandleMessage(platform::HWND hWnd, platform::UINT uMsg, platform::WPARAM wParam,
                                  platform::LPARAM lParam);
  void LeftDown(std::int16_t shift, float x, float y);
  void LeftUp(std::int16_t shift, float x, float y);
  void EnterKey(bool down);

  ControlWindowHost& m_WindowHost;
  std::unique_ptr<GlossButton> m_Button;
  // The control's own liveness: the one token every host and the procedure ask.
  std::weak_ptr<const void> m_Alive;
  platform::WNDPROC m_Procedure;
  platform::HWND m_hWnd = 0;
  bool m_Loaded = false;
  bool m_Terminated = false;

  bool m_LeftPressed = false;       // a left press arrived here and has not been released
  bool m_AfterDoubleClick = false;  // the next left release ends a double click: no Click
  bool m_EnterDown = false;         // Enter is held on the control
};

}  // namespace gloss
