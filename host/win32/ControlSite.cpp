#include <windows.h>
// (after <windows.h>, before the project's headers)
#include "platform/win32/NoWindowsMacros.h"

#include "host/win32/ControlSite.h"

#include <memory>
#include <utility>

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
using platform::WM_PAINT;
using platform::WM_SETCURSOR;
using platform::WM_SIZE;

}  // namespace

ControlSite::ControlSite(platform::HWND parent, std::string name, int x, int y, int width, int height)
    : m_Name(std::move(name)) {
  platform::win32::WindowPlacement place;
  place.parent = parent;
  place.style = WS_CHILD | WS_CLIPSIBLINGS;
  place.x = x;
  place.y = y;
  place.width = width;
  place.height = height;
  place.title = platform::win32::Widen(m_Name);
  gloss::ControlWindowHost& windowHost = *this;
  m_Window = std::make_unique<gloss::ControlWindow>(
      *this, windowHost, [&place](platform::WNDPROC proc) { return platform::win32::CreateWindowIn(proc, place); });
  // The region clips by itself; only the face needs painting again.
  platform::SetWindowRgnChangedHandler(
      Hwnd(), [](platform::HWND h, platform::BOOL) { ::InvalidateRect(reinterpret_cast<HWND>(h), nullptr, FALSE); });
}

ControlSite::~ControlSite() { m_Window.reset(); }

void ControlSite::InitProperties() {
  m_Window->InitProperties();
  Loaded();
}

void ControlSite::ReadProperties(const gloss::PropertyBag& bag) {
  m_Window->ReadProperties(bag);
  Loaded();
}

void ControlSite::Loaded() {
  RECT rc;
  ::GetClientRect(reinterpret_cast<HWND>(Hwnd()), &rc);
  m_LastWidth = rc.right;
  m_LastHeight = rc.bottom;
  Button().Resize();
}

void ControlSite::ShowSite() {
  ::ShowWindow(reinterpret_cast<HWND>(Hwnd()), SW_SHOWNA);
  if (!m_Shown && m_Window->Loaded()) {
    m_Shown = true;
    Button().Show();
  }
}

gloss::Font ControlSite::AmbientFont() const {
  // The parent's font if it has one, else the system's GUI font.
  HWND parent = ::GetParent(reinterpret_cast<HWND>(Hwnd()));
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
  ::GetClientRect(reinterpret_cast<HWND>(Hwnd()), &rc);
  return static_cast<float>(rc.right);
}

float ControlSite::ScaleHeight() const {
  RECT rc{};
  ::GetClientRect(reinterpret_cast<HWND>(Hwnd()), &rc);
  return static_cast<float>(rc.bottom);
}

void ControlSite::PublishImage(std::shared_ptr<const gloss::Image> image) {
  m_Image = std::move(image);
  ::InvalidateRect(reinterpret_cast<HWND>(Hwnd()), nullptr, FALSE);
}

void ControlSite::Paint() {
  HWND h = reinterpret_cast<HWND>(Hwnd());
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

// ---- What the control window asks of the site

bool ControlSite::IsVisiblePixel(std::int32_t x, std::int32_t y) const {
  RECT rc;
  ::GetClientRect(reinterpret_cast<HWND>(Hwnd()), &rc);
  return x >= 0 && y >= 0 && x < rc.right && y < rc.bottom && platform::PtInWindowRgn(Hwnd(), x, y);
}

void ControlSite::BeginLeftPress() {
  // Focus first, as the toolkit gives it on press; its handlers may destroy this site.
  const HWND h = reinterpret_cast<HWND>(Hwnd());
  const std::weak_ptr<const void> alive = m_Window->Alive();
  if (::GetFocus() != h) ::SetFocus(h);
  if (!alive.expired()) ::SetCapture(h);
}

void ControlSite::EndLeftPress() {
  const HWND h = reinterpret_cast<HWND>(Hwnd());
  if (::GetCapture() == h) ::ReleaseCapture();
}

bool ControlSite::HostMessage(platform::UINT uMsg, platform::WPARAM, platform::LPARAM lParam,
                              platform::LRESULT& result) {
  result = 0;
  switch (uMsg) {
    case WM_PAINT: Paint(); return true;
    case WM_ERASEBKGND: result = 1; return true;
    case WM_SIZE: {
      const int w = LOWORD(lParam), hh = HIWORD(lParam);
      if (w != m_LastWidth || hh != m_LastHeight) {
        m_LastWidth = w;
        m_LastHeight = hh;
        Button().Resize();
      }
      return true;
    }
    case WM_SETCURSOR:
      if (LOWORD(lParam) == HTCLIENT && m_MousePointer == gloss::kPointerCustom) {
        ::SetCursor(::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_HAND)));
        result = TRUE;
        return true;
      }
      return false;
    case WM_GETDLGCODE: result = DLGC_WANTALLKEYS; return true;
    default: return false;
  }
}

}  // namespace win32host
