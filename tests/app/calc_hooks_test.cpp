// The calculator window's context-menu rows that reach the shell: "Help" (on
// the display and on the tape) shows the help window, "Trans Calc" toggles
// the window between opaque and the level set in the preferences, through
// the preferences window, which shows and stores the change.
#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

#include "app/help_window.h"
#include "app/prefs_win.h"
#include "app_fixture.h"

namespace tavrel::app {
namespace {

using testing::AppFixture;

void rightClickDisplay(AppFixture& f, std::optional<std::string> row) {
    f.host.desktop().answerPopup(std::move(row));
    auto& d = f.win().EditFract1;
    f.win().mouseDown(d.left() + 2, d.top() + 2, {}, true);
}

void rightClickTape(AppFixture& f, std::optional<std::string> row) {
    f.host.desktop().answerPopup(std::move(row));
    f.win().Tape1.mouseDownByUser(5, 5, {}, true);
}

TEST(ContextHelp, HelpOnTheDisplayAndOnTheTapeShowsTheHelpWindow) {
    for (auto click : {&rightClickDisplay, &rightClickTape}) {
        AppFixture f;
        f.start();
        ASSERT_EQ(f.shell.shell().existingHelp(), nullptr);
        click(f, "Help");
        helpWindow* help = f.shell.shell().existingHelp();
        ASSERT_NE(help, nullptr);
        EXPECT_TRUE(help->visible());
        click(f, "Help");
        EXPECT_EQ(f.shell.shell().existingHelp(), help) << "one help window";
    }
}

// A stored mode and level, then "Trans Calc" chosen twice: the opacity and
// the mode after each, and the mode stored after the first.
struct ToggleCase {
    const char* label;
    const char* mode;   // stored transType
    const char* level;  // stored trans
    bool fadedAway;     // the mouse left the window before the first choice
    float first;
    TransparencyMode firstMode;
    float second;
    TransparencyMode secondMode;
};

void PrintTo(const ToggleCase& c, std::ostream* os) {
    *os << c.label;
}

class TransCalc : public ::testing::TestWithParam<ToggleCase> {};

TEST_P(TransCalc, TogglesBetweenOpaqueAndTheChosenLevel) {
    const ToggleCase& c = GetParam();
    AppFixture f;
    testing::storeBeforeStart(f.dir.path, {{"transType", c.mode}, {"trans", c.level}});
    f.start();
    // The mouse away from the window, or on it (where the context menu opens).
    if (c.fadedAway)
        f.host.desktop().setMousePosition({1000, 800});
    else
        f.host.desktop().setMousePosition({f.win().left() + 5, f.win().top() + 5});
    f.host.loop().advanceMs(200);
    if (c.fadedAway) {
        ASSERT_LT(f.win().opacity(), 1.0f);
    }
    prefsWin& prefs = f.shell.shell().PrefsWin();
    rightClickDisplay(f, "Trans Calc");
    EXPECT_FLOAT_EQ(f.win().opacity(), c.first);
    EXPECT_EQ(prefs.transMode(), c.firstMode) << "the preferences window shows the change";
    EXPECT_EQ(testing::savedPrefs(f.host.files())->GetPrefNumber("transType", 0),
              static_cast<int>(c.firstMode));
    // No fading follows the mouse any more.
    for (platform::Point at :
         {platform::Point{1000, 800}, {f.win().left() + 5, f.win().top() + 5}}) {
        f.host.desktop().setMousePosition(at);
        f.host.loop().advanceMs(200);
        EXPECT_FLOAT_EQ(f.win().opacity(), c.first);
    }
    rightClickDisplay(f, "Trans Calc");
    EXPECT_FLOAT_EQ(f.win().opacity(), c.second);
    EXPECT_EQ(prefs.transMode(), c.secondMode);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Shell, TransCalc, ::testing::Values(
    ToggleCase{"OpaqueToLevel",        "1", "40", false, 0.40f, TransparencyMode::Always, 1.0f,  TransparencyMode::None},
    ToggleCase{"AlwaysToOpaque",       "2", "40", false, 1.0f,  TransparencyMode::None,   0.40f, TransparencyMode::Always},
    ToggleCase{"MouseOverFadedOpaque", "3", "40", true,  1.0f,  TransparencyMode::None,   0.40f, TransparencyMode::Always},
    ToggleCase{"MouseOverInsideLevel", "3", "60", false, 0.60f, TransparencyMode::Always, 1.0f,  TransparencyMode::None}),
    [](const auto& info) { return std::string(info.param.label); });
// clang-format on

TEST(TransCalc, DismissedMenuChangesNothing) {
    AppFixture f;
    testing::storeBeforeStart(f.dir.path, {{"transType", "1"}, {"trans", "40"}});
    f.start();
    rightClickDisplay(f, std::nullopt);
    EXPECT_FLOAT_EQ(f.win().opacity(), 1.0f);
    EXPECT_EQ(f.shell.shell().PrefsWin().transMode(), TransparencyMode::None);
}

}  // namespace
}  // namespace tavrel::app
