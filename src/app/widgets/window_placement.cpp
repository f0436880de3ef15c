#include "window_placement.h"

#include <QApplication>
#include <QFontInfo>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace vireflu {

QRect InitialFrameRect(const QRect& screen, const QRect& available) {
    const int side = std::min({screen.width() / 2, available.width(), available.height()});
    return QRect(available.topLeft(), QSize(side, side));
}

QPoint KeepOnScreen(const QPoint& wanted, const QSize& frame, const QRect& available) {
    const int x = std::min(wanted.x(), available.right() + 1 - frame.width());
    const int y = std::min(wanted.y(), available.bottom() + 1 - frame.height());
    return QPoint(std::max(x, available.left()), std::max(y, available.top()));
}

QPoint BesideOwner(const QRect& owner, const QSize& frame, const QRect& available) {
    if (owner.right() + frame.width() <= available.right())
        return QPoint(owner.right() + 1, std::max(owner.top(), available.top()));
    if (owner.left() - frame.width() >= available.left())
        return QPoint(owner.left() - frame.width(), std::max(owner.top(), available.top()));
    return KeepOnScreen(QPoint(owner.right() + 1, owner.top()), frame, available);
}

int ContentRoom(const QWidget& widget) {
    // A title bar, a dock's title and tabs, the menu bar: about five lines of text.
    constexpr int kLines = 5;
    return widget.screen()->availableGeometry().height() -
           kLines * QFontInfo(QApplication::font()).pixelSize();
}

}  // namespace vireflu
