// Windows, window procedures and messages over real Win32 windows.
//
// A project procedure (WNDPROC, an object) becomes a real window procedure through a thunk: a
// fixed set of real functions, each bound to one procedure object while that object lives.
// SetWindowLong therefore really replaces the window's GWLP_WNDPROC, CallWindowProc really goes
// through CallWindowProcW, and a procedure read back from a window maps back to the same object
// (identity kept), or to a wrapper of the foreign function that was there.
//
// Windows made by CreateWindow belong to one real class whose procedure hands every message to
// the procedure object the window was created with; that class procedure is what GetWindowLong
// reports as that object, so the bottom of every chain still sees WM_NCDESTROY.
#include <windows.h>
// (after <windows.h>, before the project's headers)
#include "platform/win32/NoWindowsMacros.h"

#include <array>
#include <cstddef>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "platform/MouseLeave.h"
#include "platform/Window.h"
#include "platform/win32/Win32Internal.h"
#include "platform/win32/Win32Window.h"

namespace platform {
namespace {

::HWND Real(HWND h) { return reinterpret_cast<::HWND>(h); }
HWND Ours(::HWND h) { return reinterpret_cast<HWND>(h); }

// A real procedure that was in a window's slot (another class's, or set by foreign code).
class ForeignProcedure final : public WindowProcedure {
 public:
  explicit ForeignProcedure(::WNDPROC fn) : m_Fn(fn) {}
  LRESULT operator()(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override {
    return ::CallWindowProcW(m_Fn, Real(hWnd), uMsg, wParam, lParam);
  }
  ::WNDPROC Function() const { return m_Fn; }

 private:
  ::WNDPROC m_Fn;
};

struct WindowRecord {
  WNDPROC created;  // the procedure CreateWindow was given (ours only)
  WNDPROC current;  // what the window points at through us: kept alive while it does
  bool ours = false;
  bool destroying = false;
};

std::map<HWND, WindowRecord>& Records() {
  static std::map<HWND, WindowRecord> records;
  return records;
}

WindowRecord& RecordOf(HWND h) { return Records()[h]; }

// --- Thunks ---------------------------------------------------------------------------------

constexpr std::size_t kThunkCount = 512;

struct ThunkSlot {
  std::weak_ptr<WindowProcedure> proc;
  const WindowProcedure* identity = nullptr;
};

std::array<ThunkSlot, kThunkCount>& Slots() {
  static std::array<ThunkSlot, kThunkCount> slots;
  return slots;
}

void Forget(HWND h);

template <std::size_t N>
LRESULT CALLBACK Thunk(::HWND hWnd, UINT uMsg, ::WPARAM wParam, ::LPARAM lParam) {
  WNDPROC keep = Slots()[N].proc.lock();  // alive for the call even if replaced meanwhile
  if (!keep) return ::DefWindowProcW(hWnd, uMsg, wParam, lParam);
  const LRESULT result = (*keep)(Ours(hWnd), uMsg, wParam, lParam);
  if (uMsg == WM_NCDESTROY) {
    auto it = Records().find(Ours(hWnd));
    if (it != Records().end() && !it->second.ours) Forget(Ours(hWnd));
  }
  return result;
}

template <std::size_t... I>
constexpr std::array<::WNDPROC, sizeof...(I)> MakeThunks(std::index_sequence<I...>) {
  return {&Thunk<I>...};
}

const std::array<::WNDPROC, kThunkCount> kThunks = MakeThunks(std::make_index_sequence<kThunkCount>{});

int ThunkIndex(::WNDPROC fn) {
  for (std::size_t i = 0; i < kThunkCount; ++i) {
    if (kThunks[i] == fn) return static_cast<int>(i);
  }
  return -1;
}

// The thunk bound to proc, binding a free one if needed; null when every thunk is taken.
::WNDPROC ThunkFor(const WNDPROC& proc) {
  auto& slots = Slots();
  ThunkSlot* free = nullptr;
  for (std::size_t i = 0; i < kThunkCount; ++i) {
    if (slots[i].proc.expired()) {
      if (!free) free = &slots[i];
      continue;
    }
    if (slots[i].identity == proc.get()) return kThunks[i];
  }
  if (!free) return nullptr;
  free->proc = proc;
  free->identity = proc.get();
  return kThunks[static_cast<std::size_t>(free - slots.data())];
}

// --- The class ------------------------------------------------------------------------------

const wchar_t kClassName[] = L"KorvaneWindow";
WNDPROC g_Creating;  // handed to the class procedure for the messages of CreateWindowExW

LRESULT CALLBACK ClassProc(::HWND hWnd, UINT uMsg, ::WPARAM wParam, ::LPARAM lParam) {
  const HWND h = Ours(hWnd);
  auto it = Records().find(h);
  if (it == Records().end()) {
    if (!g_Creating) return ::DefWindowProcW(hWnd, uMsg, wParam, lParam);
    WindowRecord& rec = RecordOf(h);
    rec.created = g_Creating;
    rec.current = g_Creating;
    rec.ours = true;
    it = Records().find(h);
  }
  WNDPROC keep = it->second.created;
  const LRESULT result = (*keep)(h, uMsg, wParam, lParam);
  if (uMsg == WM_NCDESTROY) Forget(h);
  return result;
}

bool RegisterClassOnce() {
  static const bool registered = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = &ClassProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = kClassName;
    return ::RegisterClassExW(&wc) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  }();
  return registered;
}

void Forget(HWND h) {
  Records().erase(h);
  win32detail::ForgetRegionHandler(h);
}

// The project procedure behind a real one found in hWnd's slot.
WNDPROC FromReal(HWND hWnd, ::WNDPROC fn) {
  if (!fn) return nullptr;
  if (fn == &ClassProc) {
    auto it = Records().find(hWnd);
    if (it != Records().end() && it->second.created) return it->second.created;
  }
  const int index = ThunkIndex(fn);
  if (index >= 0) {
    if (WNDPROC p = Slots()[static_cast<std::size_t>(index)].proc.lock()) return p;
  }
  static std::map<::WNDPROC, WNDPROC> foreign;  // one object per function: identity is stable
  WNDPROC& wrapper = foreign[fn];
  if (!wrapper) wrapper = std::make_shared<ForeignProcedure>(fn);
  return wrapper;
}

// The real procedure to put in hWnd's slot for proc; null when none is left.
::WNDPROC ToReal(HWND hWnd, const WNDPROC& proc) {
  if (auto* foreign = dynamic_cast<const ForeignProcedure*>(proc.get())) return foreign->Function();
  auto it = Records().find(hWnd);
  if (it != Records().end() && it->second.created == proc) return &ClassProc;
  return ThunkFor(proc);
}

bool CheckWindow(HWND hWnd) {
  if (hWnd != 0 && ::IsWindow(Real(hWnd))) return true;
  ::SetLastError(ERROR_INVALID_WINDOW_HANDLE);
  return false;
}

}  // namespace

LRESULT DefWindowProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  return ::DefWindowProcW(Real(hWnd), uMsg, wParam, lParam);
}

