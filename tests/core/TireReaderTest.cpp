#include "tires/TireReader.h"

#include <gtest/gtest.h>

#include <string>

namespace tachoria {
namespace {

using enum TireForm;

struct Spelling {
    std::string text;
    double diameter;
    TireForm form;
};

void ExpectRead(const Spelling& c, char point = '.') {
    const Outcome<Tire> tire = ReadTire(c.text, point);
    ASSERT_TRUE(tire.ok()) << '"' << c.text << "\": " << tire.message();
    EXPECT_NEAR(tire->diameter, c.diameter, 0.01) << c.text;
    EXPECT_EQ(tire->form, c.form) << c.text;
}

TEST(TireReader, ReadsEverySpellingOfEachFamily) {
    const Spelling spellings[] = {
        // Metric: prefixes, separators, blanks, case, construction letters.
        {"225/45R17", 24.97, Metric},
        {"225 45 17", 24.97, Metric},
        {"225-45-17", 24.97, Metric},
        {"225/45/17", 24.97, Metric},
        {"225 / 45 r 17", 24.97, Metric},
        {"p225/45r17", 24.97, Metric},
        {"P 225/45R17", 24.97, Metric},
        {"225/45D17", 24.97, Metric},
        {"225/45B17", 24.97, Metric},
        {"185/80R13", 24.65, Metric},
        {"235-75R15", 28.88, Metric},
        {"195/50/R16", 23.68, Metric},
        {"205 / 55 R 16", 24.88, Metric},
        {"T125/70D16", 22.89, Metric},
        {"ST225/75R15", 28.29, Metric},
        {"st 225/75r15", 28.29, Metric},
        {"P265/75R-15", 30.65, Metric},
        {"235/75R17.5", 31.38, Metric},
        {"80/100-21", 27.30, Metric},
        // A speed rating before the construction letter.
        {"225/45ZR17", 24.97, Metric},
        {"185/70VR15", 25.20, Metric},
        {"185/70 HR 14", 24.20, Metric},
        {"195/70-HR14", 24.75, Metric},
        // A service description or load range after the rim.
        {"225/45R17 94W", 24.97, Metric},
        {"225/45R17 94W XL", 24.97, Metric},
        {"225/45ZR17 (94Y) Extra Load M+S", 24.97, Metric},
        {"LT265/75R16 120/116S E", 31.65, Metric},
        {"LT 265/75R15 D", 30.65, Metric},
        {"265/75R16LT", 31.65, Metric},
        {"205/65R15 C 102/100R", 25.49, Metric},
        {"205/65R15C", 25.49, Metric},
        {"225/45R17 94 W", 24.97, Metric},
        {"225/45R17 (94 W) XL", 24.97, Metric},
        {"225/45ZR17, 94W", 24.97, Metric},
        {"225/45ZR17; 94W SL", 24.97, Metric},
        {"LT265/75R16 LRE", 31.65, Metric},
        {"LT265/75R16 LR E", 31.65, Metric},
        {"LT265/75R16 Load Range E 120/116 S", 31.65, Metric},
        // Run-flat, tube, sidewall and winter marks.
        {"225/45RF17", 24.97, Metric},
        {"225/45R17 94W RFT", 24.97, Metric},
        {"225/45R17 SSR Reinforced", 24.97, Metric},
        {"225/45R17 ZP RF", 24.97, Metric},
        {"225/45R17 TL BSW", 24.97, Metric},
        {"225/45R17 TT OWL", 24.97, Metric},
        {"225/45R17 RWL WSW", 24.97, Metric},
        {"225/45R17 M&S 3PMSF", 24.97, Metric},
        {"225/45R17 MS", 24.97, Metric},
        // A full stop or comma ending a sentence.
        {"225/45R17.", 24.97, Metric},
        {"225/45R17,", 24.97, Metric},
        {"33x12.50R15.", 33, Flotation},
        {"818 rev/mi.", 24.655, RevolutionsPerMile},
        {"818 rev/mi,", 24.655, RevolutionsPerMile},
        // Blanks and inch marks pasted from web pages and spreadsheets.
        {"818 rev/mi\n", 24.655, RevolutionsPerMile},
        {"225/45ZR17\r\n", 24.97, Metric},
        {"225/45R17\xC2\xA0"
         "94W",
         24.97, Metric},
        {"\t225/45\xE2\x80\xAFR17", 24.97, Metric},
        {"24\xC2\xA0in", 24, Inches},
        {"33\xE2\x80\x9D", 33, Inches},
        {"33\xE2\x80\xB3", 33, Inches},
        // No aspect ratio: the 82 series.
        {"165R15", 25.65, MetricNoAspect},
        {"165SR15", 25.65, MetricNoAspect},
        {"165 sr 15", 25.65, MetricNoAspect},
        {"185HR14", 25.94, MetricNoAspect},
        {"155/R13", 23.01, MetricNoAspect},
        // Flotation: the first number is the diameter.
        {"33x12.50R15", 33, Flotation},
        {"33x12.50-15", 33, Flotation},
        {"31x10.50R15LT", 31, Flotation},
        {"31x10.50R15 LT 109Q", 31, Flotation},
        {"35X12.50R17", 35, Flotation},
        {"33 x 12.50 R 15", 33, Flotation},
        {"33\xC3\x97"
         "12.50R15",
         33, Flotation},
        {"LT35x12.50R17", 35, Flotation},
        // Plain inches, not held to the tire range.
        {"24", 24, Inches},
        {"25.5", 25.5, Inches},
        {"33\"", 33, Inches},
        {"24 in", 24, Inches},
        {"24in", 24, Inches},
        {"24 Inches", 24, Inches},
        {"0", 0, Inches},
        {"150", 150, Inches},
        // Revolutions per mile: 63360 / (pi x revolutions).
        {"818 rev/mi", 24.655, RevolutionsPerMile},
        {"818 revs/mile", 24.655, RevolutionsPerMile},
        {"818 r/mi", 24.655, RevolutionsPerMile},
        {"818 rev per mile", 24.655, RevolutionsPerMile},
        {"818REV/MI", 24.655, RevolutionsPerMile},
        {"818 revs per mile", 24.655, RevolutionsPerMile},
    };
    for (const Spelling& c : spellings) {
        ExpectRead(c);
    }
}

TEST(TireReader, NotesSayWhatWasReadAndHow) {
    const struct {
        const char* text;
        const char* note;
    } cases[] = {
        {"225/45ZR17", "225/45ZR17 = 24.97 in (metric, speed rating Z)"},
        {"  P185/80 \t R13 ", "P185/80 R13 = 24.65 in (metric)"},
        {"165R15", "165R15 = 25.65 in (metric, no aspect ratio: read as 82-series)"},
        {"165SR15",
         "165SR15 = 25.65 in (metric, no aspect ratio: read as 82-series; speed rating S)"},
        {"33x12.50R15", "33x12.50R15 = 33 in (flotation)"},
        {"818 rev/mi", "818 rev/mi = 24.66 in"},
        {"818 rev/mi.", "818 rev/mi = 24.66 in"},
        {"24\xC2\xA0in", "24 in"},
        {"33\xE2\x80\x9D", "33\" = 33 in"},
        {"33\"", "33\" = 33 in"},
        {"24 in", "24 in"},
        {"25.5", "25.5 in"},
    };
    for (const auto& c : cases) {
        const Outcome<Tire> tire = ReadTire(c.text);
        ASSERT_TRUE(tire.ok()) << c.text;
        EXPECT_EQ(tire->note, c.note);
    }
}

TEST(TireReader, RefusesWithTheReasonAndNoGuess) {
    const std::string nines(400, '9');
    const char* const notATire = "not a diameter, a size code or revolutions per mile";
    const char* const revolutions =
        "write revolutions per mile as a plain number and rev/mi, such as 818 rev/mi";
    const char* const inchWidth =
        "an inch-width size: type the tire's diameter, or its revolutions per mile from the "
        "tire's data";
    const char* const letterSize =
        "a letter size: type the tire's diameter, or its revolutions per mile from the tire's "
        "data";
    const struct {
        std::string text;
        const char* message;
    } cases[] = {
        {"", "nothing is typed"},
        {"abc", notATire},
        {"24abc", notATire},
        {"1e5", notATire},
        {"818 rpm",
         "RPM is an engine speed: write the tire's revolutions per mile as rev/mi, such as 818 "
         "rev/mi"},
        {"818 rev", revolutions},
        {"818 rev/mile (loaded)", revolutions},
        {"818 rev./mi", revolutions},
        {"818 rev/km", revolutions},
        {"1e5 rev/mi", revolutions},
        {"818 tr/mi", revolutions},
        {"818,5 rev/mi", "decimals are written with '.'"},
        {"-24", "a tire's numbers are never negative"},
        {"-818 rev/mi", "a tire's numbers are never negative"},
        {"225/-45R17", "a tire's numbers are never negative"},
        {"P", "the width is missing"},
        {"225/", "the aspect ratio is missing"},
        {"P215/", "the aspect ratio is missing"},
        {"225/45", "the rim diameter is missing"},
        {"225/45R", "the rim diameter is missing"},
        {"0/45R17", "the width is 0"},
        {"225/0R17", "the aspect ratio is 0"},
        {"225/45R0", "the rim diameter is 0"},
        {"165-15", "the aspect ratio is missing"},
        {"0 rev/mi", "the revolutions per mile are 0"},
        {"33x", "there is no width and rim"},
        {"0x12.50R15", "the diameter is 0"},
        {"33x0R15", "the width is 0"},
        {"33x12.50", "the rim diameter is missing"},
        {"33x12.50R40", "the rim diameter is not below the tire's diameter"},
        {"31/10.50R15", "a flotation size is written with an x: diameter x width, then the rim"},
        {"225x45R17", "a metric size is written with a slash: width/aspect, then the rim"},
        {"225/450R17", "the aspect ratio is not between 20 and 120"},
        {"225/15R17", "the aspect ratio is not between 20 and 120"},
        {"225/45X17", "the construction letter is not R, D or B"},
        {"225/45RR17", "the construction letter is not R, D or B"},
        {"235/75R17,5", "decimals are written with '.'"},
        // Only a service description, load range or mark may follow the rim, each once.
        {"225/45R17 junk", "after the rim, \"JUNK\" is no load index, speed rating or load range"},
        {"225/45R17 94W Extra",
         "after the rim, \"EXTRA\" is no load index, speed rating or load range"},
        {"225/45R17-foo", "after the rim, \"-FOO\" is no load index, speed rating or load range"},
        {"225/45R17 94", "after the rim, the load index \"94\" has no speed rating"},
        {"225/45R17XL", "after the rim, put a blank before \"XL\""},
        {"225/45R17 XL XL", "after the rim, \"XL\" comes twice"},
        {"225/45R17 94W 95 W", "after the rim, \"95 W\" is a second load index and speed rating"},
        {"LT265/75R16 E LR F", "after the rim, \"LR F\" is a second load range"},
        {"225/45R17 (94W", "after the rim, the brackets do not pair up"},
        {"225/45R17 94W) (XL", "after the rim, the brackets do not pair up"},
        // Sizes that carry no diameter: every inch width but the three
        // period sizes, those with a rim they never had, and a width
        // without its point that is not one of theirs.
        {"6.50-14", inchWidth},
        {"7.00x15", inchWidth},
        {"6.50x15", inchWidth},
        {"7.50R16", inchWidth},
        {"7.35-14", inchWidth},
        {"6.00-13", inchWidth},
        {"7.00-13.5", inchWidth},
        {"6.5R13", inchWidth},
        {"7-13", inchWidth},
        {"6.50/13", inchWidth},
        // A period size with words after the rim that are none of its own.
        {"6.50-13 junk", R"(after the rim, "JUNK" is no ply rating, "bias" or mark)"},
        {"6.50-13 94W", R"(after the rim, "94W" is no ply rating, "bias" or mark)"},
        {"7.00-14bias", "after the rim, put a blank before \"BIAS\""},
        {"6.50-13 4PR 6PR", "after the rim, \"6PR\" comes twice"},
        {"6.50-13 bias bias ply", "after the rim, \"BIAS PLY\" comes twice"},
        {"E78-14", letterSize},
        {"g78-15", letterSize},
        {"F70-14", letterSize},
        {"GR70-15", letterSize},
        // Outside 5 to 100 in, digits enough to overflow a double included.
        {"4.9x3R2", "the size gives 4.90 in; type a size from 5 to 100 in"},
        {"101x12.50R15", "the size gives 101.00 in; type a size from 5 to 100 in"},
        {"335/95R99", "the size gives 124.06 in; type a size from 5 to 100 in"},
        {"4100 rev/mi", "the size gives 4.92 in; type a size from 5 to 100 in"},
        {"4033.8 rev/mi", "the size gives just under 5 in; type a size from 5 to 100 in"},
        {"225/45R" + nines, "the size gives far more than 100 in; type a size from 5 to 100 in"},
        {nines + "/45R17", "the size gives far more than 100 in; type a size from 5 to 100 in"},
        {nines + " rev/mi", "the size gives almost 0 in; type a size from 5 to 100 in"},
        {nines, "the number is too large"},
    };
    for (const auto& c : cases) {
        const Outcome<Tire> tire = ReadTire(c.text);
        ASSERT_FALSE(tire.ok()) << c.text.substr(0, 40) << " = " << tire->diameter;
        EXPECT_EQ(tire.message(), c.message) << c.text.substr(0, 40);
    }
}

TEST(TireReader, TheTireRangeIsInclusive) {
    for (const Spelling& c :
         {Spelling{"5x3R2", 5, Flotation}, Spelling{"100x12.50R15", 100, Flotation},
          Spelling{"202 rev/mi", 99.84, RevolutionsPerMile}}) {
        ExpectRead(c);
    }
}

// Sidewalls print '.' wherever the tire is sold, so with a ',' point a size
// reads with either; a plain number follows the point strictly.
TEST(TireReader, ACommaPointReadsSizesWithEitherPointAndPlainInchesOnlyWithComma) {
    for (const Spelling& c :
         {Spelling{"235/75R17,5", 31.38, Metric}, Spelling{"33x12,50R15", 33, Flotation},
          Spelling{"25,5", 25.5, Inches}, Spelling{"818,5 rev/mi", 24.64, RevolutionsPerMile},
          Spelling{"235/75R17.5", 31.38, Metric}, Spelling{"33x12.50R15", 33, Flotation},
          Spelling{"818.5 rev/mi", 24.64, RevolutionsPerMile},
          Spelling{"225/45ZR17, 94W", 24.97, Metric}}) {
        ExpectRead(c, ',');
    }
    EXPECT_EQ(ReadTire("225/45ZR17", ',')->note, "225/45ZR17 = 24,97 in (metric, speed rating Z)");
    EXPECT_EQ(ReadTire("33x12,50R15", ',')->note, "33x12,50R15 = 33 in (flotation)");
    EXPECT_EQ(ReadTire("33.5x12.50R15", ',')->note, "33.5x12.50R15 = 33,5 in (flotation)");
    EXPECT_EQ(ReadTire("818.5 rev/mi", ',')->note, "818.5 rev/mi = 24,64 in");
    EXPECT_EQ(ReadTire("25,5", ',')->note, "25,5 in");
    for (const char* plain : {"25.5", "25.5 in", "25.5\""}) {
        EXPECT_EQ(ReadTire(plain, ',').message(), "decimals are written with ','") << plain;
    }
    EXPECT_EQ(ReadTire("33x12,50R15").message(), "decimals are written with '.'");
    EXPECT_EQ(ReadTire("4100 rev/mi", ',').message(),
              "the size gives 4,92 in; type a size from 5 to 100 in");
}

TEST(TireReader, ClassifiesWhetherAnUnreadTextStartsWithTheDiameter) {
    using enum UnreadTire;
    const struct {
        const char* text;
        UnreadTire kind;
    } cases[] = {
        {"abc", NotASize},
        {"24abc", NotASize},
        {"", NotASize},
        {"1e5", NotASize},
        {"-24", NotASize},
        {"818 rpm", NoDiameter},
        {"24 rads", NotASize},
        {"24abc.", NotASize},
        {"2\n4", NotASize},
        {"24", NotASize},  // read: nothing to classify
        {"33x", DiameterFirst},
        {"26.25x", DiameterFirst},
        {"33x12.50", DiameterFirst},
        {"33 x 12.50 R", DiameterFirst},
        {"LT35x12.50R", DiameterFirst},
        {"33x12.50R15 junk", DiameterFirst},
        {"150x12.50R15", DiameterFirst},
        {"225/45R", NoDiameter},
        {"P215/", NoDiameter},
        {"225/", NoDiameter},
        {"225/45", NoDiameter},
        {"165R", NoDiameter},
        {"P", NoDiameter},
        {"335/95R99", NoDiameter},
        {"225/45R17 junk", NoDiameter},
        {"6.50-14", NoDiameter},
        {"6.50-13 junk", NoDiameter},
        {"7.00x15", NoDiameter},
        {"E78-14", NoDiameter},
        {"818 rev", NoDiameter},
        {"100 rev/mi", NoDiameter},
        {"818 rev/mile (loaded)", NoDiameter},
        {"818 rev./mi", NoDiameter},
        {"818 rev/km", NoDiameter},
        {"-818 rev/mi", NoDiameter},
        {"1e5 rev/mi", NoDiameter},
        {"8e2 rev/mi", NoDiameter},
        {"2e1 rev/mi", NoDiameter},
        {"818,5 rev/mi", NoDiameter},
        {"818 tr/mi", NoDiameter},
        {"-225/45R17", NoDiameter},
        {"-33x12.50R15", DiameterFirst},
        {"225x45R17", NoDiameter},
    };
    // The refusal carries the kind; a text that is read is no size refused.
    const auto kindOf = [](const char* text, char point = '.') {
        const auto tire = ReadTire(text, point);
        return tire ? NotASize : tire.failure().kind;
    };
    for (const auto& c : cases) {
        EXPECT_EQ(kindOf(c.text), c.kind) << '"' << c.text << '"';
    }
    EXPECT_EQ(kindOf("33x12.50", ','), DiameterFirst);
    EXPECT_EQ(kindOf("25.5", ','), NotASize);
    EXPECT_EQ(kindOf("235/75R17,5"), NoDiameter);
    EXPECT_EQ(kindOf("6,50-13"), NoDiameter);  // a period size, with the other point
}

// The Corvair's factory bias sizes, at their published nominal diameters,
// however an owner writes them; in a comma box with a comma too.
TEST(TireReader, ReadsThePeriodBiasSizesAsTheirNominalDiameters) {
    const struct {
        const char* text;
        double diameter;
        char point;
    } cases[] = {
        {"6.50-13", 24.7, '.'},
        {"7.00-13", 25.3, '.'},
        {"7.00-14", 26.2, '.'},
        {"6.50x13", 24.7, '.'},
        {"6.50X13", 24.7, '.'},
        {"6.50 x 13", 24.7, '.'},
        {"6.50\xC3\x97"
         "13",
         24.7, '.'},
        {"6.50 13", 24.7, '.'},
        {"7.00 B 14", 26.2, '.'},
        {"7.00B14", 26.2, '.'},
        {"7.00b13", 25.3, '.'},
        {"7.00-B14", 26.2, '.'},
        {"6.5-13", 24.7, '.'},
        {"7.0-14", 26.2, '.'},
        {"650-13", 24.7, '.'},
        {"700-13", 25.3, '.'},
        {"700-14", 26.2, '.'},
        {"650x13", 24.7, '.'},
        {"6.50-13 4PR", 24.7, '.'},
        {"6.50-13 4pr", 24.7, '.'},
        {"6.50-13 4 PR", 24.7, '.'},
        {"7.00-14 6 ply", 26.2, '.'},
        {"7.00-14 8-ply", 26.2, '.'},
        {"6.50-13 bias", 24.7, '.'},
        {"6.50-13 Bias Ply", 24.7, '.'},
        {"6.50-13 bias-ply 4PR", 24.7, '.'},
        {"6.50-13 4PR WSW", 24.7, '.'},
        {"7.00-14 6PR TT", 26.2, '.'},
        {"6.50-13, 4PR", 24.7, '.'},
        {"6.50-13.", 24.7, '.'},
        {"  6.50-13\t", 24.7, '.'},
        {"6,50-13", 24.7, ','},
        {"7,00 B 14", 26.2, ','},
        {"7,00x13 4PR", 25.3, ','},
        {"6.50-13", 24.7, ','},
        {"650-13", 24.7, ','},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " with '" + c.point + "'");
        const Outcome<Tire> tire = ReadTire(c.text, c.point);
        ASSERT_TRUE(tire.ok()) << tire.message();
        EXPECT_EQ(tire->diameter, c.diameter);
        EXPECT_EQ(tire->form, PeriodBias);
    }
    // What was read and how far to trust it, with the box's point.
    const std::string nominal =
        " in (period bias size, nominal; a tire's revolutions per mile give the truest speeds)";
    EXPECT_EQ(ReadTire("6.50-13")->note, "6.50-13 = 24.70" + nominal);
    EXPECT_EQ(ReadTire("700 b  14 4PR")->note, "700 b 14 4PR = 26.20" + nominal);
    EXPECT_EQ(ReadTire("7.00-13")->readsAs, "25.30" + nominal);
    EXPECT_EQ(ReadTire("6,50-13", ',')->note, "6,50-13 = 24,70" + nominal);
    // Its revolutions per mile follow from that diameter: 63360 / (pi x 24.7).
    EXPECT_NEAR(tachoria::RevolutionsPerMile(ReadTire("6.50-13")->diameter), 816.5, 0.05);
}

}  // namespace
}  // namespace tachoria
