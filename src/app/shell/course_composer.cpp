#include "course_composer.h"

#include <algorithm>

#include <QClipboard>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "course_files.h"
#include "interface_language.h"
#include "lesson_menu.h"
#include "lesson_panel.h"
#include "lessons/lesson_library.h"
#include "plain_warning.h"
#include "setup/setup_refusal.h"

namespace vireflu {

namespace {

QString Translated(const char* text) {
    return QCoreApplication::translate("Course", text);
}

constexpr int kLessonRole = Qt::UserRole;

}  // namespace

CourseComposer::CourseComposer(QWidget* owner)
    : QDialog(owner),
      shipped(new QTreeWidget(this)),
      chosen(new QListWidget(this)),
      title(new QLineEdit(this)),
      passMark(new QSpinBox(this)),
      addButton(new QPushButton(QCoreApplication::translate("Course", "Ajouter"), this)),
      upButton(new QPushButton(QCoreApplication::translate("Course", "Monter"), this)),
      downButton(new QPushButton(QCoreApplication::translate("Course", "Descendre"), this)),
      removeButton(new QPushButton(QCoreApplication::translate("Course", "Retirer"), this)),
      fileButton(new QPushButton(
          QCoreApplication::translate("Course", "Ajouter une leçon de fichier..."), this)),
      actions(new QWidget(this)) {
    setWindowTitle(QCoreApplication::translate("Course", "Composer un parcours"));
    setObjectName(QStringLiteral("courseComposer"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    title->setObjectName(QStringLiteral("courseTitle"));
    title->setMaxLength(static_cast<int>(kMaxCourseTitle));
    form->addRow(QCoreApplication::translate("Course", "Titre"), title);
    // Below 0, "aucune": the course is completed rather than passed or failed.
    passMark->setObjectName(QStringLiteral("passMark"));
    passMark->setRange(-1, 100);
    passMark->setValue(-1);
    passMark->setSpecialValueText(QCoreApplication::translate("Course", "aucune"));
    passMark->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    form->addRow(QCoreApplication::translate("Course", "Note de passage (%)"), passMark);
    layout->addLayout(form);

    auto* lists = new QGridLayout;
    auto* shippedLabel =
        new QLabel(QCoreApplication::translate("Course", "Leçons de Vireflu"), this);
    shippedLabel->setBuddy(shipped);
    auto* chosenLabel =
        new QLabel(QCoreApplication::translate("Course", "Leçons du parcours"), this);
    chosenLabel->setBuddy(chosen);
    lists->addWidget(shippedLabel, 0, 0);
    lists->addWidget(chosenLabel, 0, 2);
    shipped->setObjectName(QStringLiteral("shippedLessons"));
    shipped->setHeaderHidden(true);
    shipped->setSelectionMode(QAbstractItemView::ExtendedSelection);
    QTreeWidgetItem* theme = nullptr;
    const std::vector<Lesson>& lessons = ShippedLessons();
    for (std::size_t i = 0; i < lessons.size(); ++i) {
        const QString themeTitle = ShownText(lessons[i].theme);
        if (theme == nullptr || theme->text(0) != themeTitle)
            theme = new QTreeWidgetItem(shipped, {themeTitle});
        auto* item = new QTreeWidgetItem(theme, {ShownText(lessons[i].title)});
        item->setData(0, kLessonRole, static_cast<int>(i));
    }
    shipped->expandAll();
    lists->addWidget(shipped, 1, 0);
    auto* middle = new QVBoxLayout;
    middle->addStretch(1);
    middle->addWidget(addButton);
    middle->addStretch(1);
    lists->addLayout(middle, 1, 1);
    chosen->setObjectName(QStringLiteral("courseLessons"));
    lists->addWidget(chosen, 1, 2);
    auto* order = new QVBoxLayout;
    for (QPushButton* button : {upButton, downButton, removeButton}) order->addWidget(button);
    order->addStretch(1);
    lists->addLayout(order, 1, 3);
    lists->addWidget(fileButton, 2, 2);
    lists->setColumnStretch(0, 1);
    lists->setColumnStretch(2, 1);
    layout->addLayout(lists, 1);

    auto* row = new QHBoxLayout(actions);
    row->setContentsMargins(0, 0, 0, 0);
    const auto action = [&](const char* caption, const char* name, auto done) {
        auto* button = new QPushButton(Translated(caption), actions);
        button->setObjectName(QString::fromLatin1(name));
        row->addWidget(button);
        connect(button, &QPushButton::clicked, this, [this, done] {
            if (const std::optional<Course> composed = Composed()) done(*composed);
        });
    };
    action(QT_TRANSLATE_NOOP("Course", "Commencer"), "startCourse", [this](const Course& composed) {
        hide();
        emit Started(composed);
    });
    action(QT_TRANSLATE_NOOP("Course", "Enregistrer..."), "saveCourse",
           [this](const Course& composed) { SaveCourseAs(this, composed); });
    action(QT_TRANSLATE_NOOP("Course", "Copier le lien"), "copyCourseLink",
           [](const Course& composed) {
               // The page's address takes it after '#'; the desktop has no address of its own.
               QGuiApplication::clipboard()->setText(QStringLiteral("#") +
                                                     QString::fromStdString(CourseLink(composed)));
           });
    action(QT_TRANSLATE_NOOP("Course", "Exporter pour une plateforme (SCORM)..."), "exportCourse",
           [this](const Course& composed) { ExportScorm(this, composed); });
    layout->addWidget(actions);

    connect(addButton, &QPushButton::clicked, this, &CourseComposer::AddChosen);
    // A theme's double click opens or closes it, as in any tree.
    connect(shipped, &QTreeWidget::itemDoubleClicked, this, [this](const QTreeWidgetItem* item) {
        if (item->childCount() == 0) AddChosen();
    });
    connect(upButton, &QPushButton::clicked, this, [this] { Move(-1); });
    connect(downButton, &QPushButton::clicked, this, [this] { Move(1); });
    connect(removeButton, &QPushButton::clicked, this, [this] {
        const int row = chosen->currentRow();
        if (row < 0) return;
        course.lessons.erase(course.lessons.begin() + row);
        ShowLessons(std::min(row, static_cast<int>(course.lessons.size()) - 1));
    });
    connect(fileButton, &QPushButton::clicked, this, [this] {
        const QString file = QFileDialog::getOpenFileName(
            this, QCoreApplication::translate("LessonMenu", "Ouvrir une leçon"), QString(),
            QCoreApplication::translate("LessonMenu", "Leçons Vireflu (*.json)"));
        if (!file.isEmpty()) AddLessonFile(file);
    });
    connect(chosen, &QListWidget::currentRowChanged, this, &CourseComposer::ShowButtons);
    connect(title, &QLineEdit::textChanged, this, &CourseComposer::ShowButtons);
    ShowLessons(-1);
    resize(760, 480);
}

void CourseComposer::AddChosen() {
    // A theme chosen brings all its lessons, in their order.
    std::vector<int> picked;
    for (const QTreeWidgetItem* item : shipped->selectedItems()) {
        if (item->childCount() == 0) picked.push_back(item->data(0, kLessonRole).toInt());
        for (int child = 0; child < item->childCount(); ++child)
            picked.push_back(item->child(child)->data(0, kLessonRole).toInt());
    }
    std::ranges::sort(picked);
    for (const int index : picked)
        if (course.lessons.size() < kMaxCourseLessons)
            course.lessons.push_back({ShippedLessons()[static_cast<std::size_t>(index)], {}});
    ShowLessons(static_cast<int>(course.lessons.size()) - 1);
}

bool CourseComposer::AddLessonFile(const QString& file) {
    const std::optional<LessonFile> read = ReadLessonFile(this, file);
    if (!read) return false;
    course.lessons.push_back({read->lesson, read->document});
    ShowLessons(static_cast<int>(course.lessons.size()) - 1);
    return true;
}

void CourseComposer::Move(int by) {
    const int from = chosen->currentRow();
    const int to = from + by;
    if (from < 0 || to < 0 || to >= static_cast<int>(course.lessons.size())) return;
    std::swap(course.lessons[static_cast<std::size_t>(from)],
              course.lessons[static_cast<std::size_t>(to)]);
    ShowLessons(to);
}

void CourseComposer::ShowLessons(int current) {
    {
        const QSignalBlocker quiet(chosen);
        chosen->clear();
        for (const CourseLesson& lesson : course.lessons)
            chosen->addItem(ShownText(lesson.lesson.title));
        chosen->setCurrentRow(current);
    }
    ShowButtons();
}

void CourseComposer::ShowButtons() {
    const int row = chosen->currentRow();
    const int count = static_cast<int>(course.lessons.size());
    const bool room = course.lessons.size() < kMaxCourseLessons;
    addButton->setEnabled(room);
    fileButton->setEnabled(room);
    upButton->setEnabled(row > 0);
    downButton->setEnabled(row >= 0 && row + 1 < count);
    removeButton->setEnabled(row >= 0);
    actions->setEnabled(count > 0 && !title->text().trimmed().isEmpty());
}

std::optional<Course> CourseComposer::Composed() {
    course.title = title->text().trimmed().toStdString();
    course.passMark = passMark->value() < 0 ? std::nullopt : std::optional<int>(passMark->value());
    // The reader has the last word on what a course may hold.
    auto read = ReadCourse(WriteCourse(course));
    if (const auto* refused = std::get_if<SetupError>(&read)) {
        ShowPlainWarning(this, QString::fromStdString(SetupRefusalText(
                                   *refused, CatalogueOf("Setup"), RefusedText::Course)));
        return std::nullopt;
    }
    return std::get<Course>(std::move(read));
}

}  // namespace vireflu
