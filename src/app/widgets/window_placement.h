#pragma once

#include <QRect>

class QWidget;

namespace vireflu {

// The main window's outer rectangle at start-up: a square in the top-left corner whose
// side is half the screen width. On a wide screen that square can be taller than the
// space the desktop leaves free; then it becomes the largest square that fits there.
QRect InitialFrameRect(const QRect& screen, const QRect& available);

// Where a window whose frame has size `frame` goes when it is wanted at `wanted`: moved up
// and left only as far as it takes to lie on the available area, and never above or left
// of it, so that its title bar and top part stay on the screen even when it is larger.
QPoint KeepOnScreen(const QPoint& wanted, const QSize& frame, const QRect& available);

// Where a window of frame size `frame` opens beside its owner's frame: to its right where
// that fits on the available area, else to its left, else kept on the screen as close to
// the right as it goes.
QPoint BesideOwner(const QRect& owner, const QSize& frame, const QRect& available);

// The height a window's content may take on its screen, floating or docked: the available
// height less a title bar, a dock's tabs and the menus, in the program's font.
int ContentRoom(const QWidget& widget);

}  // namespace vireflu
