#include "comparison/ChartGeometry.h"

#include <algorithm>
#include <cmath>

#include "arith/Num2String.h"
#include "arith/NumberReading.h"
#include "tables/Captions.h"

namespace tachoria {
namespace {

constexpr int kSpeedTicks = 8;
constexpr int kRpmTicks = 7;

// Places enough that a line drawn to the speed loses nothing a pixel shows.
constexpr int kExactPlaces = 9;

// Lines and sawtooth of one setup. The lines end at the exact speed of the
// redline, not at the tables' truncated one, so that they meet it.
void AddSetup(Chart& chart, Setup setup, const std::optional<Gearing>& gearing, double redline) {
    if (!gearing) {
        return;
    }
    ChartLine sawtooth{setup, 0, {{0, 0}}};
    std::vector<ChartLine> lines;
    double speedMax = 0;
    for (std::size_t i = 0; i < gearing->gears.size(); ++i) {
        const std::optional<double> top =
            RoadSpeed(redline, chart.unit, *gearing, gearing->gears[i], kExactPlaces);
        if (!top || *top <= 0) {
            return;  // past what the arithmetic gives: no lines for this setup
        }
        lines.push_back({setup, static_cast<int>(i) + 1, {{0, 0}, {*top, redline}}});
        sawtooth.points.push_back({*top, redline});
        if (i + 1 < gearing->gears.size()) {
            if (const auto next =
                    RpmAfterUpshift(redline, gearing->gears[i], gearing->gears[i + 1])) {
                sawtooth.points.push_back({*top, *next});
            }
        }
        speedMax = std::max(speedMax, *top);
    }
    chart.gearLines.insert(chart.gearLines.end(), lines.begin(), lines.end());
    chart.sawtooths.push_back(std::move(sawtooth));
    chart.speedMax = std::max(chart.speedMax, speedMax);
    (setup == Setup::A ? chart.a : chart.b) = gearing;
}

// "A: 2nd 4278, 3rd 2624", the gears of one setup that reach `speed` below
// the redline, each at the tables' engine speed there.
std::string SetupValuesAt(const Chart& chart, Setup setup, double speed) {
    const std::optional<Gearing>& gearing = setup == Setup::A ? chart.a : chart.b;
    if (!gearing || !chart.redline) {
        return {};
    }
    std::string text;
    for (std::size_t i = 0; i < gearing->gears.size(); ++i) {
        const std::optional<double> rpm =
            EngineSpeed(speed, chart.unit, *gearing, gearing->gears[i]);
        if (rpm && *rpm <= *chart.redline) {
            text += (text.empty() ? "" : ", ") + GearName(static_cast<int>(i) + 1) + " " +
                    FixedText(*rpm, 0);
        }
    }
    return std::string(setup == Setup::A ? "A: " : "B: ") +
           (text.empty() ? "every gear past the redline" : text + " RPM");
}

}  // namespace

std::string TickText(double value) { return PlainNumberConverter().ToText(value); }

// The smallest of 1, 2 or 5 times a power of ten that splits `max` into at
// most `most` steps.
double NiceStep(double max, int most) {
    const double raw = max / most;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double factor : {1.0, 2.0, 5.0}) {
        if (factor * power >= raw * (1 - 1e-12)) {
            return factor * power;
        }
    }
    return 10 * power;
}

std::vector<double> NiceTicks(double max, int most) {
    std::vector<double> ticks;
    if (!(max > 0) || !std::isfinite(max) || most < 1) {
        return ticks;
    }
    const double step = NiceStep(max, most);
    for (int i = 0; i * step <= max * (1 + 1e-12); ++i) {
        ticks.push_back(i * step);
    }
    return ticks;
}

double NiceCeiling(double value, int most) {
    if (!(value > 0) || !std::isfinite(value) || most < 1) {
        return value;
    }
    const double step = NiceStep(value, most);
    return std::ceil(value / step * (1 - 1e-12)) * step;
}

Chart BuildChart(const std::optional<Gearing>& a, const std::optional<Gearing>& b,
                 std::optional<double> redline, SpeedUnit unit) {
    Chart chart;
    chart.unit = unit;
    chart.redline = redline;
    if (redline) {
        AddSetup(chart, Setup::A, a, *redline);
        AddSetup(chart, Setup::B, b, *redline);
    }
    const double speedRange =
        chart.speedMax > 0 ? chart.speedMax : (unit == SpeedUnit::MPH ? 100 : 160);
    chart.speedMax = NiceCeiling(speedRange * 1.02, kSpeedTicks);
    // Above the redline, and above any shift that lands past it.
    double rpmTop = redline ? *redline : kDefaultRedline;
    for (const ChartLine& line : chart.sawtooths) {
        for (const ChartPoint& point : line.points) {
            rpmTop = std::max(rpmTop, point.rpm);
        }
    }
    chart.rpmMax = NiceCeiling(rpmTop * 1.1, kRpmTicks);
    chart.speedTicks = NiceTicks(chart.speedMax, kSpeedTicks);
    chart.rpmTicks = NiceTicks(chart.rpmMax, kRpmTicks);
    return chart;
}

Pixel ToPixel(const Chart& chart, const PlotArea& area, const ChartPoint& point) {
    return {area.left + point.speed / chart.speedMax * area.width,
            area.top + area.height - point.rpm / chart.rpmMax * area.height};
}

ChartPoint FromPixel(const Chart& chart, const PlotArea& area, const Pixel& pixel) {
    return {(pixel.x - area.left) / area.width * chart.speedMax,
            (area.top + area.height - pixel.y) / area.height * chart.rpmMax};
}

std::string ValuesAt(const Chart& chart, double speed) {
    if (!(speed >= 0) || speed > chart.speedMax) {
        return {};
    }
    // The speed as the readout writes it, and every engine speed at exactly
    // that speed.
    const double shown = std::floor(speed * 10) / 10;
    std::string text = FixedText(shown, 1) + " " + std::string(UnitName(chart.unit));
    for (const Setup setup : {Setup::A, Setup::B}) {
        const std::string values = SetupValuesAt(chart, setup, shown);
        if (!values.empty()) {
            text += "\n" + values;
        }
    }
    return text;
}

std::string ChartDescription(const Comparison& comparison) {
    std::string text = "Engine RPM against road speed, one line per gear; A solid, B dashed";
    if (comparison.redline) {
        text += "; redline " + FixedText(*comparison.redline, 0) + " RPM";
    }
    text += ".";
    for (const Setup setup : {Setup::A, Setup::B}) {
        std::string gears;
        for (const GearRow& row : comparison.gears) {
            const std::optional<double>& speed = setup == Setup::A ? row.aSpeed : row.bSpeed;
            if (speed) {
                gears += (gears.empty() ? " " : ", ") + GearName(row.gear) + " to " +
                         FixedText(*speed, 1) + " " + std::string(UnitName(comparison.unit));
            }
        }
        text += setup == Setup::A ? " A:" : " B:";
        text += gears.empty() ? std::string(" no values.") : gears + ".";
    }
    return text;
}

}  // namespace tachoria
