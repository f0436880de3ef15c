#include "measures_panel.h"

#include "interface_language.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cstring>

#include "frame_renderer.h"
#include "measures/measures_picture.h"
#include "measures/torque_speed_picture.h"
#include "window_placement.h"

namespace vireflu {

namespace {

// A legend entry in its curve's colour. A palette rather than a style sheet, so the entry
// still takes the program's font, larger in projector mode.
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

    // A projector's large text on a small screen: the window keeps to the screen's height and
    // its content scrolls.
    content = new QWidget;
    scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->verticalScrollBar()->setAccessibleName(windowTitle());
    scroll->setWidget(content);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
    auto* layout = new QGridLayout(content);
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
    for (const MeasureRow& measure : EveryMeasureRow()) {
        auto* name = new QLabel(Translated(measure.label));
        auto* value = new QLabel;
        name->setToolTip(Translated(measure.tip));
        value->setToolTip(name->toolTip());
        value->setAccessibleName(name->text());  // a value read alone says what it is
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        value->setWordWrap(true);  // the harmonics run long
        layout->addWidget(name, row, 0);
        layout->addWidget(value, row, 1);
        names.push_back(name);
        values.push_back(value);
        labels.push_back(measure.label);
        ++row;
    }

    torqueCurve = new QLabel;
    torqueCurve->setObjectName(QStringLiteral("torqueSpeedCurve"));
    torqueCurve->setToolTip(Translated(kTorqueSpeedTip));
    torqueCurve->setAccessibleName(torqueCurve->toolTip());
    layout->addWidget(torqueCurve, row++, 0, 1, 2);

    sequencesCheck =
        new QCheckBox(QCoreApplication::translate("Measures", "Deux champs tournants"));
    sequencesCheck->setToolTip(QCoreApplication::translate(
        "Measures", "Dessine les champs direct (bleu) et inverse (orange) dans la coupe."));
    layout->addWidget(sequencesCheck, row, 0, 1, 2);
    connect(sequencesCheck, &QCheckBox::toggled, this, &CMeasuresPanel::SequencesToggled);
}

void CMeasuresPanel::FitScreen() {
    const QSize wanted = content->sizeHint();
    const int room = ContentRoom(*this);
    const int bar = wanted.height() > room ? scroll->verticalScrollBar()->sizeHint().width() : 0;
    setFixedSize(wanted.width() + bar, std::min(wanted.height(), room));
}

void CMeasuresPanel::Show(const Measures& measures, int lineWidth) {
    if (!isVisible()) return;
    // The rest of the window keeps its size; the curve gives up height, and width with it,
    // for the window to fit the screen, down to half its size.
    const CurveSize full = MeasuresCurveSize(lineWidth > 1);
    const int rest = content->sizeHint().height() - curve->sizeHint().height();
    const int room = ContentRoom(*this) - rest;
    const double fit = std::clamp(static_cast<double>(room) / full.height, 0.5, 1.0);
    const CurveSize size{static_cast<int>(full.width * fit), static_cast<int>(full.height * fit)};
    RenderAirGapCurve(canvas, size.width, size.height, measures, lineWidth);
    curve->setPixmap(QPixmap::fromImage(WrapCanvas(canvas)));
    torqueCurve->setVisible(measures.induction.has_value());
    if (measures.induction) {
        RenderTorqueSpeedCurve(torqueCanvas, size.width, size.height, measures, lineWidth);
        torqueCurve->setPixmap(QPixmap::fromImage(WrapCanvas(torqueCanvas)));
    }
    const std::vector<MeasureRow> rows = MeasureRows(measures, words);
    // Each row in its place, by its label; the rows this machine has no use for are hidden.
    for (std::size_t i = 0; i < values.size(); ++i) {
        const auto row = std::find_if(rows.begin(), rows.end(), [&](const MeasureRow& r) {
            return std::strcmp(r.label, labels[i]) == 0;
        });
        if (row != rows.end()) values[i]->setText(QString::fromStdString(row->value));
        names[i]->setVisible(row != rows.end());
        values[i]->setVisible(row != rows.end());
    }
    FitScreen();
}

void CMeasuresPanel::Reopen() {
    show();
    raise();
    activateWindow();
}

}  // namespace vireflu
