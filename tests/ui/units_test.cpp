// Units and precisions through the pop-ups, the lock, the unit keys and the
// toggle: each row is a key script and the display line it ends on.
#include <gtest/gtest.h>

#include "script_case.h"

namespace tavrel {
namespace {

class Units : public ::testing::TestWithParam<ScriptCase> {};

TEST_P(Units, EndOnDisplayLine) {
    cli::Session s;
    if (!runScript(s, GetParam())) return;
    EXPECT_EQ(s.displayLine(true), GetParam().line);
    EXPECT_FALSE(s.window().PMUnit.selfPressed);
    EXPECT_FALSE(s.window().PMLCD.selfPressed);
}

INSTANTIATE_TEST_SUITE_P(
    Popups, Units,
    ::testing::Values(
        ScriptCase{"ToMillimetres", "1'3 3/32={PMLCD=1/32}{PMUnit=mm}",
                   "383.38125m | mm | Decimal | unlocked"},
        ScriptCase{"BackToFeetInchesAtLastFraction",
                   "1'3 3/32={PMLCD=1/32}{PMUnit=mm}{PMUnit=ft-in}",
                   "1'-3 3/32\" | ft-in | 1/32 | unlocked"},
        ScriptCase{"FirstFeetInchesIs64ths", "18\"={PMUnit=ft-in}",
                   "1'-6\" | ft-in | 1/64 | unlocked"},
        ScriptCase{"InchKeepsPrecision", "3.5'={PMUnit=inch}",
                   "42.0\" | inch | Decimal | unlocked"},
        ScriptCase{"DecimalTurnsFeetInchesToFeet", "20'6={PMLCD=Decimal}",
                   "20.5' | foot | Decimal | unlocked"},
        ScriptCase{"LcdTitleReselects", "20'6={PMLCD=LCD}", "20'-6\" | ft-in | 1/64 | unlocked"},
        ScriptCase{"UnitTitleConvertsNothing", "3'={PMUnit=UNIT}",
                   "3.0' | foot | Decimal | unlocked"},
        ScriptCase{"ChoiceDuringEntryCompletes", "1'+12{PMUnit=mm}",
                   "316.8m | mm | Decimal | unlocked"},
        ScriptCase{"UnitlessGetsSuffixOnly", "12={PMUnit=mm}", "12.0m | UNIT | Decimal | unlocked"},
        ScriptCase{"UnitlessSuffixReadNextStep",
                   "12={PMUnit=mm}=", "12.0m | mm | Decimal | unlocked"},
        ScriptCase{"AreaStaysDecimal", "3'*4'={PMLCD=1/16}", "12.0' sq | foot | 1/16 | unlocked"},
        ScriptCase{"PrecisionOfAPlainNumber", "2.75={PMLCD=1/4}", "2 3/4 | UNIT | 1/4 | unlocked"},
        ScriptCase{"LockedOnMillimetres", "1m={bbLock}1'5 1/2=", "444.5m | mm | Decimal | locked"},
        ScriptCase{"LockedOnTitleKeepsOwnUnit", "{bbLock}5'=", "5.0' | foot | Decimal | locked"},
        ScriptCase{"LockedFeetInchesAtDecimalIsFeet",
                   "20'6={PMLCD=Decimal}{bbLock}1'6=", "1.5' | foot | Decimal | locked"},
        ScriptCase{"LockedUnitlessStaysUnitless", "{bbLock}7=", "7.0 | UNIT | Decimal | locked"},
        ScriptCase{"ClearUnlockedReturnsToTitles", "5'={BBclear}", " | UNIT | LCD | unlocked"},
        ScriptCase{"ClearLockedKeepsItems", "5'={bbLock}{BBclear}", " | foot | Decimal | locked"},
        // Sequences that, read literally, recurse without end.
        ScriptCase{"FootThenDigitEnds", "5'={PMUnit=foot}7", "7 | UNIT | LCD | unlocked"},
        ScriptCase{"EqualsOnEmptyThenUnitKeyEnds", "={BBinch}",
                   "0.0\" | inch | Decimal | unlocked"},
        ScriptCase{"ChoiceAfterChoiceEnds", "5'={PMUnit=mm}{PMUnit=ft-in}{PMLCD=1/8}{PMUnit=km}3",
                   "3 | UNIT | LCD | unlocked"}),
    rowName);

INSTANTIATE_TEST_SUITE_P(
    UnitKeys, Units,
    ::testing::Values(
        ScriptCase{"MillimetresDecimal", "1'3 3/32={BBmm}", "383.38125m | mm | Decimal | unlocked"},
        ScriptCase{"MillimetresOptionHundredths", "1'3 3/32={option+BBmm}",
                   "383 19/50m | mm | 1/100 | unlocked"},
        ScriptCase{"InchPlainKeepsPrecision", "3.5'={BBinch}",
                   "42.0\" | inch | Decimal | unlocked"},
        ScriptCase{"InchOption64ths", "3.5'={option+BBinch}", "42\" | inch | 1/64 | unlocked"},
        ScriptCase{"InchShiftDecimal", "1 1/2\"={shift+BBinch}",
                   "1.5\" | inch | Decimal | unlocked"},
        ScriptCase{"ShiftWithOptionIsShift", "1 1/2\"={shift+option+BByds}",
                   "0.0416666667y | yard | Decimal | unlocked"},
        ScriptCase{"FeetOptionIsFeetInches", "18\"={option+BBft}",
                   "1'-6\" | ft-in | 1/64 | unlocked"},
        ScriptCase{"FeetShiftOptionIsFeetInches", "18\"={shift+option+BBft}",
                   "1'-6\" | ft-in | 1/64 | unlocked"},
        ScriptCase{"FeetInchesComesBackAtItsFraction", "1'3 1/16={PMLCD=1/16}{BBmm}{option+BBft}",
                   "1'-3 1/16\" | ft-in | 1/16 | unlocked"},
        ScriptCase{"DuringEntryTypesTheMark", "12{BBcm}", "12c | UNIT | LCD | unlocked"},
        ScriptCase{"TypedShiftQuoteIsShiftClick", "1 1/2\"={shift+\"}",
                   "1.5\" | inch | Decimal | unlocked"},
        ScriptCase{"TypedMConvertsAndCompletes", "3.5'=m", "1066.8m | mm | Decimal | unlocked"},
        ScriptCase{"AfterPlusAddsTheShownValue", "1'+{BBinch}",
                   "24.0\" | inch | Decimal | unlocked"},
        ScriptCase{"UnitlessOnlyPrecision", "12={option+BBmm}", "12 | UNIT | 1/100 | unlocked"},
        ScriptCase{"MetricKeyByName", "1M={BBkm}", "0.001k | km | Decimal | unlocked"}),
    rowName);

TEST(UnitKeysTape, ConversionIsRecordedAsAResult) {
    cli::Session s;
    s.run("1'3 3/32=");
    const auto before = s.tapeLines().size();
    s.run("{BBmm}");
    auto lines = s.tapeLines();
    ASSERT_EQ(lines.size(), before + 3);
    EXPECT_EQ(lines[before], "383.38125m     =");
    EXPECT_EQ(lines[before + 1], "383.38125m     \u25CA");
}

TEST(UnitKeysTape, TypingAMarkDuringAnEntryWritesNothing) {
    cli::Session s;
    const auto before = s.tapeLines().size();
    s.run("12{BBcm}");
    EXPECT_EQ(s.tapeLines().size(), before);
}

TEST(Conversion, KeepsTheMasterValueExact) {
    cli::Session s;
    s.run("1'3 3/32=");
    const double master = s.window().calculator().registers().runningReg->masterUnit;
    s.run("{PMUnit=km}{PMUnit=ft-in}{PMLCD=1/2}{PMUnit=yard}");
    EXPECT_EQ(s.window().calculator().registers().runningReg->masterUnit, master);
}

TEST(SelfPressed, TrueOnlyWhileTheUsersChoiceIsHandled) {
    cli::Session s;
    auto& unit = s.window().PMUnit;
    std::vector<std::pair<std::string, bool>> seen;  // item selected, selfPressed at its change
    auto original = unit.onChange;
    unit.onChange = [&] {
        seen.emplace_back(unit.text(), unit.selfPressed);
        original();
    };
    s.run("5'=");  // the step selects "foot" by code
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.back(), std::make_pair(std::string("foot"), false));
    seen.clear();
    s.run("{PMUnit=mm}");  // the user's choice, then the conversion re-selects "mm" silently
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0], std::make_pair(std::string("mm"), true));
    EXPECT_FALSE(unit.selfPressed);
}

