#include <gtest/gtest.h>

#include "classroom/answer_log.h"
#include "classroom/course_run.h"
#include "classroom/scorm_package.h"
#include "classroom/zip_archive.h"
#include "lessons/lesson_library.h"
#include "setup/setup_refusal.h"

namespace vireflu {
namespace {

const Translate French = [](const char* french) { return std::string(french); };
const TranslateText FrenchAnywhere = [](const char*, const char* french) {
    return std::string(french);
};

Course Read(const std::string& document) {
    auto read = ReadCourse(document);
    if (auto* error = std::get_if<SetupError>(&read)) ADD_FAILURE() << error->message;
    return std::get<Course>(read);
}

// A teacher's own lesson travels whole inside the course: the file, the link and the page
// all give back the same course.
TEST(CourseTest, ShippedAndOwnLessonsComeBackFromFileLinkAndPage) {
    const std::string own =
        "{\"vireflu-course\": 1, \"title\": \"Champ & <b>tournant</b>\", "
        "\"pass-mark\": 50, \"lessons\": [\"glissement\", " +
        std::string(ShippedLessonFiles()[1]) + "]}";
    const Course course = Read(own);
    ASSERT_EQ(course.lessons.size(), 2u);
    EXPECT_EQ(course.lessons[0].lesson.id, "glissement");
    EXPECT_TRUE(course.lessons[0].document.empty());
    EXPECT_EQ(course.lessons[1].lesson.id, "trois-phases");
    const std::string written = WriteCourse(course);
    EXPECT_EQ(written.find('<'), std::string::npos);  // no "</script" can end its element
    EXPECT_EQ(WriteCourse(Read(written)), written);
    const auto linked = ReadCourseLink("#" + CourseLink(course));
    ASSERT_TRUE(std::holds_alternative<Course>(linked));
    EXPECT_EQ(WriteCourse(std::get<Course>(linked)), written);

    // Built into a page twice, the page carries the second course alone.
    const Course other = std::get<Course>(CourseOfIds("une-phase", "Autre"));
    const std::string page = PageWithCourse(
        PageWithCourse("<!DOCTYPE html><html><head></head><body></body></html>", course), other);
    EXPECT_EQ(page.find("glissement"), std::string::npos);
    EXPECT_NE(page.find("une-phase\"\n  ]\n}\n</script>\n</head>"), std::string::npos);
    const std::string manifest = ScormManifest(course);
    EXPECT_NE(manifest.find("<title>Champ &amp; &lt;b&gt;tournant&lt;/b&gt;</title>"),
              std::string::npos);
    EXPECT_NE(manifest.find("<adlcp:masteryscore>50</adlcp:masteryscore>"), std::string::npos);
}

TEST(CourseTest, DocumentsThatAreNoCourseAreRefusedNamingTheKey) {
    const auto refusal = [](const std::string& body) {
        const auto read = ReadCourse("{\"vireflu-course\": 1" + body + "}");
        return std::holds_alternative<SetupError>(read) ? std::get<SetupError>(read).key : "read";
    };
    const std::string lessons = ", \"lessons\": [\"glissement\"]";
    EXPECT_EQ(refusal(", \"title\": \"T\"" + lessons), "read");
    EXPECT_EQ(refusal(lessons), "title");
    EXPECT_EQ(refusal(", \"title\": \"\"" + lessons), "title");
    EXPECT_EQ(refusal(", \"title\": \"a\\nb\"" + lessons), "title");
    EXPECT_EQ(refusal(", \"title\": \"" + std::string(121, 'x') + "\"" + lessons), "title");
    EXPECT_EQ(refusal(", \"title\": \"T\", \"pass-mark\": 50.5" + lessons), "pass-mark");
    EXPECT_EQ(refusal(", \"title\": \"T\", \"pass-mark\": 101" + lessons), "pass-mark");
    EXPECT_EQ(refusal(", \"title\": \"T\", \"lessons\": []"), "lessons");
    EXPECT_EQ(refusal(", \"title\": \"T\", \"lessons\": [\"glissement\", \"nope\"]"), "lessons[1]");
    EXPECT_EQ(refusal(", \"title\": \"T\", \"lessons\": [{\"vireflu-lesson\": 1}]"),
              "lessons[0].id");
    EXPECT_EQ(refusal(", \"title\": \"T\", \"grade\": 1" + lessons), "grade");
    const std::string many(kMaxCourseLessons, ',');
    EXPECT_TRUE(
        std::holds_alternative<SetupError>(CourseOfIds("glissement" + many + "glissement", "T")));
    EXPECT_EQ(SetupRefusalText(std::get<SetupError>(ReadCourseLink("#course=%%")), French,
                               RefusedText::CourseLink),
              "Ce lien ne contient pas de parcours Vireflu.");
}

// The score counts first answers only, rounds half up, and passes at the mark.
TEST(CourseRunTest, FirstAnswersMakeTheScoreAndTheStatus) {
    Course course = std::get<Course>(CourseOfIds("trois-phases,glissement,une-phase", "C"));
    CourseRun run(course);
    EXPECT_FALSE(run.Next());  // not before an answer
    run.Record(true);
    run.Record(false);
    ASSERT_TRUE(run.Next());
    run.Record(false);
    ASSERT_TRUE(run.Next());
    EXPECT_TRUE(run.IsLast());
    EXPECT_FALSE(run.Finished());
    run.Record(true);
    EXPECT_FALSE(run.Next());
    const CourseScore score = run.Score();
    EXPECT_EQ(score.right, 2);
    EXPECT_EQ(score.percent, 67);
    EXPECT_EQ(score.status, "completed");
    const CourseEnd end = run.End(FrenchAnywhere, false);
    EXPECT_EQ(end.score, "Bonnes réponses : 2 sur 3 (67 %).");
    EXPECT_EQ(end.outcomes[1], "Le glissement : faux");
    for (const auto& [mark, status] : {std::pair{67, "passed"}, {68, "failed"}}) {
        course.passMark = mark;
        CourseRun marked(course);
        for (const bool right : {true, false, true}) {
            marked.Record(right);
            marked.Next();
        }
        EXPECT_EQ(marked.Score().status, status);
    }
}

// What a student gave reaches the log, the platform and a spreadsheet as it was.
TEST(AnswerLogTest, RecordsRoundTripAndExportSafely) {
    LessonRun run(*FindLesson("trois-phases"), French, false);
    EXPECT_EQ(run.ForTeacher().expected, "Il tourne dans le sens horaire");
    EXPECT_TRUE(run.ForTeacher().notes.has_value());
    LessonRun shown(*FindLesson("glissement"), French, false);
    shown.Show();
    EXPECT_EQ(RecordOf(shown, 0, 0).kind, "shown");
    EXPECT_FALSE(RecordOf(shown, 0, 0).right);
    run.Choose(1);
    run.Choose(0);  // too late: the first answer stays
    AnswerRecord record = RecordOf(run, 12.34, 1796748326);
    EXPECT_EQ(record.at, "2026-12-08T16:45:26Z");
    EXPECT_EQ(record.response, "b");
    EXPECT_FALSE(record.right);
    EXPECT_EQ(record.seconds, 12.3);
    record.title = "=HYPERLINK(\"x\"), 2";
    const std::vector<AnswerRecord> log = {record, record};
    const std::string written = WriteAnswerLog(log);
    const auto read = ReadAnswerLog(written);
    ASSERT_TRUE(std::holds_alternative<std::vector<AnswerRecord>>(read));
    EXPECT_EQ(WriteAnswerLog(std::get<std::vector<AnswerRecord>>(read)), written);
    const std::string csv = AnswersCsv(log);
    EXPECT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_NE(csv.find("trois-phases,\"'=HYPERLINK(\"\"x\"\"), 2\",choice,"), std::string::npos);
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 3);

