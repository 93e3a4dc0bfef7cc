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
};

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

// The engine speed of each gear line at `speed`, for the lines that reach
// it: "62.0 MPH: A 3rd 4581, A 4th 3203, B 4th 2914". Empty when the speed
// lies off the chart.
std::string ValuesAt(const Chart& chart, double speed);

// The chart in words, for screen readers: what each setup's gears reach at
// the redline, as the per-gear table gives it.
std::string ChartDescription(const Comparison& comparison);

}  // namespace tachoria
