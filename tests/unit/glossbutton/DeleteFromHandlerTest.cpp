// A listener may destroy the control from inside the handler that raised the event (the
// program's close button does). Nothing may touch the control afterwards; the sanitizer build
// turns any such touch into a failure.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "glossbutton/GlossButton.h"
#include "platform/MouseLeave.h"
#include "platform/Window.h"
#include "tests/support/RecordingHost.h"
#include "tests/support/TestControlWindow.h"

namespace gloss {
namespace {

using test::RecordingHost;
using test::TestControlWindow;

// The pointer reported inside or outside the window, then what that posted.
void PointerInside(platform::HWND hWnd, bool inside) {
  platform::SetPointerInside(hWnd, inside);
  platform::DispatchPostedMessages();
}
void MoveTo(platform::HWND hWnd, int x, int y) {
  PointerInside(hWnd, true);
  platform::SendMessage(hWnd, platform::WM_MOUSEMOVE, 0, platform::PackPointerPos(x, y));
  platform::DispatchPostedMessages();
}

// Deletes the button, with its window, when the chosen event arrives.
struct Deleter : GlossButtonEvents {
  std::unique_ptr<TestControlWindow>& owned;
  std::string deleteOn;
  int raisedAfterDelete = 0;
  Deleter(std::unique_ptr<TestControlWindow>& w, std::string on) : owned(w), deleteOn(std::move(on)) {}
  void Hit(const char* name) {
    if (!owned) {
      ++raisedAfterDelete;
      return;
    }
    if (deleteOn == name) owned.reset();
  }
  void OnClick() override { Hit("Click"); }
  void OnDblClick() override { Hit("DblClick"); }
  void OnMouseEnter() override { Hit("MouseEnter"); }
  void OnMouseLeave() override { Hit("MouseLeave"); }
  void OnMouseMove(std::int16_t, std::int16_t, float, float) override { Hit("MouseMove"); }
  void OnMouseUp(std::int16_t, std::int16_t, float, float) override { Hit("MouseUp"); }
  void OnMouseDown(std::int16_t, std::int16_t, float, float) override { Hit("MouseDown"); }
};

struct Case {
  const char* event;
  std::function<void(GlossButton&, platform::HWND)> act;
};

class DeleteFromHandler : public ::testing::TestWithParam<Case> {};

TEST_P(DeleteFromHandler, ControlIsNotTouchedAfterTheListenerDeletesIt) {
  RecordingHost host;
  auto window = std::make_unique<TestControlWindow>(host);
  window->Window().ReadProperties(PropertyBag{});
  const platform::HWND hWnd = window->Hwnd();
  GlossButton& raw = window->Button();
  // Hovering and focused, so every handler has something left to draw after its event.
  MoveTo(hWnd, 5, 5);
  raw.EnterFocus();
  Deleter listener(window, GetParam().event);
  raw.SetEventListener(&listener);
  int drawsAfterDelete = 0;
  raw.SetRedrawObserver([&](std::int32_t) {
    if (!window) ++drawsAfterDelete;
  });

  GetParam().act(raw, hWnd);
  EXPECT_EQ(window, nullptr) << "the listener was not reached";
  EXPECT_EQ(listener.raisedAfterDelete, 0);
  EXPECT_EQ(drawsAfterDelete, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Events, DeleteFromHandler,
    ::testing::Values(Case{"Click", [](GlossButton& b, platform::HWND) { b.Click(); }},
                      Case{"DblClick", [](GlossButton& b, platform::HWND) { b.DblClick(); }},
                      Case{"MouseDown", [](GlossButton& b, platform::HWND) { b.MouseDown(1, 0, 5, 5); }},
                      Case{"MouseDown", [](GlossButton& b, platform::HWND) { b.KeyDown(13, 0); }},
                      Case{"MouseUp", [](GlossButton& b, platform::HWND) { b.MouseUp(1, 0, 5, 5); }},
                      Case{"MouseUp", [](GlossButton& b, platform::HWND) { b.KeyUp(13, 0); }},
                      // The drag-out test runs after MouseMove is raised.
                      Case{"MouseMove", [](GlossButton& b, platform::HWND) { b.MouseMove(1, 0, -1, 5); }},
                      Case{"MouseLeave", [](GlossButton&, platform::HWND h) { PointerInside(h, false); }},
                      Case{"MouseEnter",
                           [](GlossButton&, platform::HWND h) {
                             PointerInside(h, false);  // out first, so that the next move enters
                             MoveTo(h, 6, 6);
                           }}),
    [](const ::testing::TestParamInfo<Case>& info) {
      return std::string(info.param.event) + std::to_string(info.index);
    });

}  // namespace
}  // namespace gloss
