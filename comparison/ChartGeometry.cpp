#include "comparison/ChartGeometry.h"

#include <algorithm>
#include <cmath>

#include "arith/Blanks.h"
#include "arith/Num2String.h"

namespace tachoria {
namespace {

constexpr int kSpeedTicks = 8;
constexpr int kRpmTicks = 7;

std::string Ordinal(int gear) {
    static const char* const kNames[] = {"1st", "2nd", "3rd", "4th", "5th", "6th"};
    return gear >= 1 && gear <= 6 ? kNames[gear - 1] : std::to_string(gear) + "th";
}

std::string Number(double value, int decimals) {
    return std::string(TrimBlanks(Num2String(value, decimals, 0)));
}

// Lines and sawtooth of one setup, from the per-gear speeds at the redline.
void AddSetup(Chart& chart, Setup setup, const std::optional<Gearing>& gearing, double redline) {
    if (!gearing) {
        return;
    }
    ChartLine sawtooth{setup, 0, {{0, 0}}};
    for (std::size_t i = 0; i < gearing->gears.size(); ++i) {
        const std::optional<double> top =
            RoadSpeed(redline, chart.unit, *gearing, gearing->gears[i]);
        if (!top || *top <= 0) {
            return;  // past what the arithmetic gives: no lines for this setup
        }
        chart.gearLines.push_back({setup, static_cast<int>(i) + 1, {{0, 0}, {*top, redline}}});
        sawtooth.points.push_back({*top, redline});
        if (i + 1 < gearing->gears.size()) {
            if (const auto next = EngineSpeed(*top, chart.unit, *gearing, gearing->gears[i + 1])) {
                sawtooth.points.push_back({*top, *next});
            }
        }
        chart.speedMax = std::max(chart.speedMax, *top);
    }
    chart.sawtooths.push_back(std::move(sawtooth));
}

}  // namespace

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
    chart.rpmMax = NiceCeiling((redline ? *redline : kDefaultRedline) * 1.1, kRpmTicks);
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
    std::string text =
        Number(std::floor(speed * 10) / 10, 1) + " " + std::string(UnitName(chart.unit)) + ":";
    bool any = false;
    for (const ChartLine& line : chart.gearLines) {
        const ChartPoint& end = line.points.back();
        if (speed > end.speed) {
            continue;  // this gear is past the redline here
        }
        const double rpm = std::floor(end.rpm * speed / end.speed);
        text += std::string(any ? ", " : " ") + (line.setup == Setup::A ? "A " : "B ") +
                Ordinal(line.gear) + " " + Number(rpm, 0);
        any = true;
    }
    return any ? text + " RPM" : text + " every gear past the redline";
}

std::string ChartDescription(const Comparison& comparison) {
    std::string text = "Engine RPM against road speed, one line per gear; A solid, B dashed";
    if (comparison.redline) {
        text += "; redline " + Number(*comparison.redline, 0) + " RPM";
    }
    text += ".";
    for (const Setup setup : {Setup::A, Setup::B}) {
        std::string gears;
        for (const GearRow& row : comparison.gears) {
            const std::optional<double>& speed = setup == Setup::A ? row.aSpeed : row.bSpeed;
            if (speed) {
                gears += (gears.empty() ? " " : ", ") + Ordinal(row.gear) + " to " +
                         Number(*speed, 1) + " " + std::string(UnitName(comparison.unit));
            }
        }
        text += setup == Setup::A ? " A:" : " B:";
        text += gears.empty() ? std::string(" no values.") : gears + ".";
    }
    return text;
}

}  // namespace tachoria
