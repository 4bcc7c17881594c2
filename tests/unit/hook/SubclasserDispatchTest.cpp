// Installing a hook and the order of before call, own procedure and after call.
#include "tests/unit/hook/HookFixture.h"

namespace hooktest {
namespace {

using hook::HOOK_AFTER;
using hook::HOOK_BEFORE;

TEST_F(HookTest, MessageSequencesFollowTheTables) {
  ASSERT_TRUE(sc->sc_Subclass(hWnd));
  EXPECT_FALSE(WindowPointsAtOriginal());
  sc->sc_WatchMsg(hWnd, 0x200, HOOK_AFTER);
  sc->sc_WatchMsg(hWnd, 0x201, HOOK_BEFORE);
  sc->sc_WatchMsg(hWnd, 0x202, HOOK_BEFORE | HOOK_AFTER);
  struct Case {
    p::UINT msg;
    Trace expected;
  } cases[] = {
      {0x200, {"P200", "A200"}},
      {0x201, {"B201", "P201"}},
      {0x202, {"B202", "P202", "A202"}},
      {0x2A3, {"P2A3"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Send(c.msg), c.expected) << Hex(c.msg);
    EXPECT_EQ(lastResult, kOwnResult);
  }
  EXPECT_TRUE(LogTexts().empty());
}

TEST_F(HookTest, BeforeCallbackConsumesWithResult) {
  ASSERT_TRUE(sc->sc_Subclass(hWnd));
  sc->sc_WatchMsg(hWnd, 0x200, HOOK_BEFORE | HOOK_AFTER);
  owner.action = [](bool bBefore, bool& bHandled, p::LRESULT& lReturn, auto...) {
    EXPECT_FALSE(bHandled);
    if (bBefore) {
      bHandled = true;
      lReturn = 5;
    }
  };
  EXPECT_EQ(Send(0x200), (Trace{"B200"}));
  EXPECT_EQ(lastResult, 5);
}

TEST_F(HookTest, AfterCallbackSeesAndChangesResult) {
  ASSERT_TRUE(sc->sc_Subclass(hWnd));
  sc->sc_WatchMsg(hWnd, 0x200, HOOK_AFTER);
  owner.action = [](bool, bool& bHandled, p::LRESULT& lReturn, auto...) {
    EXPECT_EQ(lReturn, kOwnResult);
    bHandled = true;  // no effect after the window's own procedure
    lReturn = 7;
  };
  EXPECT_EQ(Send(0x200), (Trace{"P200", "A200"}));
  EXPECT_EQ(lastResult, 7);
}

TEST_F(HookTest, CallbackReceivesMessageAndUserValue) {
  ASSERT_TRUE(sc->sc_Subclass(hWnd, 9));
  sc->sc_WatchMsg(hWnd, p::WM_MOUSEMOVE, HOOK_AFTER);
  owner.action = [this](bool, bool&, p::LRESULT&, p::HWND h, p::UINT m, p::WPARAM w, p::LPARAM l, p::LONG& user) {
    EXPECT_EQ(h, hWnd);
    EXPECT_EQ(m, p::WM_MOUSEMOVE);
    EXPECT_EQ(w, p::MK_RBUTTON);
    EXPECT_EQ(p::GET_X_LPARAM(l), -3);
    EXPECT_EQ(p::GET_Y_LPARAM(l), 4);
    ++user;
  };
  Send(p::WM_MOUSEMOVE, p::MK_RBUTTON, p::MAKELPARAM(-3, 4));
  EXPECT_EQ(sc->sc_GetUserValue(hWnd), 10);
  sc->sc_SetUserValue(hWnd, 100);
  Send(p::WM_MOUSEMOVE, p::MK_RBUTTON, p::MAKELPARAM(-3, 4));
  EXPECT_EQ(sc->sc_GetUserValue(hWnd), 101);
}

TEST_F(HookTest, CallPreviousSkipsCallbacks) {
  ASSERT_TRUE(sc->sc_Subclass(hWnd));
  sc->sc_WatchMsg(hWnd, hook::ALL_MESSAGES, HOOK_BEFORE | HOOK_AFTER);
  trace.clear();
  EXPECT_EQ(sc->sc_CallPrevious(hWnd, 0x200, 0, 0), kOwnResult);
  EXPECT_EQ(trace, (Trace{"P200"}));
}

TEST_F(HookTest, SubclassingTwiceFailsAndFirstHookKeepsWorking) {
  ASSERT_TRUE(sc->sc_Subclass(hWnd));
  sc->sc_WatchMsg(hWnd, 0x200, HOOK_AFTER);
  const p::WNDPROC hookProc = p::GetWindowLong(hWnd, p::GWL_WNDPROC);
  EXPECT_FALSE(sc->sc_Subclass(hWnd));
  EXPECT_EQ(LogTexts(), (std::vector<std::string>{"GlossButton.sc_Subclass: Window handle is already subclassed"}));
  EXPECT_EQ(sinks.box().shown.at(0).text, "Window handle is already subclassed.");
  EXPECT_EQ(sinks.box().shown.at(0).caption, "Error in GlossButton.sc_Subclass");
  EXPECT_EQ(p::GetWindowLong(hWnd, p::GWL_WNDPROC), hookProc);
  EXPECT_EQ(Send(0x200), (Trace{"P200", "A200"}));
}

TEST_F(HookTest, RefusedWindowsAreReported) {
  const p::HWND foreign = p::CreateWindow(p::MakeWindowProc(p::DefWindowProc));
  p::testhooks::SetWindowProcessId(foreign, p::GetCurrentProcessId() + 1);
  const p::HWND otherThread = p::CreateWindow(p::MakeWindowProc(p::DefWindowProc));
  p::testhooks::SetWindowThreadId(otherThread, p::GetCurrentThreadId() + 1);
  const p::HWND gone = p::CreateWindow(p::MakeWindowProc(p::DefWindowProc));
  p::DestroyWindow(gone);

  EXPECT_FALSE(sc->sc_Subclass(gone));
  EXPECT_FALSE(sc->sc_Subclass(0));
  EXPECT_FALSE(sc->sc_Subclass(foreign));
  EXPECT_FALSE(sc->sc_Subclass(otherThread));
  EXPECT_EQ(LogTexts(), (std::vector<std::string>{"GlossButton.sc_Subclass: Invalid window handle",
                                                  "GlossButton.sc_Subclass: Invalid window handle",
                                                  "GlossButton.sc_Subclass: Window handle belongs to another process",
                                                  "GlossButton.sc_Subclass: Window handle belongs to another thread"}));
  EXPECT_FALSE(sc->IsStarted());
  p::DestroyWindow(foreign);
  p::DestroyWindow(otherThread);
}

// An owner with three callable methods: the ordinal counts back from the last one.
class ThreeMethodOwner : public hook::SubclassOwner {
 public:
  std::vector<int> calls;
  std::vector<HookCallback> HookCallbacks() override {
    return {static_cast<HookCallback>(&ThreeMethodOwner::First), static_cast<HookCallback>(&ThreeMethodOwner::Second),
            &SubclassOwner::OnHookMessage};
  }
  void First(bool, bool&, p::LRESULT&, p::HWND, p::UINT, p::WPARAM, p::LPARAM, p::LONG&) { calls.push_back(1); }
  void Second(bool, bool&, p::LRESULT&, p::HWND, p::UINT, p::WPARAM, p::LPARAM, p::LONG&) { calls.push_back(2); }
  void OnHookMessage(bool, bool&, p::LRESULT&, p::HWND, p::UINT, p::WPARAM, p::LPARAM, p::LONG&) override {
    calls.push_back(3);
  }
};

TEST_F(HookTest, OrdinalPicksCallbackFromTheEndOfAnotherOwner) {
  ThreeMethodOwner other;
  struct Case {
    int ordinal;
    int expected;  // method called, 0 = "Callback method not found"
  } cases[] = {{1, 3}, {2, 2}, {3, 1}, {4, 0}, {0, 0}};
  for (const auto& c : cases) {
    sinks.Clear();
    other.calls.clear();
    hook::Subclasser engine(owner, "GlossButton");
    const bool ok = engine.sc_Subclass(hWnd, 0, c.ordinal, &other);
    EXPECT_EQ(ok, c.expected != 0) << c.ordinal;
    if (!ok) {
      EXPECT_EQ(LogTexts(), (std::vector<std::string>{"GlossButton.sc_Subclass: Callback method not found"}));
      continue;
    }
    engine.sc_WatchMsg(hWnd, 0x200, HOOK_AFTER);
    Send(0x200);
    EXPECT_EQ(other.calls, (std::vector<int>{c.expected})) << c.ordinal;
    EXPECT_EQ(trace, (Trace{"P200"}));  // the control itself is not called
    engine.sc_UnSubclassAll();
  }
  EXPECT_TRUE(WindowPointsAtOriginal());
}

}  // namespace
}  // namespace hooktest
