#include "platform/Window.h"

#include <deque>
#include <map>
#include <utility>

#include <unistd.h>

#include "platform/standin/WindowTable.h"

namespace platform {
namespace {

struct PostedMessage {
  HWND hWnd;
  UINT uMsg;
  WPARAM wParam;
  LPARAM lParam;
};

struct WindowState {
  std::map<HWND, detail::WindowRecord> windows;
  HWND nextHandle = 0x10010;
  std::deque<PostedMessage> posted;
  DWORD lastError = ERROR_SUCCESS;
};

WindowState& State() {
  static WindowState state;
  return state;
}

constexpr DWORD kUiThreadId = 1;

}  // namespace

namespace detail {
WindowRecord* FindWindowRecord(HWND hWnd) {
  auto& windows = State().windows;
  auto it = windows.find(hWnd);
  return it == windows.end() ? nullptr : &it->second;
}
}  // namespace detail

namespace {

// The window, or null with the last error set for an invalid handle.
detail::WindowRecord* FindValidWindow(HWND hWnd) {
  auto* rec = detail::FindWindowRecord(hWnd);
  if (!rec) SetLastError(ERROR_INVALID_WINDOW_HANDLE);
  return rec;
}

// The window whose nIndex value is asked for; null with the last error set when the window is
// invalid or the index is not GWL_WNDPROC, the only value windows keep here.
detail::WindowRecord* FindProcedureSlot(HWND hWnd, int nIndex) {
  auto* rec = FindValidWindow(hWnd);
  if (!rec) return nullptr;
  if (nIndex != GWL_WNDPROC) {
    SetLastError(ERROR_INVALID_INDEX);
    return nullptr;
  }
  return rec;
}

}  // namespace

LRESULT DefWindowProc(HWND, UINT, WPARAM, LPARAM) { return 0; }

HWND CreateWindow(WNDPROC lpfnWndProc) {
  if (!lpfnWndProc) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  auto& s = State();
  const HWND h = s.nextHandle;
  s.nextHandle += 4;
  detail::WindowRecord rec;
  rec.proc = std::move(lpfnWndProc);
  rec.processId = GetCurrentProcessId();
  rec.threadId = kUiThreadId;
  s.windows.emplace(h, std::move(rec));
  return h;
}

BOOL DestroyWindow(HWND hWnd) {
  auto* rec = FindValidWindow(hWnd);
  if (!rec) return FALSE;
  if (rec->destroying) return TRUE;  // destroyed again from its own WM_DESTROY
  rec->destroying = true;
  SendMessage(hWnd, WM_DESTROY, 0, 0);
  SendMessage(hWnd, WM_NCDESTROY, 0, 0);
  auto& s = State();
  s.windows.erase(hWnd);
  std::erase_if(s.posted, [hWnd](const PostedMessage& m) { return m.hWnd == hWnd; });
  return TRUE;
}

BOOL IsWindow(HWND hWnd) { return detail::FindWindowRecord(hWnd) ? TRUE : FALSE; }

WNDPROC SetWindowLong(HWND hWnd, int nIndex, WNDPROC dwNewLong) {
  auto* rec = FindProcedureSlot(hWnd, nIndex);
  if (!rec) return nullptr;
  if (!dwNewLong) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return std::exchange(rec->proc, std::move(dwNewLong));
}

WNDPROC GetWindowLong(HWND hWnd, int nIndex) {
  auto* rec = FindProcedureSlot(hWnd, nIndex);
  return rec ? rec->proc : nullptr;
}

LRESULT CallWindowProc(const WNDPROC& lpPrevWndFunc, HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  WNDPROC keep = lpPrevWndFunc;  // the caller's pointer may be reset during the call
  return keep ? (*keep)(hWnd, uMsg, wParam, lParam) : 0;
}

LRESULT SendMessage(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  auto* rec = FindValidWindow(hWnd);
  if (!rec) return 0;
  WNDPROC proc = rec->proc;  // alive for the call even if replaced or destroyed meanwhile
  return (*proc)(hWnd, uMsg, wParam, lParam);
}

BOOL PostMessage(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  if (!FindValidWindow(hWnd)) return FALSE;
  State().posted.push_back({hWnd, uMsg, wParam, lParam});
  return TRUE;
}

int DispatchPostedMessages() {
  auto& s = State();
  std::size_t budget = s.posted.size();
  int sent = 0;
  while (budget-- > 0 && !s.posted.empty()) {
    const PostedMessage m = s.posted.front();
    s.posted.pop_front();
    if (!IsWindow(m.hWnd)) continue;
    SendMessage(m.hWnd, m.uMsg, m.wParam, m.lParam);
    ++sent;
  }
  return sent;
}

int PostedMessageCount() { return static_cast<int>(State().posted.size()); }

DWORD GetWindowThreadProcessId(HWND hWnd, DWORD* lpdwProcessId) {
  auto* rec = FindValidWindow(hWnd);
  if (!rec) return 0;
  if (lpdwProcessId) *lpdwProcessId = rec->processId;
  return rec->threadId;
}

DWORD GetCurrentProcessId() { return static_cast<DWORD>(::getpid()); }
DWORD GetCurrentThreadId() { return kUiThreadId; }

DWORD GetLastError() { return State().lastError; }
void SetLastError(DWORD dwErrCode) { State().lastError = dwErrCode; }

namespace testhooks {
void SetWindowProcessId(HWND hWnd, DWORD processId) {
  if (auto* rec = detail::FindWindowRecord(hWnd)) rec->processId = processId;
}
void SetWindowThreadId(HWND hWnd, DWORD threadId) {
  if (auto* rec = detail::FindWindowRecord(hWnd)) rec->threadId = threadId;
}
}  // namespace testhooks

}  // namespace platform
