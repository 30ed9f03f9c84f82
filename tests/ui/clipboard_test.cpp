// The display's clipboard, drops and context menu through the headless
// window: what lands in the display and on the clipboard.
#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

#include "session.h"
#include "tavrel/platform/contextual_menu.h"

namespace tavrel {
namespace {

struct PasteCase {
    const char* name;
    std::optional<std::string> clipboard;  // none: the clipboard holds no text
    const char* display;
};

void PrintTo(const PasteCase& c, std::ostream* os) {
    *os << c.name;
}

class Paste : public ::testing::TestWithParam<PasteCase> {};

TEST_P(Paste, ReplacesTheDisplayWithTheCleanedText) {
    cli::Session s;
    ASSERT_TRUE(s.run("12"));
    if (GetParam().clipboard)
        s.platform().clipboard().setText(*GetParam().clipboard);
    else
        s.platform().clipboard().clear();
    s.window().pasteCalc();
    EXPECT_EQ(s.window().EditFract1.text(), GetParam().display);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Limits, Paste,
    ::testing::Values(
        PasteCase{"CarriageReturnsJoinLines", "3'\r6\"", "3'6\""},
        PasteCase{"LineFeedsStay", "3'\n6\"", "3'\n6\""},
        PasteCase{"TwentyTwoWithTwoTabsWhole", "1234567890\t1234567890\t", "12345678901234567890"},
        PasteCase{"CutToTwentyAfterRemoval", "123456789012345\t678901234", "12345678901234567890"},
        PasteCase{"TwentyCharactersNotBytes", "\u25CA\u25CA\u25CA\u25CA\u25CA\u25CA\u25CA\u25CA\u25CA\u25CA\u25CA\u25CA\u25CA\u25CA\u25CA\u25CA\u25CA\u25CA\u25CA\u25CA\u25CA\u25CA",
                  "\u25CA\u25CA\u25CA\u25CA\u25CA\u25CA\u25CA\u25CA\u25CA\u25CA\u25CA\u25CA\u25CA\u25CA\u25CA\u25CA\u25CA\u25CA\u25CA\u25CA"},
        PasteCase{"NoTextEmptiesTheDisplay", std::nullopt, ""},
        PasteCase{"EmptyTextEmptiesTheDisplay", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(Copy, TakesTheWholeDisplayWhateverIsSelected) {
    cli::Session s;
    ASSERT_TRUE(s.run("3'*4'="));
    s.window().EditFract1.setSelection(1, 2);
    s.window().copyCalc();
    EXPECT_EQ(s.platform().clipboard().text(), "12.0' sq");
}

TEST(PasteMark, KeepsTheDisplayMarkedAsAResult) {
    cli::Session s;
    ASSERT_TRUE(s.run("5={paste=7'}"));
    EXPECT_EQ(s.window().EditFract1.text(), "7'");
    ASSERT_TRUE(s.run("1"));  // a result: the next key replaces it
    EXPECT_EQ(s.window().EditFract1.text(), "1");
    ASSERT_TRUE(s.run("{paste=7'}1"));  // an entry: the next key goes on
    EXPECT_EQ(s.window().EditFract1.text(), "7'1");
}

TEST(Drop, OnAResultStartsANewEntryAndInsertsOperatorsAsText) {
    cli::Session s;
    ASSERT_TRUE(s.run("5+3="));
    const auto tape = s.tapeLines();
    s.window().EditFract1.dropTextByUser("2+1'");
    EXPECT_EQ(s.window().EditFract1.text(), "2+1'");
    EXPECT_EQ(s.tapeLines(), tape);
    EXPECT_TRUE(s.window().calculator().lastOperator.empty());  // the registers were cleared
}

struct ContextMenu : ::testing::Test {
    cli::Session s;
    std::string helpShown;
    int transparency = 0;
    void SetUp() override {
        s.window().showHelp = [this] { helpShown = "help"; };
        s.window().toggleTransparency = [this] { ++transparency; };
        ASSERT_TRUE(s.run("5+3="));
    }
    // A contextual click on the display, answered with a row (none dismisses).
    bool rightClickDisplay(std::optional<std::string> row) {
        s.platform().desktop().answerPopup(std::move(row));
        auto& d = s.window().EditFract1;
        return s.window().mouseDown(d.left() + 2, d.top() + 2, {}, true);
    }
};

TEST_F(ContextMenu, OpensOnTheDisplayWithItsFiveRows) {
    EXPECT_TRUE(rightClickDisplay(std::nullopt));
    ASSERT_EQ(s.platform().desktop().shownPopups().size(), 1u);
    EXPECT_EQ(s.platform().desktop().shownPopups()[0],
              (std::vector<std::string>{"Help", "-", "Clear Calc", "Copy Calc", "Trans Calc"}));
    EXPECT_EQ(s.window().EditFract1.text(), "8.0");
}

TEST_F(ContextMenu, RowsDoTheirCommands) {
    rightClickDisplay("Copy Calc");
    EXPECT_EQ(s.platform().clipboard().text(), "8.0");
    rightClickDisplay("Help");
    EXPECT_EQ(helpShown, "help");
    rightClickDisplay("Trans Calc");
    EXPECT_EQ(transparency, 1);
    const std::size_t lines = s.tapeLines().size();
    rightClickDisplay("Clear Calc");
    EXPECT_EQ(s.window().EditFract1.text(), "");
    EXPECT_EQ(s.tapeLines().size(), lines + 1);  // the clear key's separator
}

TEST_F(ContextMenu, OpensOnTheWindowBackground) {
    s.platform().desktop().answerPopup("Copy Calc");
    EXPECT_TRUE(s.window().mouseDown(2, 2, {}, true));
    EXPECT_EQ(s.platform().clipboard().text(), "8.0");
}

TEST_F(ContextMenu, PlainClickOnTheBackgroundFocusesTheTape) {
    const int fronts = s.platform().desktop().frontRequests();
    EXPECT_FALSE(s.window().mouseDown(2, 2));
    EXPECT_EQ(s.window().focus(), &s.window().Tape1);
    EXPECT_GT(s.platform().desktop().frontRequests(), fronts);
    EXPECT_TRUE(s.platform().desktop().shownPopups().empty());
}

TEST_F(ContextMenu, PlainClickOnTheDisplayPlacesTheCaret) {
    auto& d = s.window().EditFract1;
    s.window().click(d.left() + 1, d.top() + 2);
    EXPECT_EQ(s.window().focus(), &d);
    EXPECT_EQ(d.selStart(), 0u);
    EXPECT_TRUE(s.platform().desktop().shownPopups().empty());
}

}  // namespace
}  // namespace tavrel
