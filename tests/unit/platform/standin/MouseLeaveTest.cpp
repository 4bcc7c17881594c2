// The one-shot mouse-leave service.
#include <gtest/gtest.h>

#include <vector>

#include "platform/MouseLeave.h"
#include "platform/Window.h"

namespace p = platform;

namespace {

class MouseLeave : public ::testing::Test {
 protected:
  void SetUp() override {
    h = p::CreateWindow(p::MakeWindowProc([this](p::HWND, p::UINT m, p::WPARAM, p::LPARAM) {
      got.push_back(m);
      if (m == p::WM_MOUSELEAVE && rearmOnLeave) Arm();
      return p::LRESULT{0};
    }));
  }
  void TearDown() override {
    p::DestroyWindow(h);
    p::DispatchPostedMessages();
  }
  p::BOOL Track(p::DWORD flags) {
    p::TRACKMOUSEEVENT tme;
    tme.cbSize = sizeof tme;
    tme.dwFlags = flags;
    tme.hwndTrack = h;
    return p::TrackMouseEvent(&tme);
  }
  p::BOOL Arm() { return Track(p::TME_LEAVE); }
  int Leaves() const {
    int n = 0;
    for (auto m : got) n += m == p::WM_MOUSELEAVE;
    return n;
  }

  p::HWND h = 0;
  std::vector<p::UINT> got;
  bool rearmOnLeave = false;
};

TEST_F(MouseLeave, ArmedWhileOutsideLeavesOnceAtNextDispatch) {
  EXPECT_TRUE(Arm());
  EXPECT_FALSE(p::IsLeaveTracked(h));  // posting the leave cancels the request
  EXPECT_EQ(Leaves(), 0);              // posted, not sent from inside the call
  p::DispatchPostedMessages();
  EXPECT_EQ(Leaves(), 1);
  p::SetPointerInside(h, true);
  p::SetPointerInside(h, false);
  p::DispatchPostedMessages();
  EXPECT_EQ(Leaves(), 1);
}

TEST_F(MouseLeave, LeavingAfterArmingInsideSendsOneLeave) {
  p::SetPointerInside(h, true);
  EXPECT_TRUE(Arm());
  EXPECT_TRUE(p::IsLeaveTracked(h));
  p::DispatchPostedMessages();
  EXPECT_EQ(Leaves(), 0);
  p::SetPointerInside(h, false);
  p::DispatchPostedMessages();
  EXPECT_EQ(Leaves(), 1);
  EXPECT_FALSE(p::IsLeaveTracked(h));
  // Back in and out without a new request: nothing more.
  p::SetPointerInside(h, true);
  p::SetPointerInside(h, false);
  p::DispatchPostedMessages();
  EXPECT_EQ(Leaves(), 1);
}

TEST_F(MouseLeave, CancelDisarms) {
  p::SetPointerInside(h, true);
  Arm();
  EXPECT_TRUE(Track(p::TME_LEAVE | p::TME_CANCEL));
  EXPECT_FALSE(p::IsLeaveTracked(h));
  p::SetPointerInside(h, false);
  p::DispatchPostedMessages();
  EXPECT_EQ(Leaves(), 0);
}

TEST_F(MouseLeave, QueryReportsArmedRequest) {
  p::SetPointerInside(h, true);
  p::TRACKMOUSEEVENT q;
  q.cbSize = sizeof q;
  q.dwFlags = p::TME_QUERY;
  q.hwndTrack = h;
  p::TrackMouseEvent(&q);
  EXPECT_EQ(q.dwFlags, 0u);
  Arm();
  q.dwFlags = p::TME_QUERY;
  p::TrackMouseEvent(&q);
  EXPECT_EQ(q.dwFlags, p::TME_LEAVE);
}

// Re-arming from the leave handler while outside posts again instead of recursing: each
// dispatch delivers exactly one leave.
TEST_F(MouseLeave, RearmingFromLeaveHandlerDoesNotRecurse) {
  rearmOnLeave = true;
  Arm();
  EXPECT_EQ(p::DispatchPostedMessages(), 1);
  EXPECT_EQ(p::DispatchPostedMessages(), 1);
  EXPECT_EQ(Leaves(), 2);
  rearmOnLeave = false;
  p::DispatchPostedMessages();
}

TEST_F(MouseLeave, RefusesBadRequests) {
  p::TRACKMOUSEEVENT tme;
  tme.cbSize = sizeof tme - 1;
  tme.dwFlags = p::TME_LEAVE;
  tme.hwndTrack = h;
  EXPECT_FALSE(p::TrackMouseEvent(&tme));
  EXPECT_EQ(p::GetLastError(), p::ERROR_INVALID_PARAMETER);
  EXPECT_FALSE(p::TrackMouseEvent(nullptr));
  tme.cbSize = sizeof tme;
  tme.hwndTrack = h + 1;
  EXPECT_FALSE(p::TrackMouseEvent(&tme));
  EXPECT_EQ(p::GetLastError(), p::ERROR_INVALID_WINDOW_HANDLE);
  EXPECT_EQ(p::PostedMessageCount(), 0);
}

TEST_F(MouseLeave, LeaveForDestroyedWindowIsDropped) {
  Arm();
  p::DestroyWindow(h);
  got.clear();
  EXPECT_EQ(p::DispatchPostedMessages(), 0);
  EXPECT_TRUE(got.empty());
}

}  // namespace
