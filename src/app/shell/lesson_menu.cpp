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
#include "setup/setup_refusal.h"

namespace vireflu {

QMenu* MakeLessonMenu(QWidget* window, std::function<void(const Lesson&)> open) {
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
    return menu;
}

bool OpenLessonFile(QWidget* window, const QString& file,
                    const std::function<void(const Lesson&)>& open) {
    QFile input(file);
    const QString name = QFileInfo(file).fileName();
    if (!input.open(QIODevice::ReadOnly)) {
        ShowPlainWarning(window, QCoreApplication::translate(
                                     "LessonMenu", "La leçon %1 n'a pas pu être lue : %2.")
                                     .arg(name, input.errorString()));
        return false;
    }
    const QByteArray document = input.read(static_cast<qint64>(kMaxSetupBytes) + 1);
    const auto read = ReadLesson(std::string_view(document.constData(), document.size()));
    if (const auto* refused = std::get_if<SetupError>(&read)) {
        const std::string sentence =
            SetupRefusalText(*refused, CatalogueOf("Setup"), RefusedText::Lesson);
        ShowPlainWarning(
            window, QCoreApplication::translate("LessonMenu", "%1 n'a pas été ouvert.").arg(name) +
                        "\n" + QString::fromStdString(sentence));
        return false;
    }
    open(std::get<Lesson>(read));
    return true;
}

}  // namespace vireflu
