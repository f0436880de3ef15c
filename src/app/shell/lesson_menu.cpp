#include "lesson_menu.h"
#include "interface_language.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

#include "lesson_panel.h"
#include "lessons/lesson_json.h"
#include "lessons/lesson_library.h"
#include "plain_warning.h"
#include "setup/json_value.h"
#include "setup/setup_refusal.h"

namespace vireflu {

QMenu* MakeLessonMenu(QWidget* window, std::function<void(const Lesson&)> open,
                      const ClassActions& classActions) {
    auto* menu = new QMenu(QCoreApplication::translate("LessonMenu", "&Leçons"), window);
    QMenu* theme = nullptr;
    for (const Lesson& lesson : ShippedLessons()) {
        const QString themeTitle = ShownText(lesson.theme);
        if (theme == nullptr || theme->title() != themeTitle) theme = menu->addMenu(themeTitle);
        theme->addAction(ShownText(lesson.title), [open, &lesson] { open(lesson); });
    }
    menu->addSeparator();
    menu->addAction(
        QCoreApplication::translate("LessonMenu", "Ouvrir une leçon..."), [window, open] {
            const QString file = QFileDialog::getOpenFileName(
                window, QCoreApplication::translate("LessonMenu", "Ouvrir une leçon"), QString(),
                QCoreApplication::translate("LessonMenu", "Leçons Vireflu (*.json)"));
            if (!file.isEmpty()) OpenLessonFile(window, file, open);
        });
    // Courses apart from single lessons, and the answers apart from both, as in the page.
    menu->addSeparator();
    menu->addAction(QCoreApplication::translate("LessonMenu", "Ouvrir un parcours..."),
                    [window, open = classActions.openCourse] {
                        const QString file = QFileDialog::getOpenFileName(
                            window, QCoreApplication::translate("Course", "Ouvrir un parcours"),
                            QString(),
                            QCoreApplication::translate("Course", "Parcours Vireflu (*.json)"));
                        if (!file.isEmpty()) open(file);
                    });
    menu->addAction(QCoreApplication::translate("LessonMenu", "Composer un parcours..."),
                    classActions.compose);
    menu->addAction(
        QCoreApplication::translate("LessonMenu", "Exporter pour une plateforme (SCORM)..."),
        classActions.exportCourse);
    menu->addSeparator();
    menu->addAction(QCoreApplication::translate("LessonMenu", "Mes réponses"),
                    classActions.answers);
    menu->addSeparator();
    QAction* teacher = menu->addAction(QCoreApplication::translate("LessonMenu", "Vue enseignant"));
    teacher->setObjectName(QStringLiteral("teacherView"));
    teacher->setCheckable(true);
    teacher->setChecked(classActions.teacherViewOn);
    QObject::connect(teacher, &QAction::toggled, menu, classActions.teacherView);
    return menu;
}

std::optional<QByteArray> ReadFileUpTo(QWidget* window, const QString& file, std::size_t limit,
                                       const char* unreadable, const char* context) {
    QFile input(file);
    if (input.open(QIODevice::ReadOnly)) return input.read(static_cast<qint64>(limit) + 1);
    ShowPlainWarning(window, QCoreApplication::translate(context, unreadable)
                                 .arg(QFileInfo(file).fileName(), input.errorString()));
    return std::nullopt;
}

void WarnNotOpened(QWidget* window, const QString& file, const SetupError& refused,
                   RefusedText what) {
    const std::string sentence = SetupRefusalText(refused, CatalogueOf("Setup"), what);
    ShowPlainWarning(window, QCoreApplication::translate("LessonMenu", "%1 n'a pas été ouvert.")
                                     .arg(QFileInfo(file).fileName()) +
                                 "\n" + QString::fromStdString(sentence));
}

std::optional<LessonFile> ReadLessonFile(QWidget* window, const QString& file) {
    const std::optional<QByteArray> document = ReadFileUpTo(
        window, file, kMaxSetupBytes,
        QT_TRANSLATE_NOOP("LessonMenu", "La leçon %1 n'a pas pu être lue : %2."), "LessonMenu");
    if (!document) return std::nullopt;
    const std::string_view text(document->constData(), document->size());
    const auto read = ReadLesson(text);
    if (const auto* refused = std::get_if<SetupError>(&read)) {
        WarnNotOpened(window, file, *refused, RefusedText::Lesson);
        return std::nullopt;
    }
    // Read as a lesson, the document is JSON: a course carries it compact.
    return LessonFile{std::get<Lesson>(read), WriteJson(std::get<JsonValue>(ParseJson(text)))};
}

bool OpenLessonFile(QWidget* window, const QString& file,
                    const std::function<void(const Lesson&)>& open) {
    const std::optional<LessonFile> read = ReadLessonFile(window, file);
    if (read) open(read->lesson);
    return read.has_value();
}

}  // namespace vireflu
