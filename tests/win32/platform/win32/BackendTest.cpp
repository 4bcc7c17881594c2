// The Win32 backend with real windows: the engine's hook in the window's own procedure slot,
// its release rules across nested SendMessageW, the system's WM_MOUSELEAVE, clicks clipped by
// the window region, and the engine's reports for handles it must refuse.
#include <gtest/gtest.h>

#include <windows.h>
// (after <windows.h>, before the project's headers)
#include "platform/win32/NoWindowsMacros.h"
#include "tests/win32/Pump.h"

#include <algorithm>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "glossbutton/GlossButton.h"
#include "hook/MouseTracking.h"
#include "hook/Subclasser.h"
#include "platform/MouseLeave.h"
#include "platform/Window.h"
#include "tests/support/RecordingHost.h"
#include "tests/support/RecordingSinks.h"

namespace {

namespace p = platform;
using p::WM_LBUTTONDOWN;
using p::WM_MOUSELEAVE;
using p::WM_USER;

std::vector<UINT> g_Seen;  // messages the raw procedure saw

LRESULT CALLBACK RawProc(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (m >= WM_USER || m == WM_LBUTTONDOWN || m == WM_MOUSELEAVE) g_Seen.push_back(m);
  return m == WM_USER ? 7 : ::DefWindowProcW(h, m, w, l);
}

HWND MakeRawWindow(DWORD style, int x, int y, int w, int h) {
  static const bool registered = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = &RawProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"KorvaneRawTest";
    wc.hbrBackground = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
    return ::RegisterClassW(&wc) != 0;
  }();
  EXPECT_TRUE(registered);
  return ::CreateWindowExW(0, L"KorvaneRawTest", L"", style, x, y, w, h, nullptr, nullptr, ::GetModuleHandleW(nullptr),
                           nullptr);
}

p::HWND Ours(HWND h) { return reinterpret_cast<p::HWND>(h); }
WNDPROC SlotOf(HWND h) { return reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(h, GWLP_WNDPROC)); }

class Owner : public hook::SubclassOwner {
 public:
  std::vector<std::string> seen;
  std::function<void(UINT)> onMessage;
  void OnHookMessage(bool bBefore, bool&, p::LRESULT& lReturn, p::HWND, p::UINT uMsg, p::WPARAM, p::LPARAM,
                     p::LONG&) override {
    seen.push_back((bBefore ? "B" : "A") + std::to_string(uMsg - WM_USER));
    if (!bBefore && uMsg == WM_USER) lReturn += 100;
    if (onMessage) onMessage(uMsg);
  }
};

struct RealHook : ::testing::Test {
  p::test::ScopedRecordingSinks sinks;
  Owner owner;
  hook::Subclasser sc{owner, "GlossButton"};
  HWND hWnd = MakeRawWindow(WS_POPUP, 0, 0, 50, 50);

  void SetUp() override {
    g_Seen.clear();
    ASSERT_TRUE(hWnd);
    ASSERT_TRUE(sc.sc_Subclass(Ours(hWnd)));
    sc.sc_WatchMsg(Ours(hWnd), hook::ALL_MESSAGES, hook::HOOK_BEFORE | hook::HOOK_AFTER);
  }
  void TearDown() override {
    if (::IsWindow(hWnd)) ::DestroyWindow(hWnd);
  }
};

TEST_F(RealHook, SitsInTheWindowsSlotAndChainsToTheClassProcedure) {
  EXPECT_NE(SlotOf(hWnd), &RawProc);
  owner.seen.clear();
  EXPECT_EQ(::SendMessageW(hWnd, WM_USER, 0, 0), 107);  // own result, raised by the after call
  EXPECT_EQ(owner.seen, (std::vector<std::string>{"B0", "A0"}));
  EXPECT_EQ(g_Seen, std::vector<UINT>{WM_USER});

  sc.sc_UnSubclass(Ours(hWnd));
  ::SendMessageW(hWnd, WM_USER + 1, 0, 0);  // the release happens on this message
  EXPECT_EQ(SlotOf(hWnd), &RawProc);
  EXPECT_EQ(g_Seen, (std::vector<UINT>{WM_USER, WM_USER + 1}));
  EXPECT_TRUE(sinks.log().entries.empty());
}

