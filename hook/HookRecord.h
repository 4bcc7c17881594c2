#pragma once
// One hooked window: the record is itself the window procedure installed in place of the
// window's previous one, so "does the window still point at us?" is a pointer comparison.
//
// Life cycle: Subclasser creates it and installs it; release is asked for with
// RequestRelease(); the outermost call through the record then puts the previous procedure back
// (only if the window still points at this record), skipping released records below it, and
// drops the owner. The record object itself
// lives on while anything holds it (a call in progress keeps it alive), so nothing is used after
// it is freed.
#include <array>
#include <cstdint>
#include <memory>

#include "hook/SubclassOwner.h"
#include "platform/Window.h"

namespace hook {

constexpr int MSG_ENTRIES = 32;
constexpr platform::LONG ALL_MESSAGES = -1;
constexpr int HOOK_BEFORE = 1;
constexpr int HOOK_AFTER = 2;

// Word 0 is the count (0 none, -1 every message, n > 0 entries 1..n); a 0 entry is a deleted
// slot and never matches.
using MessageTable = std::array<platform::LONG, 1 + MSG_ENTRIES>;

class HookRecord final : public platform::WindowProcedure, public std::enable_shared_from_this<HookRecord> {
 public:
  HookRecord(platform::HWND hWnd, SubclassOwner* owner, SubclassOwner::HookCallback callback, platform::LONG userValue);

  // HookWndProc: before table, previous procedure, after table.
  platform::LRESULT operator()(platform::HWND hWnd, platform::UINT uMsg, platform::WPARAM wParam,
                               platform::LPARAM lParam) override;

  // Calls the previous procedure with RunCount held up for the call.
  platform::LRESULT CallPrevious(platform::HWND hWnd, platform::UINT uMsg, platform::WPARAM wParam,
                                 platform::LPARAM lParam);

  // Sets ReleasePending; the next call through the record that ends with no other call in
  // progress releases it (the window keeps the hook until its next message).
  void RequestRelease();
  // The owner is going away: no more callbacks; released at once when no call is in progress,
  // else by the outermost call when it ends.
  void DetachOwner();

  static bool Watches(const MessageTable& table, platform::UINT uMsg);

  platform::HWND hWnd() const { return m_hWnd; }
  int RunCount() const { return m_RunCount; }
  bool ReleasePending() const { return m_ReleasePending; }
  bool Released() const { return m_Released; }
  int CallDepth() const { return m_CallDepth; }

  platform::WNDPROC PreviousWndProc;
  MessageTable BeforeTable{};
  MessageTable AfterTable{};
  platform::LONG UserValue = 0;

 private:
  class CallScope;

  void Invoke(bool bBefore, bool& bHandled, platform::LRESULT& lReturn, platform::UINT uMsg, platform::WPARAM wParam,
              platform::LPARAM lParam);
  // Puts the previous procedure back if the window points at this record.
  void Release();
  // The procedure the window gets back on release: the previous one, past any records below
  // that have nothing left to do.
  platform::WNDPROC FirstLiveBelow() const;

  const platform::HWND m_hWnd;
  SubclassOwner* m_Owner;
  SubclassOwner::HookCallback m_Callback;
  int m_RunCount = 0;   // calls into the previous procedure in progress
  int m_CallDepth = 0;  // calls through this record in progress (any stage)
  bool m_ReleasePending = false;
  bool m_Released = false;
};

}  // namespace hook