namespace win32 {

HWND CreateWindowIn(WNDPROC lpfnWndProc, const WindowPlacement& placement) {
  if (!lpfnWndProc) {
    ::SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  if (!RegisterClassOnce()) return 0;
  WNDPROC previous = std::exchange(g_Creating, lpfnWndProc);
  const DWORD style = placement.style ? placement.style : WS_POPUP;
  ::HWND h = ::CreateWindowExW(placement.exStyle, kClassName, placement.title.c_str(), style, placement.x, placement.y,
                               placement.width, placement.height, Real(placement.parent), nullptr,
                               ::GetModuleHandleW(nullptr), nullptr);
  g_Creating = std::move(previous);
  return Ours(h);
}

int RunMessageLoop() {
  MSG msg;
  while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

int PumpMessages() {
  int count = 0;
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
    ++count;
  }
  return count;
}

}  // namespace win32

HWND CreateWindow(WNDPROC lpfnWndProc) { return win32::CreateWindowIn(std::move(lpfnWndProc), {}); }

BOOL DestroyWindow(HWND hWnd) {
  if (!CheckWindow(hWnd)) return FALSE;
  auto it = Records().find(hWnd);
  if (it != Records().end()) {
    if (it->second.destroying) return TRUE;  // destroyed again from its own WM_DESTROY
    it->second.destroying = true;
  }
  const BOOL ok = ::DestroyWindow(Real(hWnd));
  if (ok) Forget(hWnd);
  return ok;
}

BOOL IsWindow(HWND hWnd) { return hWnd != 0 && ::IsWindow(Real(hWnd)) ? TRUE : FALSE; }

WNDPROC SetWindowLong(HWND hWnd, int nIndex, WNDPROC dwNewLong) {
  if (!CheckWindow(hWnd)) return nullptr;
  if (nIndex != GWL_WNDPROC) {
    ::SetLastError(ERROR_INVALID_INDEX);
    return nullptr;
  }
  if (!dwNewLong) {
    ::SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  ::WNDPROC fn = ToReal(hWnd, dwNewLong);
  if (!fn) {
    ::SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  ::SetLastError(0);
  const LONG_PTR previous = ::SetWindowLongPtrW(Real(hWnd), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(fn));
  if (previous == 0 && ::GetLastError() != 0) return nullptr;
  WNDPROC result = FromReal(hWnd, reinterpret_cast<::WNDPROC>(previous));
  RecordOf(hWnd).current = std::move(dwNewLong);  // after FromReal: the old one stays alive
  return result;
}

WNDPROC GetWindowLong(HWND hWnd, int nIndex) {
  if (!CheckWindow(hWnd)) return nullptr;
  if (nIndex != GWL_WNDPROC) {
    ::SetLastError(ERROR_INVALID_INDEX);
    return nullptr;
  }
  return FromReal(hWnd, reinterpret_cast<::WNDPROC>(::GetWindowLongPtrW(Real(hWnd), GWLP_WNDPROC)));
}

LRESULT CallWindowProc(const WNDPROC& lpPrevWndFunc, HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  WNDPROC keep = lpPrevWndFunc;  // the caller's pointer may be reset during the call
  if (!keep) return 0;
  if (::WNDPROC fn = ToReal(hWnd, keep)) {
    return ::CallWindowProcW(fn, Real(hWnd), uMsg, wParam, lParam);
  }
  return (*keep)(hWnd, uMsg, wParam, lParam);
}

LRESULT SendMessage(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  if (!CheckWindow(hWnd)) return 0;
  return ::SendMessageW(Real(hWnd), uMsg, wParam, lParam);
}

BOOL PostMessage(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  if (!CheckWindow(hWnd)) return FALSE;
  return ::PostMessageW(Real(hWnd), uMsg, wParam, lParam);
}

namespace {

// Takes the posted messages waiting now off the queue, oldest first.
std::vector<MSG> TakePosted() {
  std::vector<MSG> taken;
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE | PM_QS_POSTMESSAGE)) {
    if (msg.message == WM_QUIT) {
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    taken.push_back(msg);
  }
  return taken;
}

}  // namespace

int DispatchPostedMessages() {
  int sent = 0;
  for (const MSG& msg : TakePosted()) {  // later posts wait for the next call
    if (msg.hwnd && !::IsWindow(msg.hwnd)) continue;
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
    ++sent;
  }
  return sent;
}

int PostedMessageCount() {
  const std::vector<MSG> taken = TakePosted();
  for (const MSG& msg : taken) {
    if (msg.hwnd) {
      ::PostMessageW(msg.hwnd, msg.message, msg.wParam, msg.lParam);
    } else {
      ::PostThreadMessageW(::GetCurrentThreadId(), msg.message, msg.wParam, msg.lParam);
    }
  }
  return static_cast<int>(taken.size());
}

DWORD GetWindowThreadProcessId(HWND hWnd, DWORD* lpdwProcessId) {
  if (!CheckWindow(hWnd)) return 0;
  ::DWORD pid = 0;
  const ::DWORD tid = ::GetWindowThreadProcessId(Real(hWnd), &pid);
  if (lpdwProcessId) *lpdwProcessId = pid;
  return tid;
}

DWORD GetCurrentProcessId() { return ::GetCurrentProcessId(); }
DWORD GetCurrentThreadId() { return ::GetCurrentThreadId(); }

DWORD GetLastError() { return ::GetLastError(); }
void SetLastError(DWORD dwErrCode) { ::SetLastError(dwErrCode); }

// --- Mouse leave: the system's own tracking ------------------------------------------------

static_assert(sizeof(platform::TRACKMOUSEEVENT) == sizeof(::TRACKMOUSEEVENT));
static_assert(offsetof(platform::TRACKMOUSEEVENT, hwndTrack) == offsetof(::TRACKMOUSEEVENT, hwndTrack));
static_assert(offsetof(platform::TRACKMOUSEEVENT, dwHoverTime) == offsetof(::TRACKMOUSEEVENT, dwHoverTime));

BOOL TrackMouseEvent(TRACKMOUSEEVENT* lpEventTrack) {
  if (!lpEventTrack || lpEventTrack->cbSize != sizeof(TRACKMOUSEEVENT)) {
    ::SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  if (!(lpEventTrack->dwFlags & TME_QUERY) && !CheckWindow(lpEventTrack->hwndTrack)) return FALSE;
  return ::TrackMouseEvent(reinterpret_cast<::TRACKMOUSEEVENT*>(lpEventTrack));
}

// The system knows where the pointer is; a host has nothing to report here.
void SetPointerInside(HWND, bool) {}

bool IsPointerInside(HWND hWnd) {
  ::POINT pt;
  if (!IsWindow(hWnd) || !::GetCursorPos(&pt)) return false;
  return ::WindowFromPoint(pt) == Real(hWnd);
}

bool IsLeaveTracked(HWND hWnd) {
  ::TRACKMOUSEEVENT tme{};
  tme.cbSize = sizeof tme;
  tme.dwFlags = TME_QUERY;
  if (!::TrackMouseEvent(&tme)) return false;
  return tme.hwndTrack == Real(hWnd) && (tme.dwFlags & TME_LEAVE);
}

}  // namespace platform
