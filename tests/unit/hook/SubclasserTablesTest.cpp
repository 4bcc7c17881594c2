// The before and after message tables: counts, deleted slots, overflow and their reports.
#include "tests/unit/hook/HookFixture.h"

namespace hooktest {
namespace {

using hook::ALL_MESSAGES;
using hook::HOOK_AFTER;
using hook::HOOK_BEFORE;
using hook::MSG_ENTRIES;

class Tables : public HookTest {
 protected:
  void SetUp() override {
    HookTest::SetUp();
    ASSERT_TRUE(sc->sc_Subclass(hWnd));
  }
  hook::MessageTable After() { return *sc->TableOf(hWnd, HOOK_AFTER); }
  hook::MessageTable Before() { return *sc->TableOf(hWnd, HOOK_BEFORE); }
};

TEST_F(Tables, WatchingTwiceKeepsOneEntry) {
  sc->sc_WatchMsg(hWnd, 0x200, HOOK_AFTER);
  sc->sc_WatchMsg(hWnd, 0x200, HOOK_AFTER);
  EXPECT_EQ(After()[0], 1);
  EXPECT_EQ(After()[1], 0x200);
  EXPECT_EQ(Before()[0], 0);
  EXPECT_TRUE(LogTexts().empty());
}

TEST_F(Tables, BothFlagsFillBothTables) {
  sc->sc_WatchMsg(hWnd, 0x201, HOOK_BEFORE | HOOK_AFTER);
  EXPECT_EQ(Before()[0], 1);
  EXPECT_EQ(After()[0], 1);
  sc->sc_UnwatchMsg(hWnd, 0x201, HOOK_BEFORE);
  EXPECT_EQ(Before()[1], 0);
  EXPECT_EQ(After()[1], 0x201);
}

TEST_F(Tables, ThirtyThirdMessageOverflowsAndLeavesTableUnchanged) {
  for (int i = 1; i <= MSG_ENTRIES; ++i) sc->sc_WatchMsg(hWnd, 0x100 + i, HOOK_BEFORE);
  const hook::MessageTable full = Before();
  EXPECT_EQ(full[0], MSG_ENTRIES);
  EXPECT_EQ(full[MSG_ENTRIES], 0x100 + MSG_ENTRIES);
  ASSERT_TRUE(LogTexts().empty());

  const std::string overflow =
      "Message table overflow. Either increase the value of Const MSG_ENTRIES or use "
      "ALL_MESSAGES instead of specific message values";
  sc->sc_WatchMsg(hWnd, 0x300, HOOK_BEFORE);
  sc->sc_WatchMsg(hWnd, 0x101, HOOK_BEFORE);  // a repeat overflows too once the table is full
  EXPECT_EQ(Before(), full);
  EXPECT_EQ(LogTexts(),
            (std::vector<std::string>{"GlossButton.zAddMsg: " + overflow, "GlossButton.zAddMsg: " + overflow}));
  ASSERT_EQ(sinks.box().shown.size(), 2u);
  EXPECT_EQ(sinks.box().shown[0].text, overflow + ".");
  EXPECT_EQ(sinks.box().shown[0].caption, "Error in GlossButton.zAddMsg");
}

TEST_F(Tables, DeletedSlotIsKeptAndReused) {
  sc->sc_WatchMsg(hWnd, 0x200, HOOK_AFTER);
  sc->sc_WatchMsg(hWnd, 0x2A3, HOOK_AFTER);
  sc->sc_UnwatchMsg(hWnd, 0x2A3, HOOK_AFTER);
  EXPECT_EQ(After()[0], 2);
  EXPECT_EQ(After()[1], 0x200);
  EXPECT_EQ(After()[2], 0);
  sc->sc_WatchMsg(hWnd, 0x100, HOOK_AFTER);
  EXPECT_EQ(After()[0], 2);
  EXPECT_EQ(After()[2], 0x100);
  EXPECT_EQ(Send(0x2A3), (Trace{"P2A3"}));
  EXPECT_EQ(Send(0x100), (Trace{"P100", "A100"}));
}

TEST_F(Tables, DeletingUnknownMessageReportsItsHexNumber) {
  sc->sc_WatchMsg(hWnd, 0x200, HOOK_AFTER);
  sc->sc_UnwatchMsg(hWnd, 0x2A3, HOOK_AFTER);
  EXPECT_EQ(LogTexts(), (std::vector<std::string>{"GlossButton.zDelMsg: Message &H2A3 not found in table"}));
  ASSERT_EQ(sinks.box().shown.size(), 1u);
  EXPECT_EQ(sinks.box().shown[0].text, "Message &H2A3 not found in table.");
  EXPECT_EQ(sinks.box().shown[0].caption, "Error in GlossButton.zDelMsg");
  EXPECT_EQ(sinks.box().shown[0].type, p::MB_OK | p::MB_ICONEXCLAMATION);
  EXPECT_EQ(After()[0], 1);
}

TEST_F(Tables, AllMessagesAndBack) {
  sc->sc_WatchMsg(hWnd, ALL_MESSAGES, HOOK_BEFORE);
  EXPECT_EQ(Before()[0], ALL_MESSAGES);
  EXPECT_EQ(Send(0x123), (Trace{"B123", "P123"}));
  // A specific message turns the table into one holding only that message.
  sc->sc_WatchMsg(hWnd, 0x200, HOOK_BEFORE);
  EXPECT_EQ(Before()[0], 1);
  EXPECT_EQ(Before()[1], 0x200);
  EXPECT_EQ(Send(0x123), (Trace{"P123"}));
  sc->sc_WatchMsg(hWnd, ALL_MESSAGES, HOOK_BEFORE);
  sc->sc_UnwatchMsg(hWnd, ALL_MESSAGES, HOOK_BEFORE);
  EXPECT_EQ(Before()[0], 0);
  EXPECT_EQ(Send(0x200), (Trace{"P200"}));
}

// A deleted slot holds 0, which must not make WM_NULL look watched.
TEST_F(Tables, DeletedSlotDoesNotMatchMessageZero) {
  sc->sc_WatchMsg(hWnd, 0x200, HOOK_AFTER);
  sc->sc_UnwatchMsg(hWnd, 0x200, HOOK_AFTER);
  EXPECT_EQ(Send(p::WM_NULL), (Trace{"P0"}));
}

TEST_F(Tables, UnknownWindowIsReportedByLookUp) {
  const p::HWND other = p::CreateWindow(p::MakeWindowProc(p::DefWindowProc));
  sc->sc_WatchMsg(other, 0x200, HOOK_AFTER);
  EXPECT_EQ(LogTexts(), (std::vector<std::string>{"GlossButton.zMap_hWnd: Window handle isn't subclassed"}));
  EXPECT_EQ(sinks.box().shown.at(0).caption, "Error in GlossButton.zMap_hWnd");
  EXPECT_EQ(sc->sc_GetUserValue(other), 0);
  EXPECT_EQ(sc->sc_CallPrevious(other, 0x200, 0, 0), 0);
  p::DestroyWindow(other);
}

TEST(TablesNotStarted, WatchBeforeAnySubclassReportsNotStarted) {
  p::test::ScopedRecordingSinks sinks;
  Trace trace;
  RecordingOwner owner(trace);
  hook::Subclasser sc(owner, "GlossButton");
  EXPECT_FALSE(sc.IsStarted());
  sc.sc_WatchMsg(0x1234, 0x200, HOOK_AFTER);
  sc.sc_UnSubclass(0x1234);
  EXPECT_EQ(sinks.log().Texts(),
            (std::vector<std::string>{"GlossButton.zMap_hWnd: Subclassing hasn't been started",
                                      "GlossButton.sc_UnSubclass: Window handle isn't subclassed"}));
}

}  // namespace
}  // namespace hooktest
