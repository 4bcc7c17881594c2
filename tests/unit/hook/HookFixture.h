#pragma once
// A window whose own procedure records "P<msg>", an owner whose callback records "B<msg>" or
// "A<msg>", a Subclasser for that owner and recording sinks. Messages are in hex.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "hook/Subclasser.h"
#include "platform/Window.h"
#include "tests/support/RecordingSinks.h"

namespace hooktest {

namespace p = platform;
using Trace = std::vector<std::string>;

inline std::string Hex(p::UINT m) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%X", m);
  return buf;
}

using CallbackAction = std::function<void(bool bBefore, bool& bHandled, p::LRESULT& lReturn, p::HWND, p::UINT,
                                          p::WPARAM, p::LPARAM, p::LONG&)>;

class RecordingOwner : public hook::SubclassOwner {
 public:
  explicit RecordingOwner(Trace& trace) : m_Trace(trace) {}
  CallbackAction action;

  void OnHookMessage(bool bBefore, bool& bHandled, p::LRESULT& lReturn, p::HWND hWnd, p::UINT uMsg, p::WPARAM wParam,
                     p::LPARAM lParam, p::LONG& lParamUser) override {
    m_Trace.push_back((bBefore ? "B" : "A") + Hex(uMsg));
    if (action) action(bBefore, bHandled, lReturn, hWnd, uMsg, wParam, lParam, lParamUser);
  }

 private:
  Trace& m_Trace;
};

class HookTest : public ::testing::Test {
 protected:
  static constexpr p::LRESULT kOwnResult = 42;

  void SetUp() override {
    original = p::MakeWindowProc([this](p::HWND h, p::UINT m, p::WPARAM w, p::LPARAM l) {
      trace.push_back("P" + Hex(m));
      if (ownAction) return ownAction(h, m, w, l);
      return kOwnResult;
    });
    hWnd = p::CreateWindow(original);
  }
  void TearDown() override {
    sc.reset();
    if (p::IsWindow(hWnd)) {
      ownAction = nullptr;
      p::DestroyWindow(hWnd);
    }
    p::DispatchPostedMessages();
  }

  // Sends and returns only the trace that message produced.
  Trace Send(p::UINT m, p::WPARAM w = 0, p::LPARAM l = 0) {
    trace.clear();
    lastResult = p::SendMessage(hWnd, m, w, l);
    return trace;
  }
  bool WindowPointsAtOriginal() const { return p::GetWindowLong(hWnd, p::GWL_WNDPROC) == original; }
  std::vector<std::string> LogTexts() { return sinks.log().Texts(); }

  p::test::ScopedRecordingSinks sinks;
  Trace trace;
  std::function<p::LRESULT(p::HWND, p::UINT, p::WPARAM, p::LPARAM)> ownAction;
  p::WNDPROC original;
  p::HWND hWnd = 0;
  p::LRESULT lastResult = 0;
  RecordingOwner owner{trace};
  std::unique_ptr<hook::Subclasser> sc = std::make_unique<hook::Subclasser>(owner, "GlossButton");
};

}  // namespace hooktest
