#include "state_json.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <span>
#include <utility>
#include <vector>

#include "lessons/lesson_text.h"
#include "measures/measures.h"
#include "view/air_gap.h"
#include "view/field_vector.h"

namespace vireflu {

namespace {

// Writes `"name": value` members, separated and indented.
class JsonObject {
public:
    explicit JsonObject(std::string indent) : indent_(std::move(indent)) {}

    void Number(const char* name, double value) {
        Key(name);
        text_ += NumberText(value);
    }
    // A string without quotes, backslashes or control characters, or null.
    void String(const char* name, const char* value) {
        Key(name);
        text_ += value == nullptr ? std::string("null") : '"' + std::string(value) + '"';
    }
    void Integer(const char* name, int value) {
        Key(name);
        text_ += std::to_string(value);
    }
    void Integers(const char* name, std::span<const int> values) {
        Key(name);
        text_ += '[';
        for (std::size_t i = 0; i < values.size(); ++i) {
            if (i > 0) text_ += ", ";
            text_ += std::to_string(values[i]);
        }
        text_ += ']';
    }
    void Object(const char* name, const JsonObject& member) {
        Key(name);
        text_ += member.Text();
    }
    // An array of objects of numbers, each on one line: [{"order": 1, ...}, ...].
    void Rows(const char* name,
              const std::vector<std::vector<std::pair<const char*, double>>>& rows) {
        Key(name);
        text_ += '[';
        for (std::size_t r = 0; r < rows.size(); ++r) {
            text_ += r > 0 ? ", {" : "{";
            for (std::size_t m = 0; m < rows[r].size(); ++m) {
                text_ += std::string(m > 0 ? ", " : "") + '"' + rows[r][m].first + "\": ";
                text_ += NumberText(rows[r][m].second);
            }
            text_ += '}';
        }
        text_ += ']';
    }
    std::string Text() const {
        const std::string outer = indent_.substr(0, indent_.size() - 2);
        return "{\n" + text_ + "\n" + outer + "}";
    }

private:
    static std::string NumberText(double value) {
        if (!std::isfinite(value)) return "null";
        char digits[32];
        const auto result = std::to_chars(digits, digits + sizeof digits, value);
        return std::string(digits, result.ptr);
    }
    void Key(const char* name) {
        if (!text_.empty()) text_ += ",\n";
        text_ += indent_ + '"' + name + "\": ";
    }

