#include "setup/setup_json.h"

#include <algorithm>
#include <functional>
#include <vector>

#include "setup/base64url.h"
#include "setup/json_value.h"
#include "shell/interface_text.h"

namespace vireflu {

namespace {

constexpr std::string_view kVersionKey = "vireflu-setup";
constexpr std::string_view kLinkPrefix = "setup=";

// One key of the document: what it accepts, how it is read into a setup and written from
// one. Reading and writing go through the same reference into the setup.
struct Field {
    std::string key;
    std::string accepts;
    std::function<bool(const JsonValue&, Setup&)> read;
    std::function<std::string(Setup&)> write;
    // Whether the key is written: the winding's keys only for another machine than the
    // teaching one, so that older files write back to their own bytes.
    bool (*written)(const Setup&) = nullptr;
};

bool OtherWinding(const Setup& setup) {
    return setup.winding != WindingDesign{};
}

template <typename Ref>
Field WindingKey(std::string key, int min, int max, Ref ref) {
    Field field = Whole(std::move(key), min, max, ref);
    field.written = OtherWinding;
    return field;
}

bool Cage(const Setup& setup) {
    return setup.cage.on;
}

std::string Quoted(std::string_view text) {
    return '"' + std::string(text) + '"';
}

// A whole number by its text, compared as a double before any conversion, so no value is
// out of the int's range when converted.
std::optional<int> WholeNumber(const JsonValue& value, int min, int max) {
    const double* number = value.Number();
    if (number == nullptr || value.fraction || *number < min || *number > max) return std::nullopt;
    return static_cast<int>(*number);
}

template <typename Ref>
Field Whole(std::string key, int min, int max, Ref ref) {
    return {std::move(key), std::to_string(min) + ".." + std::to_string(max),
            [=](const JsonValue& v, Setup& s) {
                const auto n = WholeNumber(v, min, max);
                if (n) ref(s) = *n;
                return n.has_value();
            },
            [=](Setup& s) { return std::to_string(ref(s)); }};
}

template <typename Ref>
Field Flag(std::string key, Ref ref) {
    return {std::move(key), "true | false",
            [=](const JsonValue& v, Setup& s) {
                if (v.Bool() != nullptr) ref(s) = *v.Bool();
                return v.Bool() != nullptr;
            },
            [=](Setup& s) { return std::string(ref(s) ? "true" : "false"); }};
}

template <typename T>
std::string NameList(std::span<const Named<T>> names) {
    std::string list;
    for (std::size_t i = 0; i < names.size(); ++i)
        list += (i == 0 ? "" : " | ") + Quoted(names[i].name);
    return list;
}

template <typename T>
const Named<T>* Find(std::span<const Named<T>> names, const JsonValue& value) {
    const std::string* text = value.String();
    for (const Named<T>& named : names)
        if (text != nullptr && *text == named.name) return &named;
    return nullptr;
}

template <typename T>
std::string NameOf(std::span<const Named<T>> names, const T& value) {
    for (const Named<T>& named : names)
        if (named.value == value) return Quoted(named.name);
    return "null";
}

template <typename T, typename Ref>
Field Name(std::string key, std::span<const Named<T>> names, Ref ref) {
    return {std::move(key), NameList(names),
            [=](const JsonValue& v, Setup& s) {
                const Named<T>* found = Find(names, v);
                if (found != nullptr) ref(s) = found->value;
                return found != nullptr;
            },
            [=](Setup& s) { return NameOf(names, ref(s)); }};
}

void AddWinding(std::vector<Field>& fields, const std::string& winding, WindingSetup Setup::*member,
                std::span<const Named<int>> waveforms) {
    const auto in = [member](auto pick) {
        return [member, pick](Setup& s) -> decltype(auto) { return pick(s.*member); };
    };
    fields.push_back(
        Whole(winding + "-phases", 0, 3, in([](WindingSetup& w) -> int& { return w.phases; })));
    fields.push_back({winding + "-angles", "[0..360, 0..360, 0..360]",
                      [member](const JsonValue& v, Setup& s) {
                          const JsonValue::Items* items = v.Array();
                          if (items == nullptr || items->size() != 3) return false;
                          std::array<int, 3> angles{};
                          for (std::size_t i = 0; i < 3; ++i) {
                              const auto angle = WholeNumber((*items)[i], 0, kMaxDeg);
                              if (!angle) return false;
                              angles[i] = *angle;
                          }
                          (s.*member).anglesDeg = angles;
                          return true;
                      },
                      [member](Setup& s) {
                          const auto& a = (s.*member).anglesDeg;
                          return "[" + std::to_string(a[0]) + ", " + std::to_string(a[1]) + ", " +
                                 std::to_string(a[2]) + "]";
                      }});
    fields.push_back(Whole(winding + "-frequency", 0, kMaxHz,
                           in([](WindingSetup& w) -> int& { return w.frequencyHz; })));
    fields.push_back({winding + "-waveform", NameList(waveforms) + " | null",
                      [member, waveforms](const JsonValue& v, Setup& s) {
                          const Named<int>* found = Find(waveforms, v);
                          if (found != nullptr) (s.*member).waveform = found->value;
                          if (v.IsNull()) (s.*member).waveform.reset();
                          return found != nullptr || v.IsNull();
                      },
                      [member, waveforms](Setup& s) {
                          // A panel with phase 1 on and no waveform chosen shows "sinus".
                          const WindingSetup& w = s.*member;
                          if (w.phases == 0) return std::string("null");
                          return NameOf(waveforms, w.waveform.value_or(kWaveformSinus));
                      }});
}

// A number as the document writes it: at most six decimals, no trailing zeros.
std::string Decimal(double value) {
    std::string text = FixedText(value, 6);
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
    return text;
}

// The cage's circuit, R1, X1, R2, X2 and XM in ohms, and its line voltage.
Field Circuit() {
    Field field{"equivalent-circuit", "[R1, X1, R2, X2, XM], ohms 0..1000, only R1 may be 0",
                [](const JsonValue& v, Setup& s) {
                    const JsonValue::Items* items = v.Array();
                    if (items == nullptr || items->size() != 5) return false;
                    EquivalentCircuit c = s.cage.circuit;
                    for (std::size_t i = 0; i < kCircuitOhms.size(); ++i) {
                        const double* number = (*items)[i].Number();
                        if (number == nullptr) return false;
                        c.*kCircuitOhms[i] = *number;
                    }
                    if (!InRange(c)) return false;
                    s.cage.circuit = c;
                    return true;
                },
                [](Setup& s) {
                    std::string list;
                    for (const auto ohms : kCircuitOhms)
                        list += (list.empty() ? "" : ", ") + Decimal(s.cage.circuit.*ohms);
                    return "[" + list + "]";
                }};
    field.written = Cage;
    return field;
}

bool FreeRotor(const Setup& setup) {
    return setup.cage.on && setup.cage.free;
}

// A number with a point within min..max, written when `written` says.
template <typename Ref>
Field DecimalKey(std::string key, double min, double max, std::string accepts,
                 bool (*written)(const Setup&), Ref ref) {
    Field field{std::move(key), std::move(accepts),
                [=](const JsonValue& v, Setup& s) {
                    const double* number = v.Number();
                    if (number == nullptr || !(*number >= min && *number <= max)) return false;
                    ref(s) = *number;
                    return true;
                },
                [=](Setup& s) { return Decimal(ref(s)); }};
    field.written = written;
    return field;
}

// The windows open, as a list of distinct names in this order.
constexpr std::pair<const char*, bool Setup::*> kWindows[] = {
    {"stator", &Setup::statorWindow},
    {"rotor", &Setup::rotorWindow},
    {"measures", &Setup::measuresWindow},
    {"winding", &Setup::windingWindow},
};

Field Windows() {
    return {"windows", "[\"stator\" | \"rotor\" | \"measures\" | \"winding\", ...], each once",
            [](const JsonValue& v, Setup& s) {
                const JsonValue::Items* items = v.Array();
                if (items == nullptr) return false;
                Setup open = s;
                for (const auto& [name, flag] : kWindows) open.*flag = false;
                for (const JsonValue& item : *items) {
                    bool known = false;
                    for (const auto& [name, flag] : kWindows) {
                        if (item.String() == nullptr || *item.String() != name) continue;
                        if (open.*flag) return false;
                        open.*flag = known = true;
                    }
                    if (!known) return false;
                }
                s = open;
                return true;
            },
            [](Setup& s) {
                std::string list;
                for (const auto& [name, flag] : kWindows)
                    if (s.*flag) list += (list.empty() ? "" : ", ") + Quoted(name);
                return "[" + list + "]";
            }};
}

const std::vector<Field>& Fields() {
    static const std::vector<Field> fields = [] {
        std::vector<Field> f;
        AddWinding(f, "stator", &Setup::stator, kStatorWaveformNames);
        AddWinding(f, "rotor", &Setup::rotor, kRotorWaveformNames);
        f.push_back(
            Whole("rotation", 0, kMaxHz, [](Setup& s) -> int& { return s.rotor.rotationHz; }));
        f.push_back(Whole("initial-position", 0, kMaxDeg,
                          [](Setup& s) -> int& { return s.rotor.initialPositionDeg; }));
        f.push_back(WindingKey("pole-pairs", 1, kMaxPolePairs,
                               [](Setup& s) -> int& { return s.winding.polePairs; }));
        f.push_back(WindingKey("slots-per-pole-per-phase", 1, kMaxSlotsPerPolePerPhase,
                               [](Setup& s) -> int& { return s.winding.slotsPerPolePerPhase; }));
        f.push_back(WindingKey("coil-pitch", 1, 3 * kMaxSlotsPerPolePerPhase,
                               [](Setup& s) -> int& { return s.winding.coilPitch; }));
        f.push_back(
            WindingKey("cut-phase", 0, 3, [](Setup& s) -> int& { return s.winding.cutPhase; }));
        Field cage = Flag("rotor-cage", [](Setup& s) -> bool& { return s.cage.on; });
        cage.written = Cage;
        f.push_back(cage);
        f.push_back(Circuit());
        f.push_back(DecimalKey("line-voltage", 1, kMaxLineVoltage, "1..10000 volts", Cage,
                               [](Setup& s) -> double& { return s.cage.circuit.lineVoltage; }));
        Field free = Flag("free-rotor", [](Setup& s) -> bool& { return s.cage.free; });
        free.written = FreeRotor;
        f.push_back(free);
        f.push_back(DecimalKey("inertia", kMinInertia, kMaxInertia, "0.0001..100 kg m^2", FreeRotor,
                               [](Setup& s) -> double& { return s.cage.inertia; }));
        f.push_back(DecimalKey("load-torque", -kMaxLoadNm, kMaxLoadNm, "-10000..10000 N m",
                               FreeRotor, [](Setup& s) -> double& { return s.cage.loadNm; }));
        f.push_back(Name<Presentation>("presentation", kPresentationNames,
                                       [](Setup& s) -> Presentation& { return s.presentation; }));
        f.push_back(Name<ColourMapKind>("colour-map", kColourMapNames,
                                        [](Setup& s) -> ColourMapKind& { return s.colourMap; }));
        f.push_back(Flag("projection", [](Setup& s) -> bool& { return s.projection; }));
        f.push_back(Flag("sequences", [](Setup& s) -> bool& { return s.sequences; }));
        f.push_back(Name<int>("pace", kPaceNames, [](Setup& s) -> int& { return s.pacePeriodMs; }));
        f.push_back(Windows());
        f.push_back(Whole("ticks", 0, kMaxTicks, [](Setup& s) -> int& { return s.ticks; }));
        f.push_back(Flag("running", [](Setup& s) -> bool& { return s.running; }));
        return f;
    }();
    return fields;
}

SetupError Refused(SetupFault fault, std::string key, std::string message, std::string detail = "",
                   std::string accepts = "") {
    return SetupError{fault, std::move(key), std::move(accepts), std::move(detail),
                      std::move(message)};
}

SetupError TooLarge() {
    return Refused(SetupFault::TooLarge, "",
                   "larger than " + std::to_string(kMaxSetupBytes / 1024) +
                       " KiB: a setup takes well under one");
}

std::optional<SetupError> ReadVersion(const JsonValue::Members& members) {
    for (const auto& [key, value] : members)
        if (key == kVersionKey) return CheckVersion(key, value, kSetupVersion);
    return Refused(
        SetupFault::NoVersion, std::string(kVersionKey),
        "not a Vireflu setup: " + Quoted(kVersionKey) + " (the format's version) is missing");
}

}  // namespace

std::optional<SetupError> CheckVersion(const std::string& key, const JsonValue& value,
                                       int readable) {
    // No format will see a million versions: a larger number is none.
    const std::optional<int> version = WholeNumber(value, 1, 1'000'000);
    if (!version)
        return Refused(SetupFault::BadValue, key, Quoted(key) + " accepts 1..", "", "1..");
    if (*version > readable)
        return Refused(SetupFault::NewerVersion, key,
                       "made by a newer version of Vireflu (format " + std::to_string(*version) +
                           "; this one reads up to " + std::to_string(readable) + ")",
                       std::to_string(*version));
    return std::nullopt;
}

std::string WriteSetup(const Setup& setup) {
    Setup s = setup;
    std::string text = "{\n  " + Quoted(kVersionKey) + ": " + std::to_string(kSetupVersion);
    for (const Field& field : Fields())
        if (field.written == nullptr || field.written(s))
            text += ",\n  " + Quoted(field.key) + ": " + field.write(s);
    return text + "\n}\n";
}

std::variant<Setup, SetupError> ReadSetup(std::string_view document) {
    if (document.size() > kMaxSetupBytes) return TooLarge();
    const auto parsed = ParseJson(document);
    if (const auto* error = std::get_if<JsonError>(&parsed))
        return Refused(
            SetupFault::NotJson, "",
            "not a Vireflu setup: " + error->message + " at byte " + std::to_string(error->offset),
            std::to_string(error->offset));
    return ReadSetupValue(std::get<JsonValue>(parsed));
}

std::variant<Setup, SetupError> ReadSetupValue(const JsonValue& document) {
    const JsonValue::Members* members = document.Object();
    if (members == nullptr)
        return Refused(SetupFault::NotAnObject, "", "not a Vireflu setup: not a JSON object");
    if (auto refused = ReadVersion(*members)) return *refused;
    Setup setup;
    for (const auto& [key, value] : *members) {
        if (key == kVersionKey) continue;
        const Field* field = nullptr;
        for (const Field& f : Fields())
            if (f.key == key) field = &f;
        if (field == nullptr) {
            // The file's own key, as long as it may be: quoted shortened.
            const std::string shown = Shortened(key);
            return Refused(SetupFault::UnknownKey, shown,
                           "unknown key " + Quoted(shown) + " (not a setting of this version)");
        }
        if (!field->read(value, setup))
            return Refused(SetupFault::BadValue, key, Quoted(key) + " accepts " + field->accepts,
                           "", field->accepts);
    }
    // Coils are full-pitch unless the file says otherwise, and span at most a pole: 3q slots.
    const bool pitchGiven = std::any_of(members->begin(), members->end(), [](const auto& member) {
        return member.first == "coil-pitch";
    });
    if (!pitchGiven) setup.winding.coilPitch = setup.winding.FullPitch();
    if (setup.winding.coilPitch > setup.winding.FullPitch()) {
        const std::string accepts = "1.." + std::to_string(setup.winding.FullPitch());
        return Refused(SetupFault::BadValue, "coil-pitch",
                       Quoted("coil-pitch") + " accepts " + accepts + " with " +
                           Quoted("slots-per-pole-per-phase") + " " +
                           std::to_string(setup.winding.slotsPerPolePerPhase),
                       "", accepts);
    }
    for (const auto& [name, winding] :
         {std::pair{"stator", &setup.stator}, std::pair{"rotor", &setup.rotor}}) {
        if (const auto rule = WaveformRule(*winding)) {
            const std::string key = std::string(name) + "-waveform";
            return Refused(SetupFault::WaveformRule, key, Quoted(key) + " " + *rule);
        }
    }
    return setup;
}

std::string SetupLink(const Setup& setup) {
    return std::string(kLinkPrefix) + EncodeBase64Url(WriteSetup(setup));
}

std::variant<Setup, SetupError> ReadSetupLink(std::string_view fragment) {
    if (fragment.starts_with('#')) fragment.remove_prefix(1);
    if (!fragment.starts_with(kLinkPrefix))
        return Refused(SetupFault::BrokenLink, "",
                       "not a Vireflu link: it does not start with " + std::string(kLinkPrefix));
    fragment.remove_prefix(kLinkPrefix.size());
    if (fragment.size() > (kMaxSetupBytes + 2) / 3 * 4) return TooLarge();
    const std::optional<std::string> document = DecodeBase64Url(fragment);
    if (!document)
        return Refused(SetupFault::BrokenLink, "",
                       "not a Vireflu link: the setup in it is damaged");
    return ReadSetup(*document);
}

}  // namespace vireflu