TEST_F(RealHook, ReleaseAskedInANestedSendWaitsForTheOutermostCall) {
  WNDPROC insideOuter = nullptr;
  owner.onMessage = [&, first = true](UINT m) mutable {
    if (m == WM_USER + 1 && first) {
      first = false;
      ::SendMessageW(hWnd, WM_USER + 2, 0, 0);  // the release is asked for in here
      insideOuter = SlotOf(hWnd);               // the outer call still runs through the hook
    }
    if (m == WM_USER + 2) sc.sc_UnSubclass(Ours(hWnd));
  };
  ::SendMessageW(hWnd, WM_USER + 1, 0, 0);
  EXPECT_NE(insideOuter, nullptr);
  EXPECT_NE(insideOuter, &RawProc) << "the record went while a call through it was running";
  EXPECT_EQ(SlotOf(hWnd), &RawProc) << "the outermost call did not put the procedure back";
}

LRESULT CALLBACK ForeignProc(HWND h, UINT m, WPARAM w, LPARAM l);
WNDPROC g_ForeignPrevious = nullptr;
LRESULT CALLBACK ForeignProc(HWND h, UINT m, WPARAM w, LPARAM l) {
  return ::CallWindowProcW(g_ForeignPrevious, h, m, w, l);
}

TEST_F(RealHook, ReleaseLeavesAProcedureSetOnTopOfIt) {
  g_ForeignPrevious =
      reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ForeignProc)));
  sc.sc_UnSubclass(Ours(hWnd));
  g_Seen.clear();
  EXPECT_EQ(::SendMessageW(hWnd, WM_USER, 0, 0), 7);  // through the released hook to the class
  EXPECT_EQ(SlotOf(hWnd), &ForeignProc);
  EXPECT_EQ(g_Seen, std::vector<UINT>{WM_USER});
}

TEST(RealMouseLeave, ArrivesWhenThePointerLeaves) {
  g_Seen.clear();
  HWND hWnd = MakeRawWindow(WS_POPUP | WS_VISIBLE, 100, 100, 120, 80);
  ASSERT_TRUE(hWnd);
  ::SetCursorPos(150, 130);
  ASSERT_TRUE(PumpUntil([&] { return ::WindowFromPoint({150, 130}) == hWnd; }));
  hook::MouseTracker tracker;
  ASSERT_TRUE(tracker.DetectService());
  tracker.RequestLeaveNotice(Ours(hWnd));  // through the looked-up export
  EXPECT_TRUE(p::IsLeaveTracked(Ours(hWnd)));
  Pump(200);
  EXPECT_TRUE(std::find(g_Seen.begin(), g_Seen.end(), WM_MOUSELEAVE) == g_Seen.end())
      << "left while the pointer was still inside";
  ::SetCursorPos(400, 400);
  EXPECT_TRUE(PumpUntil([] { return std::find(g_Seen.begin(), g_Seen.end(), WM_MOUSELEAVE) != g_Seen.end(); }));
  ::DestroyWindow(hWnd);
}

void Click(int x, int y) {
  ::SetCursorPos(x, y);
  INPUT in[2] = {};
  in[0].type = in[1].type = INPUT_MOUSE;
  in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  ::SendInput(2, in, sizeof(INPUT));
}

