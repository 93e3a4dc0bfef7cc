#pragma once

#include <optional>
#include <string>
#include <vector>

#include "comparison/Comparison.h"
#include "comparison/Gearing.h"

// The comparison chart without any drawing: engine speed against road
// speed, one line per gear of each setup, the sawtooth of upshifts at the
// redline, the axes' round tick values, the mapping to pixels and what
// lies under the pointer. The window only draws what this gives.
namespace tachoria {

struct ChartPoint {
    double speed;  // in the chart's unit
    double rpm;
    friend bool operator==(const ChartPoint&, const ChartPoint&) = default;
};

enum class Setup { A, B };

struct ChartLine {
    Setup setup;
    int gear;  // 1 for first; 0 for a sawtooth
    std::vector<ChartPoint> points;
};

struct Chart {
    SpeedUnit unit = SpeedUnit::MPH;
    std::optional<double> redline;
    double speedMax = 0;  // the axes run from 0 to these
    double rpmMax = 0;
    std::vector<double> speedTicks;
    std::vector<double> rpmTicks;
    std::vector<ChartLine> gearLines;  // from standstill to the redline
    std::vector<ChartLine> sawtooths;  // one per setup: up each gear to the redline, down a shift
    std::optional<Gearing> a;          // the setups drawn, for the values under the pointer
    std::optional<Gearing> b;
};

// An axis value as a person writes it: "0.2", "5500".
std::string TickText(double value);

// Round tick values from 0 to at most `max`, at most `most` steps apart of
// 1, 2 or 5 times a power of ten.
std::vector<double> NiceTicks(double max, int most);

// The smallest tick value NiceTicks would reach at or above `value`.
double NiceCeiling(double value, int most);

Chart BuildChart(const std::optional<Gearing>& a, const std::optional<Gearing>& b,
                 std::optional<double> redline, SpeedUnit unit);

// Where the plot lies on the widget, in pixels.
struct PlotArea {
    double left;
    double top;
    double width;
    double height;
};

struct Pixel {
    double x;
    double y;
};

Pixel ToPixel(const Chart& chart, const PlotArea& area, const ChartPoint& point);
ChartPoint FromPixel(const Chart& chart, const PlotArea& area, const Pixel& pixel);

// The values under the pointer, one line each: the speed truncated to 0.1,
// then for each setup the gears that reach it below the redline with the
// tables' engine speed at exactly that speed:
// "62.0 MPH\nA: 3rd 4581, 4th 3203 RPM\nB: 4th 2914 RPM". Empty when the
// speed lies off the chart.
std::string ValuesAt(const Chart& chart, double speed);

// The chart in words, for screen readers: what each setup's gears reach at
// the redline, as the per-gear table gives it.
std::string ChartDescription(const Comparison& comparison);

}  // namespace tachoria
