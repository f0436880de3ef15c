#pragma once

#include <QFrame>
#include <QImage>

// The sunken black frame that holds one phase picture. The picture is drawn off-screen by the
// panel and copied here in one go, inset 4 pixels from the frame's outer edge.
class CPhaseFrame : public QFrame {
    Q_OBJECT

public:
    explicit CPhaseFrame(QWidget* parent = nullptr);

    // An empty image leaves the interior blank.
    void SetPicture(const QImage& picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture;
};
