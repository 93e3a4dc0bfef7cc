// Any text read as a tire, with either decimal point: no crash, a diameter
// the tables can use, the same reading around blanks (pasted ones too) and in
// upper case, and a size written back from its own numbers read to the same
// diameter.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "arith/AsciiText.h"
#include "tires/TireReader.h"

namespace {

using namespace tachoria;

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// The numbers of a size as written: digits with at most one decimal point,
// where the point is ',' a '.' before a digit too. A size's prefix has none,
// so they come width (or diameter) first.
std::vector<std::string> WrittenNumbers(std::string_view text, char point) {
    std::vector<std::string> numbers;
    std::size_t at = 0;
    while (at < text.size()) {
        const bool starts = IsDigit(text[at]) ||
                            (text[at] == point && at + 1 < text.size() && IsDigit(text[at + 1]));
        if (!starts) {
            ++at;
            continue;
        }
        const std::size_t from = at;
        while (at < text.size() && IsDigit(text[at])) {
            ++at;
        }
        const bool otherPoint =
            point == ',' && at + 1 < text.size() && text[at] == '.' && IsDigit(text[at + 1]);
        if (at < text.size() && (text[at] == point || otherPoint)) {
            ++at;
            while (at < text.size() && IsDigit(text[at])) {
                ++at;
            }
        }
        numbers.emplace_back(text.substr(from, at - from));
    }
    return numbers;
}

// `text` read again must give exactly `diameter`.
void CheckRereads(const std::string& text, char point, double diameter) {
    const Outcome<Tire> again = ReadTire(text, point);
    Check(again.ok() && again->diameter == diameter);
}

void CheckReading(const std::string& text, char point) {
    const auto tire = ReadTire(text, point);
    const UnreadTire kind = tire ? UnreadTire::NotASize : tire.failure().kind;
    if (!tire.ok()) {
        Check(!tire.message().empty());
    } else {
        Check(!tire->note.empty() && kind == UnreadTire::NotASize);
        Check(std::isfinite(tire->diameter) && tire->diameter >= 0);
        if (tire->form != TireForm::Inches) {
            Check(tire->diameter >= kSmallestTire && tire->diameter <= kLargestTire);
        }
    }

    // Blanks around the text and the letters' case change nothing.
    const std::string upper = ToUpperAscii(text);
    for (const std::string& variant : {" \t" + text + " ", "\xC2\xA0" + text + "\r\n", upper}) {
        const auto same = ReadTire(variant, point);
        Check(same.ok() == tire.ok());
        if (tire.ok()) {
            Check(same->diameter == tire->diameter && same->form == tire->form);
        } else {
            Check(same.message() == tire.message());
        }
        Check((same ? UnreadTire::NotASize : same.failure().kind) == kind);
    }

    if (!tire.ok()) {
        return;
    }
    const std::vector<std::string> n = WrittenNumbers(text, point);
    switch (tire->form) {
        case TireForm::Metric:
            Check(n.size() >= 3);
            CheckRereads(n[0] + "/" + n[1] + "R" + n[2], point, tire->diameter);
            break;
        case TireForm::MetricNoAspect:
            Check(n.size() >= 2);
            CheckRereads(n[0] + "R" + n[1], point, tire->diameter);
            CheckRereads(n[0] + "/82R" + n[1], point, tire->diameter);
            break;
        case TireForm::Flotation:
            Check(n.size() >= 3);
            CheckRereads(n[0] + "x" + n[1] + "R" + n[2], point, tire->diameter);
            break;
        case TireForm::PeriodBias:
            Check(n.size() >= 2);
            CheckRereads(n[0] + "-" + n[1], point, tire->diameter);
            break;
        case TireForm::Inches:
        case TireForm::RevolutionsPerMile:
            break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    CheckReading(text, '.');
    CheckReading(text, ',');
    return 0;
}
