#include "hook/Subclasser.h"

#include <algorithm>
#include <cstdio>
#include <exception>

#include "platform/EventLog.h"
#include "platform/MessageBox.h"
#include "platform/Window.h"

namespace hook {

using platform::HWND;
using platform::LONG;

Subclasser::Subclasser(SubclassOwner& self, std::string className) : m_Self(self), m_ClassName(std::move(className)) {}

Subclasser::~Subclasser() {
  // Newest first: each record that still owns the window hands it to the one below.
  for (auto it = m_Made.rbegin(); it != m_Made.rend(); ++it) {
    if (auto record = it->lock()) record->DetachOwner();
  }
}

bool Subclasser::sc_Subclass(HWND hWnd, LONG lParamUser, int nOrdinal, SubclassOwner* oCallback, bool /*bIdeSafety*/) {
  if (!platform::IsWindow(hWnd)) {
    zReportError("sc_Subclass", "Invalid window handle");
    return false;
  }
  platform::DWORD pid = 0;
  const platform::DWORD tid = platform::GetWindowThreadProcessId(hWnd, &pid);
  if (pid != platform::GetCurrentProcessId()) {
    zReportError("sc_Subclass", "Window handle belongs to another process");
    return false;
  }
  // Its messages would run the records and tables on that thread while this one uses them.
  if (tid != platform::GetCurrentThreadId()) {
    zReportError("sc_Subclass", "Window handle belongs to another thread");
    return false;
  }
  SubclassOwner* owner = oCallback ? oCallback : &m_Self;
  const SubclassOwner::HookCallback callback = zFindCallback(owner, nOrdinal);
  if (!callback) {
    zReportError("sc_Subclass", "Callback method not found");
    return false;
  }
  m_Started = true;

  std::shared_ptr<HookRecord> record;
  try {
    record = std::make_shared<HookRecord>(hWnd, owner, callback, lParamUser);
    if (Lookup(hWnd)) {
      zReportError("sc_Subclass", "Window handle is already subclassed");
      return false;
    }
    m_Registry.emplace_back(hWnd, nullptr);
    std::erase_if(m_Made, [](const auto& w) { return w.expired(); });
    m_Made.push_back(record);
  } catch (const std::exception&) {
    zReportError("sc_Subclass", "VirtualAlloc failed, error: " + std::to_string(platform::ERROR_NOT_ENOUGH_MEMORY));
    return false;
  }

  platform::WNDPROC previous = platform::SetWindowLong(hWnd, platform::GWL_WNDPROC, record);
  if (!previous) {
    // The registry entry stays without a record; sc_UnSubclass only removes it.
    zReportError("sc_Subclass", "SetWindowLong failed, error #" + std::to_string(platform::GetLastError()));
    return false;
  }
  record->PreviousWndProc = std::move(previous);
  m_Registry.back().second = std::move(record);
  return true;
}

void Subclasser::sc_UnSubclass(HWND hWnd) {
  if (!m_Started) {
    zReportError("sc_UnSubclass", "Window handle isn't subclassed");
    return;
  }
  if (!Lookup(hWnd)) {
    zMap_hWnd(hWnd);  // reports the unknown handle once; nothing else to do
    return;
  }
  if (zMap_hWnd(hWnd)) {
    m_Current->RequestRelease();
    zDelMsg(ALL_MESSAGES, TABLE_BEFORE);
    zDelMsg(ALL_MESSAGES, TABLE_AFTER);
  }
  m_Current = nullptr;
  std::erase_if(m_Registry, [hWnd](const Entry& e) { return e.first == hWnd; });
}

void Subclasser::sc_UnSubclassAll() {
  if (!m_Started) return;
  // Last hooked first; sc_UnSubclass removes each entry it is given.
  while (!m_Registry.empty()) {
    const Entry& last = m_Registry.back();
    if (last.second) {
      sc_UnSubclass(last.first);
    } else {
      m_Registry.pop_back();
    }
  }
  m_Current = nullptr;
  m_Started = false;
}

void Subclasser::sc_WatchMsg(HWND hWnd, LONG uMsg, int When) {
  if (!zMap_hWnd(hWnd)) return;
  if (When & HOOK_BEFORE) zAddMsg(uMsg, TABLE_BEFORE);
  if (When & HOOK_AFTER) zAddMsg(uMsg, TABLE_AFTER);
}

void Subclasser::sc_UnwatchMsg(HWND hWnd, LONG uMsg, int When) {
  if (!zMap_hWnd(hWnd)) return;
  if (When & HOOK_BEFORE) zDelMsg(uMsg, TABLE_BEFORE);
  if (When & HOOK_AFTER) zDelMsg(uMsg, TABLE_AFTER);
}

platform::LRESULT Subclasser::sc_CallPrevious(HWND hWnd, platform::UINT uMsg, platform::WPARAM wParam,
                                              platform::LPARAM lParam) {
  HookRecord* record = zMap_hWnd(hWnd);
  if (!record) return 0;
  return record->CallPrevious(hWnd, uMsg, wParam, lParam);
}

LONG Subclasser::sc_GetUserValue(HWND hWnd) {
  HookRecord* record = zMap_hWnd(hWnd);
  return record ? record->UserValue : 0;
}

void Subclasser::sc_SetUserValue(HWND hWnd, LONG lParamUser) {
  if (HookRecord* record = zMap_hWnd(hWnd)) record->UserValue = lParamUser;
}

std::optional<MessageTable> Subclasser::TableOf(HWND hWnd, int When) const {
  const Entry* e = Lookup(hWnd);
  if (!e || !e->second) return std::nullopt;
  return When == HOOK_BEFORE ? e->second->BeforeTable : e->second->AfterTable;
}

void Subclasser::zAddMsg(LONG uMsg, int nTable) {
  MessageTable* table = CurrentTable(nTable);
  if (!table) return;
  MessageTable& t = *table;
  if (uMsg == ALL_MESSAGES) {
    t[0] = ALL_MESSAGES;
    return;
  }
  const LONG count = t[0];
  if (count >= MSG_ENTRIES) {
    zReportError("zAddMsg",
                 "Message table overflow. Either increase the value of Const MSG_ENTRIES or use "
                 "ALL_MESSAGES instead of specific message values");
    return;
  }
  for (LONG i = 1; i <= count; ++i) {
    if (t[i] == 0) {
      t[i] = uMsg;
      return;
    }
    if (t[i] == uMsg) return;
  }
  // A table watching every message becomes one watching only this one.
  const LONG slot = count >= 1 ? count + 1 : 1;
  t[slot] = uMsg;
  t[0] = slot;
}

void Subclasser::zDelMsg(LONG uMsg, int nTable) {
  MessageTable* table = CurrentTable(nTable);
  if (!table) return;
  MessageTable& t = *table;
  if (uMsg == ALL_MESSAGES) {
    t[0] = 0;
    return;
  }
  for (LONG i = 1; i <= t[0] && i <= MSG_ENTRIES; ++i) {
    if (t[i] == uMsg) {
      t[i] = 0;
      return;
    }
  }
  char hex[16];
  std::snprintf(hex, sizeof hex, "%X", static_cast<unsigned>(uMsg));
  zReportError("zDelMsg", std::string("Message &H") + hex + " not found in table");
}

HookRecord* Subclasser::zMap_hWnd(HWND hWnd) {
  m_Current = nullptr;
  if (!m_Started) {
    zReportError("zMap_hWnd", "Subclassing hasn't been started");
    return nullptr;
  }
  const Entry* e = Lookup(hWnd);
  if (!e) {
    zReportError("zMap_hWnd", "Window handle isn't subclassed");
    return nullptr;
  }
  m_Current = e->second.get();  // null after a failed install: no valid record
  return m_Current;
}

SubclassOwner::HookCallback Subclasser::zFindCallback(SubclassOwner* oOwner, int nOrdinal) {
  if (!oOwner || nOrdinal < 1) return nullptr;
  std::vector<SubclassOwner::HookCallback> methods;
  try {
    methods = oOwner->HookCallbacks();
  } catch (const std::exception&) {
    return nullptr;
  }
  if (static_cast<std::size_t>(nOrdinal) > methods.size()) return nullptr;
  return methods[methods.size() - static_cast<std::size_t>(nOrdinal)];
}

void Subclasser::zReportError(const std::string& sRoutine, const std::string& sMsg) {
  // A failing sink must not turn a report into an exception out of the engine.
  try {
    platform::LogEvent(m_ClassName + "." + sRoutine + ": " + sMsg, platform::EVENTLOG_ERROR);
  } catch (...) {
  }
  try {
    platform::MessageBox(sMsg + ".", "Error in " + m_ClassName + "." + sRoutine,
                         platform::MB_OK | platform::MB_ICONEXCLAMATION);
  } catch (...) {
  }
}

MessageTable* Subclasser::CurrentTable(int nTable) {
  if (!m_Current) return nullptr;
  if (nTable == TABLE_BEFORE) return &m_Current->BeforeTable;
  if (nTable == TABLE_AFTER) return &m_Current->AfterTable;
  return nullptr;
}

const Subclasser::Entry* Subclasser::Lookup(HWND hWnd) const {
  auto it = std::find_if(m_Registry.begin(), m_Registry.end(), [hWnd](const Entry& e) { return e.first == hWnd; });
  return it == m_Registry.end() ? nullptr : &*it;
}

}  // namespace hook
