// Three key faults found by running the keys: a typed local decimal
// separator, the caret after the area and volume keys, and a unit key's
// precision on a result that shows as zero. Each row is a key script run in a
// window with the given decimal separator, and the display line it ends on.
#include <gtest/gtest.h>

#include <ostream>

#include "session.h"

namespace tavrel {
namespace {

struct FaultCase {
    const char* name;
    char32_t separator;
    const char* keys;
    const char* line;
};

void PrintTo(const FaultCase& c, std::ostream* os) {
    *os << c.name;
}

class KeyFaults : public ::testing::TestWithParam<FaultCase> {};

TEST_P(KeyFaults, EndOnDisplayLine) {
    cli::Session s({GetParam().separator, {2026, 1, 1, 12, 0, 0}});
    std::string error;
    ASSERT_TRUE(s.run(GetParam().keys, &error)) << error;
    EXPECT_EQ(s.displayLine(true), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Mended, KeyFaults,
    ::testing::Values(
        // A typed comma, where it is the system's separator, presses the decimal key.
        FaultCase{"TypedCommaIsTheDecimalKey", U',',
                  "2,5M+1,25M=", "3,75M | me | Decimal | unlocked"},
        FaultCase{"TypedPointStillEntersTheComma", U',', "2.5", "2,5 | UNIT | LCD | unlocked"},
        FaultCase{"CommaIsNotASeparatorWithPoint", U'.', "2,5", "25 | UNIT | LCD | unlocked"},
        // After the text-change handler rewrote the mark, the caret stays at the end.
        FaultCase{"ClickedCubicAfterSquare", U'.', "10{sq}{cu}", "10 cu | UNIT | LCD | unlocked"},
        FaultCase{"SquareClickedTwice", U'.', "10{sq}{BBsquare}", "10 sq | UNIT | LCD | unlocked"},
        FaultCase{"TypedAfterClickedSquareGoesAtTheEnd", U'.', "10{BBsquare}{BBcubic}",
                  "10 cu | UNIT | LCD | unlocked"},
        FaultCase{"MidTextInsertKeepsItsCaret", U'.', "15{BBspc}1/2",
                  "15 1/2 | UNIT | LCD | unlocked"},
        // A unit key with Option or Shift on a zero result keeps the precision it chose.
        FaultCase{"OptionUnitKeyOnZeroResult", U'.', "={option+yds}", "y | yard | 1/64 | unlocked"},
        FaultCase{"OptionMetricKeyOnZeroResult", U'.', "{togUnit}={option+mm}",
                  "m | mm | 1/100 | unlocked"},
        FaultCase{"ShiftUnitKeyOnZeroResult", U'.', "={shift+BBinch}",
                  "0.0\" | inch | Decimal | unlocked"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tavrel
