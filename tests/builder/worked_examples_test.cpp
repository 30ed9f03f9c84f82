// The worked examples of builders' references, figure by figure, and the
// same tools with metric lengths. A figure a reference rounds differently
// from the formula is checked at the formula's value (noted on its row).
#include <gtest/gtest.h>

#include "builder/result_format.h"
#include "core/convert_unit.h"
#include "core/unit_table.h"
#include "tool_case.h"

namespace tavrel::builder {
namespace {

struct Figure {
    std::string result;
    std::size_t item;
    std::string text;
};

struct Example {
    std::string name;
    std::string tool;
    Typed typed;
    std::vector<Figure> figures;
    std::vector<std::string> checks;
};

void PrintTo(const Example& e, std::ostream* os) {
    *os << describe(e.tool, e.typed);
}

class WorkedExamples : public ::testing::TestWithParam<Example> {};

TEST_P(WorkedExamples, GiveEveryPublishedFigure) {
    const Example& x = GetParam();
    const Evaluation e = run(x.tool, x.typed);
    ASSERT_TRUE(e.ok()) << e.error;
    for (const Figure& f : x.figures)
        EXPECT_EQ(item(e, f.result, f.item), f.text) << f.result << " #" << f.item;
    EXPECT_EQ(e.checks, x.checks);
}

// Every result goes into the calculator's display as an entry: its text
// (without the degree sign) must read back as a value, never as an
// unrecognised unit.
TEST_P(WorkedExamples, EveryResultReadsBackAsAnEntry) {
    const Evaluation e = run(GetParam().tool, GetParam().typed);
    ASSERT_TRUE(e.ok()) << e.error;
    for (const ResultText& r : e.results) {
        for (const std::string& text : r.items) {
            const ValueRef v = ConvertUnit(entryText(text), -1, "-1", -1, CoreServices{});
            EXPECT_FALSE(sameCode(v->unit, "false")) << r.name << ": " << text;
            EXPECT_EQ(v->valueString.empty(), false) << r.name << ": " << text;
        }
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Published, WorkedExamples,
    ::testing::Values(
        // The reference gives the incline as 34.8°; at two decimals the formula gives 34.82°.
        Example{"StairsRise4ft8Run5ft9", "stairs", {{"rise", "4'8\""}, {"run", "5'9\""}},
                {{"risers", 0, "7"}, {"riser", 0, "0'-8\""}, {"treads", 0, "6"},
                 {"tread", 0, "0'-11 1/2\""}, {"stringer", 0, "7'-0 1/16\""},
                 {"incline", 0, "34.82\u00B0"}, {"opening", 0, "10'-9 3/8\""},
                 {"overunder", 0, "0'-0\""}},
                {"riser 0'-8\" is over 0'-7 3/4\" (IRC R311.7.5.1)",
                 "complies with 8 risers of 0'-7\""}},
        Example{"RafterPitch7Span28", "rafter", {{"pitch", "7"}, {"span", "28'"}},
                {{"run", 0, "14'-0\""}, {"rise", 0, "8'-2\""}, {"length", 0, "16'-2 1/2\""},
                 {"perfoot", 0, "1'-1 7/8\""}, {"angle", 0, "30.26\u00B0"},
                 {"complement", 0, "59.74\u00B0"}, {"tail", 0, "0'-0\""}},
                {}},
        Example{"HipPitch7Run20ft5At64", "hip",
                {{"pitch", "7"}, {"run", "20'5\""}, {"spacing", "16\""}, {"prec", "64"}},
                {{"common", 0, "23'-7 41/64\""}, {"hip", 0, "31'-2 51/64\""},
                 {"jacks", 0, "22'-1 7/64\""}, {"jacks", 1, "20'-6 19/32\""},
                 {"jacks", 2, "19'-0 1/16\""}, {"run2", 0, "(absent)"}},
                {}},
        Example{"SquareUp30By20", "squareup", {{"length", "30'"}, {"width", "20'"}},
                {{"diagonal", 0, "36'-0 11/16\""}}, {}},
        Example{"ConcreteSlab48By26By4", "concrete",
                {{"length", "48'"}, {"width", "26'"}, {"depth", "4"}},
                {{"volume", 0, "416.00' cu"}, {"yards", 0, "15.41y cu"}}, {}},
        Example{"BoardFeet1By10By10At15Cents", "boardfeet",
                {{"thickness", "1"}, {"width", "10"}, {"length", "10"}, {"price", ".15"}},
                {{"boardfeet", 0, "8.33"}, {"cost", 0, "1.25"}}, {}},
        Example{"BoardFeet14Pieces1By4By8", "boardfeet",
                {{"thickness", "1"}, {"width", "4"}, {"length", "8"}, {"quantity", "14"}},
                {{"boardfeet", 0, "37.33"}, {"cost", 0, "(absent)"}}, {}},
        Example{"RakeWall16OnCentrePitch7", "rakewall", {{"spacing", "16\""}, {"pitch", "7"}},
                {{"increase", 0, "0'-9 5/16\""}}, {}},
        Example{"ArcSpan96Rise12", "arc", {{"span", "96\""}, {"rise", "12\""}},
                {{"radius", 0, "8'-6\""}, {"angle", 0, "56.14\u00B0"}, {"length", 0, "8'-3 15/16\""}},
                {}},
        Example{"Crown52Over38", "crown", {{"spring", "38"}, {"corner", "90"}},
                {{"miter", 0, "31.62\u00B0"}, {"bevel", 0, "33.86\u00B0"}}, {}},
        Example{"Crown45Over45", "crown", {{"spring", "45\u00B0"}, {"corner", "90"}},
                {{"miter", 0, "35.26\u00B0"}, {"bevel", 0, "30.00\u00B0"}}, {}}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Metric, WorkedExamples,
    ::testing::Values(
        Example{"SquareUp6By8Metres", "squareup", {{"length", "6M"}, {"width", "8M"}},
                {{"diagonal", 0, "10.0M"}}, {}},
        Example{"MetricFirstLengthChoosesTheUnit", "squareup", {{"length", "600m"}, {"width", "8'"}},
                {{"diagonal", 0, "2511.1m"}}, {}},
        Example{"EnglishFirstLengthKeepsFeet", "squareup", {{"length", "8'"}, {"width", "600m"}},
                {{"diagonal", 0, "8'-2 7/8\""}}, {}},
        // 600 mm jacks on a metric run: the common (7.62 m) less k·600·√193/12 mm.
        Example{"HipMetricRunSpacesJacksAt600", "hip", {{"pitch", "7"}, {"run", "6.2230M"}},
                {{"common", 0, "7.2044M"}, {"jacks", 0, "6.5098M"}, {"jacks", 1, "5.8151M"}}, {}},
        Example{"ConcreteInMetresHasNoYards", "concrete",
                {{"length", "10M"}, {"width", "5M"}, {"depth", "100m"}, {"waste", "10%"}},
                {{"volume", 0, "5.50M cu"}, {"yards", 0, "(absent)"}}, {}},
        Example{"RoofMetricAreaInSquareMetres", "roof", {{"area", "100M sq"}, {"pitch", "12"}, {"waste", "0"}},
                {{"area", 0, "141.42M sq"}, {"squares", 0, "15.22"}, {"order", 0, "16"}}, {}}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Forms, WorkedExamples,
    ::testing::Values(
        Example{"PitchInDegrees", "rafter", {{"pitch", "45\u00B0"}, {"run", "10'"}},
                {{"rise", 0, "10'-0\""}, {"angle", 0, "45.00\u00B0"}}, {}},
        Example{"PitchWrittenOver12", "rakewall", {{"pitch", "6/12"}},
                {{"increase", 0, "0'-8\""}}, {}},
        Example{"DecimalPrecisionInFeet", "squareup", {{"length", "3'"}, {"width", "4'"}, {"prec", "decimal"}},
                {{"diagonal", 0, "5.0'"}}, {}},
        Example{"PrecisionAsFraction", "rakewall", {{"pitch", "7"}, {"prec", "1/4"}},
                {{"increase", 0, "0'-9 1/4\""}}, {}},
        Example{"RoofDefaultWasteTenPercent", "roof", {{"area", "1000"}, {"pitch", "12"}},
                {{"area", 0, "1555.63' sq"}, {"squares", 0, "15.56"}, {"order", 0, "16"}}, {}},
        Example{"RoofWholeSquaresNotRoundedUpByNoise", "roof", {{"area", "1000' sq"}, {"pitch", "0.0001"}, {"waste", "0"}},
                {{"squares", 0, "10.00"}, {"order", 0, "10"}}, {}},
        Example{"RafterOverhangAlongTheRafter", "rafter", {{"pitch", "12"}, {"run", "10'"}, {"overhang", "12"}},
                {{"tail", 0, "1'-5\""}}, {}},
        Example{"IrregularHipUsesTheSecondPitch", "hip",
                {{"pitch", "6"}, {"run", "12'"}, {"pitch2", "12"}, {"spacing", "24"}},
                {{"run2", 0, "6'-0\""}, {"hip", 0, "14'-8 3/8\""}, {"common2", 0, "8'-5 13/16\""},
                 {"jacks", 0, "8'-11 5/16\""}, {"jacks2", 0, "7'-0 7/8\""}}, {}},
        // Two equal pitches make the regular hip: the general formula must agree with it.
        Example{"EqualPitchesGiveTheRegularHip", "hip",
                {{"pitch", "7"}, {"run", "20'5\""}, {"pitch2", "7"}, {"prec", "64"}},
                {{"hip", 0, "31'-2 51/64\""}, {"jacks", 0, "22'-1 7/64\""},
                 {"jacks2", 2, "19'-0 1/16\""}, {"common2", 0, "23'-7 41/64\""}},
                {}},
        Example{"OverUnderOfARoundedRiser", "stairs", {{"rise", "100"}, {"tread", "11"}},
                {{"risers", 0, "13"}, {"riser", 0, "0'-7 11/16\""}, {"overunder", 0, "0'-0 1/16\""}},
                {}}),
    [](const auto& info) { return info.param.name; });
// clang-format on

}  // namespace
}  // namespace tavrel::builder
