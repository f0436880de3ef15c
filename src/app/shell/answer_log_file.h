#pragma once

#include <QString>

#include <optional>
#include <vector>

#include "classroom/answer_log.h"

namespace vireflu {

// The student's answers, kept in answers.json in the user's data folder (a test's own under
// QStandardPaths' test mode). The file is read before each change, so two windows add to one
// log, and written whole through QSaveFile. A file that reads back refused is never written
// over: the answers of this session are kept in memory until the user clears the log.
class AnswerLogFile {
public:
    explicit AnswerLogFile(QString path = UserPath());
    static QString UserPath();
    const QString& Path() const { return path; }

    struct Shown {
        std::vector<AnswerRecord> answers;  // the file's, then those it could not take
        // Why the file was not read, in one sentence of the user's language.
        std::optional<QString> refused;
    };
    Shown Read() const;
    // False when the answer could not be written (kept for the session).
    bool Append(const AnswerRecord& answer);
    // Empties the log, a refused one included; false when the file could not be written.
    bool Clear();

private:
    QString path;
    std::vector<AnswerRecord> unwritten;
};

}  // namespace vireflu
