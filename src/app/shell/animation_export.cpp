#include "animation_export.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QProgressDialog>
#include <QSaveFile>

#include "gif_device.h"
#include "period_animation.h"
#include "plain_warning.h"
#include "setup/setup_scenario.h"

namespace vireflu {

QString AnimationExport::AskForFileName(QWidget* parent) {
    QFileDialog dialog(parent, QCoreApplication::translate("Animation", "Exporter l'animation"),
                       QString(), QCoreApplication::translate("Animation", "Images GIF (*.gif)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("gif"));
    dialog.selectFile(QStringLiteral("vireflu.gif"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

QString AnimationExport::Write(QWidget* parent, const Setup& setup, QSize size, int ticks,
                               const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QCoreApplication::translate("Animation",
                                           "L'animation n'a pas pu être enregistrée : %1.")
            .arg(file.errorString());
    PeriodAnimation animation(setup, size.width(), size.height(), ticks, DeviceSink(file));

    QProgressDialog progress(
        QCoreApplication::translate("Animation", "Exportation de l'animation..."),
        QCoreApplication::translate("Animation", "Annuler"), 0, ticks, parent);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    GifStatus status = GifStatus::Ok;
    while (status == GifStatus::Ok && animation.FramesDone() < ticks) {
        progress.setValue(animation.FramesDone());
        if (progress.wasCanceled()) {
            file.cancelWriting();
            return QCoreApplication::translate(
                "Animation", "Exportation annulée : aucun fichier n'a été écrit.");
        }
        status = animation.AddNextFrame();
    }
    progress.setValue(ticks);
    if (status == GifStatus::TooManyColours)
        return QCoreApplication::translate(
            "Animation",
            "L'animation n'a pas pu être enregistrée : ses images ont plus de 256 couleurs.");
    if (status != GifStatus::Ok || !file.commit())
        return QCoreApplication::translate("Animation",
                                           "L'animation n'a pas pu être enregistrée : %1.")
            .arg(file.errorString());
    return {};
}

void AnimationExport::Run(QWidget* parent, const Setup& setup, QSize viewSize) {
    const std::optional<int> ticks = SetupPeriodTicks(setup);
    if (!ticks) {
        QMessageBox::information(
            parent, QStringLiteral("Vireflu"),
            QCoreApplication::translate("Animation",
                                        "Aucune animation à exporter : aucun enroulement n'est "
                                        "alimenté en « sinus » ou « rectangulaire » au-dessus de "
                                        "0 Hz."));
        return;
    }
    const QString path = AskForFileName(parent);
    if (path.isEmpty()) return;
    const QString failure = Write(parent, setup, viewSize, *ticks, path);
    // The failure may quote the file's name.
    if (!failure.isEmpty()) ShowPlainWarning(parent, failure);
}

}  // namespace vireflu
