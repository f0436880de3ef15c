#include "phase_frame.h"

#include <QPainter>

#include "panel_pictures/phase_picture.h"

namespace {

// A sunken edge two pixels wide, then the black line one pixel wide.
constexpr int kEdgeWidth = 2;

}  // namespace

CPhaseFrame::CPhaseFrame(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(kEdgeWidth);
}

void CPhaseFrame::SetPicture(const QImage& image) {
    picture = image;
    update();
}

void CPhaseFrame::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(kEdgeWidth, kEdgeWidth, -kEdgeWidth - 1, -kEdgeWidth - 1));
    if (picture.isNull()) return;
    painter.drawImage(QPoint(vireflu::kPictureInset, vireflu::kPictureInset), picture);
}
