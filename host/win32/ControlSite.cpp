#include <windows.h>
// (after <windows.h>, before the project's headers)
#include "platform/win32/NoWindowsMacros.h"

#include "host/win32/ControlSite.h"

#include <utility>

#include "platform/KeyState.h"
#include "platform/Regions.h"
#include "platform/SystemColors.h"
#include "platform/win32/Win32Window.h"
#include "platform/win32/WindowsSinks.h"

namespace win32host {
namespace {

using platform::COLOR_BTNFACE;
using platform::FALSE;
using platform::HIWORD;
using platform::LOWORD;
using platform::TRUE;
using platform::WM_KEYDOWN;
using platform::WM_KEYUP;
using platform::WM_KILLFOCUS;
using platform::WM_LBUTTONDBLCLK;
using platform::WM_LBUTTONDOWN;
using platform::WM_LBUTTONUP;
using platform::WM_MBUTTONDBLCLK;
using platform::WM_MBUTTONDOWN;
using platform::WM_MBUTTONUP;
using platform::WM_MOUSEMOVE;
using platform::WM_PAINT;
using platform::WM_RBUTTONDBLCLK;
using platform::WM_RBUTTONDOWN;
using platform::WM_RBUTTONUP;
using platform::WM_SETCURSOR;
using platform::WM_SETFOCUS;
using platform::WM_SIZE;

}  // namespace

ControlSite::ControlSite(platform::HWND parent, std::string name, int x, int y, int width, int height)
    : m_Name(std::move(name)) {
  m_Link->site = this;
  m_Button = std::make_unique<gloss::GlossButton>(*this);
  auto link = m_Link;
  platform::win32::WindowPlacement place;
  place.parent = parent;
  place.style = WS_CHILD | WS_CLIPSIBLINGS;
  place.x = x;
  place.y = y;
  place.width = width;
  place.height = height;
  place.title = platform::win32::Widen(m_Name);
  m_hWnd = platform::win32::CreateWindowIn(
      platform::MakeWindowProc([link](platform::HWND h, platform::UINT m, platform::WPARAM w, platform::LPARAM l) {
        if (!link->site || !link->site->m_Loaded) return platform::DefWindowProc(h, m, w, l);
        return link->site->HandleMessage(m, w, l);
      }),
      place);
  // The region clips by itself; only the face needs painting again.
  platform::SetWindowRgnChangedHandler(
      m_hWnd, [](platform::HWND h, platform::BOOL) { ::InvalidateRect(reinterpret_cast<HWND>(h), nullptr, FALSE); });
  m_Button->Initialize();
}

ControlSite::~ControlSite() {
  if (m_Loaded) m_Button->Terminate();
  m_Link->site = nullptr;
  if (platform::IsWindow(m_hWnd)) platform::DestroyWindow(m_hWnd);
}

void ControlSite::InitProperties() {
  m_Button->InitProperties();
  Loaded();
}

void ControlSite::ReadProperties(const gloss::PropertyBag& bag) {
  m_Button->ReadProperties(bag);
  Loaded();
}

void ControlSite::Loaded() {
  m_Loaded = true;
  RECT rc;
  ::GetClientRect(reinterpret_cast<HWND>(m_hWnd), &rc);
  m_LastWidth = rc.right;
  m_LastHeight = rc.bottom;
  m_Button->Resize();
}

void ControlSite::ShowSite() {
  ::ShowWindow(reinterpret_cast<HWND>(m_hWnd), SW_SHOWNA);
  if (!m_Shown && m_Loaded) {
    m_Shown = true;
    m_Button->Show();
  }
}

gloss::Font ControlSite::AmbientFont() const {
  // The parent's font if it has one, else the system's GUI font.
  HWND parent = ::GetParent(reinterpret_cast<HWND>(m_hWnd));
  HFONT hf = parent ? reinterpret_cast<HFONT>(::SendMessageW(parent, WM_GETFONT, 0, 0)) : nullptr;
  if (!hf) hf = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
  LOGFONTW lf{};
  gloss::Font f;
  if (::GetObjectW(hf, sizeof lf, &lf) == 0) return f;
  f.name = platform::win32::Narrow(lf.lfFaceName);
  f.size = (lf.lfHeight < 0 ? -lf.lfHeight : lf.lfHeight) * 72.0 / 96.0;
  f.weight = static_cast<std::int16_t>(lf.lfWeight ? lf.lfWeight : 400);
  f.charset = lf.lfCharSet;
  f.italic = lf.lfItalic != 0;
  f.underline = lf.lfUnderline != 0;
  f.strikethrough = lf.lfStrikeOut != 0;
  return f;
}

std::int32_t ControlSite::ParentBackColor() const { return static_cast<std::int32_t>(0x80000000u | COLOR_BTNFACE); }

float ControlSite::ScaleWidth() const {
  RECT rc{};
  ::GetClientRect(reinterpret_cast<HWND>(m_hWnd), &rc);
  return static_cast<float>(rc.right);
}

float ControlSite::ScaleHeight() const {
  RECT rc{};
  ::GetClientRect(reinterpret_cast<HWND>(m_hWnd), &rc);
  return static_cast<float>(rc.bottom);
}

void ControlSite::PublishImage(std::shared_ptr<const gloss::Image> image) {
  m_Image = std::move(image);
  ::InvalidateRect(reinterpret_cast<HWND>(m_hWnd), nullptr, FALSE);
}

void ControlSite::Paint() {
  HWND h = reinterpret_cast<HWND>(m_hWnd);
  PAINTSTRUCT ps;
  HDC dc = ::BeginPaint(h, &ps);
  if (m_Image && m_Image->width > 0 && m_Image->height > 0) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = m_Image->width;
    bi.bmiHeader.biHeight = -m_Image->height;  // rows top-down, 0xFFRRGGBB = BGRA in memory
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    ::StretchDIBits(dc, 0, 0, m_Image->width, m_Image->height, 0, 0, m_Image->width, m_Image->height,
                    m_Image->pixels.data(), &bi, DIB_RGB_COLORS, SRCCOPY);
  }
  ::EndPaint(h, &ps);
}

