// Real input on the desktop backend against the same keys on the headless
// one: each row is a key script (typed keys as key events to the focused
// widget, clicks on widgets with modifiers held, items picked in open pop-up
// lists); both backends must end with the same display and tape, and the
// widgets must show what the model holds.
#include <gtest/gtest.h>

#include "calculator_on_qt.h"
#include "session.h"

namespace tavrel::qttest {
namespace {

struct SessionCase {
    const char* name;
    const char* keys;
};

void PrintTo(const SessionCase& c, std::ostream* os) {
    *os << c.name << " [" << c.keys << "]";
}

class TypedSessions : public ::testing::TestWithParam<SessionCase> {};

TEST_P(TypedSessions, MatchTheHeadlessBackend) {
    CalculatorOnQt qt;
    std::string error;
    ASSERT_TRUE(qt.run(GetParam().keys, &error)) << error;

    cli::SessionOptions o;
    o.decimalSeparator = qt.platform().locale().decimalSeparator();
    cli::Session headless(o);
    ASSERT_TRUE(headless.run(GetParam().keys, &error)) << error;

    EXPECT_EQ(qt.window().EditFract1.text(), headless.window().EditFract1.text());
    EXPECT_EQ(qt.display()->text().toStdString(), headless.window().EditFract1.text());
    EXPECT_EQ(qt.window().PMUnit.text(), headless.window().PMUnit.text());
    EXPECT_EQ(qt.window().PMLCD.text(), headless.window().PMLCD.text());
    // The first two tape lines are the date and time of each run.
    auto qtTape = qt.tapeLines();
    auto headlessTape = headless.tapeLines();
    ASSERT_GE(qtTape.size(), 2u);
    ASSERT_GE(headlessTape.size(), 2u);
    EXPECT_EQ(std::vector(qtTape.begin() + 2, qtTape.end()),
              std::vector(headlessTape.begin() + 2, headlessTape.end()));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Keys, TypedSessions, ::testing::Values(
    SessionCase{"FeetInchesFraction",     "20'6 1/2="},
    SessionCase{"MixedUnitsChain",        "3'+6\"-2i="},
    SessionCase{"MetricKeys",             "2M+50c+5m="},
    SessionCase{"AreaFromLengths",        "12'*10'="},
    SessionCase{"BackspaceAndEscape",     "123{bs}+4{esc}7*2{return}"},
    SessionCase{"ClickedKeypad",          "{7}{BBspc}{1}{/}{2}{BBinch}{=}"},
    SessionCase{"ShiftClickedUnitKey",    "5{shift+BBft}+1="},
    SessionCase{"OptionClickedUnitKey",   "1'3 3/32={option+BBmm}"},
    SessionCase{"OptionClearClearsTape",  "2+1={option+BBclear}4="},
    SessionCase{"PopupChoices",           "1'3 3/32={PMLCD=1/32}{PMUnit=mm}{PMUnit=ft-in}"},
    SessionCase{"LockThenPopup",          "18\"={bbLock}{PMUnit=foot}3\"="},
    SessionCase{"ToggleToMetric",         "{togUnit}5{BBkm}="},
    SessionCase{"DivisionByZero",         "5\\0="}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// A pop-up choice made in the widget converts the shown result; the same
// selection made by code converts nothing.
TEST(PopupChoice, ThroughTheWidgetConvertsByCodeDoesNot) {
    CalculatorOnQt byUser;
    ASSERT_TRUE(byUser.run("1'3 3/32={PMUnit=mm}"));
    EXPECT_EQ(byUser.display()->text().toStdString(), "383.38125m");

    CalculatorOnQt byCode;
    ASSERT_TRUE(byCode.run("1'3 3/32="));
    const std::string before = byCode.display()->text().toStdString();
    auto& unit = byCode.window().PMUnit;
    for (int i = 0; i < unit.rowCount(); ++i)
        if (unit.list(i) == "mm") unit.setListIndex(i);
    byCode.settle();
    EXPECT_EQ(unit.text(), "mm");
    EXPECT_EQ(byCode.display()->text().toStdString(), before);
}

}  // namespace
}  // namespace tavrel::qttest
