// Bad inputs give one line naming the field, and no result at all: missing
// and unreadable values, values out of range, forms the parser would read
// only in part, impossible shapes and results that are not finite.
#include <gtest/gtest.h>

#include "tool_case.h"

namespace tavrel::builder {
namespace {

struct BadCase {
    std::string name;
    std::string tool;
    Typed typed;
    std::string error;
};

void PrintTo(const BadCase& c, std::ostream* os) {
    *os << describe(c.tool, c.typed);
}

class BadInput : public ::testing::TestWithParam<BadCase> {};

TEST_P(BadInput, IsOneLineNamingTheFieldAndNoNumber) {
    const Evaluation e = run(GetParam().tool, GetParam().typed);
    EXPECT_EQ(e.error, GetParam().error);
    EXPECT_EQ(e.error.find('\n'), std::string::npos);
    EXPECT_TRUE(e.results.empty());
    EXPECT_TRUE(e.checks.empty());
    EXPECT_TRUE(e.inputs.empty());
}

const std::string kHuge(200, '9');

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Fields, BadInput,
    ::testing::Values(
        BadCase{"MissingRequired", "stairs", {}, "rise: missing"},
        BadCase{"EmptyIsMissing", "squareup", {{"length", "  "}, {"width", "3"}}, "length: missing"},
        BadCase{"ZeroRise", "stairs", {{"rise", "0"}}, "rise: must be above zero"},
        BadCase{"NegativeRun", "stairs", {{"rise", "8'"}, {"run", "-5'"}}, "run: must be above zero"},
        BadCase{"NegativeWaste", "concrete", {{"length", "1"}, {"width", "1"}, {"depth", "1"}, {"waste", "-5"}},
                "waste: must not be negative"},
        BadCase{"UnknownMark", "stairs", {{"rise", "5x"}}, "rise: cannot read \"5x\""},
        BadCase{"LettersBeforeTheNumber", "stairs", {{"rise", "abc 5"}}, "rise: cannot read \"abc 5\""},
        BadCase{"TwoNumbersWithoutFeetMark", "stairs", {{"rise", "5 6\""}}, "rise: cannot read \"5 6\"\""},
        BadCase{"MetresThenMillimetres", "stairs", {{"rise", "5M 3m"}}, "rise: cannot read \"5M 3m\""},
        BadCase{"TwoDecimalPoints", "stairs", {{"rise", "1.2.3"}}, "rise: cannot read \"1.2.3\""},
        BadCase{"FractionWithoutDenominator", "stairs", {{"rise", "3/"}}, "rise: cannot read \"3/\""},
        BadCase{"MoreDigitsThanADouble", "squareup", {{"length", std::string(400, '9')}, {"width", "1"}},
                "length: cannot read \"" + std::string(400, '9') + "\""},
        BadCase{"AreaForALength", "stairs", {{"rise", "5' sq"}}, "rise: takes a length, not \"5' sq\""},
        BadCase{"LengthForAnArea", "roof", {{"area", "40'"}, {"pitch", "4"}}, "area: takes an area, not \"40'\""},
        BadCase{"UnitOnACount", "boardfeet", {{"thickness", "1"}, {"width", "4"}, {"length", "8"}, {"quantity", "2'"}},
                "quantity: takes a plain number, not \"2'\""},
        BadCase{"FractionalCount", "boardfeet", {{"thickness", "1"}, {"width", "4"}, {"length", "8"}, {"quantity", "1.5"}},
                "quantity: must be a whole number"},
        BadCase{"PrecisionNotOffered", "squareup", {{"length", "3"}, {"width", "4"}, {"prec", "10"}},
                "prec: takes 2, 4, 8, 16, 32, 64 or decimal, not \"10\""},
        BadCase{"PitchOf90Degrees", "rafter", {{"pitch", "90\u00B0"}, {"run", "10'"}}, "pitch: must be between 0 and 90 degrees"},
        BadCase{"StraightCorner", "crown", {{"corner", "180"}}, "corner: must be between 0 and 180 degrees"},
        BadCase{"FlatSpring", "crown", {{"spring", "0"}}, "spring: must be between 0 and 90 degrees"},
        BadCase{"UnknownField", "stairs", {{"rise", "8'"}, {"steps", "3"}}, "stairs has no field \"steps\""},
        BadCase{"FieldGivenTwice", "stairs", {{"rise", "8'"}, {"RISE", "9'"}}, "rise: given twice"}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Shapes, BadInput,
    ::testing::Values(
        BadCase{"ArcRiseOverHalfTheSpan", "arc", {{"span", "96"}, {"rise", "49"}},
                "rise: is more than half the span: no arc fits"},
        BadCase{"RafterWithoutRunOrSpan", "rafter", {{"pitch", "7"}}, "run: missing (or give the span)"},
        BadCase{"RafterWithRunAndSpan", "rafter", {{"pitch", "7"}, {"run", "10'"}, {"span", "20'"}},
                "span: give the run or the span, not both"},
        BadCase{"OneRiserCannotShareARun", "stairs", {{"rise", "6"}, {"run", "10"}},
                "run: one riser has no treads to share the run"},
        BadCase{"JackSpacingTooFine", "hip", {{"pitch", "7"}, {"run", "100'"}, {"spacing", "1/64"}},
                "spacing: gives more than 1000 jacks"},
        BadCase{"VolumeBeyondADouble", "concrete", {{"length", kHuge}, {"width", kHuge}, {"depth", "1"}},
                "volume: no finite result"}),
    [](const auto& info) { return info.param.name; });
// clang-format on

}  // namespace
}  // namespace tavrel::builder
