#pragma once
// A short music-box tune, synthesised, as a complete WAV file (16-bit mono PCM).
#include <QByteArray>

namespace portal {

constexpr int kTuneSampleRate = 22050;

// The same bytes on every call; about ten seconds that loop back to their start.
QByteArray TuneWav();

}  // namespace portal
