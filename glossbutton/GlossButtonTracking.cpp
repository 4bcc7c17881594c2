// Mouse enter and leave, seen through the hook on the control's own window after the window's
// own handling of WM_MOUSEMOVE and WM_MOUSELEAVE.
#include "glossbutton/GlossButton.h"
#include "glossbutton/GlossButtonPrivate.h"

namespace gloss {

namespace {

constexpr platform::WPARAM kOnlyLeftButton = platform::MK_LBUTTON;  // and nothing else

}  // namespace

void GlossButton::StartMouseTracking() {
  // Reading the properties again keeps the hook already on the window.
  if (m_TrackingHooked) return;
  const platform::HWND hWnd = m_Host.WindowHandle();
  m_Private->Tracker.Start(m_Private->Subclass, hWnd);
  m_CanTrackLeave = ToVBool(m_Private->Tracker.CanTrackLeave());
  m_TrackInUser32 = ToVBool(m_Private->Tracker.TrackInUser32());
  m_TrackingHooked = m_Private->Subclass.TableOf(hWnd, hook::HOOK_AFTER).has_value();
}

void GlossButton::StopMouseTracking() {
  m_Private->Subclass.sc_UnSubclassAll();
  m_TrackingHooked = false;
}

void GlossButton::OnHookMessage(bool /*bBefore*/, bool& /*bHandled*/, platform::LRESULT& /*lReturn*/,
                                platform::HWND /*hWnd*/, platform::UINT uMsg, platform::WPARAM wParam,
                                platform::LPARAM lParam, platform::LONG& /*lParamUser*/) {
  // Never consumes: the window's own procedure has already run and its result stands.
  if (uMsg == platform::WM_MOUSEMOVE) {
    const platform::PointerPos at = platform::UnpackPointerPos(lParam);
    HandleTrackedMouseMove(at.x, at.y, wParam);
  } else if (uMsg == platform::WM_MOUSELEAVE) {
    HandleMouseLeave();
  }
}

void GlossButton::HandleTrackedMouseMove(std::int32_t x, std::int32_t y, platform::WPARAM buttons) {
  // A left-button drag never counts as entering (see the drag-out rule in MouseMove).
  if (buttons == kOnlyLeftButton) return;
  if (MouseOver()) return;
  const float fx = static_cast<float>(x);
  const float fy = static_cast<float>(y);
  if (!(fx > 0.0f && fx < m_Host.ScaleWidth() && fy > 0.0f && fy < m_Host.ScaleHeight())) return;

  m_MouseOver = VB_TRUE;
  RequestLeaveNotice(m_Host.WindowHandle());
  if (!Raise([](GlossButtonEvents& e) { e.OnMouseEnter(); })) return;
  DrawState state = DrawState::Hover;
  Redraw(state);
}

void GlossButton::HandleMouseLeave() {
  m_MouseOver = VB_FALSE;
  if (!Raise([](GlossButtonEvents& e) { e.OnMouseLeave(); })) return;
  if (!Checked()) {
    DrawState state = Focused() ? DrawState::Focused : DrawState::Up;
    Redraw(state);
  }
}

void GlossButton::RequestLeaveNotice(platform::HWND hWnd) {
  if (!CanTrackLeave()) return;
  // One WM_MOUSELEAVE per entry; the platform cancels the request once it has sent it.
  m_Private->Tracker.RequestLeaveNotice(hWnd);
}

}  // namespace gloss
