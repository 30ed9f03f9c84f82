// The tape's interaction through the headless window: Option-clicks on every
// kind of line, keys typed into the tape, its context menu, Copy Tape, and
// printing in columns, read back from what the headless printer recorded.
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "session.h"
#include "tavrel/platform/utf8.h"

namespace tavrel {
namespace {

namespace utf8 = platform::utf8;

// One of each kind of line the tape writes.
const std::vector<std::string> kLines{
    "Fri, Dec 11, 2026",   // 0 date
    "2:05:09 pm",          // 1 time
    "------------------",  // 2 separator
    "3.5'     +",          // 3 operand
    "2.0'     =",          // 4 operand of "="
    "5.5'     \u25CA",     // 5 result
    "",                    // 6 empty
    "9\" in 12\"  ptch",   // 7 pitch in inches
    "45.0\u00B0  ptch",    // 8 pitch in degrees
    "     \u25CA",         // 9 empty value
    "20'-6 1/2\"     =",   // 10 a value with a space in it
    "-5.25     +",         // 11 negative
    "3.0   x^2",           // 12 function
};

std::string tapeText() {
    std::string t;
    for (const auto& l : kLines) t += l + '\r';
    return t;
}

// Option-clicks the character `column` of tape line `line` (both from 0).
bool optionClick(cli::Session& s, std::size_t line, std::size_t column) {
    auto& tape = s.window().Tape1;
    tape.setScrollPosition(static_cast<long long>(line));
    const int lh = platform::metrics::lineHeight(tape.textSize());
    const int cw = platform::metrics::charWidth(tape.textSize());
    const int chars = static_cast<int>(utf8::length(kLines[line]));
    const int x = tape.width() - chars * cw + static_cast<int>(column) * cw + 1;
    const int y = static_cast<int>(line - tape.scrollPosition()) * lh + lh / 2;
    return tape.mouseDownByUser(x, y, platform::Modifiers::withOption());
}

struct OptionClickCase {
    const char* name;
    std::size_t line;
    std::optional<std::string> value;  // none: the click does nothing
};

void PrintTo(const OptionClickCase& c, std::ostream* os) {
    *os << c.name;
}

class OptionClick : public ::testing::TestWithParam<OptionClickCase> {
  protected:
    void SetUp() override {
        ASSERT_TRUE(s.run("77"));
        s.window().Tape1.setText(tapeText());
    }
    cli::Session s;
};

// Every character of a value line enters the value, except the padding spaces.
TEST_P(OptionClick, OnEachCharacterOfTheLine) {
    const std::string& line = kLines[GetParam().line];
    const std::size_t n = utf8::length(line);
    const std::size_t valueEnd =
        line.find("  ") == std::string::npos ? n : utf8::length(line.substr(0, line.find("  ")));
    for (std::size_t col = 0; col < std::max<std::size_t>(n, 1); ++col) {
        SCOPED_TRACE("column " + std::to_string(col));
        s.window().EditFract1.setText("77");
        s.window().calculator().clearFlag = false;
        const bool padding = col >= valueEnd && utf8::substr(line, col, 1) == " ";
        const bool enters = GetParam().value && !padding;
        const bool handled = optionClick(s, GetParam().line, col);
        if (enters) {
            EXPECT_TRUE(handled);
            EXPECT_EQ(s.window().EditFract1.text(), *GetParam().value);
            EXPECT_EQ(s.window().Tape1.selectedText(), *GetParam().value);
            EXPECT_EQ(s.window().focus(), &s.window().EditFract1);
            EXPECT_FALSE(s.window().calculator().clearFlag);  // left as it was
        } else {
            EXPECT_EQ(s.window().EditFract1.text(), "77");
        }
        EXPECT_EQ(s.window().Tape1.text(), tapeText());
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Lines, OptionClick,
    ::testing::Values(
        OptionClickCase{"Date", 0, std::nullopt},
        OptionClickCase{"Time", 1, std::nullopt},
        OptionClickCase{"Separator", 2, std::nullopt},
        OptionClickCase{"Operand", 3, "3.5'"},
        OptionClickCase{"OperandOfEquals", 4, "2.0'"},
        OptionClickCase{"ResultWithoutItsMark", 5, "5.5'"},
        OptionClickCase{"EmptyLine", 6, std::nullopt},
        OptionClickCase{"PitchInInches", 7, "9\" in 12\""},
        OptionClickCase{"PitchInDegrees", 8, "45.0\u00B0"},
        OptionClickCase{"EmptyValue", 9, ""},
        OptionClickCase{"ValueWithASpace", 10, "20'-6 1/2\""},
        OptionClickCase{"Negative", 11, "-5.25"},
        OptionClickCase{"FunctionLine", 12, "3.0"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct ReentryCase {
    const char* name;
    const char* keys;
    const char* display;
};

void PrintTo(const ReentryCase& c, std::ostream* os) {
    *os << c.name;
}

class Reentry : public ::testing::TestWithParam<ReentryCase> {};

TEST_P(Reentry, EndsOnDisplay) {
    cli::Session s;
    std::string error;
    ASSERT_TRUE(s.run(GetParam().keys, &error)) << error;
    EXPECT_EQ(s.window().EditFract1.text(), GetParam().display);
}

// Tape lines from 1: date, time, separator, then the steps.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Sequences, Reentry,
    ::testing::Values(
        ReentryCase{"AfterEqualsStartsACleanCalculation", "5+6={tape=4}=", "5.0"},
        ReentryCase{"AsTheOperandOfAPendingStep", "3.5'+2'=C2'+{tape=4}=", "5.5'"},
        ReentryCase{"NextKeypadKeyReplacesIt", "3.5'+2'=C2'+{tape=4}1", "1"},
        ReentryCase{"DuringAnEntryTheNextKeyGoesOn", "3.5'+2'=C2{tape=4}1", "3.5'1"},
        ReentryCase{"StampLineDoesNothing", "12{tape=1}{tape=2}{tape=3}", "12"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(TapeKeys, TabStaysInTheTapeOtherKeysGoToTheCalculator) {
    cli::Session s;
    auto& w = s.window();
    w.Tape1.setFocus();
    const int fronts = s.platform().desktop().frontRequests();
    EXPECT_TRUE(w.typeKey(platform::KeyEvent::ofCode(platform::keys::Tab)));
    EXPECT_EQ(w.focus(), &w.Tape1);
    EXPECT_GT(s.platform().desktop().frontRequests(), fronts);
    w.typeText("7+");
    EXPECT_EQ(w.focus(), &w.EditFract1);
    EXPECT_EQ(w.EditFract1.text(), "7.0");
}

TEST(TapeClicks, PlainClickBringsTheProgramForwardAndPlacesTheCaret) {
    cli::Session s;
    auto& tape = s.window().Tape1;
    const int fronts = s.platform().desktop().frontRequests();
    EXPECT_TRUE(tape.mouseDownByUser(tape.width() - 2, 2));
    EXPECT_EQ(s.window().focus(), &tape);
    EXPECT_GT(s.platform().desktop().frontRequests(), fronts);
    EXPECT_EQ(s.window().EditFract1.text(), "");
}

struct TapeMenu : ::testing::Test {
    cli::Session s;
    void SetUp() override { ASSERT_TRUE(s.run("2+1=")); }
    void rightClickTape(std::optional<std::string> row) {
        s.platform().desktop().answerPopup(std::move(row));
        s.window().Tape1.mouseDownByUser(5, 5, {}, true);
    }
};

TEST_F(TapeMenu, ShowsItsFiveRows) {
    rightClickTape(std::nullopt);
    ASSERT_EQ(s.platform().desktop().shownPopups().size(), 1u);
    EXPECT_EQ(s.platform().desktop().shownPopups()[0],
              (std::vector<std::string>{"Help", "-", "Clear Tape", "Copy Tape", "Print Tape"}));
}

TEST_F(TapeMenu, CopyTapeTakesTheSelectionOrElseTheWholeTape) {
    rightClickTape("Copy Tape");
    EXPECT_EQ(s.platform().clipboard().text(), s.window().Tape1.text());
    s.window().Tape1.setSelection(0, 3);
    rightClickTape("Copy Tape");
    EXPECT_EQ(s.platform().clipboard().text(), s.window().Tape1.text().substr(0, 3));
}

TEST_F(TapeMenu, ClearTapeStartsItAgainAndFocusesTheDisplay) {
    rightClickTape("Clear Tape");
    EXPECT_EQ(s.tapeLines().size(), 3u);
    EXPECT_EQ(s.window().focus(), &s.window().EditFract1);
    EXPECT_EQ(s.window().EditFract1.text(), "3.0");  // the calculation is untouched
}

TEST_F(TapeMenu, HelpRunsTheHookAndPrintTapePrints) {
    int help = 0;
    s.window().showHelp = [&help] { ++help; };
    rightClickTape("Help");
    EXPECT_EQ(help, 1);
    rightClickTape("Print Tape");
    EXPECT_EQ(s.platform().printing().jobs().size(), 1u);
}

TEST(TapeCopy, OfAnEmptyTapeIsTheEmptyText) {
    cli::Session s;
    s.platform().clipboard().setText("old");
    s.window().Tape1.clear();
    s.window().copyTape();
    EXPECT_EQ(s.platform().clipboard().text(), "");
}

struct PrintCase {
    const char* name;
    int printableWidth;
    int printableHeight;
    int lines;
    std::vector<int> columnsPerPage;
};

void PrintTo(const PrintCase& c, std::ostream* os) {
    *os << c.name;
}

class PrintLayout : public ::testing::TestWithParam<PrintCase> {};

TEST_P(PrintLayout, ColumnsOfOneHundredFiftyPointsEighteenApart) {
    cli::Session s;
    std::string text;
    for (int i = 1; i <= GetParam().lines; ++i) text += std::to_string(i) + ".0     +\r";
    s.window().Tape1.setText(text);
    platform::PageSetup setup;
    setup.printableWidth = GetParam().printableWidth;
    setup.printableHeight = GetParam().printableHeight;
    s.platform().printing().setPageSetupAnswer(true, setup);
    s.window().pageSetup();
    s.window().printTape();

    ASSERT_EQ(s.platform().printing().jobs().size(), 1u);
    const auto& job = s.platform().printing().jobs()[0];
    EXPECT_EQ(job.setup, setup);
    std::vector<int> columnsPerPage;
    int printed = 0;
    const int lh = platform::metrics::lineHeight(9);
    for (const auto& page : job.pages) {
        std::map<int, int> linesInColumn;
        for (const auto& op : page) {
            ASSERT_EQ(op.kind, platform::DrawKind::Text);
            const int column = op.x / 168;
            EXPECT_EQ(op.x + op.width, column * 168 + 150) << op.text;  // right-aligned
            EXPECT_LE(op.y, GetParam().printableHeight);
            EXPECT_EQ(op.style.size, 9);
            ++linesInColumn[column];
            ++printed;
        }
        columnsPerPage.push_back(static_cast<int>(linesInColumn.size()));
        // Every column but the last is as tall as the printable area.
        for (auto it = linesInColumn.begin(); it != linesInColumn.end(); ++it) {
            if (std::next(it) != linesInColumn.end() || &page != &job.pages.back()) {
                EXPECT_EQ(it->second, GetParam().printableHeight / lh);
            }
        }
    }
    EXPECT_EQ(columnsPerPage, GetParam().columnsPerPage);
    EXPECT_EQ(printed, GetParam().lines);
}

// Monaco 9 lines are 12 points high here: 63 to a column of 756 points.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Pages, PrintLayout,
    ::testing::Values(
        PrintCase{"ThreeColumnsAt552", 552, 756, 200, {3, 1}},
        PrintCase{"ExactlyOneColumnAt168", 168, 756, 70, {1, 1}},
        PrintCase{"OneColumnPerPageBelow168", 100, 756, 130, {1, 1, 1}},
        PrintCase{"ShortTapeOnePage", 552, 756, 10, {1}},
        PrintCase{"FullPageThenNone", 552, 120, 30, {3}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(Printing, RightAlignsTheTapesParagraphsAndKeepsTheSelection) {
    cli::Session s;
    ASSERT_TRUE(s.run("2+1="));
    s.window().Tape1.setSelection(2, 5);
    s.window().printTape();
    EXPECT_EQ(s.window().Tape1.selStart(), 2u);
    EXPECT_EQ(s.window().Tape1.selLength(), 5u);
    const platform::StyledText styled = s.window().Tape1.styledText();
    ASSERT_GT(styled.paragraphCount(), 1u);
    for (auto a : styled.paragraphAlignments()) EXPECT_EQ(a, platform::Alignment::Right);
}

TEST(Printing, CancelledPrintDialogPrintsNothing) {
    cli::Session s;
    s.platform().printing().setPrintAnswer(false);
    s.window().printTape();
    EXPECT_EQ(s.platform().printing().printDialogs(), 1);
    EXPECT_TRUE(s.platform().printing().jobs().empty());
    EXPECT_EQ(s.window().pageSetupInUse(), platform::PageSetup{});
}

TEST(Printing, CancelledPageSetupKeepsTheDefaults) {
    cli::Session s;
    platform::PageSetup narrow;
    narrow.printableWidth = 300;
    s.platform().printing().setPageSetupAnswer(false, narrow);
    s.window().pageSetup();
    EXPECT_EQ(s.window().pageSetupInUse(), platform::PageSetup{});
}

TEST(Printing, MenuAndContextMenuPrintWithTheChosenSetup) {
    cli::Session s;
    platform::PageSetup chosen;
    chosen.printableWidth = 400;
    chosen.printableHeight = 500;
    s.platform().printing().setPageSetupAnswer(true, chosen);
    s.window().pageSetup();
    s.window().printTape();
    s.platform().desktop().answerPopup("Print Tape");
    s.window().Tape1.mouseDownByUser(5, 5, {}, true);
    const auto& jobs = s.platform().printing().jobs();
    ASSERT_EQ(jobs.size(), 2u);
    EXPECT_EQ(jobs[0].setup, chosen);
    EXPECT_EQ(jobs[1].setup, chosen);
}

}  // namespace
}  // namespace tavrel
