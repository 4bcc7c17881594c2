// A listener may destroy the control from inside the handler that raised the event (the
// program's close button does). Nothing may touch the control afterwards; the sanitizer build
// turns any such touch into a failure.
#include <gtest/gtest.h>

#include <memory>

#include "tests/support/ControlFixture.h"

namespace gloss {
namespace {

using namespace platform;
using test::ControlFixture;
using test::TestControlWindow;

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
  void (*act)(ControlFixture&);
};

struct DeleteFromHandler : ControlFixture, ::testing::WithParamInterface<Case> {};

TEST_P(DeleteFromHandler, ControlIsNotTouchedAfterTheListenerDeletesIt) {
  Load();
  // Hovering and focused, so every handler has something left to draw after its event.
  Move(5, 5);
  Focus(true);
  Deleter listener(window, GetParam().event);
  button.SetEventListener(&listener);
  int drawsAfterDelete = 0;
  button.SetRedrawObserver([&](std::int32_t) {
    if (!window) ++drawsAfterDelete;
  });

  GetParam().act(*this);
  EXPECT_EQ(window, nullptr) << "the listener was not reached";
  EXPECT_EQ(listener.raisedAfterDelete, 0);
  EXPECT_EQ(drawsAfterDelete, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Events, DeleteFromHandler,
    ::testing::Values(Case{"Click",
                           [](ControlFixture& f) {
                             f.Press();
                             f.Release();
                           }},
                      Case{"DblClick", [](ControlFixture& f) { f.Send(WM_LBUTTONDBLCLK, MK_LBUTTON, 5, 5); }},
                      Case{"MouseDown", [](ControlFixture& f) { f.Press(); }},
                      Case{"MouseDown", [](ControlFixture& f) { f.Send(WM_KEYDOWN, VK_RETURN); }},
                      Case{"MouseUp", [](ControlFixture& f) { f.Release(); }},
                      Case{"MouseUp", [](ControlFixture& f) { f.Send(WM_KEYUP, VK_RETURN); }},
                      // The drag-out test runs after MouseMove is raised.
                      Case{"MouseMove", [](ControlFixture& f) { f.Move(-1, 5, MK_LBUTTON); }},
                      Case{"MouseLeave", [](ControlFixture& f) { f.Leave(); }},
                      Case{"MouseEnter",
                           [](ControlFixture& f) {
                             f.Leave();  // out first, so that the next move enters
                             f.Move(6, 6);
                           }}),
    [](const ::testing::TestParamInfo<Case>& info) {
      return std::string(info.param.event) + std::to_string(info.index);
    });

}  // namespace
}  // namespace gloss
