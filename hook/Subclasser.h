#pragma once
// The subclass engine of one control: hooks windows of the current process so that the owner
// sees chosen messages before and/or after the window's own procedure.
//
// Typical use by a control that derives from SubclassOwner:
//   hook::Subclasser m_Subclass{*this, "GlossButton"};
//   m_Subclass.sc_Subclass(hWnd);                                   // callback ordinal 1
//   m_Subclass.sc_WatchMsg(hWnd, platform::WM_MOUSEMOVE, hook::HOOK_AFTER);
//   ...
//   m_Subclass.sc_UnSubclassAll();                                  // at termination
//
// The engine never throws. Each failure is written to the event log as
// "<class>.<routine>: <message>" and shown in a warning box titled "Error in <class>.<routine>"
// with the text "<message>."; the routine then returns its failure value. Exceptions raised by
// the owner's callback or by the window's previous procedure are not the engine's: they pass
// to whoever sent the message, and a pending release still happens as the calls unwind.
// Destroying the Subclasser releases every record it made: a window whose procedure is still one
// of ours gets its previous procedure back (at once, or when the call in progress through it ends).
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "hook/HookRecord.h"
#include "hook/SubclassOwner.h"
#include "platform/WinTypes.h"

namespace hook {

class Subclasser {
 public:
  // self is the default owner ("nothing" in sc_Subclass); className names it in error reports.
  Subclasser(SubclassOwner& self, std::string className);
  ~Subclasser();
  Subclasser(const Subclasser&) = delete;
  Subclasser& operator=(const Subclasser&) = delete;

  // Hooks hWnd. nOrdinal picks oCallback's callback counted from its last one (1 = the last);
  // oCallback null means the control itself, and another owner must outlive the hook.
  // bIdeSafety is accepted for the caller's sake; there is no development environment to ask.
  bool sc_Subclass(platform::HWND hWnd, platform::LONG lParamUser = 0, int nOrdinal = 1,
                   SubclassOwner* oCallback = nullptr, bool bIdeSafety = true);
  // Asks for release (the window keeps the hook until its next message, but the callback is
  // never called again) and forgets hWnd.
  void sc_UnSubclass(platform::HWND hWnd);
  void sc_UnSubclassAll();
  // uMsg may be ALL_MESSAGES; When is a mask of HOOK_BEFORE and HOOK_AFTER.
  void sc_WatchMsg(platform::HWND hWnd, platform::LONG uMsg, int When = HOOK_AFTER);
  void sc_UnwatchMsg(platform::HWND hWnd, platform::LONG uMsg, int When = HOOK_AFTER);
  platform::LRESULT sc_CallPrevious(platform::HWND hWnd, platform::UINT uMsg, platform::WPARAM wParam,
                                    platform::LPARAM lParam);
  platform::LONG sc_GetUserValue(platform::HWND hWnd);
  void sc_SetUserValue(platform::HWND hWnd, platform::LONG lParamUser);

  // Inspection, without error reports: whether the registry exists, and a copy of a table.
  bool IsStarted() const { return m_Started; }
  std::optional<MessageTable> TableOf(platform::HWND hWnd, int When) const;

  // Table numbers of zAddMsg / zDelMsg.
  static constexpr int TABLE_BEFORE = 11;
  static constexpr int TABLE_AFTER = 12;

 private:
  using Entry = std::pair<platform::HWND, std::shared_ptr<HookRecord>>;

  void zAddMsg(platform::LONG uMsg, int nTable);
  void zDelMsg(platform::LONG uMsg, int nTable);
  // The record of hWnd made current, or null (reported).
  HookRecord* zMap_hWnd(platform::HWND hWnd);
  static SubclassOwner::HookCallback zFindCallback(SubclassOwner* oOwner, int nOrdinal);
  void zReportError(const std::string& sRoutine, const std::string& sMsg);

  MessageTable* CurrentTable(int nTable);
  const Entry* Lookup(platform::HWND hWnd) const;

  SubclassOwner& m_Self;
  std::string m_ClassName;
  bool m_Started = false;                         // the registry exists
  std::vector<Entry> m_Registry;                  // in order of hooking; a null record = failed install
  std::vector<std::weak_ptr<HookRecord>> m_Made;  // every record made, released or not
  HookRecord* m_Current = nullptr;
};

}  // namespace hook
