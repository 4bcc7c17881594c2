#include "tests/support/RecordingHost.h"

namespace gloss::test {

void RecordingHost::ClearRecords() {
  changedNames.clear();
  mousePointers.clear();
  foreColors.clear();
  publishedImages.clear();
}

}  // namespace gloss::test
