#pragma once
// The pictures themselves. Each returns a finished image of its stored size times `scale`,
// drawn afresh at that size (scale 2: the "@2x" artwork for screens of two device pixels per pixel).
#include <QImage>

namespace artwork {

QImage Background(int scale = 1);  // 522 x 371, opaque
QImage Strip(int scale = 1);       // 93 x 373, opaque
QImage Icon(int scale = 1);        // 64 x 64, with alpha
// 32 x 32, black, white and transparent only; hot spot (12, 9) times scale. At scale 2 the
// outline is traced with single device pixels and the fill rounded, not each pixel doubled.
QImage HandCursor(int scale = 1);

constexpr int kHandHotX = 12;
constexpr int kHandHotY = 9;

}  // namespace artwork
