#pragma once
// GlossButton: an owner-drawn push button. Its public face is a set of properties (X() reads,
// SetX(newValue) assigns), the host's lifecycle notifications, the toolkit's input
// notifications, and events raised to a GlossButtonEvents listener.
//
// It owns its drawing surface (Picture1), the image it last published to the host, and the hook
// on its own window through which it sees the pointer enter and leave. Every look goes through
// Redraw; the window shape follows the size and Style (UpdateShape).
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "glossbutton/ControlHost.h"
#include "glossbutton/GlossButtonEvents.h"
#include "glossbutton/PropertyBag.h"
#include "glossbutton/render/ButtonLook.h"
#include "glossbutton/render/DrawState.h"
#include "glossbutton/render/Image.h"
#include "glossbutton/render/Numbers.h"
#include "glossbutton/render/Surface.h"
#include "hook/MouseTracking.h"
#include "hook/SubclassOwner.h"
#include "hook/Subclasser.h"
#include "platform/WinTypes.h"

namespace gloss {

class GlossButton final : public hook::SubclassOwner {
 public:
  static constexpr const char* kClassName = "GlossButton";

  explicit GlossButton(ControlHost& host);
  ~GlossButton() override;
  GlossButton(const GlossButton&) = delete;
  GlossButton& operator=(const GlossButton&) = delete;

  // Not owned; may be null. The listener may delete this control from any of its handlers.
  void SetEventListener(GlossButtonEvents* listener) { m_Events = listener; }
  void SetRedrawObserver(std::function<void(std::int32_t)> observer) { m_RedrawObserver = std::move(observer); }
  // Expires when this control is destroyed: a caller that raised something checks it before it
  // touches the control again.
  std::weak_ptr<const void> Liveness() const { return m_Alive; }

  // ---- Properties, in the control's interface order.
  bool DisplayHand() const { return m_DisplayHand != VB_FALSE; }
  void SetDisplayHand(bool newValue);
  std::int32_t ColorScheme() const { return m_ColorScheme; }
  void SetColorScheme(std::int32_t newValue);
  std::int32_t BorderBrightness() const { return m_BorderBrightness; }
  void SetBorderBrightness(std::int32_t newValue);
  std::int32_t ColorBright() const { return m_ColorBright; }
  void SetColorBright(std::int32_t newValue);
  std::int32_t ColorButtonDown() const { return m_ColorButtonDown; }
  void SetColorButtonDown(std::int32_t newValue);
  std::int32_t ColorButtonUp() const { return m_ColorButtonUp; }
  void SetColorButtonUp(std::int32_t newValue);
  std::int32_t ColorButtonHover() const { return m_ColorButtonHover; }
  void SetColorButtonHover(std::int32_t newValue);
  std::int32_t ForeColor() const { return m_ForeColor; }
  void SetForeColor(std::int32_t NewForeColor);
  PicturePtr Picture() const { return m_Picture; }
  void SetPicture(PicturePtr Value);
  bool Checked() const { return m_Checked != VB_FALSE; }
  void SetChecked(bool Value);
  std::int32_t Style() const { return m_Style; }
  void SetStyle(std::int32_t eVal);
  std::int32_t PictureAlignment() const { return m_PictureAlignment; }
  void SetPictureAlignment(std::int32_t eVal);
  const std::string& Caption() const { return m_Caption; }
  void SetCaption(const std::string& New_Caption);
  const gloss::Font& Font() const { return m_Picture1.Font(); }
  void SetFont(const gloss::Font& NewFont);

  // ---- Colour methods (system colours are translated first).
  void GetRGB(std::int32_t& R, std::int32_t& G, std::int32_t& b, std::int32_t Color) const;
  std::int32_t BlendColors(std::int32_t Color1, std::int32_t Color2, std::int32_t& Percentage) const;

  // Draws the caption and the picture over what the surface holds and publishes the result.
  void DrawIconWCaption(const std::int32_t& vState);
  // Redraws in the given state outside the interaction rules (still checked-first), for tools
  // that show one look on demand; any 32-bit value is passed on as it is.
  void ShowState(std::int32_t ButtonState) {
    DrawState state{ButtonState};
    Redraw(state);
  }

