#include "measures_image.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include "frame_recorder.h"
#include "measures/measure_rows.h"
#include "measures/measures_picture.h"
#include "painter_surface.h"

#include <algorithm>
#include <memory>

namespace vireflu {

namespace {

constexpr int kWidth = 520;
constexpr int kCurveHeight = 170;
constexpr int kRowHeight = 18;
constexpr int kValueColumn = 190;

// Where the values start and how wide the picture is: the values after the longest label,
// the picture as wide as the longest value needs; another winding's and a cage's run long.
struct Columns {
    int value = kValueColumn;
    int width = kWidth;
};

Columns ColumnsOf(const std::vector<MeasureRow>& rows) {
    const QFontMetrics metrics{QFont()};
    Columns c;
    for (const MeasureRow& row : rows)
        c.value = std::max(c.value, 20 + metrics.horizontalAdvance(QString::fromUtf8(row.label)));
    for (const MeasureRow& row : rows)
        c.width = std::max(
            c.width, c.value + 8 + metrics.horizontalAdvance(QString::fromStdString(row.value)));
    return c;
}

void Paint(QPainter& painter, const Measures& measures, const std::vector<MeasureRow>& rows,
           int lineWidth, int height, Columns columns) {
    const int valueColumn = columns.value;
    painter.fillRect(0, 0, columns.width, height, Qt::white);
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
        painter.drawText(valueColumn, y, QString::fromStdString(row.value));
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
    const Columns columns = ColumnsOf(rows);
    if (!svg) {
        QImage image(columns.width, height, QImage::Format_RGB32);
        QPainter painter(&image);
        Paint(painter, measures, rows, LineWidth(state), height, columns);
        painter.end();
        return PngBytes(image);
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(QSize(columns.width, height));
    generator.setViewBox(QRect(0, 0, columns.width, height));
    generator.setTitle("Vireflu - Mesures");
    {
        QPainter painter(&generator);
        Paint(painter, measures, rows, LineWidth(state), height, columns);
    }
    return buffer.data();
}

}  // namespace vireflu
