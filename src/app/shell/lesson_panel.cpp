#include "lesson_panel.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFontInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLocale>
#include <QVBoxLayout>
#include <algorithm>

#include "interface_language.h"

namespace vireflu {

namespace {

QLabel* Paragraph(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

}  // namespace

bool LessonsInEnglish() {
    return InterfaceLanguage(QLocale::system().uiLanguages()).code == std::string_view("en");
}

QString ShownText(const LessonText& text) {
    return QString::fromStdString(ShownLessonText(text, CatalogueOf("Lesson"), LessonsInEnglish()));
}

LessonPanel::LessonPanel(Session& session, QWidget* parent)
    : QWidget(parent),
      session(session),
      title(Paragraph("lessonTitle", this)),
      introduction(Paragraph("introduction", this)),
      question(Paragraph("question", this)),
      numberEdit(new QLineEdit(this)),
      numberButton(new QPushButton(QCoreApplication::translate("Lesson", "Répondre"), this)),
      showButton(new QPushButton(QCoreApplication::translate("Lesson", "Montrer"), this)),
      verdict(Paragraph("verdict", this)),
      explanation(Paragraph("explanation", this)),
      followUp(Paragraph("followUp", this)),
      restartButton(new QPushButton(QCoreApplication::translate("Lesson", "Recommencer"), this)),
      courseTitle(Paragraph("courseTitle", this)),
      courseStep(Paragraph("courseStep", this)),
      nextButton(new QPushButton(this)),
      teacherBlock(new QFrame(this)),
      expected(Paragraph("expectedAnswer", teacherBlock)),
      notes(Paragraph("teacherNotes", teacherBlock)),
      endScore(Paragraph("courseScore", this)),
      endOutcomes(Paragraph("courseOutcomes", this)) {
    // Only the weight: the size still follows the window's (larger for a projector).
    QFont bold;
    bold.setBold(true);
    title->setFont(bold);
    question->setFont(bold);
    verdict->setFont(bold);
    courseTitle->setFont(bold);
    endScore->setFont(bold);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(courseTitle);
    layout->addWidget(courseStep);
    layout->addWidget(title);
    layout->addWidget(introduction);
    layout->addWidget(question);
    for (int i = 0; i < 4; ++i) {
        auto* choice = new QPushButton(this);
        choice->setObjectName(QStringLiteral("choice%1").arg(i));
        choice->setStyleSheet(QStringLiteral("text-align: left; padding: 4px"));
        choice->setCheckable(true);
        connect(choice, &QPushButton::clicked, this,
                [this, i] { Reveal(this->session.AnswerChoice(static_cast<std::size_t>(i))); });
        layout->addWidget(choice);
        choices.push_back(choice);
    }
    numberEdit->setObjectName(QStringLiteral("numberEdit"));
    auto* number = new QHBoxLayout;
    number->addWidget(numberEdit, 1);
    number->addWidget(numberButton);
    layout->addLayout(number);
    connect(numberButton, &QPushButton::clicked, this,
            [this] { Reveal(this->session.AnswerNumber(numberEdit->text().toStdString())); });
    showButton->setObjectName(QStringLiteral("showButton"));
    connect(showButton, &QPushButton::clicked, this,
            [this] { Reveal(this->session.ShowAnswer()); });
    layout->addWidget(showButton);
    // Framed apart from what the students read on the projected screen.
    teacherBlock->setObjectName(QStringLiteral("teacherBlock"));
    static_cast<QFrame*>(teacherBlock)->setFrameShape(QFrame::StyledPanel);
    auto* teacher = new QVBoxLayout(teacherBlock);
    QLabel* forTeacher = Paragraph("forTeacher", teacherBlock);
    forTeacher->setText(QCoreApplication::translate("Lesson", "Pour l'enseignant"));
    forTeacher->setFont(bold);
    for (QLabel* label : {forTeacher, expected, notes}) teacher->addWidget(label);
    teacherBlock->hide();
    layout->addWidget(teacherBlock);
    layout->addWidget(verdict);
    layout->addWidget(explanation);
    layout->addWidget(followUp);
    restartButton->setObjectName(QStringLiteral("restartButton"));
    connect(restartButton, &QPushButton::clicked, this, &LessonPanel::RestartRequested);
    nextButton->setObjectName(QStringLiteral("nextButton"));
    connect(nextButton, &QPushButton::clicked, this, &LessonPanel::NextRequested);
    auto* after = new QHBoxLayout;
    after->addWidget(restartButton);
    after->addWidget(nextButton);
    after->addStretch(1);
    layout->addLayout(after);
    layout->addWidget(endScore);
    layout->addWidget(endOutcomes);
    for (QWidget* widget : std::initializer_list<QWidget*>{courseTitle, courseStep, nextButton,
                                                           endScore, endOutcomes})
        widget->hide();
    layout->addStretch(1);
    FitWidth();
}

void LessonPanel::FitWidth() {
    constexpr int kLeastEms = 22;
    constexpr int kMostEms = 30;
    int widest = 0;
    for (const QPushButton* choice : choices)
        if (!choice->isHidden()) widest = std::max(widest, choice->sizeHint().width());
    const QMargins margins = layout()->contentsMargins();
    const int em = QFontInfo(font()).pixelSize();
    setMinimumWidth(std::max(widest + margins.left() + margins.right(), kLeastEms * em));
    setMaximumWidth(std::max(minimumWidth(), kMostEms * em));
}

void LessonPanel::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::FontChange) return;
    for (QPushButton* choice : choices) choice->setFont(font());
    FitWidth();
}