TEST(SelfPressed, DisabledPopupTakesNoChoice) {
    cli::Session s;
    ASSERT_FALSE(s.window().PMUnit.enabled());
    s.run("{PMUnit=mm}");
    EXPECT_EQ(s.window().PMUnit.text(), "UNIT");
    EXPECT_EQ(s.window().EditFract1.text(), "");
}

TEST(Lock, ItalicFollowsTheLock) {
    cli::Session s;
    s.run("{bbLock}");
    EXPECT_TRUE(s.window().PMUnit.italic());
    EXPECT_TRUE(s.window().PMLCD.italic());
    s.run("{bbLock}");
    EXPECT_FALSE(s.window().PMUnit.italic());
}

TEST(Toggle, SwapsEnglishAndMetricKeys) {
    cli::Session s;
    auto& w = s.window();
    EXPECT_TRUE(w.get("BBinch").visible());
    EXPECT_EQ(w.get("BBmm").left(), w.get("BBinch").left());
    EXPECT_EQ(w.get("BBkm").top(), w.get("BBmi").top());
    s.run("{togUnit}");
    EXPECT_FALSE(w.get("BBinch").visible());
    EXPECT_TRUE(w.get("BBmm").visible());
    EXPECT_TRUE(w.get("BBkm").visible());
    s.run("{togUnit}");
    EXPECT_TRUE(w.get("BBft").visible());
    EXPECT_FALSE(w.get("BBcm").visible());
}

}  // namespace
}  // namespace tavrel
