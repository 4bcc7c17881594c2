#pragma once
// The object a hook calls back. A control that hooks windows derives from SubclassOwner and
// overrides OnHookMessage; the override may be private.
//
// Callback contract: bBefore is true for the call before the window's previous procedure.
// Setting bHandled in a before call consumes the message (the previous procedure and the after
// call do not run) and lReturn is what the window procedure returns; an after call may change
// lReturn. lParamUser refers to the hook's user value (sc_Subclass, sc_SetUserValue).
#include <vector>

#include "platform/WinTypes.h"

namespace hook {

class SubclassOwner {
 public:
  using HookCallback = void (SubclassOwner::*)(bool bBefore, bool& bHandled, platform::LRESULT& lReturn,
                                               platform::HWND hWnd, platform::UINT uMsg, platform::WPARAM wParam,
                                               platform::LPARAM lParam, platform::LONG& lParamUser);

  virtual ~SubclassOwner() = default;

  // The owner's callable methods in declaration order; sc_Subclass picks one by ordinal,
  // counted from the end (1 = the last). By default the only one is OnHookMessage.
  virtual std::vector<HookCallback> HookCallbacks() { return {&SubclassOwner::OnHookMessage}; }

  virtual void OnHookMessage(bool bBefore, bool& bHandled, platform::LRESULT& lReturn, platform::HWND hWnd,
                             platform::UINT uMsg, platform::WPARAM wParam, platform::LPARAM lParam,
                             platform::LONG& lParamUser) = 0;
};

}  // namespace hook
