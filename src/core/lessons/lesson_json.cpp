#include "lessons/lesson_json.h"

#include <algorithm>
#include <map>
#include <sstream>
#include <vector>

#include "lessons/lesson_grade.h"
#include "lessons/lesson_text.h"
#include "setup/json_value.h"
#include "shell/interface_text.h"

namespace vireflu {

namespace {

constexpr std::string_view kVersionKey = "vireflu-lesson";
constexpr const char* kTextAccepts = "{\"fr\": \"...\", \"en\": \"...\"}";

SetupError Refused(SetupFault fault, std::string key, const std::string& accepts = "") {
    key = Shortened(key);  // a file's own key may be as long as the file
    std::string message = "\"" + key + "\" ";
    if (fault == SetupFault::MissingKey) message += "is missing";
    if (fault == SetupFault::UnknownKey) message = "unknown key " + message + "(not a lesson's)";
    if (fault == SetupFault::BadValue) message += "accepts " + accepts;
    return SetupError{fault, key, accepts, "", message};
}

int Words(const std::string& text) {
    std::istringstream in(text);
    int count = 0;
    for (std::string word; in >> word;) ++count;
    return count;
}

// A text in both languages, neither empty, each at most `maxWords` words when given.
std::optional<LessonText> TextOf(const JsonValue& value, int maxWords) {
    const JsonValue::Members* members = value.Object();
    if (members == nullptr || members->size() != 2) return std::nullopt;
    LessonText text;
    for (const auto& [language, item] : *members) {
        const std::string* words = item.String();
        if (words == nullptr || words->empty() || (maxWords > 0 && Words(*words) > maxWords))
            return std::nullopt;
        if (language == "fr") text.fr = *words;
        if (language == "en") text.en = *words;
    }
    if (text.fr.empty() || text.en.empty()) return std::nullopt;
    return text;
}

bool IdOf(const JsonValue& value, std::string& id) {
    const std::string* text = value.String();
    if (text == nullptr || text->empty() || text->size() > 40) return false;
    const bool plain = std::all_of(text->begin(), text->end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
    });
    if (plain) id = *text;
    return plain;
}

const QuantityInfo* QuantityOf(const JsonValue& value) {
    const std::string* text = value.String();
    for (const QuantityInfo& info : LessonQuantities())
        if (text != nullptr && *text == info.key) return &info;
    return nullptr;
}

std::string QuantityList() {
    std::string list;
    for (const QuantityInfo& info : LessonQuantities())
        list += (list.empty() ? "\"" : " | \"") + std::string(info.key) + "\"";
    return list;
}

std::string ChoiceAccepts(const QuantityInfo& info) {
    std::string values;
    for (const char* name : info.names)
        values += (values.empty() ? "\"" : " | \"") + std::string(name) + "\"";
    if (values.empty()) values = "a number";
    return "2 to 4 of {\"value\": " + values +
           ", \"fr\": \"...\", \"en\": \"...\", \"why\": " + kTextAccepts +
           " (if wanted)}, each value once";
}

std::optional<LessonChoice> ChoiceOf(const JsonValue& value, const QuantityInfo& info) {
    const JsonValue::Members* members = value.Object();
    if (members == nullptr || members->size() < 3) return std::nullopt;
    LessonChoice choice;
    JsonValue::Members texts;
    bool valued = false;
    for (const auto& [key, item] : *members) {
        if (key == "why") {
            choice.why = TextOf(item, kMaxLessonWords);
            if (!choice.why) return std::nullopt;
            continue;
        }
        if (key != "value") {
            texts.emplace_back(key, item);
            continue;
        }
        const std::string* name = item.String();
        if (info.names.empty() && item.Number() != nullptr)
            choice.number = *item.Number();
        else if (name != nullptr &&
                 std::find_if(info.names.begin(), info.names.end(),
                              [&](const char* n) { return *name == n; }) != info.names.end())
            choice.name = *name;
        else
            return std::nullopt;
        valued = true;
    }
    JsonValue text;
    text.value = std::make_shared<JsonValue::Members>(std::move(texts));
    const auto read = TextOf(text, 0);
    if (!valued || !read) return std::nullopt;
    choice.text = *read;
    return choice;
}

std::optional<std::vector<LessonChoice>> ChoicesOf(const JsonValue& value,
                                                   const QuantityInfo& info) {
    const JsonValue::Items* items = value.Array();
    if (items == nullptr || items->size() < 2 || items->size() > 4) return std::nullopt;
    std::vector<LessonChoice> choices;
    for (const JsonValue& item : *items) {
        auto choice = ChoiceOf(item, info);
        if (!choice) return std::nullopt;
        for (const LessonChoice& other : choices)
            if (other.name == choice->name && other.number == choice->number) return std::nullopt;
        choices.push_back(std::move(*choice));
    }
    return choices;
}

// A text may quote the simulator only through the placeholders the front-ends fill: the first
// one it names that the simulator does not know, if any. Its refusal names that one rather
// than listing the thirty known, so that it stays a line.
std::optional<std::string> UnknownFigure(const LessonText& text) {
    const auto names = LessonFigureNames();
    for (const std::string* words : {&text.fr, &text.en})
        for (const std::string_view name : PlaceholdersIn(*words))
            if (std::find(names.begin(), names.end(), name) == names.end())
                return std::string(name);
    return std::nullopt;
}

std::optional<SetupError> ReadVersion(const std::map<std::string, const JsonValue*>& keys) {
    const auto found = keys.find(std::string(kVersionKey));
    if (found == keys.end())
        return SetupError{
            SetupFault::NoVersion, std::string(kVersionKey), "", "",
            "not a Vireflu lesson: \"vireflu-lesson\" (the format's version) is missing"};
    return CheckVersion(found->first, *found->second, kLessonVersion);
}

}  // namespace