platform::LRESULT ControlSite::HandleMessage(platform::UINT uMsg, platform::WPARAM wParam, platform::LPARAM lParam) {
  // The control's handlers may delete this site; the link tells.
  const std::shared_ptr<Link> link = m_Link;
  gloss::GlossButton& b = *m_Button;
  const HWND h = reinterpret_cast<HWND>(m_hWnd);
  const platform::PointerPos at = platform::UnpackPointerPos(lParam);
  const float x = static_cast<float>(at.x);
  const float y = static_cast<float>(at.y);
  const std::int16_t shift = platform::ModifierMask();

  switch (uMsg) {
    case WM_PAINT: Paint(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_SIZE: {
      const int w = LOWORD(lParam), hh = HIWORD(lParam);
      if (w != m_LastWidth || hh != m_LastHeight) {
        m_LastWidth = w;
        m_LastHeight = hh;
        b.Resize();
      }
      return 0;
    }
    case WM_SETCURSOR:
      if (LOWORD(lParam) == HTCLIENT && m_MousePointer == gloss::kPointerCustom) {
        ::SetCursor(::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_HAND)));
        return TRUE;
      }
      break;
    case WM_MOUSEMOVE: b.MouseMove(platform::ButtonMaskFromKeyState(wParam), shift, x, y); return 0;
    case WM_LBUTTONDOWN:
      if (::GetFocus() != h) ::SetFocus(h);  // focus first, as the toolkit gives it on press
      if (!link->site) return 0;
      ::SetCapture(h);
      m_LeftPressed = true;
      m_AfterDoubleClick = false;
      b.MouseDown(1, shift, x, y);
      return 0;
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK: b.MouseDown(platform::ButtonOfMessage(uMsg), shift, x, y); return 0;
    case WM_LBUTTONDBLCLK:
      m_LeftPressed = true;
      m_AfterDoubleClick = true;
      b.DblClick();
      return 0;
    case WM_LBUTTONUP: {
      // A click is a left press and release on the visible pixels, not the release ending a
      // double click.
      RECT rc;
      ::GetClientRect(h, &rc);
      const bool inside = x >= 0 && y >= 0 && x < rc.right && y < rc.bottom &&
                          platform::PtInWindowRgn(m_hWnd, static_cast<int>(x), static_cast<int>(y));
      const bool click = m_LeftPressed && !m_AfterDoubleClick && inside;
      m_LeftPressed = false;
      m_AfterDoubleClick = false;
      if (::GetCapture() == h) ::ReleaseCapture();
      b.MouseUp(1, shift, x, y);
      if (click && link->site) b.Click();
      return 0;
    }
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: b.MouseUp(platform::ButtonOfMessage(uMsg), shift, x, y); return 0;
    case WM_GETDLGCODE: return DLGC_WANTALLKEYS;
    case WM_KEYDOWN: b.KeyDown(static_cast<std::int16_t>(wParam), shift); return 0;
    case WM_KEYUP: b.KeyUp(static_cast<std::int16_t>(wParam), shift); return 0;
    case WM_SETFOCUS: b.EnterFocus(); return 0;
    case WM_KILLFOCUS: b.ExitFocus(); return 0;
    default: break;
  }
  return ::DefWindowProcW(h, uMsg, wParam, lParam);
}

}  // namespace win32host
