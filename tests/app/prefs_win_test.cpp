// The preferences window: what its creation applies to the calculator window
// and stores, and what each user action changes.
#include "app/prefs_win.h"

#include <gtest/gtest.h>

#include <ostream>

#include "shell_fixture.h"
#include "tavrel/platform/timer.h"

namespace tavrel::app {
namespace {

using testing::ShellFixture;

// A preferences file before start-up, and the state creating the window
// leaves: calcWin's opacity, the fading timer, the label, the mode stored.
struct StartCase {
    const char* label;
    std::optional<std::string> file;
    float opacity;
    bool timerOn;
    const char* percent;
    int sliderValue;
    TransparencyMode mode;
};

void PrintTo(const StartCase& c, std::ostream* os) {
    *os << c.label;
}

class PrefsWinStartTest : public ::testing::TestWithParam<StartCase> {};

TEST_P(PrefsWinStartTest, CreationAppliesAndStoresTheStoredSettings) {
    const StartCase& c = GetParam();
    ShellFixture f(c.file);
    prefsWin& w = f.shell->PrefsWin();
    EXPECT_FALSE(w.visible());
    EXPECT_FLOAT_EQ(f.calc->opacity(), c.opacity);
    EXPECT_EQ(f.transparencyTimerOn(), c.timerOn);
    EXPECT_EQ(w.transPercent.text(), c.percent);
    EXPECT_EQ(w.trans.value(), c.sliderValue);
    EXPECT_EQ(w.transMode(), c.mode);
    EXPECT_EQ(f.storedNumber("transType", 0), static_cast<int>(c.mode));
    EXPECT_TRUE(w.bypassSplash.enabled());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Files, PrefsWinStartTest, ::testing::Values(
    StartCase{"no_file",                  std::nullopt,                      1.0f,  false, "75",  75,  TransparencyMode::None},
    StartCase{"level_40_always",          "trans\n40\ntransType\n2\n",       0.40f, false, "40",  40,  TransparencyMode::Always},
    StartCase{"level_40_mode_1_opaque",   "trans\n40\ntransType\n1\n",       1.0f,  false, "40",  40,  TransparencyMode::None},
    StartCase{"mouse_over_design_level",  "transType\n3\n",                  1.0f,  true,  "75",  75,  TransparencyMode::MouseOver},
    StartCase{"mouse_over_level_40",      "trans\n40\ntransType\n3\n",       0.40f, true,  "40",  40,  TransparencyMode::MouseOver},
    StartCase{"level_below_range",        "trans\n5\ntransType\n2\n",        0.10f, false, "10",  10,  TransparencyMode::Always},
    StartCase{"level_above_range",        "trans\n250\ntransType\n2\n",      1.0f,  false, "100", 100, TransparencyMode::Always},
    StartCase{"mode_7_selects_1",         "trans\n40\ntransType\n7\n",       1.0f,  false, "40",  40,  TransparencyMode::None},
    StartCase{"mode_0_selects_1",         "transType\n0\n",                  1.0f,  false, "75",  75,  TransparencyMode::None},
    StartCase{"mode_letters_select_1",    "transType\nthree\n",              1.0f,  false, "75",  75,  TransparencyMode::None}),
    [](const auto& info) { return std::string(info.param.label); });
// clang-format on

TEST(PrefsWinTest, FirstStartStoresModeAndBothCheckBoxesAndTheLevelOnlyAtQuit) {
    ShellFixture f;
    prefsWin& w = f.shell->PrefsWin();
    EXPECT_TRUE(w.bypassSplash.value());
    EXPECT_TRUE(w.checkUpdate.value());
    EXPECT_EQ(f.prefsFile(), "transType\n1\nbypassSplash\ntrue\ncheckUpdate\ntrue\n");
    w.close();
    EXPECT_EQ(f.prefsFile(), "transType\n1\nbypassSplash\ntrue\ncheckUpdate\ntrue\ntrans\n75\n");
}

TEST(PrefsWinTest, StoredFalseCheckBoxesStayUntickedAndAreNotWritten) {
    ShellFixture f("bypassSplash\nfalse\ncheckUpdate\nFALSE\ntransType\n1\n");
    prefsWin& w = f.shell->PrefsWin();
    EXPECT_FALSE(w.bypassSplash.value());
    EXPECT_FALSE(w.checkUpdate.value());
    EXPECT_EQ(f.prefsFile(), "bypassSplash\nfalse\ncheckUpdate\nFALSE\ntransType\n1\n");
}

TEST(PrefsWinTest, SliderMovesOpacityOnlyOutsideModeOne) {
    ShellFixture f;
    prefsWin& w = f.shell->PrefsWin();
    w.trans.dragByUser(50);
    EXPECT_FLOAT_EQ(f.calc->opacity(), 1.0f);
    EXPECT_EQ(w.transPercent.text(), "50%");
    w.rbTrans.clickButton(1);  // always transparent
    EXPECT_FLOAT_EQ(f.calc->opacity(), 0.50f);
    w.trans.dragByUser(30);
    EXPECT_FLOAT_EQ(f.calc->opacity(), 0.30f);
    EXPECT_EQ(f.storedNumber("transType", 0), 2);
    EXPECT_EQ(f.storedNumber("trans", -1), -1) << "the level is stored only at quit";
}

TEST(PrefsWinTest, NoTransparencyWhileFadedMakesTheWindowOpaqueAndStopsTheTimer) {
    ShellFixture f("trans\n40\ntransType\n3\n");
    prefsWin& w = f.shell->PrefsWin();
    ASSERT_TRUE(f.transparencyTimerOn());
    f.calc->setOpacity(0.4f);
    w.rbTrans.clickButton(0);  // no transparency
    EXPECT_FLOAT_EQ(f.calc->opacity(), 1.0f);
    EXPECT_FALSE(f.transparencyTimerOn());
    EXPECT_EQ(f.storedNumber("transType", 0), 1);
}

TEST(PrefsWinTest, CheckBoxesAreStoredAtOnce) {
    ShellFixture f;
    prefsWin& w = f.shell->PrefsWin();
    w.checkUpdate.click();
    w.bypassSplash.click();
    EXPECT_EQ(f.prefsFile(), "transType\n1\nbypassSplash\nfalse\ncheckUpdate\nfalse\n");
}

TEST(PrefsWinTest, SheetShowsAndHidesAndOkReturnsToTheCalculator) {
    ShellFixture f;
    f.calc->show();
    prefsWin& w = f.shell->PrefsWin();
    w.showOrHide();
    EXPECT_TRUE(w.visible());
    EXPECT_EQ(w.sheetParent(), f.calc.get());
    w.showOrHide();
    EXPECT_FALSE(w.visible());
    w.showOrHide();
    const int fronted = f.host.desktop().frontRequests();
    w.PushButton1.click();
    EXPECT_FALSE(w.visible());
    EXPECT_EQ(f.host.desktop().frontRequests(), fronted + 1);
}

TEST(PrefsWinTest, WriteFailureReachesTheHandlersCaller) {
    ShellFixture f;
    prefsWin& w = f.shell->PrefsWin();
    std::filesystem::remove_all(f.dir.path);
    EXPECT_THROW(w.checkUpdate.click(), PrefWriteError);
}

}  // namespace
}  // namespace tavrel::app
