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
    // The tape's got-focus handler brings the program forward again.
    EXPECT_GT(f.host.desktop().frontRequests(), fronted);
}

// A quit request (SIGTERM) handled while the failure's box is open closes the
// calculator, which writes again: that must not stack a second box on the
// first, which would hold the quit until someone answers both.
TEST(PrefsWinTest, AWriteWhileTheFailureIsShownOpensNoSecondBox) {
    ShellFixture f;
    f.shell->PrefsWin();
    std::filesystem::remove_all(f.dir.path);
    int nested = 0;
    f.host.system().whileShown = [&](const std::string&) {
        if (++nested == 1) {
            EXPECT_FALSE(f.shell->writePrefs());
        }
    };
    EXPECT_FALSE(f.shell->writePrefs());
    EXPECT_EQ(nested, 1);
    EXPECT_EQ(f.host.system().messages().size(), 1u);
    f.host.system().whileShown = nullptr;
}

TEST(PrefsWinTest, AWriteFailureIsToldOnceAndTheHandlersGoOn) {
    ShellFixture f;
    prefsWin& w = f.shell->PrefsWin();
    const std::filesystem::path folder = f.dir.path;
    std::filesystem::remove_all(folder);
    EXPECT_NO_THROW(w.checkUpdate.click());
    EXPECT_FALSE(w.checkUpdate.value());
    w.rbTrans.clickButton(1);  // always transparent: applied, though not stored
    EXPECT_FLOAT_EQ(f.calc->opacity(), 0.75f);
    w.close();  // the level at quit fails too
    ASSERT_EQ(f.host.system().messages().size(), 1u);
    EXPECT_EQ(f.host.system().messages()[0].rfind("Your settings could not be saved: ", 0), 0u);
    // Once a write succeeds, the next failure is told again.
    std::filesystem::create_directories(folder);
    EXPECT_TRUE(f.shell->writePrefs());
    std::filesystem::remove_all(folder);
    EXPECT_FALSE(f.shell->writePrefs());
    EXPECT_EQ(f.host.system().messages().size(), 2u);
}

TEST(PrefsWinTest, KeepTapeBoxShowsTheStoredValueAndStoresAChangeAtOnce) {
    ShellFixture f("keepTape\nfalse\ntransType\n1\n");
    f.calc->setKeepTape(false);  // as start-up does with this file
    prefsWin& w = f.shell->PrefsWin();
    EXPECT_EQ(w.keepTape.caption(), "Keep the tape between runs");
    EXPECT_FALSE(w.keepTape.value());
    EXPECT_EQ(f.prefsFile(),
              "keepTape\nfalse\ntransType\n1\nbypassSplash\ntrue\ncheckUpdate\ntrue\n");
    w.keepTape.click();
    EXPECT_TRUE(f.calc->keepTape());
    EXPECT_EQ(f.prefsFile(),
              "keepTape\ntrue\ntransType\n1\nbypassSplash\ntrue\ncheckUpdate\ntrue\n");
    w.keepTape.click();
    EXPECT_FALSE(f.calc->keepTape());
    EXPECT_EQ(f.prefsFile(),
              "keepTape\nfalse\ntransType\n1\nbypassSplash\ntrue\ncheckUpdate\ntrue\n");
}

TEST(PrefsWinTest, KeepTapeBoxIsTickedWithoutAFileAndWritesNothingAtOpen) {
    ShellFixture f;
    prefsWin& w = f.shell->PrefsWin();
    EXPECT_TRUE(w.keepTape.value());
    EXPECT_TRUE(f.calc->keepTape());
    EXPECT_EQ(f.prefsFile().find("keepTape"), std::string::npos);
}

TEST(PrefsWinTest, KeepTapeBoxOverlapsNoOtherControlAndEveryControlFitsTheWindow) {
    ShellFixture f;
    prefsWin& w = f.shell->PrefsWin();
    const std::vector<platform::Control*> others = {
        &w.trans, &w.rbTrans, &w.transPercent, &w.bypassSplash, &w.checkUpdate, &w.PushButton1};
    auto overlap = [](const platform::Control& a, const platform::Control& b) {
        return a.left() < b.left() + b.width() && b.left() < a.left() + a.width() &&
               a.top() < b.top() + b.height() && b.top() < a.top() + a.height();
    };
    for (const platform::Control* c : others) {
        SCOPED_TRACE(c->name());
        EXPECT_FALSE(overlap(w.keepTape, *c));
        EXPECT_LE(c->left() + c->width(), w.width());
        EXPECT_LE(c->top() + c->height(), w.height());
    }
    // Each check box lies inside the "general" box, the transparency controls in theirs.
    const platform::Control& general = w.get("GroupBox2");
    const platform::Control& transparency = w.get("GroupBox1");
    auto inside = [](const platform::Control& c, const platform::Control& box) {
        return c.left() >= box.left() && c.top() >= box.top() &&
               c.left() + c.width() <= box.left() + box.width() &&
               c.top() + c.height() <= box.top() + box.height();
    };
    for (const platform::Control* c : std::initializer_list<const platform::Control*>{
             &w.checkUpdate, &w.bypassSplash, &w.keepTape})
        EXPECT_TRUE(inside(*c, general)) << c->name();
    for (const platform::Control* c :
         std::initializer_list<const platform::Control*>{&w.trans, &w.rbTrans, &w.transPercent})
        EXPECT_TRUE(inside(*c, transparency)) << c->name();
    EXPECT_FALSE(overlap(general, transparency));
}

}  // namespace
}  // namespace tavrel::app
