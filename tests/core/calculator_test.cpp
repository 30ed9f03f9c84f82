// Chained steps without a window: entries are placed in the display as typed
// text, operator keys run the step, and the display and tape are checked.
#include "core/calculator.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace tavrel {
namespace {

class RecordingHost : public CalculatorHost {
  public:
    std::string displayText() const override { return display; }
    void setDisplayText(const std::string& t) override { display = displayTextRule(t, '.'); }
    void typeText(const std::string& t) { display = displayTextRule(t, '.', DisplayOrigin::Entry); }
    void recordOnTape(const std::string& tag) override {
        tape.push_back(tag + "|" + calc->registers().tempReg->valueString + "|" +
                       calc->registers().runningReg->valueString);
    }
    std::string display;
    std::vector<std::string> tape;
    Calculator* calc = nullptr;
};

// "_" in a token stands for a typed space.
std::string withSpaces(std::string s) {
    for (char& c : s)
        if (c == '_') c = ' ';
    return s;
}

struct Fixture {
    Fixture() : services{'.', [this] { ++beeps; }}, calc(host, services) { host.calc = &calc; }
    // Types an entry the way the keypad does: after "=" a new calculation
    // starts, a shown result is replaced.
    void entry(const std::string& text) {
        if (calc.lastkey == "=") calc.cleanReg("clear");
        calc.lastkey = text;
        if (calc.clearFlag) {
            host.setDisplayText("");
            calc.clearFlag = false;
        }
        host.typeText(host.display + text);
    }
    // Runs "3' + 6\" =" style sequences: tokens separated by spaces, where
    // + - * / = are keys (/ is the division key) and anything else an entry.
    std::string run(const std::string& keys) {
        std::istringstream in(keys);
        std::string tok;
        while (in >> tok) {
            if (tok == "+" || tok == "-" || tok == "*" || tok == "=")
                calc.operatorKey(tok);
            else if (tok == "/")
                calc.divisionKey();
            else
                entry(withSpaces(tok));
        }
        return host.display;
    }
    int beeps = 0;
    CoreServices services;
    RecordingHost host;
    Calculator calc;
};

struct StepCase {
    const char* name;
    const char* keys;
    const char* display;
    int beeps;
};

void PrintTo(const StepCase& c, std::ostream* os) {
    *os << c.name;
}

class Steps : public ::testing::TestWithParam<StepCase> {};

TEST_P(Steps, ShowsResult) {
    Fixture f;
    EXPECT_EQ(f.run(GetParam().keys), GetParam().display);
    EXPECT_EQ(f.beeps, GetParam().beeps);
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, Steps,
    ::testing::Values(StepCase{"FirstOperandUnitRules", "3' + 6\" =", "3.5'", 0},
                      StepCase{"InchesFirst", "6\" + 3' =", "42.0\"", 0},
                      StepCase{"PlainTimesLengthTakesUnit", "2 * 3' =", "6.0'", 0},
                      StepCase{"LengthTimesPlain", "3' * 2 =", "6.0'", 0},
                      StepCase{"Area", "3' * 4' =", "12.0' sq", 0},
                      StepCase{"Volume", "3' * 4' * 5' =", "60.0' cu", 0},
                      StepCase{"AreaByLength", "12'@ / 3' =", "4.0'", 0},
                      StepCase{"LengthByLengthIsPlain", "6' / 2' =", "3.0", 0},
                      StepCase{"PlainByLength", "10 / 2' =", "0.1640419948", 0},
                      StepCase{"PowerMismatch", "3' + 5 =", "", 1},
                      // A leading minus on an empty display starts a negative number.
                      StepCase{"LeadingMinusPlain", "- 5 =", "-5.0", 0},
                      StepCase{"LeadingMinusFeet", "- 5' =", "-5.0'", 0},
                      StepCase{"LeadingMinusFeetInches", "- 3'6 =", "-3'-6\"", 0},
                      StepCase{"EmptyTimesLengthIsZeroArea", "* 5' =", "0.0' sq", 0},
                      StepCase{"ErrorThenLeadingMinus", "3' + 5 = - 2 =", "-2.0", 1},
                      // Typed zeros stay: only a zero result shows empty.
                      StepCase{"TypedZeroPointZeroFive", "1 + 0.05 =", "1.05", 0},
                      StepCase{"TypedInchFraction", "0.0625\" =", "0.0625\"", 0},
                      StepCase{"ZeroResultShowsEmpty", "5 - 5 =", "", 0},
                      StepCase{"ResultBeyondTheDisplayIsAnError",
                               "1000000000000000000000000000000000000000000000000000000000000000000"
                               "00000000000000000000000000000000000000000000000000000000000000000 "
                               "* 100000000000000000000000000000000000000000000000000000000000000"
                               "00000000000000000000000000000000000000000000000000000000000000000"
                               "0000000000000000000 =",
                               "", 1},
                      StepCase{"PowerFour", "3' * 4' * 5' * 6' =", "", 1},
                      StepCase{"LengthByArea", "3' / 3'@ =", "", 1},
                      StepCase{"DivisionByZero", "5 / 0 =", "", 1},
                      StepCase{"ZeroByZero", "0 / 0 =", "", 1},
                      StepCase{"RepeatedOperatorAddsShownValue", "5 + +", "10.0", 0},
                      StepCase{"DivisionKeyOnlyReplaces", "5 + / 2 =", "2.5", 0},
                      StepCase{"ThirdEqualsTwice", "1/3 = =", "0.3333333333", 0},
                      StepCase{"EntryAfterEqualsStartsOver", "5 = 7 + 1 =", "8.0", 0},
                      StepCase{"OperatorAfterEqualsContinues", "5 = + 1 =", "6.0", 0},
                      StepCase{"FeetInchesSum", "20'6_1/2 + 1' =", "21'-6 1/2\"", 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Steps, TapeSeesOperandAndResultOfEachStep) {
    Fixture f;
    f.run("2 + 1 =");
    ASSERT_EQ(f.host.tape.size(), 2u);
    EXPECT_EQ(f.host.tape[0], "+|2.0|2.0");
    EXPECT_EQ(f.host.tape[1], "=|1.0|3.0");
}

TEST(Steps, ErrorStillRecordsTheStepWithClearedRegisters) {
    Fixture f;
    f.run("3' + 5 =");
    ASSERT_EQ(f.host.tape.size(), 2u);
    EXPECT_EQ(f.host.tape[1], "=||0.0");
    EXPECT_EQ(f.calc.registers().runningReg->power, 0);
}

TEST(Steps, RunningEqualsTempCopiesButKeepsTwoObjects) {
    Fixture f;
    f.run("3' =");
    auto& r = f.calc.registers();
    EXPECT_NE(r.runningReg.get(), r.tempReg.get());
    r.tempReg->masterUnit = 1;
    EXPECT_NE(r.runningReg->masterUnit, 1);
}

TEST(Steps, UpperCaseNoUnitCodeActsAsPlain) {
    // A plain number times a dimension takes the dimension's unit, whatever
    // the case of the no-unit code.
    Fixture f;
    f.run("2 *");
    f.calc.registers().runningReg->unit = "NU";
    f.run("3' =");
    EXPECT_EQ(f.host.display, "6.0'");
}

TEST(DisplayRule, AreaAndVolumeMarks) {
    struct Row {
        const char* in;
        const char* out;
    };
    for (const Row& r : {Row{"10@", "10 sq"}, Row{"10 sq#", "10 cu"}, Row{"10 @", "10 sq"},
                         Row{"0.0", ""}, Row{"0.05", "0.05"}, Row{"10 cu@", "10 sq"}})
        EXPECT_EQ(displayTextRule(r.in, '.'), r.out) << r.in;
    EXPECT_EQ(displayTextRule("0,0", ','), "");
    EXPECT_EQ(displayTextRule("0.0", ','), "0.0");
    EXPECT_EQ(displayTextRule("0.0", '.', DisplayOrigin::Entry), "0.0");
    EXPECT_EQ(displayTextRule("0.0@", '.', DisplayOrigin::Entry), "0.0 sq");
}

}  // namespace
}  // namespace tavrel