void LessonPanel::Start(const LessonPage& page, const CourseRun* course) {
    asked.start();
    ended = false;
    inCourse = course != nullptr;
    if (course) {
        courseTitle->setText(QString::fromStdString(course->Followed().title));
        courseStep->setText(QCoreApplication::translate("Lesson", "Leçon %1 sur %2")
                                .arg(course->Current() + 1)
                                .arg(course->Followed().lessons.size()));
        nextButton->setText(course->IsLast()
                                ? QCoreApplication::translate("Lesson", "Terminer")
                                : QCoreApplication::translate("Lesson", "Leçon suivante"));
    }
    courseTitle->setVisible(inCourse);
    courseStep->setVisible(inCourse);
    for (QWidget* widget : std::initializer_list<QWidget*>{title, introduction, question})
        widget->show();
    const TeacherView view = session.LessonTaken()->ForTeacher();
    expected->setText(QCoreApplication::translate("Lesson", "Réponse attendue : %1")
                          .arg(QString::fromStdString(view.expected)));
    notes->setText(QString::fromStdString(view.notes.value_or("")));
    notes->setVisible(view.notes.has_value());
    teacherBlock->setVisible(teacherView);
    title->setText(QString::fromStdString(page.title));
    introduction->setText(QString::fromStdString(page.introduction));
    question->setText(QString::fromStdString(page.question));
    for (std::size_t i = 0; i < choices.size(); ++i) {
        const bool offered = i < page.choices.size();
        if (offered) choices[i]->setText(QString::fromStdString(page.choices[i]));
        choices[i]->setVisible(offered);
        choices[i]->setEnabled(true);
        choices[i]->setChecked(false);
    }
    const bool typed = page.choices.empty();
    numberEdit->clear();
    for (QWidget* widget : std::initializer_list<QWidget*>{numberEdit, numberButton}) {
        widget->setVisible(typed);
        widget->setEnabled(true);
    }
    showButton->setVisible(true);
    for (QWidget* widget : std::initializer_list<QWidget*>{
             verdict, explanation, followUp, restartButton, nextButton, endScore, endOutcomes})
        widget->hide();
    FitWidth();
}

void LessonPanel::ShowEnd(const CourseEnd& end) {
    ended = true;
    for (QWidget* widget : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) widget->hide();
    title->setText(QString::fromStdString(end.heading));
    endScore->setText(QString::fromStdString(end.score));
    QStringList outcomes;
    for (const std::string& outcome : end.outcomes) outcomes << QString::fromStdString(outcome);
    endOutcomes->setText(outcomes.join('\n'));
    for (QWidget* widget : std::initializer_list<QWidget*>{title, endScore, endOutcomes})
        widget->show();
}

void LessonPanel::SetTeacherView(bool on) {
    teacherView = on;
    teacherBlock->setVisible(on && !ended);
}

void LessonPanel::Reveal(const std::optional<LessonVerdict>& said) {
    // A typed text that is no number answers nothing.
    if (!said) return;
    // The prediction stays pressed.
    for (QPushButton* choice : choices) choice->setEnabled(false);
    numberEdit->setEnabled(false);
    numberButton->setEnabled(false);
    showButton->hide();
    verdict->setText(QString::fromStdString(said->verdict));
    explanation->setText(QString::fromStdString(said->explanation));
    followUp->setText(QString::fromStdString(said->followUp.value_or("")));
    for (QWidget* widget : std::initializer_list<QWidget*>{verdict, explanation, restartButton})
        widget->show();
    followUp->setVisible(said->followUp.has_value());
    nextButton->setVisible(inCourse);
    emit Answered();
}

}  // namespace vireflu
