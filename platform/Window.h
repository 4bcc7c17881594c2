#pragma once
/// \file
/// Windows of the stand-in platform: handles, window procedures, sending and posting messages,
/// the last-error value. Everything runs on the one UI thread.
///
/// A host drives a window like this: CreateWindow with its default procedure; for each input,
/// SetPointerInside (MouseLeave.h) when the pointer crosses the window's shape, then
/// SendMessage(WM_MOUSEMOVE, key-state mask, MAKELPARAM(x, y)) and the like through the window's
/// current procedure, then DispatchPostedMessages; SetWindowRgnChangedHandler (Regions.h) keeps
/// its mask in step with the window's region.
///
/// A window procedure is an object with identity (WNDPROC = shared_ptr<WindowProcedure>), so
/// "does the window still point at our procedure?" is a pointer comparison. A window keeps its
/// current procedure alive; SendMessage and CallWindowProc keep it alive for the call, so a
/// procedure that is replaced or whose window is destroyed during its own call is not freed
/// under its feet.
#include <functional>
#include <memory>

#include "platform/WinTypes.h"

namespace platform {

/// A window procedure: an object with identity (see WNDPROC).
class WindowProcedure {
 public:
  virtual ~WindowProcedure() = default;  ///< Deleted through this interface.
  /// Handles message uMsg of hWnd and returns its result.
  virtual LRESULT operator()(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) = 0;
};

/// A window procedure as windows hold it: shared, compared by identity.
using WNDPROC = std::shared_ptr<WindowProcedure>;
/// A callable that MakeWindowProc turns into a window procedure.
using WindowProcFunction = std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)>;

/// Wraps a callable as a window procedure (a new identity per call).
WNDPROC MakeWindowProc(WindowProcFunction fn);

/// A procedure that handles nothing and returns 0 (DefWindowProc's role).
LRESULT DefWindowProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

/// Creates a window of the current process whose procedure is lpfnWndProc (must not be null).
/// Handles are never reused, so a destroyed window's handle stays invalid.
HWND CreateWindow(WNDPROC lpfnWndProc);
/// Sends WM_DESTROY and WM_NCDESTROY through the current procedure, then forgets the window,
/// its region and its pending posted messages. FALSE for an invalid handle.
BOOL DestroyWindow(HWND hWnd);
/// TRUE while hWnd is a window that exists.
BOOL IsWindow(HWND hWnd);

/// nIndex must be GWL_WNDPROC. SetWindowLong returns the previous procedure, or null on failure
/// (invalid window: ERROR_INVALID_WINDOW_HANDLE; other index or null procedure:
/// ERROR_INVALID_INDEX / ERROR_INVALID_PARAMETER).
///@{
WNDPROC SetWindowLong(HWND hWnd, int nIndex, WNDPROC dwNewLong);
WNDPROC GetWindowLong(HWND hWnd, int nIndex);
///@}

/// Calls lpPrevWndFunc directly; 0 when it is null.
LRESULT CallWindowProc(const WNDPROC& lpPrevWndFunc, HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
/// Calls the window's current procedure; 0 for an invalid window.
LRESULT SendMessage(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

/// Queues a message for DispatchPostedMessages. FALSE for an invalid window.
BOOL PostMessage(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
/// Sends the messages that were queued when the call began, oldest first; messages posted
/// while dispatching wait for the next call, so a handler that posts again cannot loop here.
/// Messages for windows destroyed meanwhile are dropped. Returns the number sent.
int DispatchPostedMessages();
/// Number of messages waiting.
int PostedMessageCount();

/// Returns the thread id (non-zero) and stores the owning process in *lpdwProcessId;
/// 0 for an invalid window.
DWORD GetWindowThreadProcessId(HWND hWnd, DWORD* lpdwProcessId);
/// The calling process.
DWORD GetCurrentProcessId();
/// The calling thread; the stand-in has one, the user-interface thread.
DWORD GetCurrentThreadId();

/// The calling thread's last-error value (ERROR_INVALID_WINDOW_HANDLE and the like).
///@{
DWORD GetLastError();
void SetLastError(DWORD dwErrCode);
///@}

namespace testhooks {
/// Test-only: pretend that hWnd belongs to another process.
void SetWindowProcessId(HWND hWnd, DWORD processId);
/// Test-only: pretend that hWnd was made by another thread of this process.
void SetWindowThreadId(HWND hWnd, DWORD threadId);
}  // namespace testhooks

}  // namespace platform
