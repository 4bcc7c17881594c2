#pragma once
// The "painted" signal the start-up benchmark waits for, identical in the program and in the bare
// web view. The engine has no first-paint signal, so: when the page's first load finishes, two
// animation frames are requested one after the other; the second one runs only after the frame
// holding the loaded page has been produced. It then sets a marker title, which comes back as
// titleChanged. Lines go to stdout, flushed, with CLOCK_MONOTONIC milliseconds:
//   loaded <ms>      the first load finished (ok)
//   painted <ms>     the frame after it was produced
//   failed <ms>      the first load failed
class QWebEnginePage;

namespace benchprobe {

double MonotonicMs();
void WatchFirstPaint(QWebEnginePage* page);

}  // namespace benchprobe
