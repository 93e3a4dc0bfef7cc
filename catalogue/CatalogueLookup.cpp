#include "catalogue/CatalogueLookup.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <vector>

namespace tachoria {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Whether `text` starts with `prefix`, in any case of ASCII letters.
bool StartsWithAnyCase(std::string_view text, std::string_view prefix) {
    if (prefix.size() > text.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (Lower(text[i]) != Lower(prefix[i])) {
            return false;
        }
    }
    return true;
}

bool EqualAnyCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && StartsWithAnyCase(a, b);
}

// The one choice in `choices` that `matches`, or nothing, and whether
// there were several.
template <typename Matches>
CatalogueMatch OnlyOne(const std::vector<std::string_view>& choices, Matches&& matches) {
    CatalogueMatch match;
    for (const std::string_view choice : choices) {
        if (matches(choice)) {
            if (match.text) {
                return {.text = std::nullopt, .ambiguous = true};
            }
            match.text = choice;
        }
    }
    return match;
}

// The years a range's text covers: from its first four-digit year to its
// last ("1961(late)-1963": 1961 to 1963; "1964": 1964 only).
struct Years {
    int first = 0;
    int last = 0;
};
Years YearsOf(std::string_view range) {
    Years years;
    for (std::size_t i = 0; i + 4 <= range.size(); ++i) {
        int year = 0;
        const auto [end, error] = std::from_chars(range.data() + i, range.data() + i + 4, year);
        if (error == std::errc{} && end == range.data() + i + 4 && year >= 1000) {
            years.first = years.first == 0 ? year : years.first;
            years.last = year;
            i += 3;
        }
    }
    return years;
}

// A year alone, "1962": four digits and nothing else.
std::optional<int> YearOf(std::string_view text) {
    int year = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), year);
    if (text.size() != 4 || error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return year;
}

}  // namespace

CatalogueMatch MatchModel(std::string_view typed) {
    typed = Trimmed(typed);
    const std::span<const std::string_view> models = ModelTexts();
    const std::vector<std::string_view> choices(models.begin(), models.end());
    const CatalogueMatch exact =
        OnlyOne(choices, [typed](std::string_view model) { return EqualAnyCase(model, typed); });
    if (exact.text || typed.empty()) {
        return exact.text ? exact : CatalogueMatch{.text = std::nullopt, .ambiguous = true};
    }
    return OnlyOne(choices,
                   [typed](std::string_view model) { return StartsWithAnyCase(model, typed); });
}

CatalogueMatch MatchYearRange(std::string_view model, std::string_view typed) {
    typed = Trimmed(typed);
    const std::vector<std::string_view> ranges = YearRangeTexts(model);
    const CatalogueMatch exact =
        OnlyOne(ranges, [typed](std::string_view range) { return EqualAnyCase(range, typed); });
    const std::optional<int> year = YearOf(typed);
    if (exact.text || !year) {
        return exact;
    }
    return OnlyOne(ranges, [year](std::string_view range) {
        const Years years = YearsOf(range);
        return *year >= years.first && *year <= years.last;
    });
}

namespace {

// The value of a catalogue's ratio text ("3.27"), read as whole numbers:
// not every standard library reads a double with from_chars, and strtod
// follows the locale.
std::optional<double> RatioValue(std::string_view text) {
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    const auto wholeNumber = [](std::string_view digits) -> std::optional<long long> {
        long long number = 0;
        const auto [end, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), number);
        if (error != std::errc{} || end != digits.data() + digits.size()) {
            return std::nullopt;
        }
        return number;
    };
    const std::optional<long long> units = wholeNumber(whole);
    const std::optional<long long> parts = fraction.empty() ? 0LL : wholeNumber(fraction);
    if (!units || !parts || fraction.size() > 6) {
        return std::nullopt;
    }
    return static_cast<double>(*units) +
           static_cast<double>(*parts) / std::pow(10.0, static_cast<double>(fraction.size()));
}

}  // namespace

std::optional<std::string_view> MatchAxleRatio(GearboxCode code, double ratio) {
    for (const std::string_view text : AxleRatioTexts(code)) {
        const std::optional<double> value = RatioValue(text);
        // By value, not by text: 3.270 is the same number as 3.27.
        if (value && std::fabs(*value - ratio) < 1e-9) {
            return text;
        }
    }
    return std::nullopt;
}

}  // namespace tachoria
