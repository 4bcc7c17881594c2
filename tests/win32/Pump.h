#pragma once
// Runs the thread's message loop for the real-window tests.
#include <windows.h>

// Pumps until done() or the time runs out; true when done.
template <typename Done>
bool PumpUntil(Done done, int milliseconds = 3000) {
  const ULONGLONG end = ::GetTickCount64() + static_cast<ULONGLONG>(milliseconds);
  while (!done()) {
    if (::GetTickCount64() > end) return false;
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
    ::Sleep(10);
  }
  return true;
}

// Pumps for the given time.
inline void Pump(int milliseconds) {
  PumpUntil([] { return false; }, milliseconds);
}
