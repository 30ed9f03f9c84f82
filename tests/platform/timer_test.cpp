// Timers on the virtual clock, and the visible-press wait.
#include <gtest/gtest.h>

#include "fixture.h"

namespace tavrel::platform {
namespace {

using testing::AppFixture;

class TimerTest : public ::testing::Test, protected AppFixture {
  protected:
    std::vector<std::string> fired;
    Timer& make(const std::string& name, TimerMode mode, int periodMs) {
        auto& t = window.add<Timer>(name);
        t.onAction = [this, name] {
            fired.push_back(name + "@" + std::to_string(host.clock().microseconds() / 1000));
        };
        t.setPeriod(periodMs);
        t.setMode(mode);
        return t;
    }
};

TEST_F(TimerTest, SingleFiresOnceAndTurnsOffRepeatingKeepsItsPeriod) {
    auto& once = make("once", TimerMode::Single, 1);
    make("every", TimerMode::Multiple, 200);
    host.loop().advanceMs(650);
    EXPECT_EQ(fired, (std::vector<std::string>{"once@1", "every@200", "every@400", "every@600"}));
    EXPECT_EQ(once.mode(), TimerMode::Off);
}

TEST_F(TimerTest, DueTimersRunInTimeOrderThenArmingOrder) {
    make("b", TimerMode::Single, 30);
    make("a", TimerMode::Single, 10);
    make("c", TimerMode::Single, 30);
    host.loop().advanceMs(30);
    EXPECT_EQ(fired, (std::vector<std::string>{"a@10", "b@30", "c@30"}));
}

TEST_F(TimerTest, ActionMaySwitchItsRepeatingTimerOff) {
    auto& t = make("t", TimerMode::Multiple, 100);
    t.onAction = [&] {
        fired.push_back("t");
        t.setMode(TimerMode::Off);
    };
    host.loop().advanceMs(500);
    EXPECT_EQ(fired, (std::vector<std::string>{"t"}));
}

TEST_F(TimerTest, ChangingThePeriodRestartsTheCount) {
    auto& t = make("t", TimerMode::Single, 100);
    host.loop().advanceMs(60);
    t.setPeriod(100);
    host.loop().advanceMs(60);
    EXPECT_TRUE(fired.empty());
    host.loop().advanceMs(40);
    EXPECT_EQ(fired, (std::vector<std::string>{"t@160"}));
}

TEST_F(TimerTest, VisiblePressWaitPassesTimeButFiresNothingInside) {
    make("t", TimerMode::Single, 50);
    host.loop().waitWithoutUserEvents(100000);
    EXPECT_EQ(host.clock().microseconds(), 100000);
    EXPECT_TRUE(fired.empty());
    host.loop().runPending();  // the next loop turn runs what came due
    EXPECT_EQ(fired, (std::vector<std::string>{"t@100"}));
}

TEST_F(TimerTest, PostedTasksRunAtTheNextTurnNotNested) {
    host.loop().post([&] {
        fired.push_back("first");
        host.loop().post([&] { fired.push_back("later"); });
    });
    EXPECT_TRUE(fired.empty());
    host.loop().runPending();
    EXPECT_EQ(fired, (std::vector<std::string>{"first"}));
    host.loop().runPending();
    EXPECT_EQ(fired.back(), "later");
}

}  // namespace
}  // namespace tavrel::platform
