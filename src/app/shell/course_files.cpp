#include "course_files.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QSaveFile>

#include "classroom/page_file.h"
#include "classroom/scorm_package.h"
#include "interface_language.h"
#include "lesson_menu.h"
#include "plain_warning.h"
#include "setup/setup_refusal.h"

namespace vireflu {

namespace {

// The file the user names in a save dialog; empty when cancelled.
QString AskWhere(QWidget* window, const QString& title, const QString& filter,
                 const QString& suggested) {
    QFileDialog dialog(window, title, QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QFileInfo(suggested).suffix());
    dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

}  // namespace

QString WriteWhole(const QString& path, std::string_view bytes) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) &&
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
            static_cast<qint64>(bytes.size()) &&
        file.commit())
        return {};
    return file.errorString();
}

bool OpenCourseFile(QWidget* window, const QString& file,
                    const std::function<void(const Course&)>& follow) {
    const std::optional<QByteArray> document = ReadFileUpTo(
        window, file, kMaxCourseBytes,
        QT_TRANSLATE_NOOP("Course", "Le parcours %1 n'a pas pu être lu : %2."), "Course");
    if (!document) return false;
    const auto read = ReadCourse(std::string_view(document->constData(), document->size()));
    if (const auto* refused = std::get_if<SetupError>(&read)) {
        WarnNotOpened(window, file, *refused, RefusedText::Course);
        return false;
    }
    follow(std::get<Course>(read));
    return true;
}

void SaveCourseAs(QWidget* window, const Course& course) {
    const QString path =
        AskWhere(window, QCoreApplication::translate("Course", "Enregistrer le parcours"),
                 QCoreApplication::translate("Course", "Parcours Vireflu (*.json)"),
                 QStringLiteral("parcours.json"));
    if (path.isEmpty()) return;
    const QString failure = WriteWhole(path, WriteCourse(course));
    if (!failure.isEmpty())
        ShowPlainWarning(window, QCoreApplication::translate(
                                     "Course", "Le parcours n'a pas pu être enregistré : %1.")
                                     .arg(failure));
}

void ExportScorm(QWidget* window, const Course& course) {
    const std::optional<std::string> found = FindPage();
    if (!found) {
        ShowPlainWarning(window, QCoreApplication::translate(
                                     "Course",
                                     "La page de Vireflu (vireflu.html) est introuvable : "
                                     "construisez-la avec « make web »."));
        return;
    }
    const PageBytes page = ReadPage(*found);
    if (!page.failure.empty()) {
        ShowPlainWarning(window, QCoreApplication::translate(
                                     "Course", "%1 n'a pas pu être lue comme la page de Vireflu.")
                                     .arg(QString::fromStdString(*found)));
        return;
    }
    const QString path = AskWhere(
        window, QCoreApplication::translate("Course", "Exporter pour une plateforme (SCORM)"),
        QCoreApplication::translate("Course", "Paquet SCORM (*.zip)"),
        QStringLiteral("parcours-scorm.zip"));
    if (path.isEmpty()) return;
    const QString failure = WriteWhole(path, ScormPackage(page.bytes, course));
    if (!failure.isEmpty())
        ShowPlainWarning(window, QCoreApplication::translate(
                                     "Course", "Le paquet n'a pas pu être enregistré : %1.")
                                     .arg(failure));
}

}  // namespace vireflu