TEST(RealShape, ClickInACutCornerReachesTheWindowBelow) {
  g_Seen.clear();
  HWND below = MakeRawWindow(WS_POPUP | WS_VISIBLE, 0, 0, 300, 200);
  ASSERT_TRUE(below);
  gloss::test::RecordingHost host;  // its window is a real one of the backend
  host.scaleWidth = host.scaleHeight = 25;
  gloss::GlossButton button{host};
  gloss::PropertyBag bag;
  bag.WriteInt32("Style", 3);
  button.ReadProperties(bag);
  button.Resize();
  HWND face = reinterpret_cast<HWND>(host.windowHandle);
  std::vector<UINT> faceClicks;
  static std::vector<UINT>* s_faceClicks = &faceClicks;
  p::SetWindowLong(host.windowHandle, p::GWL_WNDPROC,
                   p::MakeWindowProc([](p::HWND h, p::UINT m, p::WPARAM w, p::LPARAM l) {
                     if (m == WM_LBUTTONDOWN) s_faceClicks->push_back(m);
                     return p::DefWindowProc(h, m, w, l);
                   }));
  ::SetWindowPos(face, HWND_TOP, 50, 50, 25, 25, SWP_SHOWWINDOW | SWP_NOACTIVATE);
  ASSERT_TRUE(PumpUntil([&] { return ::WindowFromPoint({62, 62}) == face; }));

  Click(50, 50);  // the cut corner
  EXPECT_TRUE(PumpUntil([] { return !g_Seen.empty(); })) << "the corner click went nowhere";
  EXPECT_EQ(g_Seen, std::vector<UINT>{WM_LBUTTONDOWN});
  EXPECT_TRUE(faceClicks.empty());
  Click(62, 62);  // the face
  EXPECT_TRUE(PumpUntil([&] { return !faceClicks.empty(); }));
  EXPECT_EQ(g_Seen.size(), 1u);
  ::DestroyWindow(below);
}

TEST(RealBadHandles, AreReportedNotFollowed) {
  p::test::ScopedRecordingSinks sinks;
  Owner owner;
  hook::Subclasser sc{owner, "GlossButton"};
  HWND gone = MakeRawWindow(WS_POPUP, 0, 0, 10, 10);
  ::DestroyWindow(gone);
  EXPECT_FALSE(sc.sc_Subclass(0x7FFF1234));  // never created
  EXPECT_FALSE(sc.sc_Subclass(Ours(gone)));

  DWORD desktopPid = 0;
  ::GetWindowThreadProcessId(::GetDesktopWindow(), &desktopPid);
  ASSERT_NE(desktopPid, ::GetCurrentProcessId());
  EXPECT_FALSE(sc.sc_Subclass(Ours(::GetDesktopWindow())));

  // A window of another thread of this process: it lives as long as its thread, which waits
  // here until the engine has refused it.
  HANDLE made = ::CreateEventW(nullptr, 1, 0, nullptr), done = ::CreateEventW(nullptr, 1, 0, nullptr);
  HWND theirs = nullptr;
  std::thread other([&] {
    theirs = ::CreateWindowExW(0, L"KorvaneRawTest", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                               ::GetModuleHandleW(nullptr), nullptr);
    ::SetEvent(made);
    ::WaitForSingleObject(done, 10000);
    if (theirs) ::DestroyWindow(theirs);
  });
  ::WaitForSingleObject(made, 10000);
  ASSERT_TRUE(theirs);
  EXPECT_FALSE(sc.sc_Subclass(Ours(theirs)));
  EXPECT_EQ(SlotOf(theirs), &RawProc) << "the other thread's window was hooked";
  ::SetEvent(done);
  other.join();
  ::CloseHandle(made);
  ::CloseHandle(done);

  EXPECT_EQ(sinks.log().Texts(),
            (std::vector<std::string>{"GlossButton.sc_Subclass: Invalid window handle",
                                      "GlossButton.sc_Subclass: Invalid window handle",
                                      "GlossButton.sc_Subclass: Window handle belongs to another process",
                                      "GlossButton.sc_Subclass: Window handle belongs to another thread"}));
  ASSERT_EQ(sinks.box().shown.size(), 4u);
  EXPECT_EQ(sinks.box().shown[2].caption, "Error in GlossButton.sc_Subclass");
  EXPECT_EQ(sinks.box().shown[2].type, p::MB_OK | p::MB_ICONEXCLAMATION);
}

}  // namespace
