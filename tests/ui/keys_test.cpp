// Keyboard and keypad, driven through the headless window as typed: each row
// is a key script (see the README) and the display line it must end on.
#include <gtest/gtest.h>

#include "script_case.h"

namespace tavrel {
namespace {

class Keys : public ::testing::TestWithParam<ScriptCase> {};

TEST_P(Keys, EndOnDisplayLine) {
    cli::Session s;
    if (!runScript(s, GetParam())) return;
    EXPECT_EQ(s.displayLine(true), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Typed, Keys,
    ::testing::Values(
        ScriptCase{"FeetInchesFraction", "20'6 1/2=", "20'-6 1/2\" | ft-in | 1/64 | unlocked"},
        ScriptCase{"TypedZeroPointZeroStays", "0.0", "0.0 | UNIT | LCD | unlocked"},
        ScriptCase{"TypedZeroPointZeroFive", "0.05", "0.05 | UNIT | LCD | unlocked"},
        ScriptCase{"SumWithTypedLeadingZero", "1+0.05=", "1.05 | UNIT | Decimal | unlocked"},
        ScriptCase{"SixteenthOfAnInchAsDecimal",
                   "0.0625\"=", "0.0625\" | inch | Decimal | unlocked"},
        ScriptCase{"ZeroResultShowsEmpty", "5-5=", " | UNIT | LCD | unlocked"},
        ScriptCase{"LeadingMinusFeet", "-5'=", "-5.0' | foot | Decimal | unlocked"},
        ScriptCase{"LeadingMinusPlain", "-5=", "-5.0 | UNIT | Decimal | unlocked"},
        ScriptCase{"LeadingPointKept", ".05", ".05 | UNIT | LCD | unlocked"},
        ScriptCase{"DigitAfterEqualsStartsOver", "5+3=7=", "7.0 | UNIT | Decimal | unlocked"},
        ScriptCase{"OperatorAfterEqualsContinues", "5+3=+1=", "9.0 | UNIT | Decimal | unlocked"},
        ScriptCase{"SquareMark", "10@", "10 sq | UNIT | LCD | unlocked"},
        ScriptCase{"CubicReplacesSquare", "10@#", "10 cu | UNIT | LCD | unlocked"},
        ScriptCase{"SquareAfterSpace", "10 @", "10 sq | UNIT | LCD | unlocked"},
        ScriptCase{"UpperYIsYards", "3Y", "3y | UNIT | LCD | unlocked"},
        ScriptCase{"UpperMIsMetres", "3M", "3M | UNIT | LCD | unlocked"},
        ScriptCase{"LowerMIsMillimetres", "3m", "3m | UNIT | LCD | unlocked"},
        ScriptCase{"UpperEPressesMiles", "3E", "3e | UNIT | LCD | unlocked"},
        ScriptCase{"LowerEInsertedAfterResult", "5=e", "5.0e | UNIT | Decimal | unlocked"},
        ScriptCase{"KPressesKilometres", "5k", "5k | UNIT | LCD | unlocked"},
        ScriptCase{"KAfterResultConverts", "5'=k", "0.001524k | km | Decimal | unlocked"},
        ScriptCase{"OtherLettersSwallowed", "5zq", "5 | UNIT | LCD | unlocked"},
        ScriptCase{"QuestionMarkDivides", "9?3=", "3.0 | UNIT | Decimal | unlocked"},
        ScriptCase{"DivisionSignDivides", "9\u00F73=", "3.0 | UNIT | Decimal | unlocked"},
        ScriptCase{"ReturnIsEquals", "2+2{return}", "4.0 | UNIT | Decimal | unlocked"},
        ScriptCase{"EnterIsEquals", "2*3{enter}", "6.0 | UNIT | Decimal | unlocked"},
        ScriptCase{"BackspaceDeletes", "123{bs}", "12 | UNIT | LCD | unlocked"},
        ScriptCase{"DelKeyAtCaretEnd", "12{BBdel}", "1 | UNIT | LCD | unlocked"},
        ScriptCase{"CommandKeysSwallowed", "12{command+x}", "12 | UNIT | LCD | unlocked"},
        ScriptCase{"UpperCClears", "5'+3C", " | UNIT | LCD | unlocked"},
        ScriptCase{"EscapeClears", "5'+3{esc}", " | UNIT | LCD | unlocked"},
        ScriptCase{"ClearedStartsOver", "5+{esc}2=", "2.0 | UNIT | Decimal | unlocked"},
        ScriptCase{"PowerMismatchEmpties", "3'+5=", " | UNIT | LCD | unlocked"},
        ScriptCase{"DivisionByZeroEmpties", "5\\0=", " | UNIT | LCD | unlocked"},
        ScriptCase{"ClickedKeypad", "{7}{BBspc}{1}{/}{2}{BBinch}{=}",
                   "7 1/2\" | inch | 1/64 | unlocked"}),
    rowName);

TEST(KeysTape, ClearFeedsALineAndOptionClearStartsTheTapeAgain) {
    cli::Session s;
    ASSERT_EQ(s.tapeLines().size(), 3u);  // date, time, separator
    s.run("2+1=");
    s.run("C");
    auto lines = s.tapeLines();
    ASSERT_EQ(lines.size(), 3u + 4u + 1u);
    EXPECT_EQ(lines[3], "2.0     +");
    EXPECT_EQ(lines[4], "1.0     =");
    EXPECT_EQ(lines[5], "3.0     \u25CA");
    EXPECT_EQ(lines[6], "");
    EXPECT_EQ(lines[7], "------------------");
    s.run("{option+BBclear}");
    EXPECT_EQ(s.tapeLines().size(), 3u);
    EXPECT_EQ(s.tapeLines()[2], "------------------");
}

TEST(KeysTape, EscapeFeedsALineLikeC) {
    cli::Session s;
    s.run("5+{esc}");
    auto lines = s.tapeLines();
    EXPECT_EQ(lines.back(), "------------------");
    EXPECT_EQ(lines[lines.size() - 2], "5.0     +");
}

TEST(KeysTape, StampLinesComeFromTheClock) {
    cli::Session s({U'.', {2026, 12, 11, 14, 5, 9}});
    auto lines = s.tapeLines();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_NE(lines[0].find("2026"), std::string::npos);
    EXPECT_NE(lines[1].find("2:05:09"), std::string::npos);
}

TEST(KeysPress, TypedBevelKeyShowsPressedForATenthOfASecondFirst) {
    cli::Session s;
    auto& add = s.window().get<ui::myBevelButton>("BBadd");
    bool downDuringAction = true;
    std::int64_t before = s.platform().clock().microseconds();
    std::int64_t atAction = 0;
    auto original = add.myAction;
    add.myAction = [&] {
        downDuringAction = add.value();
        atAction = s.platform().clock().microseconds();
        original();
    };
    s.run("2+");
    EXPECT_FALSE(downDuringAction);  // released before the action runs
    EXPECT_EQ(atAction - before, 100000);
    EXPECT_EQ(s.window().EditFract1.text(), "2.0");
}

struct CommaFixture : ::testing::Test {
    cli::Session s{{U',', {2026, 1, 1, 12, 0, 0}}};
};

TEST_F(CommaFixture, PointKeyAndDecimalKeyEnterTheLocalSeparator) {
    EXPECT_EQ(s.window().get("PBdecimal").caption(), ",");
    s.run("2.5{PBdecimal}");
    EXPECT_EQ(s.window().EditFract1.text(), "2,5,");
    s.run("{bs}M=");
    EXPECT_EQ(s.window().EditFract1.text(), "2,5M");
    s.run("{esc}0.0");
    EXPECT_EQ(s.window().EditFract1.text(), "0,0");
    s.run("{esc}5-5=");
    EXPECT_EQ(s.window().EditFract1.text(), "");
}

struct EditingFixture : ::testing::Test {
    cli::Session s;
    ui::EditFract& field() { return s.window().EditFract1; }
};

TEST_F(EditingFixture, DelAtStartChangesNothing) {
    s.run("12");
    field().setSelStart(0);
    s.run("{BBdel}");
    EXPECT_EQ(field().text(), "12");
}

TEST_F(EditingFixture, DelWithOneSelectedRemovesItAndThePreviousOne) {
    s.run("1234");
    field().setSelection(2, 1);
    s.run("{BBdel}");
    EXPECT_EQ(field().text(), "14");
}

TEST_F(EditingFixture, KeypadReplacesASelectionOfSeveral) {
    s.run("12345");
    field().setSelection(1, 3);
    s.run("{9}");
    EXPECT_EQ(field().text(), "195");
}

TEST_F(EditingFixture, EmptyDisplayDisablesThePopupsAndTypingEnablesThem) {
    EXPECT_FALSE(s.window().PMUnit.enabled());
    s.run("5'=");
    EXPECT_TRUE(s.window().PMUnit.enabled());
    EXPECT_TRUE(s.window().PMLCD.enabled());
    s.run("{BBclear}");
    EXPECT_FALSE(s.window().PMUnit.enabled());
    EXPECT_FALSE(s.window().PMLCD.enabled());
}

// The display holds 255 characters: a key beyond beeps and enters nothing,
// whichever way it would have entered its text.
TEST_F(EditingFixture, KeysBeyondTheDisplayLimitBeepAndEnterNothing) {
    const std::string full(255, '7');
    s.run(full);
    ASSERT_EQ(field().text(), full);
    const int before = s.platform().system().beeps();
    s.run("1{BBspc}e@#{PB0}");
    EXPECT_EQ(field().text(), full);
    EXPECT_EQ(s.platform().system().beeps(), before + 6);
    s.run("{bs}{bs}{bs}@");  // " sq" fits in the three places freed
    EXPECT_EQ(field().text(), std::string(252, '7') + " sq");
    EXPECT_EQ(s.platform().system().beeps(), before + 6);
    s.window().setFocus(nullptr);
    s.window().typeKey(platform::KeyEvent::of("3"));
    EXPECT_EQ(field().text().size(), 255u);
    EXPECT_EQ(s.platform().system().beeps(), before + 7);
}

// Found by the window fuzzer: "#" fitted as one character, then became " cu".
TEST_F(EditingFixture, AnAreaOrVolumeMarkCountsAsTheTextItBecomes) {
    s.run(std::string(253, '7'));
    s.run("#");
    EXPECT_EQ(field().text(), std::string(253, '7'));
    EXPECT_EQ(s.platform().system().beeps(), 1);
    s.run("{bs}#");
    EXPECT_EQ(field().text(), std::string(252, '7') + " cu");
    s.run("@");  // replaces " cu": still 255
    EXPECT_EQ(field().text(), std::string(252, '7') + " sq");
    EXPECT_EQ(s.platform().system().beeps(), 1);
}

TEST_F(EditingFixture, AResultLongerThanTheDisplayIsAnError) {
    s.run(std::string(200, '9') + "*" + std::string(100, '9') + "=");
    EXPECT_EQ(field().text(), "");
    EXPECT_EQ(s.platform().system().beeps(), 1);
}

TEST_F(EditingFixture, WindowKeyWithoutFocusRefocusesTheDisplay) {
    s.run("12");
    s.window().setFocus(nullptr);
    s.window().typeKey(platform::KeyEvent::of("3"));
    EXPECT_EQ(s.window().focus(), &field());
    EXPECT_EQ(field().text(), "123");
}

}  // namespace
}  // namespace tavrel
