// The triangle keys: a key pressed during an entry stores its side, pressed
// on a shown result it solves its side from the two sides stored last. Rows
// cover the 3-4-5 roof, the order of known sides, typed pitches in inches
// and degrees, and the triangles that cannot exist.
#include <gtest/gtest.h>

#include "sequence_case.h"

namespace tavrel {
namespace {

const std::string kPitchIn = "\" in 12\"  ptch";
const std::string kPitchDeg = "\u00B0  ptch";

class TriangleKeys : public ::testing::TestWithParam<SequenceCase> {};
TEST_P(TriangleKeys, DisplayTapeAndBeeps) {
    checkSequence(GetParam());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Window, TriangleKeys, ::testing::Values(
    SequenceCase{"Roof345", {"3'{rise}", "4'{run}", "{ptch}", "{ptch}", "{diag}", "{ptch}"},
                 {"3.0'", "3.0'", "9.0\"", "36.87", "5.0'", "9.0\""},
                 {"3.0'  rise", "4.0'   run", "9.0" + kPitchIn, "36.87" + kPitchDeg, "5.0'  diag", "9.0" + kPitchIn}},
    SequenceCase{"DiagonalTakesRunUnitWhenRunStoredLast", {"3'{rise}48\"{run}{diag}"}, {"60.0\""},
                 {"3.0'  rise", "48.0\"   run", "60.0\"  diag"}},
    SequenceCase{"DiagonalTakesRiseUnitWhenRiseStoredLast", {"48\"{run}3'{rise}{diag}"}, {"5.0'"},
                 {"48.0\"   run", "3.0'  rise", "5.0'  diag"}},
    SequenceCase{"TypedPitchInInchesSolvesRiseAndDiagonal", {"9\"{ptch}4'{run}{rise}", "{diag}"}, {"3.0'", "5.0'"},
                 {"9.0" + kPitchIn, "4.0'   run", "3.0'  rise", "5.0'  diag"}},
    SequenceCase{"TypedPitchInInchesHasTheSolvedAngle", {"9\"{ptch}", "{ptch}"}, {"9.0\"", "36.87"},
                 {"9.0" + kPitchIn, "36.87" + kPitchDeg}},
    SequenceCase{"TypedPitchInDegreesSwitchesToInches", {"45{ptch}", "{ptch}", "{ptch}"}, {"45.0", "12.0\"", "45.0"},
                 {"45.0" + kPitchDeg, "12.0" + kPitchIn, "45.0" + kPitchDeg}},
    SequenceCase{"PitchFlagSurvivesOtherKeys", {"3'{rise}4'{run}{ptch}{ptch}", "{rise}", "{ptch}"}, {"36.87", "3.0'", "9.0\""},
                 {"3.0'  rise", "4.0'   run", "9.0" + kPitchIn, "36.87" + kPitchDeg, "3.0'  rise", "9.0" + kPitchIn}},
    SequenceCase{"PitchInDegreesAddsToAPlainNumber", {"3'{rise}4'{run}{ptch}{ptch}", "+5="}, {"36.87", "41.87"},
                 {"3.0'  rise", "4.0'   run", "9.0" + kPitchIn, "36.87" + kPitchDeg, "36.87     +", "5.0     =", "41.87     \u25CA", ""}},
    SequenceCase{"TypedDegreesShownAgainAddToAPlainNumber", {"45{ptch}{ptch}{ptch}", "+5="}, {"45.0", "50.0"},
                 {"45.0" + kPitchDeg, "12.0" + kPitchIn, "45.0" + kPitchDeg, "45.0     +", "5.0     =", "50.0     \u25CA", ""}},
    SequenceCase{"KnownSideIsShownUnchanged", {"3'{rise}4'{run}{run}"}, {"4.0'"}, {"3.0'  rise", "4.0'   run", "4.0'   run"}},
    SequenceCase{"NeverStoredSideIsZeroInches", {"3'{rise}{diag}"}, {"0.0\""}, {"3.0'  rise", "0.0\"  diag"}},
    SequenceCase{"StoringTheNewestSideAgainKeepsThePair", {"3'{rise}4'{run}4'{run}{diag}"}, {"5.0'"},
                 {"3.0'  rise", "4.0'   run", "4.0'   run", "5.0'  diag"}},
    // Rise is forgotten when the diagonal is stored: the run is shown as stored,
    // not solved from a rise of 1 foot and a diagonal of 5 feet.
    SequenceCase{"ThirdSideForgetsTheOldest", {"1'{rise}4'{run}5'{diag}{run}"}, {"4.0'"},
                 {"1.0'  rise", "4.0'   run", "5.0'  diag", "4.0'   run"}},
    SequenceCase{"ClearForgetsEverySide", {"3'{rise}4'{run}C{diag}"}, {"0.0\""},
                 {"3.0'  rise", "4.0'   run", "------------------", "0.0\"  diag"}},
    SequenceCase{"SetAppliesThePendingOperator", {"10'+3'{rise}", "{rise}"}, {"13.0'", "3.0'"},
                 {"10.0'     +", "3.0'  rise", "3.0'  rise"}},
    SequenceCase{"PitchInFeetRefused", {"1'{ptch}"}, {""}, {}, 1},
    SequenceCase{"DiagonalShorterThanRiseIsAnError", {"5'{rise}3'{diag}{run}"}, {""}, {"5.0'  rise", "3.0'  diag"}, 1},
    SequenceCase{"DiagonalShorterThanRiseHasNoPitch", {"5'{rise}3'{diag}{ptch}"}, {""}, {"5.0'  rise", "3.0'  diag"}, 1},
    SequenceCase{"ZeroPitchHasNoRun", {"0{ptch}3'{rise}{run}"}, {""}, {"0.0" + kPitchDeg, "3.0'  rise"}, 1}),
    sequenceName);
// clang-format on

TEST(TriangleOrder, OnlyTheTwoNewestSidesAreKnown) {
    cli::Session s;
    auto known = [&] {
        std::string k;
        for (const char* name : {"bbtPitch", "bbtRise", "bbtRun", "bbtDiag"})
            k += s.window().get<ui::bbTri>(name).known() ? '1' : '0';
        return k;
    };
    EXPECT_EQ(known(), "0000");
    s.run("3'{rise}");
    EXPECT_EQ(known(), "0100");
    s.run("4'{run}");
    EXPECT_EQ(known(), "0110");
    s.run("9\"{ptch}");
    EXPECT_EQ(known(), "1010");
    s.run("{rise}");  // solving never changes which sides are known
    EXPECT_EQ(known(), "1010");
    s.run("{BBclear}");
    EXPECT_EQ(known(), "0000");
    EXPECT_EQ(s.window().get<ui::bbTri>("bbtRun").leg->masterUnit, 0.0);
    EXPECT_EQ(s.window().get<ui::bbTri>("bbtRun").leg->unit, "in");
}

TEST(TriangleLegs, TypedPitchInDegreesStoresAngleAndPitchLength) {
    cli::Session s;
    s.run("45{ptch}");
    const mixedUnitCU& p = *s.window().get<ui::bbTri>("bbtPitch").leg;
    EXPECT_EQ(p.angle, 45.0);
    EXPECT_EQ(p.masterUnit, 30.48);
    EXPECT_EQ(p.power, 1);
}

}  // namespace
}  // namespace tavrel
