// The Tools window, headless: built from the tool table, results as the
// user types, Tab between fields, Return records on the calculator's tape,
// a click on a result enters it into the calculator's display.
#include "ui/tools_win.h"

#include <gtest/gtest.h>

#include <set>

#include "session.h"

namespace tavrel {
namespace {

struct ToolsWindow : ::testing::Test {
    cli::Session s;
    ui::toolsWin* win = nullptr;

    void open(std::string_view tool) {
        win = ui::openTool(s.app(), s.window(), tool);
        ASSERT_NE(win, nullptr);
    }
    // Types into a field as the user would: focus it, then key by key.
    void type(std::string_view field, std::string_view text) {
        platform::TextField& f = win->field(win->tool().name, field);
        f.setFocus();
        f.setSelection(0, f.length());
        win->typeText(text);
    }
    std::string shown(std::string_view result) const {
        return win->result(win->tool().name, result).text();
    }
    // Clicks the window where a result's line stands.
    void clickResult(std::string_view result, int line = 0) {
        const platform::TextArea& a = win->result(win->tool().name, result);
        const int lh = platform::metrics::lineHeight(a.textSize());
        EXPECT_TRUE(win->click(a.left() + 4, a.top() + line * lh + lh / 2));
    }
    bool tapeHas(const std::string& line) const {
        for (const std::string& l : s.tapeLines())
            if (l == line) return true;
        return false;
    }
};

TEST_F(ToolsWindow, MenuRowsAreTheTitlesAndOpenTheSingleWindow) {
    const std::vector<std::string> rows = ui::toolsMenuRows();
    ASSERT_EQ(rows.size(), builder::tools().size());
    EXPECT_EQ(rows.front(), "Stairs");
    EXPECT_EQ(rows.back(), "Crown molding");
    ui::toolsWin* first = ui::openToolRow(s.app(), s.window(), 0);
    ui::toolsWin* again = ui::openToolRow(s.app(), s.window(), 9);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first, again);
    EXPECT_EQ(again->tool().name, "crown");
    EXPECT_EQ(again->title(), "Tools: Crown molding");
    EXPECT_TRUE(again->visible());
    EXPECT_EQ(s.app().activeWindow(), again);
    EXPECT_FALSE(again->get("group_stairs").isShown());
    EXPECT_TRUE(again->get("group_crown").isShown());
    EXPECT_EQ(ui::openToolRow(s.app(), s.window(), 10), nullptr);
}

TEST_F(ToolsWindow, AClosedWindowIsMadeAgainOnTheNextChoice) {
    open("roof");
    type("area", "1000");
    ASSERT_TRUE(win->closeByUser());
    ui::toolsWin* again = ui::openTool(s.app(), s.window(), "roof");
    ASSERT_NE(again, nullptr);
    EXPECT_FALSE(again->isClosed());
    EXPECT_TRUE(again->visible());
    EXPECT_EQ(again->field("roof", "area").text(), "");
    EXPECT_EQ(again->LBerror.text(), "area: missing");
}

TEST_F(ToolsWindow, ResultsFollowTheTypingAndStairsShowTheCodeCheck) {
    open("stairs");
    EXPECT_EQ(win->LBerror.text(), "rise: missing");
    EXPECT_FALSE(win->PBrecord.enabled());
    type("rise", "4'8\"");
    EXPECT_EQ(shown("risers"), "7");  // the default riser, no run yet
    EXPECT_EQ(shown("tread"), "0'-10\"");
    type("run", "5'9\"");
    EXPECT_EQ(shown("tread"), "0'-11 1/2\"");
    EXPECT_EQ(shown("stringer"), "7'-0 1/16\"");
    EXPECT_EQ(shown("incline"), "34.82\u00B0");
    EXPECT_FALSE(win->LBerror.visible());
    EXPECT_TRUE(win->LBchecks.isShown());
    EXPECT_EQ(win->LBchecks.text(),
              "riser 0'-8\" is over 0'-7 3/4\" (IRC R311.7.5.1)\rcomplies with 8 risers of 0'-7\"");
    EXPECT_TRUE(win->PBrecord.enabled());
}

TEST_F(ToolsWindow, BadInputShowsItsLineAndNoNumber) {
    open("arc");
    type("span", "96");
    type("rise", "49");
    EXPECT_EQ(win->LBerror.text(), "rise: is more than half the span: no arc fits");
    EXPECT_TRUE(win->LBerror.isShown());
    EXPECT_EQ(shown("radius"), "");
    EXPECT_FALSE(win->PBrecord.enabled());
    const auto before = s.tapeLines().size();
    win->typeKey(platform::KeyEvent::ofCode(platform::keys::Return));
    EXPECT_EQ(s.tapeLines().size(), before);  // nothing recorded
    type("rise", "12");
    EXPECT_EQ(shown("radius"), "8'-6\"");
    EXPECT_FALSE(win->LBerror.visible());
}

TEST_F(ToolsWindow, TabMovesBetweenFieldsAndShiftTabBack) {
    open("squareup");
    EXPECT_EQ(win->focus(), &win->field("squareup", "length"));
    win->typeText("30'");
    win->typeKey(platform::KeyEvent::ofCode(platform::keys::Tab));
    EXPECT_EQ(win->focus(), &win->field("squareup", "width"));
    win->typeText("20'");
    win->typeKey(platform::KeyEvent::ofCode(platform::keys::Tab));
    EXPECT_EQ(win->focus(), &win->field("squareup", "prec"));
    win->typeKey(platform::KeyEvent::ofCode(platform::keys::Tab));
    EXPECT_EQ(win->focus(), &win->field("squareup", "length"));  // round again
    win->typeKey(platform::KeyEvent::ofCode(platform::keys::Tab, platform::Modifiers::withShift()));
    EXPECT_EQ(win->focus(), &win->field("squareup", "prec"));
    EXPECT_EQ(win->field("squareup", "length").text(), "30'");  // Tab typed nothing
    EXPECT_EQ(shown("diagonal"), "36'-0 11/16\"");
}

TEST_F(ToolsWindow, ReturnRecordsTitleInputsResultsAndChecksOnTheTape) {
    open("stairs");
    type("rise", "4'8\"");
    type("run", "5'9\"");
    win->typeKey(platform::KeyEvent::ofCode(platform::keys::Return));
    const std::vector<std::string> lines = s.tapeLines();
    const std::vector<std::string> expected{"Stairs",
                                            "4'8\"  rise",
                                            "5'9\"   run",
                                            "7 1/2\"  riser",
                                            "10\"  tread",
                                            "6'8\"  headroom",
                                            "10\"  floor",
                                            "16  prec",
                                            "7  risers",
                                            "0'-8\"  riser",
                                            "6  treads",
                                            "0'-11 1/2\"  tread",
                                            "7'-0 1/16\"  stringer",
                                            "34.82  incline",
                                            "10'-9 3/8\"  opening",
                                            "0'-0\"  overunder",
                                            "riser 0'-8\" is over 0'-7 3/4\" (IRC R311.7.5.1)",
                                            "complies with 8 risers of 0'-7\"",
                                            ""};
    ASSERT_GE(lines.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(lines.end() - expected.size(), lines.end()), expected);
}

TEST_F(ToolsWindow, ClickOnAResultEntersItAndTheCalculationGoesOn) {
    open("squareup");
    type("length", "30'");
    type("width", "20'");
    clickResult("diagonal");
    EXPECT_EQ(s.window().EditFract1.text(), "36'-0 11/16\"");
    EXPECT_EQ(s.window().focus(), &s.window().EditFract1);
    EXPECT_EQ(s.app().activeWindow(), &s.window());
    ASSERT_TRUE(s.run("+1'="));
    EXPECT_EQ(s.window().EditFract1.text(), "37'-0 11/16\"");
}

TEST_F(ToolsWindow, ClickOnAJackLineEntersThatJackAndAnAngleWithoutItsSign) {
    open("hip");
    type("pitch", "7");
    type("run", "20'5\"");
    type("prec", "64");
    clickResult("jacks", 1);
    EXPECT_EQ(s.window().EditFract1.text(), "20'-6 19/32\"");
    clickResult("angle");
    EXPECT_EQ(s.window().EditFract1.text(), "22.42");
}

TEST_F(ToolsWindow, AResultAfterEqualsStartsANewCalculation) {
    ASSERT_TRUE(s.run("5+6="));
    open("rakewall");
    type("pitch", "7");
    clickResult("increase");
    ASSERT_TRUE(s.run("="));
    EXPECT_EQ(s.window().EditFract1.text(), "0'-9 5/16\"");  // not 11 + the increase
}

TEST_F(ToolsWindow, EveryFieldAndResultHasItsOwnAccessibleName) {
    open("stairs");
    for (const builder::ToolRow& t : builder::tools()) {
        std::set<std::string> names;
        for (const builder::FieldRow& f : t.fields) {
            const platform::TextField& c = win->field(t.name, f.name);
            EXPECT_EQ(c.caption(), f.title);
            EXPECT_FALSE(c.helpTag().empty());
            EXPECT_TRUE(names.insert(c.caption()).second) << t.name << " " << f.name;
        }
        for (const builder::ResultRow& r : t.results) {
            const platform::TextArea& c = win->result(t.name, r.name);
            EXPECT_EQ(c.caption(), r.title);
            EXPECT_TRUE(c.readOnly());
            EXPECT_TRUE(names.insert(c.caption() + " (result)").second) << t.name << " " << r.name;
        }
    }
}

// The worked examples typed into the window.
struct WindowExample {
    std::string name;
    std::string tool;
    std::vector<std::pair<std::string, std::string>> typed;
    std::string result;
    std::string text;
};

void PrintTo(const WindowExample& e, std::ostream* os) {
    *os << e.name;
}

class ToolsWindowExamples : public ToolsWindow,
                            public ::testing::WithParamInterface<WindowExample> {};

TEST_P(ToolsWindowExamples, ShowThePublishedFigure) {
    open(GetParam().tool);
    for (const auto& [field, text] : GetParam().typed) type(field, text);
    EXPECT_EQ(win->LBerror.text(), "");
    EXPECT_EQ(shown(GetParam().result), GetParam().text);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Published, ToolsWindowExamples,
    ::testing::Values(
        WindowExample{"Rafter", "rafter", {{"pitch", "7"}, {"span", "28'"}}, "length", "16'-2 1/2\""},
        WindowExample{"HipJacksOneALine", "hip", {{"pitch", "7"}, {"run", "20'5\""}, {"prec", "64"}}, "hip", "31'-2 51/64\""},
        WindowExample{"Concrete", "concrete", {{"length", "48'"}, {"width", "26'"}, {"depth", "4"}}, "yards", "15.41y cu"},
        WindowExample{"BoardFeetCost", "boardfeet", {{"thickness", "1"}, {"width", "10"}, {"length", "10"}, {"price", ".15"}}, "cost", "1.25"},
        WindowExample{"RakeWall", "rakewall", {{"pitch", "7"}}, "increase", "0'-9 5/16\""},
        WindowExample{"Arc", "arc", {{"span", "96\""}, {"rise", "12\""}}, "radius", "8'-6\""},
        WindowExample{"CrownDefaults", "crown", {}, "miter", "31.62\u00B0"},
        WindowExample{"CrownDegreesTyped", "crown", {{"spring", "45\u00B0"}}, "bevel", "30.00\u00B0"}),
    [](const auto& info) { return info.param.name; });
// clang-format on

}  // namespace
}  // namespace tavrel
