#pragma once
/// \file
/// gloss::GlossButton, the control itself.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "glossbutton/ControlHost.h"
#include "glossbutton/GlossButtonEvents.h"
#include "glossbutton/PropertyBag.h"
#include "glossbutton/render/Image.h"
#include "glossbutton/render/Numbers.h"
#include "platform/WinTypes.h"

namespace gloss {

class Surface;
struct ButtonLook;
enum class DrawState : std::int32_t;

/// An owner-drawn push button. Its public face is a set of properties (X() reads, SetX(newValue)
/// assigns), the host's lifecycle notifications, the toolkit's input notifications, and events
/// raised to a GlossButtonEvents listener.
///
/// It owns its drawing surface (Picture1), the image it last published to the host, and the hook
/// on its own window through which it sees the pointer enter and leave. Every look goes through
/// one redraw; the window shape follows the size and Style. A host normally makes it through a
/// ControlWindow, which also turns the window's messages into the input notifications.
class GlossButton final {
 public:
  /// The control's class name, in error reports and the hook's.
  static constexpr const char* kClassName = "GlossButton";

  /// A control that \a host serves; the host must outlive it.
  explicit GlossButton(ControlHost& host);
  /// Releases the hook on the window, as Terminate() does, if it was not given.
  ~GlossButton();
  GlossButton(const GlossButton&) = delete;             ///< Not copyable.
  GlossButton& operator=(const GlossButton&) = delete;  ///< Not copyable.

  /// Not owned; may be null. The listener may delete this control from any of its handlers.
  void SetEventListener(GlossButtonEvents* listener) { m_Events = listener; }
  /// Called with the state of every redraw, before it is drawn (for tools and tests).
  void SetRedrawObserver(std::function<void(std::int32_t)> observer) { m_RedrawObserver = std::move(observer); }
  /// Expires when this control is destroyed: a caller that raised something checks it before it
  /// touches the control again.
  std::weak_ptr<const void> Liveness() const { return m_Alive; }

  /// \name Properties
  /// In the control's interface order. Colours are OLE colours (0x00BBGGRR; a high byte of 0x80
  /// names a system colour).
  ///@{

  /// @{
  /// Whether the pointer becomes a hand over the button (read by the next ReadProperties).
  bool DisplayHand() const { return m_DisplayHand != VB_FALSE; }
  void SetDisplayHand(bool newValue);
  /// @}
  /// @{
  /// The colour set last applied (0 = own colours, 1 to 6 the schemes); setting one sets the colours.
  std::int32_t ColorScheme() const { return m_ColorScheme; }
  void SetColorScheme(std::int32_t newValue);
  /// @}
  /// @{
  /// The edge of styles 2 to 5, -100 (darker) to 100 (lighter).
  std::int32_t BorderBrightness() const { return m_BorderBrightness; }
  void SetBorderBrightness(std::int32_t newValue);
  /// @}
  /// @{
  /// The gloss of the glossy styles.
  std::int32_t ColorBright() const { return m_ColorBright; }
  void SetColorBright(std::int32_t newValue);
  /// @}
  /// @{
  /// The face while pressed or checked.
  std::int32_t ColorButtonDown() const { return m_ColorButtonDown; }
  void SetColorButtonDown(std::int32_t newValue);
  /// @}
  /// @{
  /// The face at rest.
  std::int32_t ColorButtonUp() const { return m_ColorButtonUp; }
  void SetColorButtonUp(std::int32_t newValue);
  /// @}
  /// @{
  /// The face under the pointer.
  std::int32_t ColorButtonHover() const { return m_ColorButtonHover; }
  void SetColorButtonHover(std::int32_t newValue);
  /// @}
  /// @{
  /// The caption's colour.
  std::int32_t ForeColor() const { return m_ForeColor; }
  void SetForeColor(std::int32_t NewForeColor);
  /// @}
  /// @{
  /// The picture beside the caption, shared; null for none.
  PicturePtr Picture() const { return m_Picture; }
  void SetPicture(PicturePtr Value);
  /// @}
  /// @{
  /// Whether the button stays in its checked look.
  bool Checked() const { return m_Checked != VB_FALSE; }
  void SetChecked(bool Value);
  /// @}
  /// @{
  /// The look, 0 to 6; another value is kept and draws no face.
  std::int32_t Style() const { return m_Style; }
  void SetStyle(std::int32_t eVal);
  /// @}
  /// @{
  /// Where the picture sits: 0 above, 1 below, 2 left, 3 right of the caption.
  std::int32_t PictureAlignment() const { return m_PictureAlignment; }
  void SetPictureAlignment(std::int32_t eVal);
  /// @}
  /// @{
  /// The caption, UTF-8.
  const std::string& Caption() const { return m_Caption; }
  void SetCaption(const std::string& New_Caption);
  /// @}
  /// @{
  /// The caption's font.
  const gloss::Font& Font() const;
  void SetFont(const gloss::Font& NewFont);
  /// @}
  ///@}

