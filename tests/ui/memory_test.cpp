// The memory menu through the headless window: each row is a key script (the
// README's forms {BBmemory=ROW}, {shift+BBmemory=ROW}, ...) and the menu rows,
// display and beeps it must end on.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "session.h"

namespace tavrel {
namespace {

struct MemoryCase {
    const char* name;
    const char* keys;
    std::vector<std::string> values;  // the rows after the separator
    const char* display;
    int beeps;
};

void PrintTo(const MemoryCase& c, std::ostream* os) {
    *os << c.name;
}

std::vector<std::string> rows(const platform::BevelButton& b) {
    std::vector<std::string> r;
    for (int i = 0; i < b.rowCount(); ++i) r.push_back(b.rowText(i));
    return r;
}

class Memory : public ::testing::TestWithParam<MemoryCase> {};

TEST_P(Memory, EndsOnRowsDisplayAndBeeps) {
    cli::Session s;
    std::string error;
    ASSERT_TRUE(s.run(GetParam().keys, &error)) << error;
    const auto& memory = s.window().get<ui::myMenuBB>("BBmemory");
    std::vector<std::string> expected{"add to memory", "clear memory", "-"};
    expected.insert(expected.end(), GetParam().values.begin(), GetParam().values.end());
    EXPECT_EQ(rows(memory), expected);
    EXPECT_EQ(memory.menuValue(), 2);  // parked on the separator
    EXPECT_EQ(s.window().EditFract1.text(), GetParam().display);
    EXPECT_EQ(s.platform().system().beeps(), GetParam().beeps);
    EXPECT_EQ(s.window().focus(), &s.window().EditFract1);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Rows, Memory,
    ::testing::Values(
        MemoryCase{"AddStoresASpaceAndTheText", "5'={BBmemory=add to memory}", {" 5.0'"}, "5.0'", 0},
        MemoryCase{"AddCompletesThePendingStep", "5+3{BBmemory=add to memory}", {" 8.0"}, "8.0", 0},
        MemoryCase{"ValuesStayInOrder", "5'={BBmemory=add to memory}C7M={BBmemory=add to memory}", {" 5.0'", " 7.0M"}, "7.0M", 0},
        MemoryCase{"NegativeKeepsItsSpace", "0-5.25={BBmemory=add to memory}", {" -5.25"}, "-5.25", 0},
        MemoryCase{"EmptyDisplayStoresNothing", "{BBmemory=add to memory}", {}, "", 0},
        MemoryCase{"ClearLeavesTheCommands", "5={BBmemory=add to memory}7={BBmemory=add to memory}{BBmemory=clear memory}", {}, "7.0", 0},
        MemoryCase{"DismissedMenuRunsNothing", "5={BBmemory=add to memory}C2{BBmemory}", {" 5.0"}, "2", 0}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    EntryArithmetic, Memory,
    ::testing::Values(
        MemoryCase{"ShiftAddsAtHundredths", "3'4 1/2\"={BBmemory=add to memory}C1\"{shift+BBmemory=3}", {" 3'-5 1/2\""}, "1.0\"", 0},
        MemoryCase{"ShiftOptionSubtracts", "3'4 1/2\"={BBmemory=add to memory}C1\"{shift+option+BBmemory=3}", {" 3'-3 1/2\""}, "1.0\"", 0},
        MemoryCase{"SumInTheRememberedUnit", "2M={BBmemory=add to memory}C500m{shift+BBmemory=3}", {" 2.5M"}, "500.0m", 0},
        MemoryCase{"DecimalStaysDecimal", "2.5'={BBmemory=add to memory}C6\"{shift+BBmemory=3}", {" 3.0'"}, "6.0\"", 0},
        MemoryCase{"PlainNumbers", "12={BBmemory=add to memory}C2.5{shift+BBmemory=3}", {" 14.5"}, "2.5", 0},
        MemoryCase{"SubtractBelowZero", "2'={BBmemory=add to memory}C3'{shift+option+BBmemory=3}", {" -1.0'"}, "3.0'", 0},
        MemoryCase{"AreasAdd", "3'*4'={BBmemory=add to memory}C2'*1'={shift+BBmemory=3}", {" 14.0' sq"}, "2.0' sq", 0},
        // The remembered length stays a length after an area was the last operand read.
        MemoryCase{"LengthAfterAnAreaOperand", "2'={BBmemory=add to memory}C1'@+6\"{shift+BBmemory=3}", {" 2.5'"}, "", 1},
        MemoryCase{"LengthToAnAreaRefused", "3'*4'={BBmemory=add to memory}C2'{shift+BBmemory=3}", {" 12.0' sq"}, "2.0'", 1},
        MemoryCase{"PlainToALengthRefused", "2'={BBmemory=add to memory}C5{shift+BBmemory=3}", {" 2.0'"}, "5.0", 1},
        MemoryCase{"EmptyDisplayAddsNothing", "2'={BBmemory=add to memory}C{shift+BBmemory=3}", {" 2.0'"}, "", 0}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Recall, Memory,
    ::testing::Values(
        MemoryCase{"AfterEqualsStartsAfresh", "5={BBmemory=add to memory}3+4={BBmemory=3}", {" 5.0"}, "5.0", 0},
        MemoryCase{"CompletesAPendingPlus", "5={BBmemory=add to memory}C3+{BBmemory=3}", {" 5.0"}, "8.0", 0},
        MemoryCase{"OptionAloneRecalls", "5={BBmemory=add to memory}C3+{option+BBmemory=3}", {" 5.0"}, "8.0", 0},
        MemoryCase{"ByItsText", "5'={BBmemory=add to memory}C{BBmemory=5.0'}", {" 5.0'"}, "5.0'", 0}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(MemoryRecall, WithOptionAfterEqualsClearsTheCalculatorNotTheTape) {
    cli::Session s;
    ASSERT_TRUE(s.run("5={BBmemory=add to memory}3+4="));
    const std::size_t before = s.tapeLines().size();
    ASSERT_TRUE(s.run("{option+BBmemory=3}"));
    EXPECT_EQ(s.window().EditFract1.text(), "5.0");
    const auto lines = s.tapeLines();
    ASSERT_GT(lines.size(), before);
    EXPECT_EQ(lines[before], "------------------");  // the clear key's line feed
}

TEST(MemoryRecall, LiveKeysDecideNotTheClicksKeys) {
    // Shift pressed after the menu opened still adds: the state when the row is chosen counts.
    cli::Session s;
    ASSERT_TRUE(s.run("2'={BBmemory=add to memory}C1'"));
    auto& memory = s.window().get<ui::myMenuBB>("BBmemory");
    s.platform().desktop().setModifiersNow(platform::Modifiers::withShift());
    memory.chooseMenuRowByUser(3, platform::Modifiers::none());
    s.platform().desktop().setModifiersNow({});
    EXPECT_EQ(memory.rowText(3), " 3.0'");
}

TEST(MemoryKey, LeavingItPutsTheCaretAtTheDisplaysEnd) {
    cli::Session s;
    ASSERT_TRUE(s.run("1234"));
    s.window().EditFract1.setSelStart(1);
    s.window().Tape1.setFocus();
    s.window().get("BBmemory").mouseExitByUser();
    EXPECT_EQ(s.window().focus(), &s.window().EditFract1);
    EXPECT_EQ(s.window().EditFract1.selStart(), 4u);
}

}  // namespace
}  // namespace tavrel
