// The about window as splash screen and from the menu, its byline link and
// failure texts; the version texts; the help window's manual.
#include <gtest/gtest.h>

#include <ostream>

#include "app/about_tavrel.h"
#include "app/clickable_url.h"
#include "app/help_text.h"
#include "app/help_window.h"
#include "app/prefs_win.h"
#include "app/version_text.h"
#include "shell_fixture.h"
#include "tavrel/platform/headless/render.h"

namespace tavrel::app {
namespace {

using testing::ShellFixture;

// Start-up with a preferences file: whether the about window stays up, and
// what the start-up leaves behind.
struct SplashCase {
    const char* label;
    std::optional<std::string> file;
    bool doneLaunchBefore;
    bool aboutStays;
};

void PrintTo(const SplashCase& c, std::ostream* os) {
    *os << c.label;
}

class SplashTest : public ::testing::TestWithParam<SplashCase> {};

TEST_P(SplashTest, BypassDecidesWhetherTheAboutWindowStays) {
    const SplashCase& c = GetParam();
    ShellFixture f(c.file);
    f.shell->doneLaunch = c.doneLaunchBefore;
    auto about = f.shell->AboutTavrel();
    EXPECT_NE(f.shell->existingPrefsWin(), nullptr) << "the about window creates the prefs";
    EXPECT_EQ(!about->isClosed(), c.aboutStays);
    EXPECT_EQ(about->visible(), c.aboutStays);
    if (c.aboutStays) {
        EXPECT_EQ(about->StaticText1.text(), kAboutPrompt);
        EXPECT_EQ(about->height(), 263);
    }
    // Closing it, by the bypass or later by a key, shows the calculator.
    if (c.aboutStays) about->typeKey(platform::KeyEvent::of("q"));
    EXPECT_TRUE(about->isClosed());
    EXPECT_TRUE(f.calc->visible());
    EXPECT_TRUE(f.shell->doneLaunch);
    EXPECT_EQ(f.calc->focus(), &f.calc->EditFract1);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Files, SplashTest, ::testing::Values(
    SplashCase{"first_start_bypasses",      std::nullopt,              false, false},
    SplashCase{"stored_true_bypasses",      "bypassSplash\ntrue\n",    false, false},
    SplashCase{"stored_false_stays",        "bypassSplash\nfalse\n",   false, true},
    SplashCase{"stored_garbage_stays",      "bypassSplash\n1\n",       false, true},
    SplashCase{"menu_after_launch_stays",   "bypassSplash\ntrue\n",    true,  true}),
    [](const auto& info) { return std::string(info.param.label); });
// clang-format on

TEST(SplashTest, FirstStartStoresTheBypassTickedByThePreferencesWindow) {
    ShellFixture f;
    f.shell->AboutTavrel();
    EXPECT_EQ(f.prefsFile(), "transType\n1\nbypassSplash\ntrue\ncheckUpdate\ntrue\n");
}

// Where a click lands in the about window, and whether it closes it.
struct ClickCase {
    const char* label;
    int x, y;
    bool closes;
};

void PrintTo(const ClickCase& c, std::ostream* os) {
    *os << c.label;
}

class AboutClickTest : public ::testing::TestWithParam<ClickCase> {};

TEST_P(AboutClickTest, ClickAnywhereButTheBylineCloses) {
    const ClickCase& c = GetParam();
    ShellFixture f("bypassSplash\nfalse\n");
    auto about = f.shell->AboutTavrel();
    ASSERT_FALSE(about->isClosed());
    about->click(c.x, c.y);
    EXPECT_EQ(about->isClosed(), c.closes);
    EXPECT_EQ(f.calc->visible(), c.closes);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Places, AboutClickTest, ::testing::Values(
    ClickCase{"splash_picture", 40,  40,  true},
    ClickCase{"tagline_label",  200, 200, true},
    ClickCase{"dark_band",      2,   190, true},
    ClickCase{"status_line",    20,  245, true},
    ClickCase{"byline",         230, 220, false}),
    [](const auto& info) { return std::string(info.param.label); });
// clang-format on

TEST(AboutTest, BylineShowsItsAddressAndOpensItOnlyOnAClickCompletedInside) {
    ShellFixture f("bypassSplash\nfalse\n");
    auto about = f.shell->AboutTavrel();
    ClickableURL& link = about->Canvas3;
    link.mouseEnterByUser();
    EXPECT_EQ(about->StaticText1.text(), "mailto:tavrel@tavrel.org");
    EXPECT_EQ(link.cursor(), link.linkCursor);
    link.mouseExitByUser();
    EXPECT_EQ(about->StaticText1.text(), kAboutPrompt);

    ASSERT_TRUE(link.mouseDownByUser(5, 5));
    link.mouseUpByUser(link.width() + 3, 5);  // released outside
    EXPECT_TRUE(f.host.system().openedUrls().empty());
    EXPECT_FALSE(link.beenClicked);
    ASSERT_TRUE(link.mouseDownByUser(5, 5));
    link.mouseUpByUser(5, 5);
    EXPECT_EQ(f.host.system().openedUrls(), std::vector<std::string>{"mailto:tavrel@tavrel.org"});
    EXPECT_TRUE(link.beenClicked);
}

TEST(AboutTest, VersionAndBuildLines) {
    ShellFixture f("bypassSplash\nfalse\n");
    f.app.version() = {1, 9, 2, platform::ReleaseStage::Beta, 57};
    auto about = f.shell->AboutTavrel();
    EXPECT_EQ(about->StaticText6.text(), "1.9.2.b");
    EXPECT_EQ(about->StaticText4.text(), "build: (57)");
}

TEST(AboutTest, DeactivatingGivesTheDisplayTheFocus) {
    ShellFixture f("bypassSplash\nfalse\n");
    auto about = f.shell->AboutTavrel();
    f.calc->Tape1.setFocus();
    about->onDeactivate();
    EXPECT_EQ(f.calc->focus(), &f.calc->EditFract1);
}

TEST(AboutTest, FailureWhileClosingShowsItsTextAndTheProgramGoesOn) {
    struct FailingLink : CalcWinAdapter {
        using CalcWinAdapter::CalcWinAdapter;
        void sizeWindow() override { throw std::runtime_error("screen gone"); }
    };
    ShellFixture f("bypassSplash\nfalse\n");
    FailingLink link(*f.calc);
    Shell shell(f.app, f.prefs, link);
    auto about = shell.AboutTavrel();
    about->typeKey(platform::KeyEvent::of(" "));
    EXPECT_TRUE(about->isClosed());
    EXPECT_EQ(f.host.system().messages(), std::vector<std::string>{"failed in aboutTavrel.Close"});
    EXPECT_FALSE(shell.doneLaunch);
}

// The release stages and the suffix the about window shows for each.
struct StageCase {
    const char* label;
    platform::ReleaseStage stage;
    const char* text;
};

void PrintTo(const StageCase& c, std::ostream* os) {
    *os << c.label;
}

class VersionTextTest : public ::testing::TestWithParam<StageCase> {};

TEST_P(VersionTextTest, StageSuffix) {
    EXPECT_EQ(versionText({1, 9, 2, GetParam().stage, 0}), GetParam().text);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Stages, VersionTextTest, ::testing::Values(
    StageCase{"final",       platform::ReleaseStage::Final,       "1.9.2"},
    StageCase{"beta",        platform::ReleaseStage::Beta,        "1.9.2.b"},
    StageCase{"alpha",       platform::ReleaseStage::Alpha,       "1.9.2.a"},
    StageCase{"development", platform::ReleaseStage::Development, "1.9.2.d"}),
    [](const auto& info) { return std::string(info.param.label); });
// clang-format on

TEST(VersionNumberTest, TwelveDigitFormOrdersVersions) {
    EXPECT_EQ(versionNumber(1, 9, 2), 100090002.0);
    EXPECT_LT(versionNumber(1, 9, 2), versionNumber(1, 9, 3));
    EXPECT_LT(versionNumber(1, 9, 9999), versionNumber(1, 10, 0));
    EXPECT_GT(versionNumber(2, 0, 0), versionNumber(1, 9999, 9999));
}

TEST(ClickableUrlTest, TextModeDrawsTheLinkOnItsBaselineInTheStateColour) {
    ShellFixture f;
    platform::Window w(f.app, "w");
    auto& link = w.add<ClickableURL>("link");
    link.setBounds(0, 0, 10, 10);
    w.open();
    link.SetLink("tavrel");
    link.SetSize(12);
    EXPECT_GT(link.width(), 0);
    const platform::Color blue{0, 0, 255}, red{255, 0, 0};
    link.SetDefaultColor(blue);
    link.SetBeenClickedColor(red);
    auto ops = platform::headless::render(link);
    ASSERT_EQ(ops.size(), 1u);
    EXPECT_EQ(ops[0].text, "tavrel");
    EXPECT_EQ(ops[0].y, link.height() - 5);
    EXPECT_EQ(ops[0].color, blue);
    link.mouseDownByUser(1, 1);
    link.mouseUpByUser(1, 1);
    EXPECT_EQ(platform::headless::render(link)[0].color, red);
}

TEST(HelpWindowTest, ManualHasItsHeadingsInOrderEachOnItsOwnLine) {
    ShellFixture f;
    helpWindow& help = f.shell->HelpWindow();
    const std::string text = help.EditField1.text();
    EXPECT_EQ(text.find('\n'), std::string::npos) << "CR line ends";
    EXPECT_TRUE(help.EditField1.readOnly());
    std::size_t at = 0;
    for (const char* heading :
         {"WHAT TAVREL DOES:", "HOW TAVREL WORKS:", "PULL DOWN MENUS / LOCK:",
          "CONVERTING BETWEEN UNITS OR LCD'S:", "TRIANGLE FUNCTIONS:", "TRIG / TRI FUNCTIONS",
          "KEY COMMANDS:", "OPERATORS", "INPUT",
          "MEMORY:", "x^2:", "TAPE:", "CONTACT ME:", "DISCLAIMER:", "REVISION INFO:"}) {
        const auto found = text.find("\r" + std::string(heading) + "\r", at);
        ASSERT_NE(found, std::string::npos) << heading;
        at = found + 1;
    }
    for (char c : manualText()) EXPECT_LT(static_cast<unsigned char>(c), 128u);
}

// The source wraps the prose; the window must join it again so the text area
// can wrap it at its own width, yet keep the breaks of tables and addresses.
TEST(HelpWindowTest, ProseIsJoinedAndTablesKeepTheirLines) {
    ShellFixture f;
    const std::string text = f.shell->HelpWindow().EditField1.text();
    EXPECT_NE(text.find("the next start shows it again, followed by the new date and time."),
              std::string::npos);
    EXPECT_NE(text.find("\r  Ctrl+Q          quit\r  Ctrl+I"), std::string::npos);
    EXPECT_NE(text.find("\rthe tavrel project\rtavrel@tavrel.org\r"), std::string::npos);
    EXPECT_EQ(f.shell->HelpWindow().EditField1.selStart(), 0u);
}

TEST(HelpWindowTest, TextFollowsTheWindowAndTheCloseBoxDestroysIt) {
    ShellFixture f;
    helpWindow& help = f.shell->HelpWindow();
    help.resizeByUser(400, 300);
    EXPECT_EQ(help.EditField1.bounds(), (platform::Rect{3, 3, 394, 294}));
    help.closeByUser();
    EXPECT_EQ(f.shell->existingHelp(), nullptr);
    helpWindow& again = f.shell->HelpWindow();
    EXPECT_FALSE(again.isClosed());
    EXPECT_TRUE(again.visible());
    EXPECT_EQ(again.width(), 303);
}

}  // namespace
}  // namespace tavrel::app
