#include "answer_log_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "course_files.h"
#include "interface_language.h"
#include "setup/setup_refusal.h"

namespace vireflu {

AnswerLogFile::AnswerLogFile(QString path) : path(std::move(path)) {}

QString AnswerLogFile::UserPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/answers.json");
}

AnswerLogFile::Shown AnswerLogFile::Read() const {
    Shown shown;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        // One byte past the limit is enough to refuse a log that is too large.
        const QByteArray document = file.read(static_cast<qint64>(kMaxAnswerLogBytes) + 1);
        auto read = ReadAnswerLog(std::string_view(document.constData(), document.size()));
        if (const auto* refused = std::get_if<SetupError>(&read))
            shown.refused = QString::fromStdString(
                SetupRefusalText(*refused, CatalogueOf("Setup"), RefusedText::Answers));
        else
            shown.answers = std::move(std::get<std::vector<AnswerRecord>>(read));
    } else if (file.exists()) {
        // A log that cannot be read now may read later: it is not written over either.
        shown.refused = QCoreApplication::translate(
                            "Answers", "Le journal de réponses %1 n'a pas pu être lu : %2.")
                            .arg(QDir::toNativeSeparators(path), file.errorString());
    }
    shown.answers.insert(shown.answers.end(), unwritten.begin(), unwritten.end());
    return shown;
}

bool AnswerLogFile::Append(const AnswerRecord& answer) {
    Shown log = Read();
    if (log.refused) {
        unwritten.push_back(answer);
        return false;
    }
    AppendAnswer(log.answers, answer);
    QDir().mkpath(QFileInfo(path).path());
    if (!WriteWhole(path, WriteAnswerLog(log.answers)).isEmpty()) {
        unwritten.push_back(answer);
        return false;
    }
    unwritten.clear();
    return true;
}

bool AnswerLogFile::Clear() {
    unwritten.clear();
    if (!QFile::exists(path)) return true;
    return WriteWhole(path, WriteAnswerLog({})).isEmpty();
}

}  // namespace vireflu
