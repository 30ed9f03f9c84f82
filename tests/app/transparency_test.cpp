// Transparency: the three modes' effect on the calculator window and the
// mouse-over fades step by step on the virtual clock, with the level read
// afresh at every step and the title bar counted as part of the window.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <stdexcept>

#include "app_fixture.h"
#include "tavrel/platform/carbon_declares.h"
#include "tavrel/platform/timer.h"

namespace tavrel::app {
namespace {

using testing::AppFixture;
using ui::TransparencyMode;

struct Choice : ui::TransparencySettings {
    TransparencyMode chosen = TransparencyMode::MouseOver;
    int percent = 75;
    std::function<void()> onRead;
    TransparencyMode mode() const override {
        if (onRead) onRead();
        return chosen;
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

class Fades : public ::testing::Test {
  protected:
    AppFixture f;
    Choice choice;
    OpacityLog log;
    platform::Timer* timer = nullptr;

    void SetUp() override {
        f.start();
        f.win().transparency = &choice;
        f.win().setView(&log);
        timer = &f.win().get<platform::Timer>("TimerCheckTransparency");
        mouseAway();
    }
    void TearDown() override { f.win().setView(nullptr); }
    void choose(TransparencyMode mode, int level) {
        choice.chosen = mode;
        choice.percent = level;
        f.win().applyTransparencyMode(mode, level);
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
    choose(TransparencyMode::MouseOver, 10);
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
    choose(TransparencyMode::Always, 50);
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
    choose(TransparencyMode::None, 10);
    EXPECT_EQ(f.win().opacity(), 1.0f);
    EXPECT_FALSE(timer->armed());
    EXPECT_EQ(tick(), std::vector<int>{});
}

TEST_F(Fades, AFailureIsShownOnceAndStopsTheTimer) {
    choose(TransparencyMode::MouseOver, 10);
    choice.onRead = [] { throw std::runtime_error("gone"); };
    tick();
    tick();
    EXPECT_EQ(f.host.system().messages(),
              std::vector<std::string>{"failed in calcWin.TimerCheckTransparency.action"});
    EXPECT_FALSE(timer->armed());
    choice.onRead = nullptr;
    choose(TransparencyMode::MouseOver, 10);
    EXPECT_EQ(tick().size(), 31u);
}

}  // namespace
}  // namespace tavrel::app
