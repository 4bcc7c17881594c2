#include <windows.h>
// (after <windows.h>, before the project's headers)
#include "platform/win32/NoWindowsMacros.h"

#include "host/win32/GdiTextEngine.h"

#include <cmath>

#include "platform/win32/WindowsSinks.h"

namespace win32host {
namespace {

// A GDI font for the control's font value (points at 96 dpi). Glyphs are not smoothed, so that
// every pixel TextOutW touches is one the caption owns outright.
HFONT MakeFont(const gloss::Font& f) {
  const int height = -static_cast<int>(std::lround(f.size * 96.0 / 72.0));
  return ::CreateFontW(height, 0, 0, 0, f.weight, f.italic, f.underline, f.strikethrough, static_cast<DWORD>(f.charset),
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                       platform::win32::Widen(f.name).c_str());
}

SIZE Extent(HDC dc, const gloss::Font& font, const std::wstring& text) {
  SIZE size{0, 0};
  HFONT hf = MakeFont(font);
  HGDIOBJ old = ::SelectObject(dc, hf);
  if (text.empty()) {
    TEXTMETRICW tm;
    ::GetTextMetricsW(dc, &tm);
    size.cy = tm.tmHeight;
  } else {
    ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  }
  ::SelectObject(dc, old);
  ::DeleteObject(hf);
  return size;
}

}  // namespace

GdiTextEngine::GdiTextEngine() : m_Dc(::CreateCompatibleDC(nullptr)) {}
GdiTextEngine::~GdiTextEngine() { ::DeleteDC(static_cast<HDC>(m_Dc)); }

double GdiTextEngine::TextWidth(const gloss::Font& font, const std::string& text) {
  return Extent(static_cast<HDC>(m_Dc), font, platform::win32::Widen(text)).cx;
}

double GdiTextEngine::TextHeight(const gloss::Font& font, const std::string& text) {
  return Extent(static_cast<HDC>(m_Dc), font, platform::win32::Widen(text)).cy;
}

void GdiTextEngine::Print(gloss::PixelView target, double x, double y, const gloss::Font& font, std::uint32_t color,
                          const std::string& text) {
  const std::wstring wide = platform::win32::Widen(text);
  HDC dc = static_cast<HDC>(m_Dc);
  const SIZE size = Extent(dc, font, wide);
  if (wide.empty() || size.cx <= 0 || size.cy <= 0 || !target.pixels) return;

  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = size.cx;
  bi.bmiHeader.biHeight = -size.cy;  // top-down
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP dib = ::CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!dib) return;
  HGDIOBJ oldBitmap = ::SelectObject(dc, dib);
  HFONT hf = MakeFont(font);
  HGDIOBJ oldFont = ::SelectObject(dc, hf);
  RECT all{0, 0, size.cx, size.cy};
  ::FillRect(dc, &all, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, 0x00FFFFFF);  // white
  ::TextOutW(dc, 0, 0, wide.c_str(), static_cast<int>(wide.size()));
  ::GdiFlush();

  const auto* glyphs = static_cast<const std::uint32_t*>(bits);
  const int ox = static_cast<int>(std::lround(x));
  const int oy = static_cast<int>(std::lround(y));
  for (int row = 0; row < size.cy; ++row) {
    const int ty = oy + row;
    if (ty < 0 || ty >= target.height) continue;
    for (int col = 0; col < size.cx; ++col) {
      const int tx = ox + col;
      if (tx < 0 || tx >= target.width) continue;
      if (glyphs[row * size.cx + col] & 0xFFFFFFu) {
        target.pixels[static_cast<std::size_t>(ty) * static_cast<std::size_t>(target.stride) +
                      static_cast<std::size_t>(tx)] = color;
      }
    }
  }
  ::SelectObject(dc, oldFont);
  ::DeleteObject(hf);
  ::SelectObject(dc, oldBitmap);
  ::DeleteObject(dib);
}

}  // namespace win32host
