#include "lesson_panel.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLocale>
#include <QVBoxLayout>

#include "interface_language.h"
#include "lessons/lesson_grade.h"

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

QString ShownText(const LessonText& text, const LessonFigures& figures) {
    const std::string_view code = InterfaceLanguage(QLocale::system().uiLanguages()).code;
    return QString::fromStdString(
        ShownLessonText(text, CatalogueOf("Lesson"), code == "en", figures));
}

LessonPanel::LessonPanel(QWidget* parent)
    : QWidget(parent),
      title(Paragraph("lessonTitle", this)),
      introduction(Paragraph("introduction", this)),
      question(Paragraph("question", this)),
      numberEdit(new QLineEdit(this)),
      numberButton(new QPushButton(QCoreApplication::translate("Lesson", "Répondre"), this)),
      showButton(new QPushButton(QCoreApplication::translate("Lesson", "Montrer"), this)),
      verdict(Paragraph("verdict", this)),
      explanation(Paragraph("explanation", this)),
      followUp(Paragraph("followUp", this)),
      restartButton(new QPushButton(QCoreApplication::translate("Lesson", "Recommencer"), this)) {
    QFont bold = font();
    bold.setBold(true);
    title->setFont(bold);
    question->setFont(bold);
    verdict->setFont(bold);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(introduction);
    layout->addWidget(question);
    for (int i = 0; i < 4; ++i) {
        auto* choice = new QPushButton(this);
        choice->setObjectName(QStringLiteral("choice%1").arg(i));
        choice->setStyleSheet(QStringLiteral("text-align: left; padding: 4px"));
        choice->setCheckable(true);
        connect(choice, &QPushButton::clicked, this, [this, i] {
            const LessonChoice& picked = lesson->choices[static_cast<std::size_t>(i)];
            Reveal(value && IsRightChoice(*lesson, *value, picked), &picked);
        });
        layout->addWidget(choice);
        choices.push_back(choice);
    }
    numberEdit->setObjectName(QStringLiteral("numberEdit"));
    auto* number = new QHBoxLayout;
    number->addWidget(numberEdit, 1);
    number->addWidget(numberButton);
    layout->addLayout(number);
    connect(numberButton, &QPushButton::clicked, this, [this] {
        if (const auto typed = TypedNumber(numberEdit->text().toStdString()))
            Reveal(value && IsRightNumber(*lesson, *value, *typed));
    });
    showButton->setObjectName(QStringLiteral("showButton"));
    connect(showButton, &QPushButton::clicked, this, [this] { Reveal(std::nullopt); });
    layout->addWidget(showButton);
    layout->addWidget(verdict);
    layout->addWidget(explanation);
    layout->addWidget(followUp);
    restartButton->setObjectName(QStringLiteral("restartButton"));
    connect(restartButton, &QPushButton::clicked, this, &LessonPanel::RestartRequested);
    layout->addWidget(restartButton);
    layout->addStretch(1);
    setMinimumWidth(260);
    setMaximumWidth(360);
}

void LessonPanel::Start(const Lesson& started, const std::optional<LessonValue>& computed) {
    lesson = started;
    value = computed;
    figures = LessonFiguresOf(ComputeLessonNumbers(lesson->setup), CatalogueOf("Lesson"));
    waiting = true;
    title->setText(ShownText(lesson->title));
    introduction->setText(ShownText(lesson->introduction, figures));
    question->setText(ShownText(lesson->question, figures));
    for (std::size_t i = 0; i < choices.size(); ++i) {
        const bool offered = i < lesson->choices.size();
        if (offered) choices[i]->setText(ShownText(lesson->choices[i].text, figures));
        choices[i]->setVisible(offered);
        choices[i]->setEnabled(true);
        choices[i]->setChecked(false);
    }
    const bool typed = lesson->choices.empty();
    numberEdit->clear();
    for (QWidget* widget : std::initializer_list<QWidget*>{numberEdit, numberButton}) {
        widget->setVisible(typed);
        widget->setEnabled(true);
    }
    showButton->setVisible(true);
    for (QWidget* widget :
         std::initializer_list<QWidget*>{verdict, explanation, followUp, restartButton})
        widget->hide();
}

void LessonPanel::Reveal(std::optional<bool> right, const LessonChoice* picked) {
    if (!waiting) return;
    waiting = false;
    // The prediction stays pressed.
    for (QPushButton* choice : choices) choice->setEnabled(false);
    numberEdit->setEnabled(false);
    numberButton->setEnabled(false);
    showButton->hide();
    QString said =
        right ? (*right ? QCoreApplication::translate("Lesson", "Bonne prédiction.")
                        : QCoreApplication::translate("Lesson", "Ce n'est pas ce qui se passe."))
              : QString();
    if (value)
        said += (said.isEmpty() ? "" : " ") +
                QString::fromStdString(
                    LessonSentence(lesson->quantity, *value, CatalogueOf("Lesson"))) +
                ".";
    verdict->setText(said);
    const bool tempted = right == false && picked != nullptr && picked->why;
    explanation->setText((tempted ? ShownText(*picked->why, figures) + " " : QString()) +
                         ShownText(lesson->explanation, figures));
    followUp->setText(lesson->followUp ? QCoreApplication::translate("Lesson", "Essayez :") + " " +
                                             ShownText(*lesson->followUp, figures)
                                       : QString());
    for (QWidget* widget : std::initializer_list<QWidget*>{verdict, explanation, restartButton})
        widget->show();
    followUp->setVisible(lesson->followUp.has_value());
    emit Answered();
}

}  // namespace vireflu
