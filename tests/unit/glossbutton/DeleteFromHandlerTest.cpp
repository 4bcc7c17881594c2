// A listener may destroy the control from inside the handler that raised the event (the
// program's close button does). Nothing may touch the control afterwards; the sanitizer build
// turns any such touch into a failure.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "glossbutton/GlossButton.h"
#include "tests/support/GlossButtonTestAccess.h"
#include "tests/support/RecordingHost.h"

namespace gloss {
namespace {

using test::RecordingHost;
using Access = GlossButtonTestAccess;

// Deletes the button when the chosen event arrives.
struct Deleter : GlossButtonEvents {
  std::unique_ptr<GlossButton>& owned;
  std::string deleteOn;
  int raisedAfterDelete = 0;
  Deleter(std::unique_ptr<GlossButton>& b, std::string on) : owned(b), deleteOn(std::move(on)) {}
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
  std::function<void(GlossButton&)> act;
};

class DeleteFromHandler : public ::testing::TestWithParam<Case> {};

TEST_P(DeleteFromHandler, ControlIsNotTouchedAfterTheListenerDeletesIt) {
  RecordingHost host;
  auto button = std::make_unique<GlossButton>(host);
  button->ReadProperties(PropertyBag{});
  // Hovering and focused, so every handler has something left to draw after its event.
  Access::TrackedMouseMove(*button, 5, 5, 0);
  button->EnterFocus();
  Deleter listener(button, GetParam().event);
  button->SetEventListener(&listener);
  int drawsAfterDelete = 0;
  button->SetRedrawObserver([&](std::int32_t) {
    if (!button) ++drawsAfterDelete;
  });

  GlossButton& raw = *button;
  GetParam().act(raw);
  EXPECT_EQ(button, nullptr) << "the listener was not reached";
  EXPECT_EQ(listener.raisedAfterDelete, 0);
  EXPECT_EQ(drawsAfterDelete, 0);
}

INSTANTIATE_TEST_SUITE_P(Events, DeleteFromHandler,
                         ::testing::Values(Case{"Click", [](GlossButton& b) { b.Click(); }},
                                           Case{"DblClick", [](GlossButton& b) { b.DblClick(); }},
                                           Case{"MouseDown", [](GlossButton& b) { b.MouseDown(1, 0, 5, 5); }},
                                           Case{"MouseDown", [](GlossButton& b) { b.KeyDown(13, 0); }},
                                           Case{"MouseUp", [](GlossButton& b) { b.MouseUp(1, 0, 5, 5); }},
                                           Case{"MouseUp", [](GlossButton& b) { b.KeyUp(13, 0); }},
                                           // The drag-out test runs after MouseMove is raised.
                                           Case{"MouseMove", [](GlossButton& b) { b.MouseMove(1, 0, -1, 5); }},
                                           Case{"MouseLeave", [](GlossButton& b) { Access::MouseLeave(b); }},
                                           Case{"MouseEnter",
                                                [](GlossButton& b) {
                                                  Access::MouseLeave(b);  // out first, so that the next move enters
                                                  Access::TrackedMouseMove(b, 6, 6, 0);
                                                }}),
                         [](const ::testing::TestParamInfo<Case>& info) {
                           return std::string(info.param.event) + std::to_string(info.index);
                         });

}  // namespace
}  // namespace gloss
