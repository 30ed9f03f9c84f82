// Start-up and shut-down: the order of the open event with and without a
// preferences file and with the splash bypass on and off, the six window
// entries written on every close, a write that fails on quit, the quit
// signals, and the Dock and focus handling on activation.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>

#include "app/about_tavrel.h"
#include "app/prefs_win.h"
#include "app_fixture.h"
#include "tavrel/platform/carbon_declares.h"
#include "tavrel/platform/quit_signals.h"
#include "tavrel/platform/timer.h"

namespace tavrel::app {
namespace {

using testing::AppFixture;
using testing::StoredPrefs;

// Stands for the about window: its open handler creates the preferences
// window and closes itself at once when the splash is bypassed, and closing
// it (however) tells the application. It notes what the program had done
// when it opened.
struct AboutDouble {
    AppFixture& f;
    std::shared_ptr<platform::Window> window;
    bool calcVisibleAtOpen = true;
    bool prefsLoadedAtOpen = false;
    bool registersFreshAtOpen = false;
    std::int32_t decimalAtOpen = 0;

    explicit AboutDouble(AppFixture& fixture) : f(fixture) {
        f.shell.showAboutWindow = [this] { show(); };
    }
    void show() {
        calcVisibleAtOpen = f.win().visible();
        prefsLoadedAtOpen = f.shell.prefs().prefFile().has_value();
        registersFreshAtOpen = f.win().calculator().registers().runningReg->valueString.empty();
        decimalAtOpen = f.shell.decimalLocalized;
        window = std::make_shared<platform::Window>(f.app, "aboutTavrel");
        window->onClose = [this] { f.shell.aboutClosed(); };
        window->open();
        window->show();
        f.shell.shell().PrefsWin();
        if (f.shell.prefs().GetPrefBoolean("bypassSplash", false)) window->close();
    }
};

struct StartCase {
    const char* label;
    bool withFile;
    const char* bypass;  // stored bypassSplash, or none
    bool splashStays;
};

void PrintTo(const StartCase& c, std::ostream* os) {
    *os << c.label;
}

class StartUpOrder : public ::testing::TestWithParam<StartCase> {};

TEST_P(StartUpOrder, RegistersPrefsAboutThenSeparator) {
    const StartCase& c = GetParam();
    AppFixture f(U',');
    if (c.withFile) {
        StoredPrefs prefs{{"winLeft", "40"}};
        if (c.bypass) prefs.emplace_back("bypassSplash", c.bypass);
        testing::storeBeforeStart(f.dir.path, prefs);
    }
    // Something left in the registers by the window's creation is replaced.
    f.win().calculator().registers().runningReg->valueString = "stale";
    AboutDouble about(f);
    f.start();

    EXPECT_FALSE(about.calcVisibleAtOpen);
    EXPECT_TRUE(about.prefsLoadedAtOpen);
    EXPECT_TRUE(about.registersFreshAtOpen);
    EXPECT_EQ(about.decimalAtOpen, 46) << "the separator is read after the about window";
    EXPECT_EQ(f.shell.decimalLocalized, 44);
    EXPECT_EQ(f.win().visible(), !c.splashStays);
    EXPECT_EQ(f.shell.doneLaunch(), !c.splashStays);
    if (c.splashStays) {
        EXPECT_TRUE(about.window->visible());
        about.window->closeByUser();
    }
    EXPECT_TRUE(f.win().visible());
    EXPECT_TRUE(f.shell.doneLaunch());
    EXPECT_EQ(f.win().left(), c.withFile ? 40 : 15);
    EXPECT_EQ(f.win().top(), 50);
    EXPECT_EQ(f.win().height(), 600);
    EXPECT_EQ(f.win().focus(), &f.win().EditFract1);
    EXPECT_TRUE(f.win().collapseBox());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Shell, StartUpOrder, ::testing::Values(
    StartCase{"NoFile",          false, nullptr, false},
    StartCase{"FileWithoutFlag", true,  nullptr, false},
    StartCase{"BypassOn",        true,  "true",  false},
    StartCase{"BypassOff",       true,  "false", true}),
    [](const auto& info) { return std::string(info.param.label); });
// clang-format on

// The keepTape setting in the preferences file at start: whether the tape
// file (written by the window as it opened) is kept, and the box's tick.
struct KeepCase {
    const char* label;
    const char* stored;  // none: no setting
    bool kept;
};

void PrintTo(const KeepCase& c, std::ostream* os) {
    *os << c.label;
}

class KeepTapeAtStart : public ::testing::TestWithParam<KeepCase> {};

TEST_P(KeepTapeAtStart, TheStoredSettingKeepsOrRemovesTheTapeFile) {
    const KeepCase& c = GetParam();
    AppFixture f(U'.', true);
    if (c.stored) testing::storeBeforeStart(f.dir.path, {{"keepTape", c.stored}});
    ASSERT_TRUE(std::filesystem::exists(f.tapeFile())) << "the window opens keeping its tape";
    f.start();
    f.type("2+3=");
    EXPECT_EQ(f.win().keepTape(), c.kept);
    EXPECT_EQ(std::filesystem::exists(f.tapeFile()), c.kept);
    if (c.kept) {
        std::ifstream in(f.tapeFile());
        const std::string text{std::istreambuf_iterator<char>(in), {}};
        EXPECT_NE(text.find("\n5.0 "), std::string::npos) << text;
    }
    EXPECT_EQ(f.shell.shell().PrefsWin().keepTape.value(), c.kept);
    // Start-up reads the setting; it never writes one.
    EXPECT_EQ(testing::savedPrefs(f.host.files())->GetPrefString("keepTape", "unset"),
              c.stored ? c.stored : "unset");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Shell, KeepTapeAtStart, ::testing::Values(
    KeepCase{"NoSetting",     nullptr, true},
    KeepCase{"StoredTrue",    "true",  true},
    KeepCase{"StoredFalse",   "false", false},
    KeepCase{"UpperCaseFalse","FALSE", false},
    KeepCase{"NotABoolean",   "yes",   false}),
    [](const auto& info) { return std::string(info.param.label); });
// clang-format on

TEST(StartUp, TheKeepTapeBoxStoresItsChoiceAndRemovesOrRestartsTheFile) {
    AppFixture f(U'.', true);
    f.start();
    f.type("2+3=");
    platform::CheckBox& box = f.shell.shell().PrefsWin().keepTape;
    ASSERT_TRUE(box.value());
    box.click();
    EXPECT_FALSE(std::filesystem::exists(f.tapeFile()));
    EXPECT_FALSE(testing::savedPrefs(f.host.files())->GetPrefBoolean("keepTape", true));
    f.type("*2=");
    EXPECT_FALSE(std::filesystem::exists(f.tapeFile())) << "nothing kept while off";
    box.click();
    EXPECT_TRUE(testing::savedPrefs(f.host.files())->GetPrefBoolean("keepTape", false));
    f.type("+1=");
    std::ifstream in(f.tapeFile());
    const std::string text{std::istreambuf_iterator<char>(in), {}};
    // Turned on again, the file starts with the tape as it stood.
    EXPECT_NE(text.find("\n10.0 "), std::string::npos) << text;
    EXPECT_NE(text.find("\n11.0 "), std::string::npos) << text;
    EXPECT_TRUE(f.host.system().messages().empty());
}

TEST(StartUp, StoredMouseOverModeFadesTheWindowOnceTheMouseIsAway) {
    AppFixture f;
    testing::storeBeforeStart(f.dir.path, {{"transType", "3"}, {"trans", "40"}});
    f.start();
    EXPECT_TRUE(f.win().get<platform::Timer>("TimerCheckTransparency").armed());
    f.host.desktop().setMousePosition({1000, 800});
    f.host.loop().advanceMs(200);
    EXPECT_FLOAT_EQ(f.win().opacity(), 0.4f);
    f.host.desktop().setMousePosition({f.win().left() + 5, f.win().top() + 5});
    f.host.loop().advanceMs(200);
    EXPECT_EQ(f.win().opacity(), 1.0f);
}

TEST(StartUp, TheRealSplashWaitsForAKeyUnlessBypassed) {
    for (const char* bypass : {"true", "false"}) {
        AppFixture f;
        testing::storeBeforeStart(f.dir.path, {{"bypassSplash", bypass}});
        f.start();
        auto* about = f.shell.shell().existingAbout();
        const bool waits = std::string(bypass) == "false";
        SCOPED_TRACE(bypass);
        EXPECT_EQ(f.win().visible(), !waits);
        EXPECT_EQ(about != nullptr && about->visible(), waits);
        EXPECT_EQ(f.shell.decimalLocalized, 46);
        if (waits) f.app.typeKey(platform::KeyEvent::of("x"));
        EXPECT_TRUE(f.win().visible());
        EXPECT_TRUE(f.shell.doneLaunch());
        EXPECT_EQ(f.win().height(), 600);
    }
}

TEST(StartUp, AboutShownAgainLaterLeavesTheWindowWhereItIs) {
    AppFixture f;
    AboutDouble about(f);
    f.start();
    f.win().moveByUser(300, 200);
    f.shell.prefs().SetPrefBoolean("bypassSplash", false);
    f.app.runMenuCommand("AppleAboutTavrel");
    ASSERT_TRUE(about.window->visible());
    about.window->closeByUser();
    EXPECT_EQ(f.win().left(), 300);
    EXPECT_EQ(f.win().top(), 200);
    EXPECT_EQ(f.win().height(), 600);
}

TEST(ShutDown, CloseWritesTheSixWindowEntriesAndQuits) {
    AppFixture f;
    f.start();
    f.win().moveByUser(120, 90);
    f.win().resizeByUser(247, 700);
    f.win().closeByUser();
    EXPECT_TRUE(f.host.loop().quitRequested());
    EXPECT_TRUE(f.win().isClosed());

    auto saved = testing::savedPrefs(f.host.files());
    EXPECT_EQ(saved->GetPrefNumber("winWidth", -1), 247);
    EXPECT_EQ(saved->GetPrefNumber("winLeft", -1), 120);
    EXPECT_EQ(saved->GetPrefNumber("winTop", -1), 90);
    EXPECT_TRUE(saved->GetPrefBoolean("tapeVisible", false));
    EXPECT_TRUE(saved->GetPrefBoolean("Minimize", false));
    EXPECT_EQ(saved->GetPrefNumber("selfHeight", -1), 700);
}

TEST(ShutDown, DraggedToTheMinimumSavesTheTapeClosedAnd555) {
    AppFixture f;
    f.start();
    f.win().resizeByUser(247, 300);  // held to the minimum, 355
    f.win().closeByUser();
    auto saved = testing::savedPrefs(f.host.files());
    EXPECT_FALSE(saved->GetPrefBoolean("tapeVisible", true));
    EXPECT_TRUE(saved->GetPrefBoolean("Minimize", false));
    EXPECT_EQ(saved->GetPrefNumber("selfHeight", -1), 555);
}

TEST(ShutDown, UnchangedStateIsSavedToo) {
    AppFixture f;
    f.start();
    f.app.quit();
    auto saved = testing::savedPrefs(f.host.files());
    EXPECT_EQ(saved->GetPrefNumber("winLeft", -1), 15);
    EXPECT_EQ(saved->GetPrefNumber("selfHeight", -1), 600);
    EXPECT_TRUE(f.host.loop().quitRequested());
}

TEST(ShutDown, FailedWriteIsShownAndTheProgramStillQuits) {
    AppFixture f;
    f.start();
    // A folder where the file should be: it cannot be replaced.
    const auto file = f.dir.path / std::string(kPrefsFileName);
    std::filesystem::remove(file);
    std::filesystem::create_directories(file / "inside");
    f.win().closeByUser();
    // The preferences window, closed in turn, fails to write the level too;
    // the failure is told once.
    ASSERT_EQ(f.host.system().messages().size(), 1u);
    EXPECT_EQ(f.host.system().messages()[0].rfind("Your settings could not be saved", 0), 0u);
    EXPECT_TRUE(f.host.loop().quitRequested());
    EXPECT_TRUE(std::filesystem::is_directory(file));
}

TEST(ShutDown, TermAndIntSignalsCloseTheWindowAsItsCloseBoxDoes) {
    for (int sig : {SIGTERM, SIGINT}) {
        AppFixture f;
        f.start();
        f.win().moveByUser(77, 66);
        platform::QuitSignals signals;
        EXPECT_FALSE(signals.poll(f.app));
        std::raise(sig);
        EXPECT_FALSE(f.win().isClosed()) << "nothing happens inside the signal handler";
        EXPECT_TRUE(signals.poll(f.app));
        EXPECT_TRUE(f.win().isClosed());
        EXPECT_TRUE(f.host.loop().quitRequested());
        EXPECT_EQ(testing::savedPrefs(f.host.files())->GetPrefNumber("winLeft", -1), 77);
        EXPECT_FALSE(signals.poll(f.app)) << "one signal, one quit";
    }
}

TEST(ShutDown, AWatchedSignalQuitsAtTheNextPoll) {
    AppFixture f;
    f.start();
    platform::QuitSignals signals;
    signals.watch(f.app);
    f.host.loop().advanceMs(250);
    EXPECT_FALSE(f.win().isClosed());
    std::raise(SIGTERM);
    f.host.loop().advanceMs(100);
    EXPECT_TRUE(f.win().isClosed());
    EXPECT_TRUE(f.host.loop().quitRequested());
}

TEST(ShutDown, OnlyOneSignalWatcherAtATime) {
    platform::QuitSignals first;
    EXPECT_THROW(platform::QuitSignals second, std::logic_error);
}

TEST(Activation, ReturningToTheProgramBringsTheWindowBackFromTheDock) {
    AppFixture f;
    f.start();
    f.app.runMenuCommand("HelpMinimzetodock");
    ASSERT_TRUE(platform::GetWindowCollapsed(f.win()));
    f.app.deactivateByUser();
    EXPECT_EQ(f.win().focus(), nullptr);
    EXPECT_TRUE(platform::GetWindowCollapsed(f.win()));
    f.app.activateByUser();
    EXPECT_FALSE(platform::GetWindowCollapsed(f.win()));
}

}  // namespace
}  // namespace tavrel::app