std::variant<Lesson, SetupError> ReadLesson(std::string_view document) {
    if (document.size() > kMaxSetupBytes)
        return SetupError{SetupFault::TooLarge, "", "", "", "larger than 64 KiB"};
    const auto parsed = ParseJson(document);
    if (const auto* error = std::get_if<JsonError>(&parsed))
        return SetupError{SetupFault::NotJson, "", "", std::to_string(error->offset),
                          "not a Vireflu lesson: " + error->message + " at byte " +
                              std::to_string(error->offset)};
    return ReadLessonValue(std::get<JsonValue>(parsed));
}

std::variant<Lesson, SetupError> ReadLessonValue(const JsonValue& document) {
    const JsonValue::Members* members = document.Object();
    if (members == nullptr)
        return SetupError{SetupFault::NotAnObject, "", "", "",
                          "not a Vireflu lesson: not a JSON object"};
    static const std::vector<std::string> kKeys = {
        "vireflu-lesson", "id",        "theme",      "title",   "setup",
        "introduction",   "question",  "quantity",   "choices", "tolerance",
        "explanation",    "follow-up", "annotations", "teacher-notes"};
    std::map<std::string, const JsonValue*> keys;
    for (const auto& [key, value] : *members) {
        if (std::find(kKeys.begin(), kKeys.end(), key) == kKeys.end())
            return Refused(SetupFault::UnknownKey, key);
        keys[key] = &value;
    }
    if (auto refused = ReadVersion(keys)) return *refused;
    for (const char* key :
         {"id", "theme", "title", "setup", "introduction", "question", "quantity", "explanation"})
        if (!keys.contains(key)) return Refused(SetupFault::MissingKey, key);

    Lesson lesson;
    if (!IdOf(*keys["id"], lesson.id))
        return Refused(SetupFault::BadValue, "id", "[a-z0-9-], 1 to 40");
    const std::pair<const char*, LessonText Lesson::*> texts[] = {
        {"theme", &Lesson::theme},
        {"title", &Lesson::title},
        {"introduction", &Lesson::introduction},
        {"question", &Lesson::question},
        {"explanation", &Lesson::explanation}};
    for (const auto& [key, member] : texts) {
        const bool limited =
            std::string_view(key) == "introduction" || std::string_view(key) == "explanation";
        const auto text = TextOf(*keys[key], limited ? kMaxLessonWords : 0);
        if (!text)
            return Refused(SetupFault::BadValue, key,
                           std::string(kTextAccepts) + (limited ? ", at most 80 words" : ""));
        lesson.*member = *text;
    }
    if (keys.contains("follow-up")) {
        lesson.followUp = TextOf(*keys["follow-up"], kMaxLessonWords);
        if (!lesson.followUp)
            return Refused(SetupFault::BadValue, "follow-up",
                           std::string(kTextAccepts) + ", at most 80 words");
    }
    if (keys.contains("teacher-notes")) {
        lesson.teacherNotes = TextOf(*keys["teacher-notes"], kMaxTeacherNoteWords);
        if (!lesson.teacherNotes)
            return Refused(SetupFault::BadValue, "teacher-notes",
                           std::string(kTextAccepts) + ", at most 120 words");
    }
    if (keys.contains("annotations")) {
        const bool* on = keys["annotations"]->Bool();
        if (on == nullptr) return Refused(SetupFault::BadValue, "annotations", "true | false");
        lesson.annotations = *on;
    }
    auto setup = ReadSetupValue(*keys["setup"]);
    if (auto* error = std::get_if<SetupError>(&setup)) {
        error->key = "setup" + (error->key.empty() ? "" : "." + error->key);
        return *error;
    }
    lesson.setup = std::get<Setup>(setup);
    // A lesson opens on its setup with the clock at zero and stopped, whatever the setup says.
    lesson.setup.ticks = 0;
    lesson.setup.running = false;

    const QuantityInfo* info = QuantityOf(*keys["quantity"]);
    if (info == nullptr) return Refused(SetupFault::BadValue, "quantity", QuantityList());
    lesson.quantity = info->quantity;
    const bool numeric = info->names.empty();
    if (numeric && !keys.contains("tolerance")) return Refused(SetupFault::MissingKey, "tolerance");
    if (keys.contains("tolerance")) {
        const double* tolerance = keys["tolerance"]->Number();
        if (!numeric || tolerance == nullptr || *tolerance < 0)
            return Refused(SetupFault::BadValue, "tolerance",
                           numeric ? "a number >= 0" : "nothing for this quantity");
        lesson.tolerance = *tolerance;
    }
    if (!numeric && !keys.contains("choices")) return Refused(SetupFault::MissingKey, "choices");
    if (keys.contains("choices")) {
        auto choices = ChoicesOf(*keys["choices"], *info);
        if (!choices) return Refused(SetupFault::BadValue, "choices", ChoiceAccepts(*info));
        lesson.choices = std::move(*choices);
    }
    std::vector<std::pair<const char*, const LessonText*>> quoting = {
        {"introduction", &lesson.introduction},
        {"question", &lesson.question},
        {"explanation", &lesson.explanation},
        {"follow-up", lesson.followUp ? &*lesson.followUp : nullptr},
        {"teacher-notes", lesson.teacherNotes ? &*lesson.teacherNotes : nullptr}};
    for (const LessonChoice& choice : lesson.choices)
        quoting.insert(quoting.end(), {{"choices", &choice.text},
                                       {"choices", choice.why ? &*choice.why : nullptr}});
    for (const auto& [key, text] : quoting)
        if (text != nullptr)
            if (auto name = UnknownFigure(*text))
                return Refused(
                    SetupFault::BadValue, key,
                    "the placeholders of the lesson format, not {" + Shortened(*name) + "}");
    if (auto undecided = UndecidedQuestion(lesson)) return *undecided;
    return lesson;
}

}  // namespace vireflu
