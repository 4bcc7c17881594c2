// Releasing hooks: deferred release, nested messages, owners and windows going away mid-call.
// The sanitizer build turns any use of a released record into a failure.
#include <stdexcept>

#include "tests/unit/hook/HookFixture.h"

namespace hooktest {
namespace {

using hook::HOOK_AFTER;
using hook::HOOK_BEFORE;

class Lifetime : public HookTest {
 protected:
  void SetUp() override {
    HookTest::SetUp();
    ASSERT_TRUE(sc->sc_Subclass(hWnd));
    sc->sc_WatchMsg(hWnd, 0x200, HOOK_BEFORE | HOOK_AFTER);
    sc->sc_WatchMsg(hWnd, 0x201, HOOK_BEFORE | HOOK_AFTER);
  }
};

TEST_F(Lifetime, NoCallbackAfterUnsubclassAndNextMessageRestores) {
  sc->sc_UnSubclass(hWnd);
  EXPECT_FALSE(WindowPointsAtOriginal());  // kept until the window's next message
  EXPECT_EQ(Send(0x200), (Trace{"P200"}));
  EXPECT_EQ(lastResult, kOwnResult);
  EXPECT_TRUE(WindowPointsAtOriginal());
  EXPECT_EQ(Send(0x200), (Trace{"P200"}));
  EXPECT_TRUE(LogTexts().empty());
}

TEST_F(Lifetime, UnsubclassOfUnknownHandleReportsOnceAndReturns) {
  sc->sc_UnSubclass(hWnd + 4);
  EXPECT_EQ(LogTexts(), (std::vector<std::string>{"GlossButton.zMap_hWnd: Window handle isn't subclassed"}));
  EXPECT_EQ(Send(0x200), (Trace{"B200", "P200", "A200"}));
}

TEST_F(Lifetime, UnsubclassAllReleasesEveryWindow) {
  const p::HWND second = p::CreateWindow(p::MakeWindowProc(p::DefWindowProc));
  const p::WNDPROC secondOriginal = p::GetWindowLong(second, p::GWL_WNDPROC);
  ASSERT_TRUE(sc->sc_Subclass(second));
  sc->sc_UnSubclassAll();
  EXPECT_FALSE(sc->IsStarted());
  EXPECT_EQ(Send(0x200), (Trace{"P200"}));
  EXPECT_TRUE(WindowPointsAtOriginal());
  p::SendMessage(second, 0x200, 0, 0);
  EXPECT_EQ(p::GetWindowLong(second, p::GWL_WNDPROC), secondOriginal);
  sc->sc_WatchMsg(hWnd, 0x200, HOOK_AFTER);
  EXPECT_EQ(LogTexts(), (std::vector<std::string>{"GlossButton.zMap_hWnd: Subclassing hasn't been started"}));
  p::DestroyWindow(second);
}

TEST_F(Lifetime, NestedMessagesFromOwnProcedureAndCallback) {
  ownAction = [this](p::HWND h, p::UINT m, p::WPARAM, p::LPARAM) -> p::LRESULT {
    if (m == 0x201) p::SendMessage(h, 0x200, 0, 0);
    return kOwnResult;
  };
  EXPECT_EQ(Send(0x201), (Trace{"B201", "P201", "B200", "P200", "A200", "A201"}));
  ownAction = nullptr;
  owner.action = [this](bool bBefore, bool&, p::LRESULT&, p::HWND h, p::UINT m, auto...) {
    if (bBefore && m == 0x201) p::SendMessage(h, 0x200, 0, 0);
  };
  EXPECT_EQ(Send(0x201), (Trace{"B201", "B200", "P200", "A200", "P201", "A201"}));
}

// Released in the middle of the own procedure: the nested message must not restore the
// procedure (a call through the record is in progress); the outer one does, without its after
// call.
TEST_F(Lifetime, ReleasedInsideOwnProcedureDuringNestedMessage) {
  bool hookedDuringNested = false;
  ownAction = [&](p::HWND h, p::UINT m, p::WPARAM, p::LPARAM) -> p::LRESULT {
    if (m == 0x201) {
      sc->sc_UnSubclass(h);
      p::SendMessage(h, 0x200, 0, 0);
      hookedDuringNested = !WindowPointsAtOriginal();
    }
    return kOwnResult;
  };
  EXPECT_EQ(Send(0x201), (Trace{"B201", "P201", "P200"}));
  EXPECT_EQ(lastResult, kOwnResult);
  EXPECT_TRUE(hookedDuringNested);
  EXPECT_TRUE(WindowPointsAtOriginal());
}

// Released by a nested message sent from the before callback: the outer message still reaches
// the own procedure, and the procedure is restored when the outer call ends.
TEST_F(Lifetime, ReleasedFromNestedMessageInsideBeforeCallback) {
  ownAction = [&](p::HWND h, p::UINT m, p::WPARAM, p::LPARAM) -> p::LRESULT {
    if (m == 0x200) sc->sc_UnSubclass(h);
    return kOwnResult;
  };
  bool hookedAfterNested = false;
  owner.action = [&](bool bBefore, bool&, p::LRESULT&, p::HWND h, p::UINT m, auto...) {
    if (bBefore && m == 0x201) {
      p::SendMessage(h, 0x200, 0, 0);
      hookedAfterNested = !WindowPointsAtOriginal();
    }
  };
  EXPECT_EQ(Send(0x201), (Trace{"B201", "B200", "P200", "P201"}));
  EXPECT_TRUE(hookedAfterNested);
  EXPECT_TRUE(WindowPointsAtOriginal());
}

TEST_F(Lifetime, BeforeCallbackReleasingItselfAndConsuming) {
  owner.action = [&](bool bBefore, bool& bHandled, p::LRESULT& lReturn, p::HWND h, auto...) {
    if (!bBefore) return;
    sc->sc_UnSubclass(h);
    bHandled = true;
    lReturn = 5;
  };
  EXPECT_EQ(Send(0x200), (Trace{"B200"}));
  EXPECT_EQ(lastResult, 5);
  EXPECT_TRUE(WindowPointsAtOriginal());
}

TEST_F(Lifetime, OwnerDestroyedWhileHookedRestoresPreviousProcedure) {
  sc.reset();
  EXPECT_TRUE(WindowPointsAtOriginal());
  EXPECT_EQ(Send(0x200), (Trace{"P200"}));
}

// Like a close button whose Click destroys the form that owns it: the engine and its owner go
// away inside the window's own procedure.
TEST_F(Lifetime, OwnerDestroyedInsideOwnProcedure) {
  Trace ownerTrace;
  auto engineOwner = std::make_unique<RecordingOwner>(ownerTrace);
  auto engine = std::make_unique<hook::Subclasser>(*engineOwner, "GlossButton");
  sc.reset();
  ASSERT_TRUE(engine->sc_Subclass(hWnd));
  engine->sc_WatchMsg(hWnd, 0x202, HOOK_BEFORE | HOOK_AFTER);
  ownAction = [&](p::HWND h, p::UINT m, p::WPARAM w, p::LPARAM) -> p::LRESULT {
    if (m == 0x202 && w == 0) {
      engine->sc_UnSubclassAll();
      engine.reset();
      engineOwner.reset();
      p::SendMessage(h, 0x202, 1, 0);  // nested, after the owner is gone
    }
    return kOwnResult;
  };
  EXPECT_EQ(Send(0x202), (Trace{"P202", "P202"}));
  EXPECT_EQ(ownerTrace, (Trace{"B202"}));
  EXPECT_EQ(lastResult, kOwnResult);
  EXPECT_TRUE(WindowPointsAtOriginal());
}

// The record outlives its window for the rest of the call; the after call still runs, and
// releasing later finds no window to restore and reports nothing.
TEST_F(Lifetime, WindowDestroyedInsideOwnProcedure) {
  ownAction = [&](p::HWND h, p::UINT m, p::WPARAM, p::LPARAM) -> p::LRESULT {
    if (m == 0x201) p::DestroyWindow(h);
    return kOwnResult;
  };
  EXPECT_EQ(Send(0x201), (Trace{"B201", "P201", "P2", "P82", "A201"}));
  EXPECT_FALSE(p::IsWindow(hWnd));
  sc->sc_UnSubclassAll();
  sc.reset();
  EXPECT_TRUE(LogTexts().empty());
}

// An error raised by the owner (say an overflow while redrawing) or by the window's own
// procedure passes to the sender, and the hook's counts stay right for a later release.
TEST_F(Lifetime, ErrorsPassThroughAndReleaseStillHappens) {
  owner.action = [](bool bBefore, auto...) {
    if (!bBefore) throw std::overflow_error("Overflow");
  };
  EXPECT_THROW(Send(0x200), std::overflow_error);
  owner.action = nullptr;
  ownAction = [this](p::HWND h, p::UINT m, p::WPARAM, p::LPARAM) -> p::LRESULT {
    if (m == 0x201) {
      sc->sc_UnSubclass(h);
      throw std::runtime_error("own procedure failed");
    }
    return kOwnResult;
  };
  EXPECT_THROW(Send(0x201), std::runtime_error);
  EXPECT_TRUE(WindowPointsAtOriginal());
}

// Someone hooked the window after us: releasing must not put our previous procedure back over
// theirs, and messages keep flowing through both.
TEST_F(Lifetime, ReleaseDoesNotUndoALaterHook) {
  p::WNDPROC ours = p::GetWindowLong(hWnd, p::GWL_WNDPROC);
  p::WNDPROC later = p::MakeWindowProc([this, ours](p::HWND h, p::UINT m, p::WPARAM w, p::LPARAM l) {
    trace.push_back("L" + Hex(m));
    return p::CallWindowProc(ours, h, m, w, l);
  });
  p::SetWindowLong(hWnd, p::GWL_WNDPROC, later);
  sc->sc_UnSubclass(hWnd);
  EXPECT_EQ(Send(0x200), (Trace{"L200", "P200"}));
  EXPECT_EQ(p::GetWindowLong(hWnd, p::GWL_WNDPROC), later);
  sc.reset();
  EXPECT_EQ(Send(0x201), (Trace{"L201", "P201"}));
  EXPECT_EQ(p::GetWindowLong(hWnd, p::GWL_WNDPROC), later);
}

TEST_F(Lifetime, OwnerDestroyedWhileAnotherEngineIsStackedOnTop) {
  Trace secondTrace;
  RecordingOwner secondOwner(secondTrace);
  auto second = std::make_unique<hook::Subclasser>(secondOwner, "GlossButton");
  ASSERT_TRUE(second->sc_Subclass(hWnd));
  second->sc_WatchMsg(hWnd, 0x200, HOOK_AFTER);
  sc.reset();  // the lower hook goes first
  EXPECT_EQ(Send(0x200), (Trace{"P200"}));
  EXPECT_EQ(secondTrace, (Trace{"A200"}));
  // The upper hook gives the window back past the released lower one at once.
  second.reset();
  EXPECT_TRUE(WindowPointsAtOriginal());
  EXPECT_EQ(Send(0x200), (Trace{"P200"}));
  EXPECT_EQ(secondTrace, (Trace{"A200"}));
}

// Hooks that were let go but not yet stepped aside (no message since) must not be left on the
// window when the engine that sits above them goes away.
TEST_F(Lifetime, EngineGoneRestoresTheOriginalPastHooksLetGo) {
  // One engine: subclass, unsubclass, subclass again.
  sc->sc_UnSubclass(hWnd);
  ASSERT_TRUE(sc->sc_Subclass(hWnd));
  sc.reset();
  EXPECT_TRUE(WindowPointsAtOriginal());
  EXPECT_EQ(Send(0x200), (Trace{"P200"}));

  // Two engines, interleaved: the lower one lets go, then the upper one goes away.
  sc = std::make_unique<hook::Subclasser>(owner, "GlossButton");
  ASSERT_TRUE(sc->sc_Subclass(hWnd));
  Trace secondTrace;
  RecordingOwner secondOwner(secondTrace);
  auto second = std::make_unique<hook::Subclasser>(secondOwner, "GlossButton");
  ASSERT_TRUE(second->sc_Subclass(hWnd));
  sc->sc_UnSubclass(hWnd);
  second.reset();
  EXPECT_TRUE(WindowPointsAtOriginal());
  EXPECT_EQ(Send(0x200), (Trace{"P200"}));
  EXPECT_TRUE(LogTexts().empty());
}

}  // namespace
}  // namespace hooktest
