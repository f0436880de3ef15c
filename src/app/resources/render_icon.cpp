// Renders the program's SVG icon to one PNG file per size, at build time, so that the
// window icon at start-up is a small PNG to decode rather than an SVG to parse and render.
// Usage: render_icon ICON_SVG OUTPUT_DIR SIDE...; writes OUTPUT_DIR/vireflu-SIDE.png.
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s ICON_SVG OUTPUT_DIR SIDE...\n", argv[0]);
        return 2;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) return 1;
    for (int i = 3; i < argc; ++i) {
        const int side = std::atoi(argv[i]);
        QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        if (!image.save(
                QStringLiteral("%1/vireflu-%2.png").arg(QString::fromLocal8Bit(argv[2])).arg(side)))
            return 1;
    }
    return 0;
}
