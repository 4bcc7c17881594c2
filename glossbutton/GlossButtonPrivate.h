#pragma once
// The parts of a GlossButton that belong to the tree, not to its public face: the drawing
// surface, the subclass engine on its window and the mouse tracking. The control holds them
// through one pointer, so that its installed header names none of them.
#include <cstdint>

#include "glossbutton/GlossButton.h"
#include "glossbutton/render/DrawState.h"
#include "glossbutton/render/Surface.h"
#include "hook/MouseTracking.h"
#include "hook/SubclassOwner.h"
#include "hook/Subclasser.h"

namespace gloss {

// Also the hook's owner: the engine calls back here, and the call goes on to the control.
struct GlossButton::Private final : hook::SubclassOwner {
  explicit Private(GlossButton& control) : Control(control) {}

  void OnHookMessage(bool bBefore, bool& bHandled, platform::LRESULT& lReturn, platform::HWND hWnd, platform::UINT uMsg,
                     platform::WPARAM wParam, platform::LPARAM lParam, platform::LONG& lParamUser) override {
    Control.OnHookMessage(bBefore, bHandled, lReturn, hWnd, uMsg, wParam, lParam, lParamUser);
  }

  GlossButton& Control;
  // Picture1 at its design size; it also keeps the Font property and the caption colour.
  Surface Picture1{105, 81};
  hook::MouseTracker Tracker;
  // Last member: destroyed first, while the rest of the control still exists.
  hook::Subclasser Subclass{*this, GlossButton::kClassName};
};

}  // namespace gloss
