#include "answers_dialog.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "course_files.h"
#include "plain_warning.h"

namespace vireflu {

namespace {

QString Translated(const char* text) {
    return QCoreApplication::translate("Answers", text);
}

}  // namespace

AnswersDialog::AnswersDialog(AnswerLogFile& log, QWidget* owner)
    : QDialog(owner), log(log), refusal(new QLabel(this)), table(new QTableWidget(this)) {
    setWindowTitle(QCoreApplication::translate("Answers", "Mes réponses"));
    setObjectName(QStringLiteral("answersDialog"));
    auto* layout = new QVBoxLayout(this);
    refusal->setObjectName(QStringLiteral("answersRefusal"));
    refusal->setTextFormat(Qt::PlainText);
    refusal->setWordWrap(true);
    layout->addWidget(refusal);
    table->setObjectName(QStringLiteral("answersTable"));
    table->setAccessibleName(QCoreApplication::translate("Answers", "Mes réponses"));
    table->setColumnCount(5);
    table->setHorizontalHeaderLabels({QCoreApplication::translate("Answers", "Date"),
                                      QCoreApplication::translate("Answers", "Leçon"),
                                      QCoreApplication::translate("Answers", "Réponse"),
                                      QCoreApplication::translate("Answers", "Résultat"),
                                      QCoreApplication::translate("Answers", "Secondes")});
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    // The lesson and the answer share what the date, the result and the seconds leave.
    for (int column = 0; column < 5; ++column)
        table->horizontalHeader()->setSectionResizeMode(
            column,
            column == 1 || column == 2 ? QHeaderView::Stretch : QHeaderView::ResizeToContents);
    layout->addWidget(table, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    const auto add = [&](const char* caption, auto clicked) {
        connect(buttons->addButton(Translated(caption), QDialogButtonBox::ActionRole),
                &QPushButton::clicked, this, clicked);
    };
    add(QT_TRANSLATE_NOOP("Answers", "Exporter en CSV..."), [this] { Export(true); });
    add(QT_TRANSLATE_NOOP("Answers", "Exporter en JSON..."), [this] { Export(false); });
    add(QT_TRANSLATE_NOOP("Answers", "Effacer"), [this] { AskAndClear(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(720, 420);
    ShowLog();
}

void AnswersDialog::ShowLog() {
    AnswerLogFile::Shown shown = log.Read();
    answers = std::move(shown.answers);
    refusal->setText(shown.refused.value_or(QString()));
    refusal->setVisible(shown.refused.has_value());
    table->setRowCount(static_cast<int>(answers.size()));
    // The latest first: the answers just given are the ones looked for.
    for (int row = 0; row < table->rowCount(); ++row) {
        const AnswerRecord& answer = answers[answers.size() - 1 - static_cast<std::size_t>(row)];
        const QDateTime at = QDateTime::fromString(QString::fromStdString(answer.at), Qt::ISODate);
        const QString cells[] = {
            at.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")),
            QString::fromStdString(answer.title),
            answer.kind == "shown" ? QCoreApplication::translate("Lesson", "Montrer")
                                   : QString::fromStdString(answer.answer),
            answer.right ? QCoreApplication::translate("Answers", "juste")
                         : QCoreApplication::translate("Answers", "faux"),
            QString::number(qRound(answer.seconds)),
        };
        for (int column = 0; column < 5; ++column)
            table->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
}

void AnswersDialog::Export(bool csv) {
    QFileDialog dialog(
        this,
        csv ? QCoreApplication::translate("Answers", "Exporter en CSV")
            : QCoreApplication::translate("Answers", "Exporter en JSON"),
        QString(),
        csv ? QCoreApplication::translate("Answers", "Tableur CSV (*.csv)")
            : QCoreApplication::translate("Answers", "Journal de réponses (*.json)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(csv ? QStringLiteral("csv") : QStringLiteral("json"));
    dialog.selectFile(csv ? QStringLiteral("reponses.csv") : QStringLiteral("reponses.json"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QString failure = WriteWhole(dialog.selectedFiles().constFirst(),
                                       csv ? AnswersCsv(answers) : WriteAnswerLog(answers));
    if (!failure.isEmpty())
        ShowPlainWarning(this, QCoreApplication::translate(
                                   "Answers", "Les réponses n'ont pas pu être exportées : %1.")
                                   .arg(failure));
}

void AnswersDialog::AskAndClear() {
    QMessageBox box(
        QMessageBox::Question, QStringLiteral("Vireflu"),
        QCoreApplication::translate("Answers",
                                    "Effacer toutes les réponses ? Elles ne pourront pas être "
                                    "retrouvées."),
        QMessageBox::NoButton, this);
    QPushButton* clear = box.addButton(QCoreApplication::translate("Answers", "Effacer"),
                                       QMessageBox::DestructiveRole);
    box.addButton(QCoreApplication::translate("Window", "Annuler"), QMessageBox::RejectRole);
    box.exec();
    if (box.clickedButton() != clear) return;
    if (!log.Clear())
        ShowPlainWarning(this, QCoreApplication::translate(
                                   "Answers", "Les réponses n'ont pas pu être effacées."));
    ShowLog();
}

}  // namespace vireflu
