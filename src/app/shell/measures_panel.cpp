#include "measures_panel.h"

#include "interface_language.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPixmap>

#include "frame_renderer.h"
#include "measures/measures_picture.h"

namespace vireflu {

namespace {

// A legend entry in its curve's colour. A palette rather than a style sheet, so the entry
// still takes the window's font in projector mode.
QLabel* LegendEntry(const QString& text, Rgb colour) {
    auto* label = new QLabel(text);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(colour.red, colour.green, colour.blue));
    label->setPalette(palette);
    return label;
}

QString Translated(const char* text) {
    return QCoreApplication::translate("Measures", text);
}

}  // namespace

CMeasuresPanel::CMeasuresPanel(QWidget* owner)
    : QDialog(owner), words(TranslatedMeasureWords(CatalogueOf("Measures"))) {
    setWindowTitle(QCoreApplication::translate("Measures", "Mesures"));
    setObjectName(QStringLiteral("measuresPanel"));
    baseFont = font();

    auto* layout = new QGridLayout(this);
    curve = new QLabel;
    curve->setObjectName(QStringLiteral("airGapCurve"));
    curve->setToolTip(QCoreApplication::translate(
        "Measures", "Force magnétomotrice le long de l'entrefer, de 0 à 360°."));
    curve->setAccessibleName(curve->toolTip());
    layout->addWidget(curve, 0, 0, 1, 2);

    auto* legend = new QHBoxLayout;
    for (const CurveLegendEntry& entry : CurveLegend())
        legend->addWidget(LegendEntry(Translated(entry.name), entry.textColour));
    layout->addLayout(legend, 1, 0, 1, 2);

    int row = 2;
    for (const MeasureRow& measure : MeasureRows(Measures{})) {
        auto* name = new QLabel(Translated(measure.label));
        auto* value = new QLabel;
        name->setToolTip(Translated(measure.tip));
        value->setToolTip(name->toolTip());
        value->setAccessibleName(name->text());  // a value read alone says what it is
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        value->setWordWrap(true);  // the harmonics run long
        layout->addWidget(name, row, 0);
        layout->addWidget(value, row, 1);
        values.push_back(value);
        ++row;
    }

    sequencesCheck =
        new QCheckBox(QCoreApplication::translate("Measures", "Deux champs tournants"));
    sequencesCheck->setToolTip(QCoreApplication::translate(
        "Measures", "Dessine les champs direct (bleu) et inverse (orange) dans la coupe."));
    layout->addWidget(sequencesCheck, row, 0, 1, 2);
    connect(sequencesCheck, &QCheckBox::toggled, this, &CMeasuresPanel::SequencesToggled);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CMeasuresPanel::Show(const Measures& measures, int lineWidth) {
    if (!isVisible()) return;
    const CurveSize size = MeasuresCurveSize(lineWidth > 1);
    RenderAirGapCurve(canvas, size.width, size.height, measures, lineWidth);
    curve->setPixmap(QPixmap::fromImage(WrapCanvas(canvas)));
    const std::vector<MeasureRow> rows = MeasureRows(measures, words);
    for (std::size_t i = 0; i < rows.size(); ++i)
        values[i]->setText(QString::fromStdString(rows[i].value));
}

void CMeasuresPanel::SetProjector(bool on) {
    QFont f = baseFont;
    if (on) f.setPointSizeF(baseFont.pointSizeF() * kProjectorTextScale);
    setFont(f);
}

void CMeasuresPanel::Reopen() {
    show();
    raise();
    activateWindow();
}

}  // namespace vireflu