  /// The red, green and blue parts of \a Color (a system colour is translated first).
  void GetRGB(std::int32_t& R, std::int32_t& G, std::int32_t& b, std::int32_t Color) const;
  /// \a Color1 blended with \a Color2 by \a Percentage (system colours are translated first).
  std::int32_t BlendColors(std::int32_t Color1, std::int32_t Color2, std::int32_t& Percentage) const;

  /// Draws the caption and the picture over what the surface holds and publishes the result.
  void DrawIconWCaption(const std::int32_t& vState);
  /// Redraws in the given state outside the interaction rules (still checked-first), for tools
  /// that show one look on demand; any 32-bit value is passed on as it is.
  void ShowState(std::int32_t ButtonState) {
    DrawState state{ButtonState};
    Redraw(state);
  }

  /// \name State the renderers and the host read
  ///@{
  bool MouseOver() const { return m_MouseOver != VB_FALSE; }          ///< The pointer is over the button.
  bool Focused() const { return m_Focused != VB_FALSE; }              ///< The button has the focus.
  std::int32_t CornerRadius() const { return m_CornerRadius; }        ///< Of the window shape, in pixels.
  bool TrackingHooked() const { return m_TrackingHooked; }            ///< The hook on the window is in place.
  bool CanTrackLeave() const { return m_CanTrackLeave != VB_FALSE; }  ///< The platform reports leaving.
  bool TrackInUser32() const { return m_TrackInUser32 != VB_FALSE; }  ///< The leave service is the system's.
  /// The image last handed to the host (null before the first redraw).
  const std::shared_ptr<const Image>& PublishedImage() const { return m_Image; }
  /// \internal The drawing surface, for the tree's own tools and tests.
  const Surface& Picture1() const;
  ///@}

  /// \name Lifecycle notifications from the host, in the order it gives them
  ///@{
  void Initialize();                                 ///< The control was created.
  void InitProperties();                             ///< A new instance: the default values.
  void ReadProperties(const PropertyBag& PropBag);   ///< A stored instance: the values in \a PropBag.
  void WriteProperties(PropertyBag& PropBag) const;  ///< Stores the values that differ from the defaults.
  void Terminate();                                  ///< The last notification: releases the hook.
  /// The instance was renamed in its host: the caption follows the name. The argument is unused.
  void AmbientPropertyChanged(const std::string& PropertyName);
  ///@}

  /// \name Input notifications from the toolkit
  /// X, Y in pixels; Button 1 = left, 2 = right, 4 = middle; Shift is the modifier mask.
  ///@{
  void KeyDown(std::int16_t KeyCode, std::int16_t Shift);  ///< A key went down.
  void KeyUp(std::int16_t KeyCode, std::int16_t Shift);    ///< A key went up.
  void Click();                                            ///< A click (raised to the listener as OnClick).
  void DblClick();                                         ///< A double click.
  void MouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y);  ///< A mouse button went down.
  void MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y);  ///< The pointer moved.
  void MouseUp(std::int16_t Button, std::int16_t Shift, float X, float Y);    ///< A mouse button went up.
  void EnterFocus();                                                          ///< The button got the focus.
  void ExitFocus();                                                           ///< The button lost the focus.
  void Resize();                                                              ///< The window's size changed.
  void Show();                                                                ///< The window was shown.

  ///@}

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
                     platform::WPARAM wParam, platform::LPARAM lParam, platform::LONG& lParamUser);
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
  std::shared_ptr<const Image> m_Image;

  std::int32_t m_CornerRadius = 0;
  VBool m_MouseOver = VB_FALSE;
  VBool m_Focused = VB_FALSE;

  VBool m_CanTrackLeave = VB_FALSE;
  VBool m_TrackInUser32 = VB_FALSE;
  bool m_TrackingHooked = false;
  // The surface, the hook and the tracking (GlossButtonPrivate.h). Last member: destroyed first,
  // while the rest of the control still exists.
  struct Private;
  std::unique_ptr<Private> m_Private;
};

}  // namespace gloss
