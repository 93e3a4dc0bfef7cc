#include "comparison/Comparison.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "comparison/ChartGeometry.h"

namespace tachoria {
namespace {

// The question people ask: the early car (3.65, 2.35, 1.44, 1) on a 24-inch
// tire and a 3.27 axle, now; a 3.55 axle and 185/80R13 tires (24.6535 in),
// planned.
const Gearing kNow{24, 3.27, {3.65, 2.35, 1.44, 1}};
const Gearing kPlanned{13 + 2 * 185 * 80 / 100.0 / 25.4, 3.55, {3.65, 2.35, 1.44, 1}};

using Row = std::vector<std::string>;

Row Cells(const Table& table, std::size_t row) {
    Row cells = {table.rows.at(row).label};
    cells.insert(cells.end(), table.rows.at(row).cells.begin(), table.rows.at(row).cells.end());
    return cells;
}

// Worked by hand: RPM = speed × gear × axle × 336.135 / tire, truncated;
// 336.135 × 3.27 / 24 = 45.7984 RPM per MPH in top gear now, and
// 336.135 × 3.55 / 24.6535 = 48.4020 planned.
TEST(Comparison, CruiseRpmInTopGear) {
    const Table mph = CruiseTable(Compare(kNow, kPlanned, 5500, SpeedUnit::MPH));
    EXPECT_EQ(mph.headers, (Row{"MPH", "A RPM", "B RPM", "Change RPM", "Change %"}));
    const struct {
        std::size_t row;
        Row cells;
    } cases[] = {
        {0, {"50", "2289", "2420", "+131", "+5.7"}},  // 2289.9, 2420.1
        {2, {"60", "2747", "2904", "+157", "+5.7"}},  // 2747.9, 2904.1
        {6, {"80", "3663", "3872", "+209", "+5.7"}},  // 3663.9, 3872.2
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("row " + std::to_string(c.row));
        EXPECT_EQ(Cells(mph, c.row), c.cells);
    }
    EXPECT_EQ(mph.rows.size(), 7U);

    // 80 to 130 km/h: 100 km/h is 62.137 MPH, 62.137 × 45.7984 = 2845.8.
    const Table kmh = CruiseTable(Compare(kNow, kPlanned, 5500, SpeedUnit::KMH));
    EXPECT_EQ(kmh.headers.front(), "km/h");
    EXPECT_EQ(kmh.rows.size(), 6U);
    EXPECT_EQ(Cells(kmh, 0), (Row{"80", "2276", "2406", "+130", "+5.7"}));
    EXPECT_EQ(Cells(kmh, 2), (Row{"100", "2845", "3007", "+162", "+5.7"}));
    // Going back to A from B: the change is negative, and rounds away from 0.
    EXPECT_EQ(Cells(CruiseTable(Compare(kPlanned, kNow, 5500, SpeedUnit::MPH)), 2),
              (Row{"60", "2904", "2747", "-157", "-5.4"}));
}

// Speed at 5500 RPM in each gear, truncated to 0.1, and the engine speed in
// the next gear at that speed: 5500 / (3.65 × 45.7984) = 32.90 MPH, where
// second gear turns 32.9 × 2.35 × 45.7984 = 3540.9.
TEST(Comparison, EachGearAtTheRedline) {
    const Table mph = GearTable(Compare(kNow, kPlanned, 5500, SpeedUnit::MPH));
    EXPECT_EQ(mph.headers, (Row{"Gear", "A MPH", "A next RPM", "B MPH", "B next RPM"}));
    const Row expected[] = {
        {"1", "32.9", "3540", "31.1", "3537"},
        {"2", "51.1", "3370", "48.3", "3366"},
        {"3", "83.3", "3815", "78.9", "3818"},
        {"4", "120.0", "", "113.6", ""},  // top gear: no upshift
    };
    ASSERT_EQ(mph.rows.size(), std::size(expected));
    for (std::size_t i = 0; i < mph.rows.size(); ++i) {
        SCOPED_TRACE("gear " + std::to_string(i + 1));
        EXPECT_EQ(Cells(mph, i), expected[i]);
    }
    // In km/h: 5500 RPM in first is 52.96 km/h; in top, 193.24.
    const Table kmh = GearTable(Compare(kNow, kPlanned, 5500, SpeedUnit::KMH));
    EXPECT_EQ(kmh.headers.at(1), "A km/h");
    EXPECT_EQ(kmh.rows.at(0).cells.at(0), "52.9");
    EXPECT_EQ(kmh.rows.at(3).cells.at(0), "193.2");
}

// The speedometer turns with the output shaft: after the change it reads
// 60 × (3.55 × 24) / (3.27 × 24.6535) = 63.41 at a true 60, and 60 when
// the car does 56.77; readings rounded to 0.1.
TEST(Comparison, SpeedometerAfterTheChange) {
    const Table mph = SpeedometerTable(Compare(kNow, kPlanned, 5500, SpeedUnit::MPH));
    EXPECT_EQ(mph.headers, (Row{"With B, A's speedometer", "MPH"}));
    EXPECT_EQ(Cells(mph, 0), (Row{"reads at a true 60 MPH", "63.4"}));
    EXPECT_EQ(Cells(mph, 1), (Row{"reads 60 MPH at a true", "56.8"}));
    EXPECT_EQ(Cells(mph, 2), (Row{"reads over (+) or under (-), %", "+5.7"}));
    const Table kmh = SpeedometerTable(Compare(kNow, kPlanned, 5500, SpeedUnit::KMH));
    EXPECT_EQ(Cells(kmh, 0), (Row{"reads at a true 100 km/h", "105.7"}));  // 105.68
    // The same gearing reads true.
    const Table same = SpeedometerTable(Compare(kNow, kNow, 5500, SpeedUnit::MPH));
    EXPECT_EQ(same.rows.at(0).cells.at(0), "60.0");
    EXPECT_EQ(same.rows.at(2).cells.at(0), "0.0");
}

TEST(Comparison, SetupsWithDifferentGearCounts) {
    const Gearing five{26, 3.73, {3.35, 1.93, 1.29, 1, 0.68}};
    const Table table = GearTable(Compare(kNow, five, 6000, SpeedUnit::MPH));
    ASSERT_EQ(table.rows.size(), 5U);
    EXPECT_EQ(table.rows[3].cells[1], "");                     // A's top gear
    EXPECT_NE(table.rows[3].cells[3], "");                     // B shifts on to fifth
    EXPECT_EQ(table.rows[4].cells[0], std::string(kNoValue));  // A has no fifth
    EXPECT_EQ(table.rows[4].cells[3], "");
}

// A bad field gives no gearing; everything that needs it shows a dash,
// never inf, nan or an exponent.
TEST(Comparison, BadInputShowsDashes) {
    const PlainNumberConverter numbers;
    const struct {
        const char* text;
        const char* problem;
    } fields[] = {
        {"", "Empty: type a number greater than 0."},
        {"   ", "Empty: type a number greater than 0."},
        {"abc", "Not a number: type a number greater than 0."},
        {"0", "Must be greater than 0."},
        {"-3.27", "Must be greater than 0."},
        {"1e400", "Too large a number."},
        {"nan", "Not a number: type a number greater than 0."},
    };
    for (const auto& f : fields) {
        SCOPED_TRACE(f.text);
        const FieldReading reading = ReadRatioField(f.text, numbers);
        EXPECT_FALSE(reading.value);
        EXPECT_EQ(reading.problem, f.problem);
        EXPECT_FALSE(
            GearingOf(ReadTireField("24", numbers), reading, {ReadRatioField("1", numbers)}));
    }
    EXPECT_EQ(ReadTireField("x", numbers).problem,
              "Not a number: type a diameter in inches, or a size code such as 185/80R13.");
    EXPECT_NEAR(*ReadTireField("185/80R13", numbers).value, 24.6535, 1e-4);
    EXPECT_FALSE(GearingOf(ReadTireField("24", numbers), ReadRatioField("3.27", numbers), {}));

    const Comparison comparison = Compare(kNow, std::nullopt, 5500, SpeedUnit::MPH);
    const std::string dash(kNoValue);
    EXPECT_EQ(Cells(CruiseTable(comparison), 2), (Row{"60", "2747", dash, dash, dash}));
    EXPECT_EQ(Cells(GearTable(comparison), 0), (Row{"1", "32.9", "3540", dash, dash}));
    EXPECT_EQ(SpeedometerTable(comparison).rows.at(0).cells.at(0), dash);
    EXPECT_EQ(Cells(GearTable(Compare(kNow, kPlanned, std::nullopt, SpeedUnit::MPH)), 0),
              (Row{"1", dash, dash, dash, dash}));
}

TEST(Comparison, ExtremeGearingsNeverShowInfinityNanOrExponents) {
    const std::vector<Gearing> extremes = {
        {1e-300, 3.27, {1}},    {1e300, 3.27, {1}},        {24, 1e300, {1e300}},
        {24, 1e-300, {1e-300}}, {24, 3.27, {1e15, 1e-15}}, {5e-324, 1e308, {1e308}},
    };
    for (const Gearing& extreme : extremes) {
        for (const SpeedUnit unit : {SpeedUnit::MPH, SpeedUnit::KMH}) {
            const Comparison comparison = Compare(kNow, extreme, 5500, unit);
            for (const Table& table :
                 {CruiseTable(comparison), GearTable(comparison), SpeedometerTable(comparison)}) {
                for (const TableRow& row : table.rows) {
                    for (const std::string& cell : row.cells) {
                        SCOPED_TRACE(row.label + ": " + cell);
                        EXPECT_EQ(cell.find_first_of("eEin"), std::string::npos);
                    }
                }
            }
            EXPECT_EQ(ChartDescription(comparison).find("inf"), std::string::npos);
        }
    }
}

TEST(ChartGeometry, NiceTicksAreRoundAndCoverTheRange) {
    const struct {
        double max;
        int most;
        std::vector<double> ticks;
    } cases[] = {
        {6050, 7, {0, 1000, 2000, 3000, 4000, 5000, 6000}},
        {7000, 7, {0, 1000, 2000, 3000, 4000, 5000, 6000, 7000}},
        {125, 8, {0, 20, 40, 60, 80, 100, 120}},
        {1, 4, {0, 0.5, 1}},
        {0, 5, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.max);
        EXPECT_EQ(NiceTicks(c.max, c.most), c.ticks);
    }
    EXPECT_EQ(NiceCeiling(6050, 7), 7000);
    EXPECT_EQ(NiceCeiling(122.4, 8), 140);
}

// Each gear's line runs from standstill to the redline; the sawtooth climbs
// each gear to the redline and drops to the next gear's engine speed.
TEST(ChartGeometry, LinesAndSawtoothFollowTheGearTable) {
    const Chart chart = BuildChart(kNow, kPlanned, 5500, SpeedUnit::MPH);
    ASSERT_EQ(chart.gearLines.size(), 8U);
    EXPECT_EQ(chart.gearLines[0].setup, Setup::A);
    EXPECT_EQ(chart.gearLines[0].points, (std::vector<ChartPoint>{{0, 0}, {32.9, 5500}}));
    EXPECT_EQ(chart.gearLines[7].setup, Setup::B);
    EXPECT_EQ(chart.gearLines[7].points.back(), (ChartPoint{113.6, 5500}));
    ASSERT_EQ(chart.sawtooths.size(), 2U);
    EXPECT_EQ(chart.sawtooths[0].points, (std::vector<ChartPoint>{{0, 0},
                                                                  {32.9, 5500},
                                                                  {32.9, 3540},
                                                                  {51.1, 5500},
                                                                  {51.1, 3370},
                                                                  {83.3, 5500},
                                                                  {83.3, 3815},
                                                                  {120.0, 5500}}));
    EXPECT_EQ(chart.speedMax, 140);  // past 120.0, on a round tick
    EXPECT_EQ(chart.rpmMax, 7000);   // past 5500 × 1.1
    EXPECT_EQ(chart.rpmTicks.back(), 7000);

    const Chart empty = BuildChart(std::nullopt, std::nullopt, std::nullopt, SpeedUnit::KMH);
    EXPECT_TRUE(empty.gearLines.empty());
    EXPECT_GT(empty.speedMax, 0);
}

TEST(ChartGeometry, PixelsAndTheValuesUnderThePointer) {
    const Chart chart = BuildChart(kNow, kPlanned, 5500, SpeedUnit::MPH);
    const PlotArea area{40, 10, 700, 350};
    const Pixel origin = ToPixel(chart, area, {0, 0});
    EXPECT_DOUBLE_EQ(origin.x, 40);
    EXPECT_DOUBLE_EQ(origin.y, 360);
    const Pixel corner = ToPixel(chart, area, {chart.speedMax, chart.rpmMax});
    EXPECT_DOUBLE_EQ(corner.x, 740);
    EXPECT_DOUBLE_EQ(corner.y, 10);
    const ChartPoint back = FromPixel(chart, area, ToPixel(chart, area, {62, 4000}));
    EXPECT_NEAR(back.speed, 62, 1e-9);
    EXPECT_NEAR(back.rpm, 4000, 1e-9);

    // At 60 MPH, third and top gear of both reach; lower gears are past
    // their redline. 5500 × 60 / 83.3 = 3961.6.
    EXPECT_EQ(ValuesAt(chart, 60), "60.0 MPH: A 3rd 3961, A 4th 2750, B 3rd 4182, B 4th 2904 RPM");
    EXPECT_EQ(ValuesAt(chart, 130), "130.0 MPH: every gear past the redline");
    EXPECT_EQ(ValuesAt(chart, -1), "");
    EXPECT_EQ(ValuesAt(chart, chart.speedMax + 1), "");
}

TEST(ChartGeometry, DescriptionReadsTheGearTable) {
    EXPECT_EQ(ChartDescription(Compare(kNow, std::nullopt, 5500, SpeedUnit::MPH)),
              "Engine RPM against road speed, one line per gear; A solid, B dashed; redline "
              "5500 RPM. A: 1st to 32.9 MPH, 2nd to 51.1 MPH, 3rd to 83.3 MPH, 4th to 120.0 MPH. "
              "B: no values.");
}

}  // namespace
}  // namespace tachoria