    std::string indent_;
    std::string text_;
};

JsonObject GeometryJson(const ViewGeometry& g) {
    JsonObject json("    ");
    json.Integer("clientWidth", g.clientWidth);
    json.Integer("clientHeight", g.clientHeight);
    json.Integer("centreX", g.centreX);
    json.Integer("centreY", g.centreY);
    json.Integer("gapInnerRadius", g.gapInnerRadius);
    json.Integer("gapOuterRadius", g.gapOuterRadius);
    json.Integer("conductorHalfSize", g.conductorHalfSize);
    json.Integer("torqueSpan", g.torqueSpan);
    json.Integer("torqueBarRight", g.torqueBarRight);
    return json;
}

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();  // written as null

// The stator's winding: its poles, slots and coils.
JsonObject MachineJson(const WindingDesign& w) {
    JsonObject json("    ");
    json.Integer("polePairs", w.polePairs);
    json.Integer("slots", w.Slots());
    json.Integer("slotsPerPolePerPhase", w.slotsPerPolePerPhase);
    json.Integer("coilPitch", w.coilPitch);
    json.Integer("cutPhase", w.cutPhase);
    return json;
}

// The winding's factors and its magnetomotive force's space harmonics (balanced currents at
// the supply's frequency), orders 1, 5, 7, 11 and 13.
void WindingJson(JsonObject& json, const WindingDesign& w, double supplyHz) {
    std::vector<std::vector<std::pair<const char*, double>>> factors;
    std::vector<std::vector<std::pair<const char*, double>>> harmonics;
    for (const int order : kSpaceHarmonicOrders) {
        const WindingFactor k = WindingFactorOf(w, order);
        factors.push_back({{"order", order},
                           {"distribution", k.distribution},
                           {"pitch", k.pitch},
                           {"winding", k.winding}});
    }
    for (const MmfHarmonic& h : MmfHarmonicsOf(w, supplyHz))
        harmonics.push_back({{"order", h.order}, {"share", h.share}, {"rpm", h.rpm}});
    json.Rows("windingFactors", factors);
    json.Rows("mmfHarmonics", harmonics);
}

void SplitJson(JsonObject& json, const std::string& winding, const std::optional<FieldSplit>& s) {
    json.Number((winding + "DirectShare").c_str(), s ? s->direct.share : kNone);
    json.Number((winding + "DirectAngleDeg").c_str(), s ? s->direct.angleDeg : kNone);
    json.Number((winding + "InverseShare").c_str(), s ? s->inverse.share : kNone);
    json.Number((winding + "InverseAngleDeg").c_str(), s ? s->inverse.angleDeg : kNone);
}

const char* SenseName(FieldSense sense) {
    switch (sense) {
        case FieldSense::Counterclockwise:
            return "counterclockwise";
        case FieldSense::Clockwise:
            return "clockwise";
        case FieldSense::Pulsating:
            return "pulsating";
        case FieldSense::None:
            break;
    }
    return nullptr;
}

// A cage rotor's figures, torque and powers along the field's rotation.
JsonObject InductionJson(const Measures& m) {
    JsonObject json("      ");
    const InductionPoint& p = m.induction->point;
    const TorqueLandmarks& t = m.induction->landmarks;
    json.Number("slip", p.slip);
    json.Number("torqueNm", p.torqueNm);
    json.Number("statorCurrentA", p.statorCurrentA);
    json.Number("rotorCurrentA", p.rotorCurrentA);
    json.Number("powerFactor", p.powerFactor);
    json.Number("inputPowerW", p.inputPowerW);
    json.Number("mechanicalPowerW", p.mechanicalPowerW);
    json.Number("slipAtMaxTorque", t.slipAtMaxTorque);
    json.Number("maxTorqueNm", t.maxTorqueNm);
    json.Number("startTorqueNm", t.startTorqueNm);
    json.Number("rotorRpm", m.numbers.rotorRpm);
    return json;
}

// The "Mesures" window's figures; a figure that is undefined is null.
JsonObject MeasuresJson(const Measures& m) {
    JsonObject json("    ");
    const MachineNumbers& n = m.numbers;
    json.Number("supplyHz", n.supplyHz);
    json.Number("synchronousRpm", n.synchronousRpm);
    json.Number("rotorRpm", n.rotorRpm);
    json.String("fieldSense", SenseName(n.fieldSense));
    // A rotating field's figures, or those against the two halves of a pulsating one.
    const std::size_t fields = n.slips.size();
    const Slip* rotating = fields == 1 ? &n.slips[0] : nullptr;
    const Slip* plus = fields == 2 ? &n.slips[0] : nullptr;
    const Slip* minus = fields == 2 ? &n.slips[1] : nullptr;
    const auto value = [](const Slip* s, double Slip::*figure) { return s ? s->*figure : kNone; };
    json.Number("fieldRpm", value(rotating, &Slip::synchronousRpm));
    json.Number("slip", value(rotating, &Slip::slip));
    json.Number("rotorCurrentHz", value(rotating, &Slip::rotorCurrentHz));
    json.Number("slipPlus", value(plus, &Slip::slip));
    json.Number("slipMinus", value(minus, &Slip::slip));
    json.Number("rotorCurrentHzPlus", value(plus, &Slip::rotorCurrentHz));
    json.Number("rotorCurrentHzMinus", value(minus, &Slip::rotorCurrentHz));
    json.Number("torque", n.torque);
    json.Number("resultantShare", n.resultantShare);
    json.Number("fieldAngleDeg", n.fieldAngleDeg.value_or(kNone));
    json.Number("airGapFundamental", m.curve.fundamentalAmplitude);
    json.Number("airGapFundamentalAngleDeg", m.curve.fundamentalAngleDeg);
    SplitJson(json, "stator", m.stator);
    SplitJson(json, "rotor", m.rotor);
    const SixStepSpectrum& spectrum = ComputeSixStepSpectrum();
    for (const Harmonic& h : spectrum.harmonics) {
        const std::string name = "sixStepHarmonic" + std::to_string(h.order);
        json.Number(name.c_str(), m.sixStep ? h.relative : kNone);
    }
    for (const Harmonic& h : spectrum.harmonics) {
        if (h.order == 1) continue;
        const std::string name = "sixStepHarmonic" + std::to_string(h.order) + "Rpm";
        json.Number(name.c_str(),
                    m.sixStepFieldRpm ? HarmonicFieldRpm(h, *m.sixStepFieldRpm) : kNone);
    }
    json.Number("sixStepDistortion", m.sixStep ? spectrum.totalHarmonicDistortion : kNone);
    return json;
}

// The lesson's quantity, its value (a sense's name, or a number), the index of the right
// choice and the verdict's sentence; null where the setup gives no value or no one choice.
JsonObject LessonJson(const Lesson& lesson) {
    JsonObject json("    ");
    const std::optional<LessonValue> value = ComputeLessonValue(lesson);
    const std::optional<std::size_t> right = value ? RightChoice(lesson, *value) : std::nullopt;
    json.String("id", lesson.id.c_str());
    json.String("quantity", InfoOf(lesson.quantity).key);
    if (value && !value->name.empty())
        json.String("value", value->name.c_str());
    else
        json.Number("value", value ? value->number : kNone);
    json.Number("rightChoice", right ? static_cast<double>(*right) : kNone);
    const std::string sentence =
        value ? LessonSentence(lesson.quantity, *value, [](const char* french) { return french; })
              : "";
    json.String("sentence", value ? sentence.c_str() : nullptr);
    return json;
}

}  // namespace

std::string StateJson(const SimulationState& state, const MachineScene& scene,
                      const Lesson* lesson) {
    AirGapLevels gap;
    ComputeAirGapLevels(state, scene.Tables(), gap);
    const MachineInstant instant = scene.InstantOf(state);
    const Point tip = FieldTip(instant);

    JsonObject json("  ");
    json.Number("elapsedTime", state.elapsedTime);
    json.Number("statorAngle", state.statorAngle);
    json.Number("rotorAngle", state.rotorAngle);
    json.Number("rotorPosition", state.rotorPosition);
    json.Integers("statorConductorLevel", scene.Levels().stator);
    json.Integers("rotorConductorLevel", scene.Levels().rotor);
    json.Integers("statorAirGapLevel", gap.stator);
    json.Integers("rotorAirGapLevel", gap.rotor);
    json.Integers("airGapLevel", gap.combined);
    json.Integers("resultant", std::array<int, 2>{tip.x, tip.y});
    json.Number("torqueValue", state.torqueValue);
    json.Integer("traceCount", state.traceCount);
    json.Object("geometry", GeometryJson(scene.Geometry()));
    json.Object("machine", MachineJson(state.winding));
    const Measures measures = ComputeMeasures(state, instant);
    JsonObject measuresJson = MeasuresJson(measures);
    WindingJson(measuresJson, state.winding, measures.numbers.supplyHz);
    if (measures.induction) measuresJson.Object("induction", InductionJson(measures));
    json.Object("measures", measuresJson);
    if (lesson != nullptr) json.Object("lesson", LessonJson(*lesson));
    return json.Text() + "\n";
}

}  // namespace vireflu
