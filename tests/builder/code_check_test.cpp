// The stair code check: one line per residential rule broken, naming the
// rule, and for a riser too high the fewest risers that comply.
#include <gtest/gtest.h>

#include "tool_case.h"

namespace tavrel::builder {
namespace {

struct CheckCase {
    std::string name;
    Typed typed;
    std::vector<std::string> lines;
};

void PrintTo(const CheckCase& c, std::ostream* os) {
    *os << describe("stairs", c.typed);
}

class StairCode : public ::testing::TestWithParam<CheckCase> {};

TEST_P(StairCode, NamesEveryBrokenRule) {
    const Evaluation e = run("stairs", GetParam().typed);
    ASSERT_TRUE(e.ok()) << e.error;
    EXPECT_EQ(e.checks, GetParam().lines);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Stairs, StairCode,
    ::testing::Values(
        CheckCase{"ComplyingStairHasNoLines", {{"rise", "8'9\""}, {"run", "11'4 1/2\""}, {"width", "36"}}, {}},
        CheckCase{"RiserOfExactly7And3QuartersComplies", {{"rise", "62"}, {"riser", "7 3/4"}}, {}},
        CheckCase{"RiserJustOverTheLimit", {{"rise", "62 1/16"}, {"riser", "7 3/4"}},
                  {"riser 0'-7 3/4\" is over 0'-7 3/4\" (IRC R311.7.5.1)",
                   "complies with 9 risers of 0'-6 7/8\""}},
        CheckCase{"ShortTread", {{"rise", "105"}, {"run", "117"}},
                  {"tread 0'-9\" is under 0'-10\" (IRC R311.7.5.2)"}},
        CheckCase{"LowHeadroom", {{"rise", "105"}, {"headroom", "6'6"}},
                  {"headroom 6'-6\" is under 6'-8\" (IRC R311.7.2)"}},
        CheckCase{"NarrowStair", {{"rise", "105"}, {"width", "2'10"}},
                  {"width 2'-10\" is under 3'-0\" (IRC R311.7.1)"}},
        CheckCase{"EveryRuleAtOnceInTableOrder",
                  {{"rise", "48"}, {"riser", "8"}, {"run", "45"}, {"headroom", "78"}, {"width", "30"}},
                  {"riser 0'-8\" is over 0'-7 3/4\" (IRC R311.7.5.1)",
                   "tread 0'-9\" is under 0'-10\" (IRC R311.7.5.2)",
                   "headroom 6'-6\" is under 6'-8\" (IRC R311.7.2)",
                   "width 2'-6\" is under 3'-0\" (IRC R311.7.1)",
                   "complies with 7 risers of 0'-6 7/8\""}},
        CheckCase{"MetricStairIsCheckedInItsUnit", {{"rise", "1400m"}, {"riser", "200m"}},
                  {"riser 200.0m is over 196.9m (IRC R311.7.5.1)",
                   "complies with 8 risers of 175.0m"}}),
    [](const auto& info) { return info.param.name; });
// clang-format on

}  // namespace
}  // namespace tavrel::builder
