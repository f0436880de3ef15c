#include "animation_export.h"

#include <memory>

#include <QFileDialog>
#include <QMessageBox>
#include <QProgressDialog>
#include <QSaveFile>

#include "frame_renderer.h"
#include "gif_device.h"
#include "simulation/clock.h"
#include "simulation/period.h"

namespace vireflu {

QString AnimationExport::AskForFileName(QWidget* parent) {
    QFileDialog dialog(parent, tr("Exporter l'animation"), QString(), tr("Images GIF (*.gif)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("gif"));
    dialog.selectFile(QStringLiteral("vireflu.gif"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

QString AnimationExport::Write(QWidget* parent, const SimulationState& state, QSize size, int ticks,
                               const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return tr("L'animation n'a pas pu être enregistrée : %1.").arg(file.errorString());
    GifAnimationWriter gif(DeviceSink(file), kTickPeriodMs);

    // Kilobytes of tables and trace: off the stack, as the program's own state.
    auto copy = std::make_unique<SimulationState>(state);
    auto scene = std::make_unique<MachineScene>();
    scene->Resize(size.width(), size.height());
    ResetClockState(*copy);

    QProgressDialog progress(tr("Exportation de l'animation..."), tr("Annuler"), 0, ticks, parent);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    for (int tick = 0; tick < ticks; ++tick) {
        progress.setValue(tick);
        if (progress.wasCanceled()) {
            file.cancelWriting();
            return tr("Exportation annulée : aucun fichier n'a été écrit.");
        }
        if (tick > 0) AdvanceClock(*copy);
        const GifStatus status = AddImage(gif, RenderMachineFrame(*scene, *copy));
        if (status == GifStatus::TooManyColours)
            return tr(
                "L'animation n'a pas pu être enregistrée : ses images ont plus de 256 "
                "couleurs.");
        if (status != GifStatus::Ok) break;
    }
    progress.setValue(ticks);
    if (gif.Finish() != GifStatus::Ok || !file.commit())
        return tr("L'animation n'a pas pu être enregistrée : %1.").arg(file.errorString());
    return {};
}

void AnimationExport::Run(QWidget* parent, const SimulationState& state, QSize viewSize) {
    const std::optional<int> ticks = PeriodTicks(state);
    if (!ticks) {
        QMessageBox::information(parent, QStringLiteral("Vireflu"),
                                 tr("Aucune animation à exporter : aucun enroulement n'est "
                                    "alimenté en « sinus » ou « rectangulaire » au-dessus de "
                                    "0 Hz."));
        return;
    }
    const QString path = AskForFileName(parent);
    if (path.isEmpty()) return;
    const QString failure = Write(parent, state, viewSize, *ticks, path);
    if (!failure.isEmpty()) QMessageBox::warning(parent, QStringLiteral("Vireflu"), failure);
}

}  // namespace vireflu
