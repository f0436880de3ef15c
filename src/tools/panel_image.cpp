#include "panel_image.h"

#include <QPainter>

#include "frame_renderer.h"
#include "panel_pictures/phase_picture.h"

namespace vireflu {

QImage RenderPanelPictures(Winding winding, const WindingSettings& values, double currentAngle,
                           PixelSize pictureSize, int lineWidth) {
    const std::vector<int> phases = PicturedPhases(values);
    if (phases.empty()) return QImage();
    const int w = pictureSize.width;
    const int h = pictureSize.height;
    QImage image(w, h * static_cast<int>(phases.size()), QImage::Format_RGB32);
    QPainter painter(&image);
    int top = 0;
    for (auto phase = phases.rbegin(); phase != phases.rend(); ++phase, top += h)
        painter.drawImage(
            0, top,
            RenderPhasePicture(w, h, winding, *phase, values, currentAngle, 1.0, lineWidth));
    return image;
}

}  // namespace vireflu
