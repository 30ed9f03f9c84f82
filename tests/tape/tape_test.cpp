// The tape's exact line forms, caret and scroll, on a surface in memory.
#include "tape/tape.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

struct TapeFixture : ::testing::Test {
    Registers regs;
    MemoryTapeSurface surface;
    Tape tape{surface, regs, stampsFrom([] { return LocalDateTime{2026, 12, 11, 14, 5, 9}; })};

    void set(ValueRef& reg, const std::string& text, const std::string& unit = "nu") {
        reg->valueString = text;
        reg->unit = unit;
    }
};

struct LineCase {
    const char* name;
    const char* tag;
    const char* temp;
    const char* running;
    const char* runningUnit;
    const char* expected;
};

void PrintTo(const LineCase& c, std::ostream* os) {
    *os << c.name;
}

class TapeLines : public TapeFixture, public ::testing::WithParamInterface<LineCase> {};

TEST_P(TapeLines, AppendsExactText) {
    const LineCase& c = GetParam();
    set(regs.tempReg, c.temp);
    set(regs.runningReg, c.running, c.runningUnit);
    tape.display(c.tag);
    EXPECT_EQ(surface.text(), c.expected);
    EXPECT_EQ(surface.selStart(), surface.length());
}

INSTANTIATE_TEST_SUITE_P(
    Forms, TapeLines,
    ::testing::Values(
        LineCase{"Operand", "+", "3.5'", "", "nu", "3.5'     +\r"},
        LineCase{"EqualsAddsResultAndEmptyLine", "=", "1.0", "3.0", "nu",
                 "1.0     =\r3.0     \u25CA\r\r"},
        LineCase{"LozengeAddsEmptyLine", "\u25CA", "9.0", "", "nu", "9.0     \u25CA\r\r"},
        LineCase{"RootIsOneCharacter", "\u221A", "9.0' sq", "", "nu", "9.0' sq     \u221A\r"},
        LineCase{"ThreeCharacterTag", "x^2", "3.0", "", "nu", "3.0   x^2\r"},
        LineCase{"FourCharacterTag", "asin", "0.5", "", "nu", "0.5  asin\r"},
        LineCase{"SixCharactersNoPadding", "abcdef", "1.0", "", "nu", "1.0abcdef\r"},
        LineCase{"EmptyTagSixSpaces", "", "1.0", "", "nu", "1.0      \r"},
        LineCase{"EmptyValue", "+", "", "", "nu", "     +\r"},
        LineCase{"PitchInches", "ptch", "", "9\"", "in", "9\" in 12\"  ptch\r"},
        LineCase{"PitchDegrees", "ptch", "", "45.0", "nu", "45.0\u00B0  ptch\r"},
        LineCase{"PitchUpperCaseUnit", "ptch", "", "9\"", "IN", "9\" in 12\"  ptch\r"},
        LineCase{"PitchFeetWritesNothing", "ptch", "", "3.0'", "ft", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TapeFixture, TimeStampIsDateTimeAndSeparator) {
    tape.timeStamp();
    EXPECT_EQ(surface.text(), "Fri, Dec 11, 2026\r2:05:09 pm\r------------------\r");
    EXPECT_EQ(surface.selStart(), surface.length());
    tape.lineFeed();
    EXPECT_EQ(surface.lineCount(), 4);
}

TEST(TapeTimeForm, CarriesAmOrPm) {
    EXPECT_EQ(longTime({2026, 1, 1, 0, 0, 0}), "12:00:00 am");
    EXPECT_EQ(longTime({2026, 1, 1, 12, 30, 5}), "12:30:05 pm");
    EXPECT_EQ(longTime({2026, 1, 1, 23, 59, 59}), "11:59:59 pm");
}

TEST_F(TapeFixture, LineFeedPutsCaretBeforeTheNewLine) {
    set(regs.tempReg, "1.0");
    tape.display("+");
    const auto before = surface.length();
    tape.lineFeed();
    EXPECT_EQ(surface.selStart(), before);
}

TEST_F(TapeFixture, ClearEmptiesAndNextLineStartsAtTop) {
    set(regs.tempReg, "1.0");
    tape.display("+");
    tape.clear();
    EXPECT_EQ(surface.text(), "");
    tape.display("-");
    EXPECT_EQ(surface.text(), "1.0     -\r");
}

TEST_F(TapeFixture, DisplayScrollsToTheLastLine) {
    set(regs.tempReg, "1.0");
    for (int i = 0; i < 50; ++i) tape.display("+");
    EXPECT_EQ(surface.scrollPosition(), surface.lineCount() - 1);
    EXPECT_EQ(surface.length(), 50u * 10u);  // counted in characters
}

TEST_F(TapeFixture, CountsCharactersNotBytes) {
    set(regs.tempReg, "1.0");
    set(regs.runningReg, "2.0");
    tape.display("=");
    // "◊" is three bytes and one character.
    EXPECT_EQ(surface.length(), characterCount(surface.text()));
    EXPECT_EQ(surface.length(), surface.text().size() - 2);
}

}  // namespace
}  // namespace tavrel

namespace tavrel {
namespace {

// A tool's record: title, value lines with at least two spaces before a
// long tag (so the value's end is still found), notes, an empty line.
TEST_F(TapeFixture, RecordWritesTitleValuesAndNotesInOneBlock) {
    const std::vector<TapeValue> values{{"4'8\"", "rise"}, {"7", "risers"}, {"34.82", "incline"}};
    const std::vector<std::string> notes{"complies with 8 risers of 0'-7\""};
    tape.record("Stairs", values, notes);
    EXPECT_EQ(
        surface.text(),
        "Stairs\r4'8\"  rise\r7  risers\r34.82  incline\rcomplies with 8 risers of 0'-7\"\r\r");
    EXPECT_EQ(surface.selStart(), surface.length());
    EXPECT_EQ(surface.scrollPosition(), surface.lineCount() - 1);
}

}  // namespace
}  // namespace tavrel
