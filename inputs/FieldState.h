#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "arith/NumberReading.h"
#include "outcome/Outcome.h"

// A field as a model reads it, for a front end to mark: its label, whether
// it is in use, and its reason or its reading.
namespace tachoria {

struct FieldState {
    std::string label;  // "Engine RPM", "Speed, MPH": its caption, which its reason follows
    // False while the model leaves the field aside (the speedometer
    // question's other form): shown disabled and unmarked.
    bool enabled = true;
    std::optional<std::string> reason;  // why its text cannot be used; none when it can
    std::string readsAs;                // a tire that reads: what it reads as; else empty
    std::optional<double> value;        // the number read, when it is one

    [[nodiscard]] bool bad() const { return reason.has_value(); }
    // "Engine RPM: Too small: type …", for the line under a group of fields.
    [[nodiscard]] std::string Line() const;

    friend bool operator==(const FieldState&, const FieldState&) = default;
};

// Takes a reader's outcome into `field`: the value, or nothing when the
// field is bad.
std::optional<double> Check(FieldState& field, const Outcome<double>& reading);
// A tire field (ReadTireField), with what it reads as.
std::optional<double> CheckTire(FieldState& field, std::string_view text,
                                const NumberConverter& numbers);

// Whether any of `fields` is bad, and their lines ("label: reason").
bool AnyBad(const std::vector<FieldState>& fields);
std::vector<std::string> ProblemLines(const std::vector<FieldState>& fields);

}  // namespace tachoria
