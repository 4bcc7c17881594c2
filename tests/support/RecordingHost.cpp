#include "tests/support/RecordingHost.h"

#include "platform/Window.h"

namespace gloss::test {

RecordingHost::RecordingHost() : ownWindow_(platform::CreateWindow(platform::MakeWindowProc(platform::DefWindowProc))) {
  windowHandle = ownWindow_;
}

RecordingHost::~RecordingHost() { platform::DestroyWindow(ownWindow_); }

void RecordingHost::ClearRecords() {
  changedNames.clear();
  mousePointers.clear();
  foreColors.clear();
  publishedImages.clear();
}

}  // namespace gloss::test
