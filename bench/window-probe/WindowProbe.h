#pragma once
// The "mapped" line of the start-up benchmark, identical in the program and in the plain window it
// is compared with: printed (stdout, flushed, CLOCK_MONOTONIC milliseconds) on the first turn of
// the event loop after a top-level window was first exposed, so after its first frame was painted
// and handed to the window system:
//   mapped <ms>
namespace benchprobe {

double WindowMonotonicMs();
// Watches every window of the application from now on; prints once. Needs the QGuiApplication.
void WatchFirstFrame();

}  // namespace benchprobe
