// Transparency: the three modes chosen in the preferences window, their effect
// on the calculator window, and the mouse-over fades step by step on the
// virtual clock, with the level read afresh at every step and the title bar
// counted as part of the window.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <stdexcept>

#include "app/prefs_win.h"
#include "app_fixture.h"
#include "tavrel/platform/carbon_declares.h"
#include "tavrel/platform/timer.h"

namespace tavrel::app {
namespace {

using app::TransparencyMode;
using testing::AppFixture;

struct Choice : ui::TransparencySettings {
    TransparencyMode chosen = TransparencyMode::MouseOver;
    int percent = 75;
    std::function<void()> onRead;
    ui::TransparencyMode mode() const override {
        if (onRead) onRead();
        return static_cast<ui::TransparencyMode>(static_cast<int>(chosen));
    }
    int level() const override {
        if (onRead) onRead();
        return percent;
    }
};

// Every opacity the window is given, in hundredths.
struct OpacityLog : platform::WindowView {
    std::vector<int> steps;
    std::function<void(int)> onStep;
    void changed(platform::Window& w, platform::WindowProperty what) override {
        if (what != platform::WindowProperty::Opacity) return;
        steps.push_back(static_cast<int>(std::lround(w.opacity() * 100)));
        if (onStep) onStep(steps.back());
    }
    void controlAdded(platform::Window&, platform::Control&) override {}
};

std::vector<int> range(int from, int to, int step) {
    std::vector<int> out;
    for (int p = from; step > 0 ? p <= to : p >= to; p += step) out.push_back(p);
    return out;
}

// The mode and level are chosen in the preferences window, as the user does.
class Fades : public ::testing::Test {
  protected:
    AppFixture f;
    OpacityLog log;
    prefsWin* prefs = nullptr;
    platform::Timer* timer = nullptr;

    void SetUp() override {
        f.start();
        prefs = &f.shell.shell().PrefsWin();
        f.win().setView(&log);
        timer = &f.win().get<platform::Timer>("TimerCheckTransparency");
        mouseAway();
    }
    void TearDown() override { f.win().setView(nullptr); }
    void choose(TransparencyMode mode, int level) {
        prefs->trans.setValue(level);
        prefs->selectMode(mode);
    }
    // The choice read through a stand-in, to change it within a fade.
    void readFrom(Choice& choice) {
        choose(choice.chosen, choice.percent);
        f.win().transparency = &choice;
    }
    void mouseAt(int x, int y) { f.host.desktop().setMousePosition({x, y}); }
    void mouseAway() { mouseAt(1000, 800); }
    void mouseOver() { mouseAt(f.win().left() + 100, f.win().top() + 100); }
    // One timer period, then what the window was given meanwhile.
    std::vector<int> tick() {
        log.steps.clear();
        f.host.loop().advanceMs(200);
        return log.steps;
    }
};

TEST_F(Fades, LevelTenOutInThirtyOneStepsAndBackToExactlyOne) {
    choose(TransparencyMode::MouseOver, 10);
    EXPECT_EQ(tick(), range(100, 10, -3));
    EXPECT_EQ(tick(), std::vector<int>{}) << "stays faded";
    mouseOver();
    std::vector<int> back = range(10, 100, 3);
    back.push_back(100);
    EXPECT_EQ(tick(), back);
    EXPECT_EQ(f.win().opacity(), 1.0f);
    EXPECT_EQ(tick(), std::vector<int>{});
}

TEST_F(Fades, LevelSeventyFiveStopsAtSeventySixAndComesBackFromTheLevel) {
    choose(TransparencyMode::MouseOver, 75);
    EXPECT_EQ(tick(), range(100, 76, -3));
    mouseOver();
    EXPECT_EQ(tick(), (std::vector<int>{75, 78, 81, 84, 87, 90, 93, 96, 99, 100}));
}

TEST_F(Fades, LevelHundredSetsOpaqueOnceEachTime) {
    choose(TransparencyMode::MouseOver, 100);
    EXPECT_EQ(tick(), std::vector<int>{100});
    EXPECT_EQ(tick(), std::vector<int>{100});
    EXPECT_EQ(f.win().opacity(), 1.0f);
}

TEST_F(Fades, LevelIsReadAgainAtEveryStep) {
    Choice choice;
    choice.percent = 10;
    readFrom(choice);
    log.onStep = [&](int p) {
        if (p == 70) choice.percent = 60;
    };
    EXPECT_EQ(tick(), range(100, 61, -3));
}

TEST_F(Fades, TitleBarCountsAsTheWindowTheFrameDoesNot) {
    choose(TransparencyMode::MouseOver, 40);
    tick();
    const int margin = platform::GetWindowMarginTop(f.win());
    ASSERT_GT(margin, 0);
    mouseAt(f.win().left() + 10, f.win().top() - margin + 1);  // in the title bar
    EXPECT_FALSE(tick().empty());
    EXPECT_EQ(f.win().opacity(), 1.0f);
    mouseAt(f.win().left() + f.win().width(), f.win().top() + 10);  // the right frame
    EXPECT_EQ(tick().front(), 100);
    mouseAt(f.win().left() + 10, f.win().top() - margin);  // the frame above the title
    EXPECT_EQ(tick(), std::vector<int>{}) << "already faded";
    EXPECT_LT(f.win().opacity(), 1.0f);
}

TEST_F(Fades, AlwaysTransparentAfterMouseOverSetsTheLevelAndTheTimerChangesNothing) {
    choose(TransparencyMode::MouseOver, 10);
    tick();
    prefs->selectMode(TransparencyMode::Always);
    prefs->trans.setValue(50);
    EXPECT_EQ(f.win().opacity(), 0.5f);
    EXPECT_TRUE(timer->armed());
    mouseOver();
    EXPECT_EQ(tick(), std::vector<int>{});
    mouseAway();
    EXPECT_EQ(tick(), std::vector<int>{});
}

TEST_F(Fades, NoTransparencyIsOpaqueWithTheTimerOff) {
    choose(TransparencyMode::MouseOver, 10);
    tick();
    prefs->selectMode(TransparencyMode::None);
    EXPECT_EQ(f.win().opacity(), 1.0f);
    EXPECT_FALSE(timer->armed());
    EXPECT_EQ(tick(), std::vector<int>{});
}

TEST_F(Fades, AFailureIsShownOnceAndStopsTheTimer) {
    ui::TransparencySettings* real = f.win().transparency;
    Choice choice;
    choice.percent = 10;
    readFrom(choice);
    choice.onRead = [] { throw std::runtime_error("gone"); };
    tick();
    tick();
    EXPECT_EQ(f.host.system().messages(),
              std::vector<std::string>{"failed in calcWin.TimerCheckTransparency.action"});
    EXPECT_FALSE(timer->armed());
    f.win().transparency = real;
    choose(TransparencyMode::None, 10);
    choose(TransparencyMode::MouseOver, 10);
    EXPECT_EQ(tick().size(), 31u);
}

}  // namespace
}  // namespace tavrel::app
