#include "phase_frame.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "panel_pictures/phase_picture.h"

namespace {

// A sunken edge two pixels wide, then the black line one pixel wide.
constexpr int kEdgeWidth = 2;

QRect LogicalArea(const QImage& image) {
    return QRect(QPoint(0, 0), image.deviceIndependentSize().toSize());
}

// Where `after` differs from `before`, in logical pixels from the picture's corner. From one
// tick to the next only the time cursor moves, a few columns of the picture.
QRect ChangedArea(const QImage& before, const QImage& after) {
    if (before.size() != after.size() || before.format() != after.format() ||
        before.devicePixelRatio() != after.devicePixelRatio() || before.depth() != 32)
        return LogicalArea(before).united(LogicalArea(after));
    int left = after.width(), right = -1, top = after.height(), bottom = -1;
    for (int y = 0; y < after.height(); ++y) {
        const auto* was = reinterpret_cast<const QRgb*>(before.constScanLine(y));
        const auto* is = reinterpret_cast<const QRgb*>(after.constScanLine(y));
        const auto first = std::mismatch(was, was + after.width(), is);
        if (first.first == was + after.width()) continue;
        const auto last = std::mismatch(std::reverse_iterator(was + after.width()),
                                        std::reverse_iterator(first.first),
                                        std::reverse_iterator(is + after.width()));
        left = std::min(left, static_cast<int>(first.first - was));
        right = std::max(right, static_cast<int>(last.first.base() - was));
        top = std::min(top, y);
        bottom = y + 1;
    }
    if (bottom < 0) return {};
    const qreal ratio = after.devicePixelRatio();
    const auto down = [ratio](int pixels) { return static_cast<int>(std::floor(pixels / ratio)); };
    const auto up = [ratio](int pixels) { return static_cast<int>(std::ceil(pixels / ratio)); };
    return QRect(QPoint(down(left), down(top)), QPoint(up(right) - 1, up(bottom) - 1));
}

}  // namespace

CPhaseFrame::CPhaseFrame(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(kEdgeWidth);
}

void CPhaseFrame::SetPicture(const QImage& image) {
    // Only what changed is repainted, so nothing around the picture (the frame, a control
    // the frame's edge runs under) is painted again at every tick.
    const QRect changed = ChangedArea(picture, image);
    picture = image;
    if (!changed.isEmpty())
        update(changed.translated(vireflu::kPictureInset, vireflu::kPictureInset));
}

void CPhaseFrame::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(kEdgeWidth, kEdgeWidth, -kEdgeWidth - 1, -kEdgeWidth - 1));
    if (picture.isNull()) return;
    painter.drawImage(QPoint(vireflu::kPictureInset, vireflu::kPictureInset), picture);
}
