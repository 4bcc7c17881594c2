#include "hook/HookRecord.h"

namespace hook {

using platform::HWND;
using platform::LPARAM;
using platform::LRESULT;
using platform::UINT;
using platform::WPARAM;

// Counts a call through the record; the outermost one to end performs a pending release, also
// when the call ends by an exception from the owner or the previous procedure.
class HookRecord::CallScope {
 public:
  explicit CallScope(HookRecord& r) : m_Self(r.shared_from_this()) { ++m_Self->m_CallDepth; }
  ~CallScope() {
    if (--m_Self->m_CallDepth == 0 && m_Self->m_ReleasePending) m_Self->Release();
  }
  CallScope(const CallScope&) = delete;
  CallScope& operator=(const CallScope&) = delete;

 private:
  std::shared_ptr<HookRecord> m_Self;  // the window may drop us during the call
};

HookRecord::HookRecord(HWND hWnd, SubclassOwner* owner, SubclassOwner::HookCallback callback, platform::LONG userValue)
    : UserValue(userValue), m_hWnd(hWnd), m_Owner(owner), m_Callback(callback) {}

bool HookRecord::Watches(const MessageTable& table, UINT uMsg) {
  const platform::LONG count = table[0];
  if (count == 0) return false;
  if (count < 0) return true;
  const auto msg = static_cast<platform::LONG>(uMsg);
  for (platform::LONG i = 1; i <= count && i <= MSG_ENTRIES; ++i) {
    if (table[i] != 0 && table[i] == msg) return true;
  }
  return false;
}

LRESULT HookRecord::operator()(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  CallScope scope(*this);
  if (m_Released) return platform::CallWindowProc(PreviousWndProc, hWnd, uMsg, wParam, lParam);

  bool bHandled = false;
  LRESULT lReturn = 0;
  if (Watches(BeforeTable, uMsg)) Invoke(true, bHandled, lReturn, uMsg, wParam, lParam);
  if (bHandled) return lReturn;

  lReturn = CallPrevious(hWnd, uMsg, wParam, lParam);
  // A release asked for meanwhile ends this message without its after call.
  if (m_ReleasePending) return lReturn;
  if (Watches(AfterTable, uMsg)) Invoke(false, bHandled, lReturn, uMsg, wParam, lParam);
  return lReturn;
}

LRESULT HookRecord::CallPrevious(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  CallScope scope(*this);
  struct RunGuard {
    int& n;
    explicit RunGuard(int& c) : n(c) { ++n; }
    ~RunGuard() { --n; }
  } run(m_RunCount);
  return platform::CallWindowProc(PreviousWndProc, hWnd, uMsg, wParam, lParam);
}

void HookRecord::Invoke(bool bBefore, bool& bHandled, LRESULT& lReturn, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  if (!m_Owner || !m_Callback || m_ReleasePending) return;
  (m_Owner->*m_Callback)(bBefore, bHandled, lReturn, m_hWnd, uMsg, wParam, lParam, UserValue);
}

void HookRecord::RequestRelease() {
  m_ReleasePending = true;
  BeforeTable[0] = 0;
  AfterTable[0] = 0;
}

void HookRecord::DetachOwner() {
  m_Owner = nullptr;
  m_Callback = nullptr;
  RequestRelease();
  if (m_CallDepth == 0) Release();
}

void HookRecord::Release() {
  // Also runs again for a released record: a hook stacked on top of us may since have been
  // removed and given the window back to us, and then we step aside too.
  m_Released = true;
  m_Owner = nullptr;
  m_Callback = nullptr;
  if (platform::IsWindow(m_hWnd) && platform::GetWindowLong(m_hWnd, platform::GWL_WNDPROC).get() == this) {
    platform::SetWindowLong(m_hWnd, platform::GWL_WNDPROC, FirstLiveBelow());
  }
}

platform::WNDPROC HookRecord::FirstLiveBelow() const {
  // Records below us that are released, or waiting for a message with no call in progress,
  // would only pass messages on: the window skips them and gets the first live procedure now.
  platform::WNDPROC proc = PreviousWndProc;
  while (auto* below = dynamic_cast<HookRecord*>(proc.get())) {
    if (!below->m_Released && !(below->m_ReleasePending && below->m_CallDepth == 0)) break;
    below->m_Released = true;
    below->m_Owner = nullptr;
    below->m_Callback = nullptr;
    proc = below->PreviousWndProc;
  }
  return proc;
}

}  // namespace hook