    std::vector<AnswerRecord> full(kMaxAnswers, record);
    full.front().lesson = "first";
    AppendAnswer(full, record);
    EXPECT_EQ(full.size(), kMaxAnswers);
    EXPECT_EQ(full.front().lesson, "trois-phases");
    std::string wrongType = written;
    wrongType.replace(wrongType.find("false"), 5, "\"no\"");
    EXPECT_EQ(std::get<SetupError>(ReadAnswerLog(wrongType)).accepts, "true | false");

    for (const auto& [from, to] : {std::pair{"16:45:26Z", "16:45:26"},
                                   {"-12-08", "-13-08"},
                                   {"\"right\": false", "\"right\": \"no\""},
                                   {"12.3", "-1"},
                                   {"\"kind\": \"choice\"", "\"kind\": \"x\""},
                                   {"\"at\"", "\"date\""}}) {
        std::string hostile = written;
        hostile.replace(hostile.find(from), std::string_view(from).size(), to);
        EXPECT_TRUE(std::holds_alternative<SetupError>(ReadAnswerLog(hostile))) << to;
    }
}

TEST(ZipTest, StoredEntriesCarryTheirChecksum) {
    const std::vector<ZipEntry> entries = {{"a.txt", "123456789"}};
    const std::string zip = StoredZip(entries);
    EXPECT_EQ(zip.substr(0, 4), "PK\x03\x04");
    EXPECT_EQ(zip.substr(8, 2), std::string(2, '\0'));  // stored, as every unzip reads
    EXPECT_EQ(zip.substr(14, 4), "\x26\x39\xF4\xCB");   // CRC-32 of "123456789"
    EXPECT_EQ(zip.substr(30, 14), "a.txt123456789");
    EXPECT_EQ(zip.substr(zip.size() - 22, 4), "PK\x05\x06");
}

}  // namespace
}  // namespace vireflu
