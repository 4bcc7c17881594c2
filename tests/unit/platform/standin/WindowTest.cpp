// Window handles, procedures, sending and posting.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/Window.h"

namespace p = platform;

namespace {

struct Recorder {
  std::vector<std::string> seen;
  p::WNDPROC Proc(const std::string& name, p::LRESULT result = 0) {
    return p::MakeWindowProc([this, name, result](p::HWND, p::UINT m, p::WPARAM, p::LPARAM) {
      seen.push_back(name + ":" + std::to_string(m));
      return result;
    });
  }
};

TEST(MessagePacking, SignedCoordinatesRoundTrip) {
  struct Case {
    int x, y;
  } cases[] = {{0, 0}, {1, 1}, {-1, -2}, {32767, -32768}, {-100, 200}};
  for (const auto& c : cases) {
    const p::LPARAM lp = p::MAKELPARAM(c.x, c.y);
    EXPECT_EQ(p::GET_X_LPARAM(lp), c.x);
    EXPECT_EQ(p::GET_Y_LPARAM(lp), c.y);
  }
  EXPECT_EQ(p::LOWORD(p::MAKELPARAM(-1, 5)), 0xFFFF);
  EXPECT_EQ(p::HIWORD(p::MAKELPARAM(-1, 5)), 5);
  EXPECT_EQ(p::MAKELPARAM(3, 2), 0x00020003);
}

TEST(Windows, DestroyedHandleIsStaleAndNotReused) {
  Recorder r;
  const p::HWND a = p::CreateWindow(r.Proc("a"));
  ASSERT_NE(a, 0u);
  EXPECT_TRUE(p::IsWindow(a));
  EXPECT_TRUE(p::DestroyWindow(a));
  EXPECT_FALSE(p::IsWindow(a));
  EXPECT_FALSE(p::DestroyWindow(a));
  EXPECT_EQ(p::GetLastError(), p::ERROR_INVALID_WINDOW_HANDLE);
  const p::HWND b = p::CreateWindow(r.Proc("b"));
  EXPECT_NE(a, b);
  EXPECT_EQ(p::SendMessage(a, p::WM_USER, 0, 0), 0);
  EXPECT_EQ(p::GetWindowLong(a, p::GWL_WNDPROC), nullptr);
  p::DestroyWindow(b);
  EXPECT_EQ(r.seen, (std::vector<std::string>{"a:2", "a:130", "b:2", "b:130"}));
}

TEST(Windows, CreateRefusesNullProcedure) {
  EXPECT_EQ(p::CreateWindow(nullptr), 0u);
  EXPECT_EQ(p::GetLastError(), p::ERROR_INVALID_PARAMETER);
}

TEST(Windows, SetWindowLongReplacesAndReturnsPrevious) {
  Recorder r;
  auto first = r.Proc("first", 1);
  auto second = r.Proc("second", 2);
  const p::HWND h = p::CreateWindow(first);
  EXPECT_EQ(p::SendMessage(h, p::WM_USER, 0, 0), 1);
  EXPECT_EQ(p::SetWindowLong(h, p::GWL_WNDPROC, second), first);
  EXPECT_EQ(p::GetWindowLong(h, p::GWL_WNDPROC), second);
  EXPECT_EQ(p::SendMessage(h, p::WM_USER, 0, 0), 2);
  EXPECT_EQ(p::CallWindowProc(first, h, p::WM_USER, 0, 0), 1);

  EXPECT_EQ(p::SetWindowLong(h, -21, first), nullptr);
  EXPECT_EQ(p::GetLastError(), p::ERROR_INVALID_INDEX);
  EXPECT_EQ(p::SetWindowLong(h, p::GWL_WNDPROC, nullptr), nullptr);
  EXPECT_EQ(p::GetWindowLong(h, p::GWL_WNDPROC), second);
  p::DestroyWindow(h);
  EXPECT_EQ(p::SetWindowLong(h, p::GWL_WNDPROC, first), nullptr);
  EXPECT_EQ(p::GetLastError(), p::ERROR_INVALID_WINDOW_HANDLE);
}

// A procedure that swaps itself out, or destroys its own window, while running must survive
// to the end of its call (checked by the sanitizer build).
TEST(Windows, ProcedureOutlivesReplacementAndDestructionDuringItsCall) {
  Recorder r;
  p::HWND h = 0;
  auto replacement = r.Proc("replacement", 9);
  std::string captured = "alive";
  const p::HWND w =
      p::CreateWindow(p::MakeWindowProc([&, captured](p::HWND self, p::UINT m, p::WPARAM, p::LPARAM) -> p::LRESULT {
        if (m != p::WM_USER) return 0;
        p::SetWindowLong(self, p::GWL_WNDPROC, replacement);
        p::DestroyWindow(self);
        r.seen.push_back(captured);  // reads this procedure's own state after both
        return 3;
      }));
  h = w;
  EXPECT_EQ(p::SendMessage(h, p::WM_USER, 0, 0), 3);
  EXPECT_FALSE(p::IsWindow(h));
  EXPECT_EQ(r.seen, (std::vector<std::string>{"replacement:2", "replacement:130", "alive"}));
}

TEST(Windows, ProcessOfWindow) {
  const p::HWND h = p::CreateWindow(p::MakeWindowProc(p::DefWindowProc));
  p::DWORD pid = 0;
  EXPECT_NE(p::GetWindowThreadProcessId(h, &pid), 0u);
  EXPECT_EQ(pid, p::GetCurrentProcessId());
  p::testhooks::SetWindowProcessId(h, pid + 1);
  p::GetWindowThreadProcessId(h, &pid);
  EXPECT_NE(pid, p::GetCurrentProcessId());
  p::DestroyWindow(h);
  EXPECT_EQ(p::GetWindowThreadProcessId(h, &pid), 0u);
}

TEST(PostedMessages, DeliveredInOrderAndRepostsWaitForNextDispatch) {
  std::vector<p::UINT> got;
  p::HWND h = 0;
  h = p::CreateWindow(p::MakeWindowProc([&](p::HWND self, p::UINT m, p::WPARAM, p::LPARAM) {
    if (m >= p::WM_USER) {
      got.push_back(m);
      p::PostMessage(self, m, 0, 0);  // would loop forever if drained in the same call
    }
    return p::LRESULT{0};
  }));
  p::PostMessage(h, p::WM_USER + 1, 0, 0);
  p::PostMessage(h, p::WM_USER + 2, 0, 0);
  EXPECT_EQ(p::DispatchPostedMessages(), 2);
  EXPECT_EQ(got, (std::vector<p::UINT>{p::WM_USER + 1, p::WM_USER + 2}));
  EXPECT_EQ(p::PostedMessageCount(), 2);
  p::DestroyWindow(h);
  EXPECT_EQ(p::PostedMessageCount(), 0);
  EXPECT_EQ(p::DispatchPostedMessages(), 0);
  EXPECT_FALSE(p::PostMessage(h, p::WM_USER, 0, 0));
}

}  // namespace
