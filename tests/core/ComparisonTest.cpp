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

// "1e+20", "inf" or "nan" anywhere in a text.
bool ShowsExponentOrNan(const std::string& text) {
    for (std::size_t i = 1; i < text.size(); ++i) {
        if ((text[i] == 'e' || text[i] == 'E') && text[i - 1] >= '0' && text[i - 1] <= '9') {
            return true;
        }
    }
    return text.find("inf") != std::string::npos || text.find("nan") != std::string::npos;
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

// The change in % is worked from the RPM the row shows, so that an owner's
// own sum with them agrees, even where the exact speeds round otherwise.
TEST(Comparison, ChangeInPercentIsWorkedFromTheRpmShown) {
    const struct {
        const char* name;
        Gearing a, b;
        SpeedUnit unit;
        std::size_t row;
        Row cells;
    } cases[] = {
        // 1194.6 and 2953.2 exactly, +147.2 %; 1759 / 1194 = +147.3 %.
        {"overdrive against a short axle",
         Gearing{26, 3.08, {0.5}},
         Gearing{28, 4.10, {1}},
         SpeedUnit::MPH,
         2,
         {"60", "1194", "2953", "+1759", "+147.3"}},
        // 100 km/h (62.137 MPH): 682.99 against 2845.78 exactly, +316.7 %
        // as the tires' ratio is; 2163 / 682 = +317.2 %.
        {"a 100-inch tire against 24",
         Gearing{100, 3.27, {1}},
         kNow,
         SpeedUnit::KMH,
         2,
         {"100", "682", "2845", "+2163", "+317.2"}},
        // 120 km/h: 819.59 and 3414.94; 2595 / 819 = +316.8 %.
        {"the same at 120 km/h",
         Gearing{100, 3.27, {1}},
         kNow,
         SpeedUnit::KMH,
         4,
         {"120", "819", "3414", "+2595", "+316.8"}},
        // The early car's change of axle and tire: 157 / 2747 = +5.72 %.
        {"the early car's change",
         kNow,
         kPlanned,
         SpeedUnit::MPH,
         2,
         {"60", "2747", "2904", "+157", "+5.7"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Cells(CruiseTable(Compare(c.a, c.b, 5500, c.unit)), c.row), c.cells);
    }
    // The footnote says so.
    EXPECT_NE(std::string(kRoundingNote).find("change in % worked from the RPM shown"),
              std::string::npos);
}

// Speed at 5500 RPM in each gear, truncated to 0.1: 5500 / (3.65 ×
// 45.7984) = 32.90 MPH. The road speed holds through a shift, so second gear
// lands at 5500 × 2.35 / 3.65 = 3541.09, whatever the tire, axle or unit.
TEST(Comparison, EachGearAtTheRedline) {
    const Table mph = GearTable(Compare(kNow, kPlanned, 5500, SpeedUnit::MPH));
    EXPECT_EQ(mph.headers, (Row{"Gear", "A MPH", "A RPM after shifting up", "B MPH",
                                "B RPM after shifting up"}));
    const Row expected[] = {
        {"1", "32.9", "3541", "31.1", "3541"},
        {"2", "51.1", "3370", "48.3", "3370"},
        {"3", "83.3", "3819", "78.9", "3819"},
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

    // 5500 × 1.47 ÷ 2.2 is 3675 exactly, though a double makes it 3674.99….
    const Gearing late{24, 3.27, {3.2, 2.2, 1.47, 1}};
    EXPECT_EQ(Cells(GearTable(Compare(late, late, 5500, SpeedUnit::MPH)), 1).at(2), "3675");
    // A higher ratio after a lower one lands past the redline: marked.
    const Gearing backwards{24, 3.27, {2.35, 3.65}};
    const Table marked = GearTable(Compare(backwards, kNow, 5500, SpeedUnit::MPH));
    EXPECT_EQ(marked.rows.at(0).cells.at(1), "8542");
    EXPECT_EQ(marked.rows.at(0).notes, (Row{"", std::string(kOverRedline), "", ""}));
    EXPECT_GE(BuildChart(backwards, kNow, 5500, SpeedUnit::MPH).rpmMax, 8542);

    // The landing after each upshift, for odd tires, axles and units.
    const Gearing others[] = {{5, 0.05, {3.65, 2.35, 1.44, 1}},
                              {100, 50, {3.65, 2.35, 1.44, 1}},
                              {27.3, 4.11, {3.65, 2.35, 1.44, 1}}};
    for (const Gearing& other : others) {
        for (const SpeedUnit unit : {SpeedUnit::MPH, SpeedUnit::KMH}) {
            SCOPED_TRACE(std::to_string(other.tireDiameter) + " in, axle " +
                         std::to_string(other.axleRatio));
            const Table table = GearTable(Compare(other, kNow, 5500, unit));
            for (std::size_t i = 0; i < 3; ++i) {
                EXPECT_EQ(table.rows.at(i).cells.at(1), expected[i].at(2));
                EXPECT_EQ(table.rows.at(i).cells.at(3), expected[i].at(4));
            }
        }
    }
}

// The speedometer turns with the output shaft: after the change it shows
// 60 × (3.55 × 24) / (3.27 × 24.6535) = 63.41 at a true 60, and 60 when
// the car does 56.77; readings rounded to 0.1.
TEST(Comparison, SpeedometerAfterTheChange) {
    const Table mph = SpeedometerTable(Compare(kNow, kPlanned, 5500, SpeedUnit::MPH));
    EXPECT_EQ(mph.headers, (Row{"Your speedometer (true with A), with B fitted", "MPH"}));
    EXPECT_EQ(Cells(mph, 0), (Row{"shows at a true 60 MPH", "63.4"}));
    EXPECT_EQ(Cells(mph, 1), (Row{"true speed when it shows 60 MPH", "56.8"}));
    EXPECT_EQ(Cells(mph, 2), (Row{"reads", "5.7 % high"}));
    const Table kmh = SpeedometerTable(Compare(kNow, kPlanned, 5500, SpeedUnit::KMH));
    EXPECT_EQ(Cells(kmh, 0), (Row{"shows at a true 100 km/h", "105.7"}));  // 105.68
    EXPECT_EQ(SpeedometerTable(Compare(kPlanned, kNow, 5500, SpeedUnit::MPH)).rows.at(2).cells,
              (Row{"5.4 % low"}));
    // The same gearing reads true.
    const Table same = SpeedometerTable(Compare(kNow, kNow, 5500, SpeedUnit::MPH));
    EXPECT_EQ(same.rows.at(0).cells.at(0), "60.0");
    EXPECT_EQ(same.rows.at(2).cells.at(0), "exact");
    // From a front wheel only the tires count: 60 × 24 ÷ 24.6535 = 58.4.
    const Table wheel = SpeedometerTable(
        Compare(kNow, kPlanned, 5500, SpeedUnit::MPH, 0, SpeedometerDrive::FrontWheel));
    EXPECT_EQ(Cells(wheel, 0), (Row{"shows at a true 60 MPH", "58.4"}));
    EXPECT_EQ(Cells(wheel, 2), (Row{"reads", "2.7 % low"}));
}

// Cruising past the redline is marked, for A and B separately.
TEST(Comparison, CruiseCellsPastTheRedlineAreMarked) {
    const Table table = CruiseTable(Compare(kNow, kPlanned, 2800, SpeedUnit::MPH));
    EXPECT_TRUE(table.rows.at(0).notes.empty());  // 2289 and 2420
    // 60 MPH: A 2747 is below 2800, B 2904 is past it.
    EXPECT_EQ(table.rows.at(2).notes, (Row{"", std::string(kOverRedline), "", ""}));
    EXPECT_EQ(table.rows.at(6).notes,
              (Row{std::string(kOverRedline), std::string(kOverRedline), "", ""}));
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

// A field outside the range that works gives no gearing, and says why and
// what to type; everything that needs it shows a dash.
TEST(Comparison, FieldsOutsideTheWorkingRangeAreRefused) {
    const PlainNumberConverter numbers;
    const std::string ratios = "type a number from 0.05 to 50.";
    const struct {
        const char* text;
        std::string problem;  // empty when the ratio is taken
    } ratioFields[] = {
        {"", "Empty: " + ratios},
        {"   ", "Empty: " + ratios},
        {"abc", "Not a number: " + ratios},
        {"nan", "Not a number: " + ratios},
        {"0", "Must be greater than 0: " + ratios},
        {"-3.27", "Must be greater than 0: " + ratios},
        {"1e400", "Too large: " + ratios},
        {"1e308", "Too large: " + ratios},
        {"50.01", "Too large: " + ratios},
        {"1e-320", "Too small: " + ratios},
        {"0.049", "Too small: " + ratios},
        {"0.05", ""},
        {"50", ""},
    };
    for (const auto& f : ratioFields) {
        SCOPED_TRACE(f.text);
        const Outcome<double> reading = ReadRatioField(f.text, numbers);
        EXPECT_EQ(reading ? "" : reading.message(), f.problem);
        EXPECT_EQ(GearingOf(ReadTireField("24", numbers), reading, {ReadRatioField("1", numbers)})
                      .has_value(),
                  f.problem.empty());
    }
    const struct {
        Outcome<double> (*read)(std::string_view, const NumberConverter&);
        const char* text;
        std::string problem;
    } others[] = {
        {ReadTireField, "1e-300", "Too small: type a number from 5 to 100 in."},
        {ReadTireField, "101", "Too large: type a number from 5 to 100 in."},
        {ReadTireField, "x",
         "Not a number: type a diameter from 5 to 100 in, a size such as 185/80R13, or "
         "revolutions per mile such as 818 rev/mi."},
        {ReadTireField, "80/50R1", "The size gives 4.15 in; type a size from 5 to 100 in."},
        {ReadTireField, "185/80R13", ""},
        {ReadRedlineField, "1e308", "Too large: type a number from 100 to 30000 RPM."},
        {ReadRedlineField, "99", "Too small: type a number from 100 to 30000 RPM."},
        {ReadRedlineField, "30000", ""},
    };
    for (const auto& o : others) {
        SCOPED_TRACE(o.text);
        const Outcome<double> reading = o.read(o.text, numbers);
        EXPECT_EQ(reading ? "" : reading.message(), o.problem);
    }
    EXPECT_FALSE(GearingOf(ReadTireField("24", numbers), ReadRatioField("3.27", numbers), {}));

    const Comparison comparison = Compare(kNow, std::nullopt, 5500, SpeedUnit::MPH);
    const std::string dash(kNoValue);
    EXPECT_EQ(Cells(CruiseTable(comparison), 2), (Row{"60", "2747", dash, dash, dash}));
    EXPECT_EQ(Cells(GearTable(comparison), 0), (Row{"1", "32.9", "3541", dash, dash}));
    EXPECT_EQ(SpeedometerTable(comparison).rows.at(0).cells.at(0), dash);
    EXPECT_EQ(Cells(GearTable(Compare(kNow, kPlanned, std::nullopt, SpeedUnit::MPH)), 0),
              (Row{"1", dash, dash, dash, dash}));
    // Neither setup usable: the gear fields on show still get their rows.
    const Table none = GearTable(Compare(std::nullopt, std::nullopt, 5500, SpeedUnit::MPH, 4));
    ASSERT_EQ(none.rows.size(), 4U);
    EXPECT_EQ(Cells(none, 3), (Row{"4", dash, dash, dash, dash}));
}

// A page that leaves fields empty opens the comparison on the default
// setup's values for them, never on empty fields.
TEST(Comparison, EmptyPageFieldsTakeTheDefaultSetup) {
    const PlainNumberConverter numbers;
    const SetupTexts defaults = DefaultSetupTexts(numbers);
    EXPECT_EQ(defaults, (SetupTexts{"24", "3.27", {"3.65", "2.35", "1.44", "1"}}));
    EXPECT_EQ(CompletedSetupTexts({"", " ", {}}, numbers), defaults);
    EXPECT_EQ(CompletedSetupTexts({"185/80R13", "", {"", ""}}, numbers),
              (SetupTexts{"185/80R13", "3.27", defaults.gears}));
    EXPECT_EQ(CompletedSetupTexts({"26", "3.55", {"1"}}, numbers),
              (SetupTexts{"26", "3.55", {"1"}}));
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
                        EXPECT_FALSE(ShowsExponentOrNan(cell));
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

// Each gear's line runs from standstill to the exact speed of the redline;
// the sawtooth climbs each gear to it and drops to where the upshift lands.
TEST(ChartGeometry, LinesAndSawtoothFollowTheGearTable) {
    const Chart chart = BuildChart(kNow, kPlanned, 5500, SpeedUnit::MPH);
    ASSERT_EQ(chart.gearLines.size(), 8U);
    const double perMph = 336.135 * 3.27 / 24;  // in top gear, A
    EXPECT_EQ(chart.gearLines[0].setup, Setup::A);
    EXPECT_NEAR(chart.gearLines[0].points.back().speed, 5500 / (3.65 * perMph), 1e-8);
    EXPECT_NEAR(chart.gearLines[3].points.back().speed, 5500 / perMph, 1e-8);  // 120.09
    EXPECT_EQ(chart.gearLines[7].setup, Setup::B);
    ASSERT_EQ(chart.sawtooths.size(), 2U);
    const std::vector<ChartPoint>& saw = chart.sawtooths[0].points;
    ASSERT_EQ(saw.size(), 8U);
    const double drops[] = {3541, 3370, 3819};
    for (std::size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(saw[1 + 2 * i].rpm, 5500);
        EXPECT_EQ(saw[2 + 2 * i].rpm, drops[i]);
        EXPECT_EQ(saw[2 + 2 * i].speed, chart.gearLines[i].points.back().speed);
    }
    EXPECT_EQ(chart.speedMax, 140);  // past 120.09, on a round tick
    EXPECT_EQ(chart.rpmMax, 7000);   // past 5500 × 1.1
    EXPECT_EQ(chart.rpmTicks.back(), 7000);
    EXPECT_EQ(TickText(0.2), "0.2");

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

    // 39.75 reads as 39.7 MPH, and every engine speed is the tables' at
    // 39.7: 39.7 × 2.35 × 45.7984 = 4272.8 in second. First is past the
    // redline there.
    EXPECT_EQ(ValuesAt(chart, 39.75),
              "39.7 MPH\nA: 2nd 4272, 3rd 2618, 4th 1818 RPM\nB: 2nd 4515, 3rd 2767, 4th 1921 RPM");
    EXPECT_EQ(ValuesAt(chart, 130),
              "130.0 MPH\nA: every gear past the redline\nB: every gear "
              "past the redline");
    EXPECT_EQ(ValuesAt(chart, -1), "");
    EXPECT_EQ(ValuesAt(chart, chart.speedMax + 1), "");
    // Whatever the speed, the readout agrees with the cruise table.
    for (const double speed : {50.0, 60.0, 80.0}) {
        const std::string readout = ValuesAt(chart, speed);
        const Table cruise = CruiseTable(Compare(kNow, kPlanned, 5500, SpeedUnit::MPH));
        const auto row = static_cast<std::size_t>((speed - 50) / 5);
        SCOPED_TRACE(readout);
        EXPECT_NE(readout.find("4th " + cruise.rows.at(row).cells.at(0) + " RPM\nB"),
                  std::string::npos);
        EXPECT_NE(readout.find("4th " + cruise.rows.at(row).cells.at(1) + " RPM"),
                  std::string::npos);
    }
}

TEST(ChartGeometry, DescriptionReadsTheGearTable) {
    EXPECT_EQ(ChartDescription(Compare(kNow, std::nullopt, 5500, SpeedUnit::MPH)),
              "Engine RPM against road speed, one line per gear; A solid, B dashed; redline "
              "5500 RPM. A: 1st to 32.9 MPH, 2nd to 51.1 MPH, 3rd to 83.3 MPH, 4th to 120.0 MPH. "
              "B: no values.");
}

}  // namespace
}  // namespace tachoria
