#include "measures_image.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include "frame_recorder.h"
#include "measures/measure_rows.h"
#include "measures/measures_picture.h"
#include "painter_surface.h"

#include <memory>

namespace vireflu {

namespace {

constexpr int kWidth = 520;
constexpr int kCurveHeight = 170;
constexpr int kRowHeight = 18;
constexpr int kValueColumn = 190;

void Paint(QPainter& painter, const Measures& measures, const std::vector<MeasureRow>& rows,
           int lineWidth, int height) {
    painter.fillRect(0, 0, kWidth, height, Qt::white);
    PainterSurface surface(painter);
    DrawAirGapCurve(surface, Rect{0, 0, kWidth, kCurveHeight}, measures, lineWidth);
    // The legend in one row under the curve, each name in its curve's colour.
    const std::span<const CurveLegendEntry> legend = CurveLegend();
    int y = kCurveHeight + kRowHeight;
    for (std::size_t i = 0; i < legend.size(); ++i) {
        const Rgb c = legend[i].textColour;
        painter.setPen(QColor(c.red, c.green, c.blue));
        painter.drawText(8 + static_cast<int>(i * kWidth / legend.size()), y,
                         QString::fromUtf8(legend[i].name));
    }
    painter.setPen(Qt::black);
    y += kRowHeight;
    for (const MeasureRow& row : rows) {
        painter.drawText(8, y, QString::fromUtf8(row.label));
        painter.drawText(kValueColumn, y, QString::fromStdString(row.value));
        y += kRowHeight;
    }
}

}  // namespace

QByteArray RenderMeasuresDocument(const SimulationState& state, const MachineScene& scene,
                                  bool svg) {
    const Measures measures = ComputeMeasures(state, scene.InstantOf(state));
    const std::vector<MeasureRow> rows = MeasureRows(measures);
    // Text needs the toolkit's font database, which only a GUI application opens; the
    // offscreen platform needs no display.
    int argc = 3;
    char name[] = "vireflu-render", option[] = "-platform", platform[] = "offscreen";
    char* argv[] = {name, option, platform, nullptr};
    std::unique_ptr<QGuiApplication> application;
    if (QGuiApplication::instance() == nullptr)
        application = std::make_unique<QGuiApplication>(argc, argv);
    const int height = kCurveHeight + kRowHeight * (static_cast<int>(rows.size()) + 2);
    if (!svg) {
        QImage image(kWidth, height, QImage::Format_RGB32);
        QPainter painter(&image);
        Paint(painter, measures, rows, LineWidth(state), height);
        painter.end();
        return PngBytes(image);
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(QSize(kWidth, height));
    generator.setViewBox(QRect(0, 0, kWidth, height));
    generator.setTitle("Vireflu - Mesures");
    {
        QPainter painter(&generator);
        Paint(painter, measures, rows, LineWidth(state), height);
    }
    return buffer.data();
}

}  // namespace vireflu
