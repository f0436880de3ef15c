#include "phase_frame.h"

#include <QPainter>

#include "panel_pictures/phase_picture.h"

CPhaseFrame::CPhaseFrame(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Box | QFrame::Plain);
    QPalette black = palette();
    black.setColor(QPalette::WindowText, Qt::black);
    setPalette(black);
}

void CPhaseFrame::SetPicture(const QImage& image) {
    picture = image;
    update();
}

void CPhaseFrame::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (picture.isNull()) return;
    QPainter painter(this);
    painter.drawImage(QPoint(vireflu::kPictureInset, vireflu::kPictureInset), picture);
}
