#include "winding_design_panel.h"

#include "interface_language.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QFontInfo>
#include <QFormLayout>
#include <QLabel>
#include <QPixmap>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "frame_renderer.h"
#include "shell/winding_window.h"
#include "view/circuit_diagram.h"
#include "view/slot_star.h"

namespace vireflu {

namespace {

QString Translated(const char* text) {
    return QCoreApplication::translate("Winding", text);
}

}  // namespace

WindingDesignPanel::WindingDesignPanel(QWidget* owner) : QDialog(owner) {
    setWindowTitle(Translated(kWindingTitle));
    setObjectName(QStringLiteral("windingPanel"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    layout->addLayout(form);
    const auto controls = WindingControls(design);
    for (std::size_t k = 0; k < controls.size(); ++k) {
        auto* list = new QComboBox(this);
        list->setToolTip(Translated(controls[k].tip));
        list->setAccessibleName(Translated(controls[k].label));
        form->addRow(Translated(controls[k].label), list);
        lists[k] = list;
        connect(list, &QComboBox::activated, this, [this, k](int index) {
            const WindingControl control = WindingControls(design)[k];
            Show(WithWindingValue(design, control.value, control.minimum + index));
            emit DesignChosen(design);
        });
    }
    cage = new QCheckBox(Translated(kCageLabel), this);
    cage->setObjectName(QStringLiteral("cageCheck"));
    cage->setToolTip(Translated(kCageTip));
    layout->addWidget(cage);
    connect(cage, &QCheckBox::toggled, this, &WindingDesignPanel::CageChosen);
    free = new QCheckBox(Translated(kFreeLabel), this);
    free->setObjectName(QStringLiteral("freeRotorCheck"));
    free->setToolTip(Translated(kFreeTip));
    layout->addWidget(free);
    load = new QDoubleSpinBox(this);
    load->setObjectName(QStringLiteral("loadTorque"));
    load->setRange(-kMaxLoadNm, kMaxLoadNm);
    load->setDecimals(1);
    load->setAccessibleName(Translated(kLoadLabel));
    auto* loadRow = new QFormLayout;
    loadRow->addRow(Translated(kLoadLabel), load);
    layout->addLayout(loadRow);
    diagram = new QLabel(this);
    diagram->setObjectName(QStringLiteral("equivalentCircuit"));
    diagram->setAccessibleName(Translated(kCircuitTitle));
    diagram->setToolTip(Translated(kCircuitTitle));
    layout->addWidget(diagram, 0, Qt::AlignHCenter);
    for (std::size_t k = 0; k < kCircuitFields.size(); ++k) {
        const CircuitField& field = kCircuitFields[k];
        auto* box = new QDoubleSpinBox(this);
        box->setRange(field.minimum, field.maximum);
        box->setDecimals(3);
        box->setAccessibleName(Translated(field.label));
        loadRow->addRow(Translated(field.label), box);
        circuit[k] = box;
        connect(box, &QDoubleSpinBox::editingFinished, this, [this] {
            EquivalentCircuit chosen;
            for (std::size_t i = 0; i < kCircuitFields.size(); ++i)
                chosen.*kCircuitFields[i].value = circuit[i]->value();
            emit CircuitChosen(chosen);
        });
    }
    const auto freeChosen = [this] { emit FreeRotorChosen(free->isChecked(), load->value()); };
    const int line = QFontInfo(font()).pixelSize();
    RenderEquivalentCircuit(circuitCanvas, 16 * line, 5 * line, std::max(1, line / 12));
    diagram->setPixmap(QPixmap::fromImage(WrapCanvas(circuitCanvas).copy()));
    connect(free, &QCheckBox::toggled, this, freeChosen);
    connect(load, &QDoubleSpinBox::editingFinished, this, freeChosen);
    summary = new QLabel(this);
    summary->setObjectName(QStringLiteral("windingSummary"));
    layout->addWidget(summary);
    layout->addWidget(new QLabel(Translated(kSlotStarTitle), this));
    star = new QLabel(this);
    star->setObjectName(QStringLiteral("slotStar"));
    star->setAccessibleName(Translated(kSlotStarTitle));
    layout->addWidget(star, 0, Qt::AlignHCenter);
    layout->addStretch();
    Show(design);
}

void WindingDesignPanel::ShowCage(const CageRotor& shown) {
    const QSignalBlocker quietCage(cage), quietFree(free), quietLoad(load);
    cage->setChecked(shown.on);
    free->setChecked(shown.free);
    load->setValue(shown.loadNm);
    free->setEnabled(shown.on);
    load->setEnabled(shown.on);
    for (std::size_t k = 0; k < kCircuitFields.size(); ++k) {
        const QSignalBlocker quiet(circuit[k]);
        circuit[k]->setValue(shown.circuit.*kCircuitFields[k].value);
        circuit[k]->setEnabled(shown.on);
    }
}

void WindingDesignPanel::Show(const WindingDesign& shown) {
    design = shown;
    const auto controls = WindingControls(design);
    for (std::size_t k = 0; k < controls.size(); ++k) {
        const WindingControl& c = controls[k];
        const QSignalBlocker quiet(lists[k]);
        lists[k]->clear();
        for (int v = c.minimum; v <= c.maximum; ++v)
            lists[k]->addItem(v == c.minimum && c.noneText ? Translated(c.noneText)
                                                           : QString::number(v));
        lists[k]->setCurrentIndex(c.current - c.minimum);
    }
    summary->setText(QString::fromStdString(WindingSummary(design, CatalogueOf("Winding"))));
    // The star grows with the text, for a projector.
    const int side = 10 * QFontInfo(font()).pixelSize();
    RenderSlotStar(canvas, design, side);
    star->setPixmap(QPixmap::fromImage(WrapCanvas(canvas).copy()));
}

}  // namespace vireflu
