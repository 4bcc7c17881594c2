#pragma once
// The pictures themselves. Each returns a finished image of its stored size.
#include <QImage>

namespace artwork {

QImage Background();  // 522 x 371, opaque
QImage Strip();       // 93 x 373, opaque
QImage Icon();        // 64 x 64, with alpha
QImage HandCursor();  // 32 x 32, black, white and transparent only; hot spot (12, 9)

constexpr int kHandHotX = 12;
constexpr int kHandHotY = 9;

}  // namespace artwork
