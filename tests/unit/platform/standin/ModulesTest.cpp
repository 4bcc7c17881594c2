// Module look-up, loading with reference counts, and exports.
#include <gtest/gtest.h>

#include "platform/Modules.h"
#include "platform/MouseLeave.h"
#include "platform/Window.h"

namespace p = platform;

namespace {

class Modules : public ::testing::Test {
 protected:
  void TearDown() override { p::testhooks::ResetModules(); }
};

TEST_F(Modules, NamesCompareWithoutCase) {
  const p::HMODULE h = p::GetModuleHandle("User32");
  ASSERT_NE(h, 0u);
  for (const char* name : {"user32", "USER32", "uSeR32.DlL", "user32.dll"}) {
    EXPECT_EQ(p::GetModuleHandle(name), h) << name;
  }
  EXPECT_NE(p::GetModuleHandle("KERNEL32"), 0u);
  EXPECT_EQ(p::GetModuleHandle("user"), 0u);
  EXPECT_EQ(p::LoadLibrary("NoSuchModule"), 0u);
  EXPECT_EQ(p::GetLastError(), p::ERROR_MOD_NOT_FOUND);
}

TEST_F(Modules, ExportNamesAreExact) {
  const p::HMODULE user32 = p::GetModuleHandle("user32");
  EXPECT_NE(p::GetProcAddress(user32, "TrackMouseEvent"), nullptr);
  EXPECT_EQ(p::GetProcAddress(user32, "trackmouseevent"), nullptr);
  EXPECT_EQ(p::GetLastError(), p::ERROR_PROC_NOT_FOUND);
  EXPECT_EQ(p::GetProcAddress(user32, "_TrackMouseEvent"), nullptr);
}

TEST_F(Modules, OnDemandModuleCountsReferencesAndUnloads) {
  EXPECT_EQ(p::GetModuleHandle("Comctl32"), 0u);
  const p::HMODULE a = p::LoadLibrary("COMCTL32");
  const p::HMODULE b = p::LoadLibrary("comctl32.dll");
  ASSERT_NE(a, 0u);
  EXPECT_EQ(a, b);
  EXPECT_EQ(p::testhooks::LoadCount("Comctl32"), 2);
  EXPECT_EQ(p::GetModuleHandle("Comctl32"), a);
  EXPECT_TRUE(p::FreeLibrary(a));
  EXPECT_NE(p::GetProcAddress(a, "_TrackMouseEvent"), nullptr);  // one reference left
  EXPECT_TRUE(p::FreeLibrary(a));
  EXPECT_EQ(p::GetModuleHandle("Comctl32"), 0u);
  EXPECT_EQ(p::GetProcAddress(a, "_TrackMouseEvent"), nullptr);
  EXPECT_EQ(p::GetLastError(), p::ERROR_INVALID_HANDLE);
  EXPECT_FALSE(p::FreeLibrary(a));
}

TEST_F(Modules, ExportedServiceIsCallable) {
  const p::HMODULE comctl = p::LoadLibrary("Comctl32");
  auto track = reinterpret_cast<p::BOOL (*)(p::TRACKMOUSEEVENT*)>(p::GetProcAddress(comctl, "_TrackMouseEvent"));
  ASSERT_NE(track, nullptr);
  const p::HWND h = p::CreateWindow(p::MakeWindowProc(p::DefWindowProc));
  p::SetPointerInside(h, true);
  p::TRACKMOUSEEVENT tme;
  tme.cbSize = sizeof tme;
  tme.dwFlags = p::TME_LEAVE;
  tme.hwndTrack = h;
  EXPECT_TRUE(track(&tme));
  EXPECT_TRUE(p::IsLeaveTracked(h));
  p::DestroyWindow(h);
  p::FreeLibrary(comctl);
}

TEST_F(Modules, HiddenExportIsNotFoundUntilReset) {
  p::testhooks::HideExport("USER32", "TrackMouseEvent");
  EXPECT_EQ(p::GetProcAddress(p::GetModuleHandle("user32"), "TrackMouseEvent"), nullptr);
  p::testhooks::ResetModules();
  EXPECT_NE(p::GetProcAddress(p::GetModuleHandle("user32"), "TrackMouseEvent"), nullptr);
}

}  // namespace
