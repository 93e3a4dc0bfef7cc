// The comparison over random gearings, redlines and units: fields typed as
// texts (any number, in range or not) or as values within the ranges, then
// every table and the chart's readout checked.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "arith/AsciiText.h"
#include "arith/NumberReading.h"
#include "comparison/ChartGeometry.h"
#include "comparison/Comparison.h"
#include "inputs/InputRanges.h"

namespace {

using namespace tachoria;

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// "1e+20", "inf" or "nan" anywhere in a text.
bool ShowsExponentOrNan(const std::string& text) {
    for (std::size_t i = 1; i < text.size(); ++i) {
        if ((text[i] == 'e' || text[i] == 'E') && IsDigit(text[i - 1])) {
            return true;
        }
    }
    return text.find("inf") != std::string::npos || text.find("nan") != std::string::npos;
}

// A field's text: a value in its range, or any double written out.
std::string FieldText(FuzzedDataProvider& data, const InputRange& range) {
    const PlainNumberConverter numbers;
    if (data.ConsumeBool()) {
        return numbers.ToText(data.ConsumeFloatingPointInRange(range.least, range.most));
    }
    return numbers.ToText(data.ConsumeFloatingPoint<double>());
}

std::optional<Gearing> RandomGearing(FuzzedDataProvider& data) {
    const PlainNumberConverter numbers;
    const Outcome<double> tire = ReadTireField(FieldText(data, kTireRange), numbers);
    const Outcome<double> axle = ReadRatioField(FieldText(data, kRatioRange), numbers);
    std::vector<Outcome<double>> gears;
    for (auto n = data.ConsumeIntegralInRange<std::size_t>(1, kMostGears); n > 0; --n) {
        gears.push_back(ReadRatioField(FieldText(data, kRatioRange), numbers));
    }
    return GearingOf(tire, axle, gears);
}

void CheckTable(const Table& table) {
    for (const TableRow& row : table.rows) {
        Check(!ShowsExponentOrNan(row.label));
        for (const std::string& cell : row.cells) {
            Check(!ShowsExponentOrNan(cell));
        }
    }
}

// Where each upshift lands: the redline × next ÷ this, truncated; worked
// here in long double, and allowed to be the next whole number up only
// where the quotient lies within a millionth below it.
void CheckUpshifts(const Table& gears, const std::optional<Gearing>& gearing, double redline,
                   std::size_t column) {
    if (!gearing) {
        return;
    }
    for (std::size_t i = 0; i + 1 < gearing->gears.size(); ++i) {
        const long double exact =
            static_cast<long double>(redline) * gearing->gears[i + 1] / gearing->gears[i];
        const std::optional<double> shown =
            PlainNumberConverter().ToNumber(gears.rows.at(i).cells.at(column));
        Check(shown.has_value());
        const long double below = std::floor(exact);
        Check(*shown == below || (*shown == below + 1 && below + 1 - exact < 1e-6L));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    const std::optional<Gearing> a = RandomGearing(data);
    const std::optional<Gearing> b = RandomGearing(data);
    const Outcome<double> redline =
        ReadRedlineField(FieldText(data, kRedlineRange), PlainNumberConverter());
    const SpeedUnit unit = data.ConsumeBool() ? SpeedUnit::MPH : SpeedUnit::KMH;

    const Comparison comparison = Compare(a, b, redline.ToOptional(), unit, kMostGears);
    const Table gears = GearTable(comparison);
    for (const Table& table : {CruiseTable(comparison), gears, SpeedometerTable(comparison)}) {
        CheckTable(table);
    }
    if (redline) {
        CheckUpshifts(gears, a, *redline, 1);
        CheckUpshifts(gears, b, *redline, 3);
    }
    const Chart chart = BuildChart(a, b, redline.ToOptional(), unit);
    Check(!ShowsExponentOrNan(ChartDescription(comparison)));
    const std::string readout =
        ValuesAt(chart, data.ConsumeFloatingPointInRange(0.0, chart.speedMax));
    Check(!ShowsExponentOrNan(readout));
    return 0;
}
