#include "state_json.h"

#include <charconv>
#include <cmath>
#include <span>

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
        if (!std::isfinite(value)) {
            text_ += "null";
            return;
        }
        char digits[32];
        const auto result = std::to_chars(digits, digits + sizeof digits, value);
        text_.append(digits, result.ptr);
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
    std::string Text() const {
        const std::string outer = indent_.substr(0, indent_.size() - 2);
        return "{\n" + text_ + "\n" + outer + "}";
    }

private:
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

}  // namespace

std::string StateJson(const SimulationState& state, const MachineScene& scene) {
    AirGapLevels gap;
    ComputeAirGapLevels(state, scene.Tables(), gap);
    const Resultant resultant = ComputeResultant(state, scene.Geometry(), scene.Levels());

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
    json.Integers("resultant", std::array<int, 2>{resultant.x, resultant.y});
    json.Number("torqueValue", state.torqueValue);
    json.Integer("traceCount", state.traceCount);
    json.Object("geometry", GeometryJson(scene.Geometry()));
    return json.Text() + "\n";
}

}  // namespace vireflu