  // ---- State the renderers and the host read.
  bool MouseOver() const { return m_MouseOver != VB_FALSE; }
  bool Focused() const { return m_Focused != VB_FALSE; }
  std::int32_t CornerRadius() const { return m_CornerRadius; }
  bool TrackingHooked() const { return m_TrackingHooked; }
  bool CanTrackLeave() const { return m_CanTrackLeave != VB_FALSE; }
  bool TrackInUser32() const { return m_TrackInUser32 != VB_FALSE; }
  // The image last handed to the host (null before the first redraw) and the drawing surface.
  const std::shared_ptr<const Image>& PublishedImage() const { return m_Image; }
  const Surface& Picture1() const { return m_Picture1; }

  // ---- Lifecycle notifications from the host, in the order it gives them.
  void Initialize();
  void InitProperties();
  void ReadProperties(const PropertyBag& PropBag);
  void WriteProperties(PropertyBag& PropBag) const;
  void Terminate();
  // The instance was renamed in its host: the caption follows the name. The argument is unused.
  void AmbientPropertyChanged(const std::string& PropertyName);

  // ---- Input notifications from the toolkit. X, Y in pixels; Button 1 = left, 2 = right.
  void KeyDown(std::int16_t KeyCode, std::int16_t Shift);
  void KeyUp(std::int16_t KeyCode, std::int16_t Shift);
  void Click();
  void DblClick();
  void MouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y);
  void MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y);
  void MouseUp(std::int16_t Button, std::int16_t Shift, float X, float Y);
  void EnterFocus();
  void ExitFocus();
  void Resize();
  void Show();

 private:
  friend class GlossButtonTestAccess;

  // Calls f(listener) and reports whether this control still exists afterwards. When it returns
  // false the caller must return at once without touching any member.
  template <class F>
  bool Raise(F&& f) {
    if (!m_Events) return true;
    const std::weak_ptr<int> alive = m_Alive;
    f(*m_Events);
    return !alive.expired();
  }

  void SetColor(std::int32_t& member, std::int32_t newValue, const char* changedName);

  // Drawing (GlossButtonRedraw.cpp).
  // Draws in state, or in the checked look while Checked; state then reads Checked for the caller too.
  void Redraw(DrawState& state);
  void PaintAndPublish(DrawState& state);
  void ClearSurface();
  ButtonLook Look();  // also hands the host's text engine to the surface
  void Publish(std::shared_ptr<const Image> image);

  // Shape and size (GlossButtonShape.cpp).
  void UpdateShape();
  void BuildRoundRegion(std::int32_t& width, std::int32_t& height, std::int32_t& radius);

  // Hook and mouse tracking (GlossButtonTracking.cpp).
  void StartMouseTracking();
  void StopMouseTracking();
  void OnHookMessage(bool bBefore, bool& bHandled, platform::LRESULT& lReturn, platform::HWND hWnd, platform::UINT uMsg,
                     platform::WPARAM wParam, platform::LPARAM lParam, platform::LONG& lParamUser) override;
  void HandleTrackedMouseMove(std::int32_t x, std::int32_t y, platform::WPARAM buttons);
  void HandleMouseLeave();
  void RequestLeaveNotice(platform::HWND hWnd);

  ControlHost& m_Host;
  GlossButtonEvents* m_Events = nullptr;
  std::function<void(std::int32_t)> m_RedrawObserver;
  std::shared_ptr<int> m_Alive = std::make_shared<int>(0);

  VBool m_DisplayHand = VB_FALSE;
  std::int32_t m_ColorScheme = 0;
  std::int32_t m_BorderBrightness = 0;
  std::int32_t m_ColorBright = 0;
  std::int32_t m_ColorButtonDown = 0;
  std::int32_t m_ColorButtonUp = 0;
  std::int32_t m_ColorButtonHover = 0;
  std::int32_t m_ForeColor = 0;
  PicturePtr m_Picture;
  VBool m_Checked = VB_FALSE;
  std::int32_t m_Style = 0;
  std::int32_t m_PictureAlignment = 0;
  std::string m_Caption;
  // Picture1 at its design size; it also keeps the Font property and the caption colour.
  Surface m_Picture1{105, 81};
  std::shared_ptr<const Image> m_Image;

  std::int32_t m_CornerRadius = 0;
  VBool m_MouseOver = VB_FALSE;
  VBool m_Focused = VB_FALSE;

  VBool m_CanTrackLeave = VB_FALSE;
  VBool m_TrackInUser32 = VB_FALSE;
  bool m_TrackingHooked = false;
  std::int32_t m_LeaveRequests = 0;  // leave notices asked for so far
  hook::MouseTracker m_Tracker;
  // Last member: destroyed first, while the rest of the control still exists.
  hook::Subclasser m_Subclass{*this, kClassName};
};

}  // namespace gloss
