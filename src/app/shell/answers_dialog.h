#pragma once

#include <QDialog>

#include <vector>

#include "answer_log_file.h"

class QLabel;
class QTableWidget;

namespace vireflu {

// "Mes réponses": every answer kept (date, lesson, answer, right or wrong, seconds taken),
// exported as CSV for a spreadsheet or as the log itself, or cleared after a confirmation. A
// log that was refused is said in the core's one sentence above this session's answers.
class AnswersDialog : public QDialog {
    Q_OBJECT

public:
    AnswersDialog(AnswerLogFile& log, QWidget* owner);

private:
    void ShowLog();
    void Export(bool csv);
    void AskAndClear();

    AnswerLogFile& log;
    std::vector<AnswerRecord> answers;  // as shown
    QLabel* refusal;
    QTableWidget* table;
};

}  // namespace vireflu
