#include "setup_files.h"
#include "interface_language.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>

#include "plain_warning.h"
#include "setup/setup_json.h"
#include "setup/setup_refusal.h"

namespace vireflu {

namespace {

constexpr int kRecentFiles = 4;
const QString kRecentKey = QStringLiteral("recentSetups");

QString Filter() {
    return QCoreApplication::translate("Files", "Réglages Vireflu (*.vireflu)");
}

}  // namespace

SetupFiles::SetupFiles(QWidget* window, QMenu* recent, Opened opened, Current current, Kept kept)
    : window(window),
      recent(recent),
      opened(std::move(opened)),
      current(std::move(current)),
      kept(std::move(kept)) {
    ShowRecent();
}

void SetupFiles::AskAndOpen() {
    const QString chosen = QFileDialog::getOpenFileName(
        window, QCoreApplication::translate("Files", "Ouvrir un réglage"), QFileInfo(path).path(),
        Filter());
    if (!chosen.isEmpty()) Open(chosen);
}

bool SetupFiles::Open(const QString& file) {
    QFile input(file);
    if (!input.open(QIODevice::ReadOnly)) {
        ShowPlainWarning(
            window, QCoreApplication::translate("Files", "Le réglage %1 n'a pas pu être lu : %2.")
                        .arg(QFileInfo(file).fileName(), input.errorString()));
        return false;
    }
    // One byte past the limit is enough to refuse a file that is too large.
    const QByteArray document = input.read(static_cast<qint64>(kMaxSetupBytes) + 1);
    const auto read = ReadSetup(std::string_view(document.constData(), document.size()));
    if (const auto* refused = std::get_if<SetupError>(&read)) {
        const std::string sentence = SetupRefusalText(*refused, CatalogueOf("Setup"));
        ShowPlainWarning(window, QCoreApplication::translate("Files", "%1 n'a pas été ouvert.")
                                         .arg(QFileInfo(file).fileName()) +
                                     "\n" + QString::fromStdString(sentence));
        return false;
    }
    if (!opened(std::get<Setup>(read))) return false;
    Remember(file);
    kept();
    return true;
}

bool SetupFiles::Save() {
    return path.isEmpty() ? SaveAs() : Write(path);
}

bool SetupFiles::SaveAs() {
    QFileDialog dialog(window, QCoreApplication::translate("Files", "Enregistrer le réglage"),
                       QString(), Filter());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("vireflu"));
    dialog.selectFile(path.isEmpty() ? QStringLiteral("vireflu.vireflu") : path);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    return Write(dialog.selectedFiles().constFirst());
}

QString SetupFiles::FileName() const {
    return QFileInfo(path).fileName();
}

bool SetupFiles::Write(const QString& target) {
    QSaveFile file(target);
    const std::string document = WriteSetup(current());
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(document.data(), static_cast<qint64>(document.size())) !=
            static_cast<qint64>(document.size()) ||
        !file.commit()) {
        ShowPlainWarning(window, QCoreApplication::translate(
                                     "Files", "Le réglage n'a pas pu être enregistré : %1.")
                                     .arg(file.errorString()));
        return false;
    }
    Remember(target);
    kept();
    return true;
}

void SetupFiles::Remember(const QString& file) {
    path = file;
    QSettings settings;
    QStringList files = settings.value(kRecentKey).toStringList();
    const QString absolute = QFileInfo(file).absoluteFilePath();
    files.removeAll(absolute);
    files.prepend(absolute);
    while (files.size() > kRecentFiles) files.removeLast();
    settings.setValue(kRecentKey, files);
    ShowRecent();
}

void SetupFiles::ShowRecent() {
    // Later: an action of the menu may be the one being triggered.
    for (QAction* action : recent->actions()) {
        recent->removeAction(action);
        action->deleteLater();
    }
    const QStringList files = QSettings().value(kRecentKey).toStringList();
    for (int i = 0; i < files.size(); ++i) {
        const QString file = files[i];
        recent
            // A '&' of the name is shown, not taken for an access key.
            ->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(
                            QFileInfo(file).fileName().replace('&', QStringLiteral("&&"))),
                        [this, file] { Open(file); })
            ->setToolTip(file);
    }
    recent->setEnabled(!files.isEmpty());
}

}  // namespace vireflu
