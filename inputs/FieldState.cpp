#include "inputs/FieldState.h"

#include <algorithm>

#include "inputs/FieldReaders.h"

namespace tachoria {

std::string FieldState::Line() const { return LabelledReason(label, reason.value_or("")); }

std::optional<double> Check(FieldState& field, const Outcome<double>& reading) {
    if (!reading) {
        field.reason = reading.message();
        return std::nullopt;
    }
    field.value = *reading;
    return *reading;
}

std::optional<double> CheckTire(FieldState& field, std::string_view text,
                                const NumberConverter& numbers) {
    const Outcome<Tire> tire = ReadTireSizeField(text, numbers);
    if (!tire) {
        field.reason = tire.message();
        return std::nullopt;
    }
    field.value = tire->diameter;
    field.readsAs = TireDescription(*tire, numbers);
    return tire->diameter;
}

bool AnyBad(const std::vector<FieldState>& fields) {
    return std::any_of(fields.begin(), fields.end(), [](const FieldState& f) { return f.bad(); });
}

std::vector<std::string> ProblemLines(const std::vector<FieldState>& fields) {
    std::vector<std::string> lines;
    for (const FieldState& field : fields) {
        if (field.bad()) {
            lines.push_back(field.Line());
        }
    }
    return lines;
}

}  // namespace tachoria
