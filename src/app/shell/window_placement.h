#pragma once

#include <QRect>

namespace vireflu {

// The main window's outer rectangle at start-up: a square in the top-left corner whose
// side is half the screen width. On a wide screen that square can be taller than the
// space the desktop leaves free; then it becomes the largest square that fits there.
QRect InitialFrameRect(const QRect& screen, const QRect& available);

}  // namespace vireflu
