// Square, root, reciprocal and sign; sine, cosine, tangent and their
// inverses. Each row types its steps into a fresh window and checks the
// display after each, the tape and the beeps. The sequences follow the
// calculation step's own rules (2 + 3 x^2 is 18), and a value without a
// finite result is an error, never "inf" or "nan".
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "sequence_case.h"
#include "tavrel/platform/headless/render.h"

namespace tavrel {
namespace {

const std::string kMark = "\u25CA";

class UnaryKeys : public ::testing::TestWithParam<SequenceCase> {};
TEST_P(UnaryKeys, DisplayTapeAndBeeps) {
    checkSequence(GetParam());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Window, UnaryKeys, ::testing::Values(
    SequenceCase{"SquareOfLengthIsArea", {"3'{x^2}"}, {"9.0' sq"}, {"3.0'   x^2", "9.0' sq     " + kMark, ""}},
    SequenceCase{"RootOfAreaIsLength", {"9'@{\u221A}"}, {"3.0'"}, {"9.0' sq     \u221A", "3.0'     " + kMark, ""}},
    SequenceCase{"RootOfPlainNumber", {"16{\u221A}"}, {"4.0"}, {"16.0     \u221A", "4.0     " + kMark, ""}},
    SequenceCase{"RootOfSquareMetresKeepsMetres", {"9M@{\u221A}"}, {"3.0M"}, {"9.0M sq     \u221A", "3.0M     " + kMark, ""}},
    SequenceCase{"RootCompletesPendingThenReplacesRunning", {"5+16{\u221A}"}, {"4.0"},
                 {"5.0     +", "16.0     \u221A", "4.0     " + kMark, ""}},
    SequenceCase{"RootOfLengthRefused", {"3'{\u221A}"}, {""}, {"3.0'     \u221A"}, 1},
    SequenceCase{"SquareOfAreaRefused", {"2'{x^2}{x^2}"}, {""}, {"2.0'   x^2", "4.0' sq     " + kMark, "", "4.0' sq   x^2"}, 1},
    SequenceCase{"SquareTwiceOnPlainNumber", {"2{x^2}{x^2}"}, {"16.0"}, {"2.0   x^2", "4.0     " + kMark, "", "4.0   x^2", "16.0     " + kMark, ""}},
    SequenceCase{"SquareThenPendingPlusAddsItAgain", {"2+3{x^2}"}, {"18.0"}, {"2.0     +", "3.0   x^2", "9.0     " + kMark, ""}},
    SequenceCase{"NegativeLengthSquaresPositive", {"3'{+/-}{x^2}"}, {"9.0' sq"}, {"-3.0'   x^2", "9.0' sq     " + kMark, ""}},
    SequenceCase{"ShiftSquareIsReciprocal", {"4{shift+x^2}"}, {"0.25"}, {"4.0   1/x", "0.25     " + kMark, ""}},
    SequenceCase{"ReciprocalThenPendingPlus", {"2+4{shift+x^2}"}, {"0.5"}, {"2.0     +", "4.0   1/x", "0.25     " + kMark, ""}},
    SequenceCase{"ReciprocalOfLengthShowsError", {"4\"{shift+x^2}"}, {"error"}, {"4.0\"   1/x"}, 1},
    SequenceCase{"ReciprocalOfZeroIsAnError", {"0{shift+x^2}"}, {""}, {"0.0   1/x"}, 1},
    SequenceCase{"RootOfNegativeIsAnError", {"4{+/-}{\u221A}"}, {""}, {"-4.0     \u221A"}, 1},
    SequenceCase{"SignOfEntryTextOnly", {"12{+/-}", "{+/-}"}, {"-12", "12"}, {}},
    SequenceCase{"SignAfterConversionCompletesThenNegates", {"1'=", "{PMUnit=mm}", "{+/-}"}, {"1.0'", "304.8m", "-304.8m"},
                 {"1.0'     =", "1.0'     " + kMark, "", "304.8m     =", "304.8m     " + kMark, "", "-304.8m   +/-"}},
    SequenceCase{"SignDuringEntryAfterConversion", {"2'={mm}+3'", "{+/-}"}, {"3'", "-1524.0m"},
                 {"2.0'     =", "2.0'     " + kMark, "", "609.6m     =", "609.6m     " + kMark, "", "609.6m     +",
                  "3.0'     =", "1524.0m     " + kMark, "", "-1524.0m   +/-"}}),
    sequenceName);

class TrigKeys : public ::testing::TestWithParam<SequenceCase> {};
TEST_P(TrigKeys, DisplayTapeAndBeeps) {
    checkSequence(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Window, TrigKeys, ::testing::Values(
    SequenceCase{"SineOfThirtyIsNotAHalf", {"{togTrig}30{sin}"}, {"0.5000001943"}, {"30.0   sin", "0.5000001943     " + kMark, ""}},
    SequenceCase{"CosineOfSixtyBelowAHalf", {"{togTrig}60{cos}"}, {"0.4999996114"}, {"60.0   cos", "0.4999996114     " + kMark, ""}},
    SequenceCase{"TangentOfNinetyIsLargeAndFinite", {"{togTrig}90{tan}"}, {"-1485581.7284168"}, {"90.0   tan", "-1485581.7284168     " + kMark, ""}},
    SequenceCase{"SineOfNinetySnapsToOne", {"{togTrig}90{sin}"}, {"1.0"}, {"90.0   sin", "1.0     " + kMark, ""}},
    SequenceCase{"TangentOf45SnapsToOne", {"{togTrig}45{tan}"}, {"1.0"}, {"45.0   tan", "1.0     " + kMark, ""}},
    SequenceCase{"CosineOfNinetyIsEmpty", {"{togTrig}90{cos}"}, {""}, {"90.0   cos", "0.0     " + kMark, ""}},
    SequenceCase{"SineOf180IsEmpty", {"{togTrig}180{sin}"}, {""}, {"180.0   sin", "0.0     " + kMark, ""}},
    SequenceCase{"ArcSineOfHalfSnapsToThirty", {"{togTrig}0.5{inv}{asin}"}, {"30.0"}, {"0.5  asin", "30.0     " + kMark, ""}},
    SequenceCase{"ArcTangentOfOne", {"{togTrig}1{inv}{atan}"}, {"45.0"}, {"1.0  atan", "45.0     " + kMark, ""}},
    SequenceCase{"ArcCosineOfMinusOne", {"{togTrig}1{+/-}{inv}{acos}"}, {"180.0"}, {"-1.0  acos", "180.0     " + kMark, ""}},
    SequenceCase{"ArcSineOfPointSixNotSnapped", {"{togTrig}.6{inv}{asin}"}, {"36.8698818459"}, {"0.6  asin", "36.8698818459     " + kMark, ""}},
    SequenceCase{"ArcSineOutsideItsDomainIsAnError", {"{togTrig}2{inv}{asin}"}, {""}, {"2.0  asin", "     " + kMark, ""}, 1},
    SequenceCase{"ArcCosineOutsideItsDomainIsAnError", {"{togTrig}1.5{inv}{acos}"}, {""}, {"1.5  acos", "     " + kMark, ""}, 1},
    SequenceCase{"SineOfLengthRefused", {"{togTrig}30'{sin}"}, {""}, {"30.0'   sin", "     " + kMark, ""}, 1},
    SequenceCase{"FunctionValueIsTheSecondOperand", {"{togTrig}3+60{cos}="}, {"3.4999996114"},
                 {"3.0     +", "60.0   cos", "0.4999996114     " + kMark, "", "0.4999996114     =", "3.4999996114     " + kMark, ""}}),
    sequenceName);
// clang-format on

struct TrigWindow : ::testing::Test {
    cli::Session s;
    ui::calcWin& w = s.window();
    std::string caption(const char* name) { return w.get(name).caption(); }
    bool inverse() { return w.get<ui::myBevelButtonColor>("BBinv").value(); }
    double running() { return w.calculator().registers().runningReg->masterUnit; }
};

TEST_F(TrigWindow, InverseModeLastsForOneInverseFunction) {
    s.run("{togTrig}{inv}");
    EXPECT_TRUE(inverse());
    EXPECT_EQ(caption("BBsin") + caption("BBcos") + caption("BBtan"), "asinacosatan");
    EXPECT_EQ(caption("BBinv"), "reg");
    s.run("1{atan}");
    EXPECT_FALSE(inverse());
    EXPECT_EQ(caption("BBsin") + caption("BBcos") + caption("BBtan"), "sincostan");
    EXPECT_EQ(caption("BBinv"), "inv");
    s.run("{inv}{reg}");  // a second click leaves it too
    EXPECT_FALSE(inverse());
    EXPECT_EQ(caption("BBtan"), "tan");
}

TEST_F(TrigWindow, RefusedOperandKeepsInverseMode) {
    s.run("{togTrig}{inv}30'{asin}");
    EXPECT_TRUE(inverse());
    EXPECT_EQ(caption("BBsin"), "asin");
    s.run("1.5{acos}");  // no value: refused the same way
    EXPECT_TRUE(inverse());
}

TEST_F(TrigWindow, CosineOfAShownResultBecomesTheRunningValueSineOnlyShows) {
    s.run("{togTrig}60={cos}");
    EXPECT_NEAR(running(), 0.5, 1e-6);
    s.run("{esc}30={sin}");
    EXPECT_EQ(running(), 30.0);
    EXPECT_EQ(w.EditFract1.text(), "0.5000001943");
    s.run("+1=");  // the next operator reads the sine from the display
    EXPECT_EQ(w.EditFract1.text(), "1.5000001943");
}

TEST_F(TrigWindow, ToggleSwapsTheTwoKeySetsInOnePlace) {
    const char* trig[] = {"BBsin", "BBcos", "BBtan", "BBinv"};
    const char* tri[] = {"bbtPitch", "bbtRise", "bbtRun", "bbtDiag"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_FALSE(w.get(trig[i]).visible()) << trig[i];
        EXPECT_TRUE(w.get(tri[i]).visible()) << tri[i];
        EXPECT_EQ(w.get(tri[i]).left(), w.get(trig[i]).left()) << tri[i];
        EXPECT_EQ(w.get(tri[i]).top(), w.get(trig[i]).top()) << tri[i];
    }
    s.run("{togTrig}");
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(w.get(trig[i]).visible()) << trig[i];
        EXPECT_FALSE(w.get(tri[i]).visible()) << tri[i];
    }
    s.run("{inv}{togTrig}");  // inverse mode survives the swap
    EXPECT_TRUE(w.get("bbtRise").visible());
    EXPECT_TRUE(inverse());
}

TEST(TrigToggle, PaintsTheSetAClickBrings) {
    namespace fs = std::filesystem;
    const fs::path folder =
        fs::temp_directory_path() / ("tavrel-ui-togTrig-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    // A PNG header (8 x 8) is all the headless loader reads.
    const std::string png("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\0\0\x08\0\0\0\x08", 24);
    for (const char* name : {"trig.png", "tri.png", "maskR.png", "maskL.png"})
        std::ofstream(folder / name, std::ios::binary) << png;
    cli::Session s;
    s.platform().resources().setFolder(folder);
    auto& toggle = s.window().get<ui::myWigit1>("togTrig");
    ASSERT_TRUE(toggle.value);
    auto drawn = platform::headless::render(toggle);
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].picture, "trig.png");
    s.run("{togTrig}");
    drawn = platform::headless::render(toggle);
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].picture, "tri.png");
    EXPECT_EQ(drawn[0].x, toggle.x);
    fs::remove_all(folder);
}

}  // namespace
}  // namespace tavrel
