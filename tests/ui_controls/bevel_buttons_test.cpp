// The program's buttons: the visible press, the colour button's press order
// and icon, and the open/action events they raise instead of the framework's.
#include <gtest/gtest.h>

#include <chrono>
#include <ostream>

#include "fixture.h"
#include "tavrel/ui/controls/my_bevel_button.h"
#include "tavrel/ui/controls/plain_controls.h"

namespace tavrel::ui {
namespace {

using platform::BevelToggle;
using platform::DrawKind;
using testing::ControlsFixture;

class MyBevelButtonTest : public ::testing::Test, protected ControlsFixture {
  protected:
    myBevelButton& button = window.add<myBevelButton>("BBadd");
};

TEST_F(MyBevelButtonTest, PushShowsPressedFor100msOfVirtualTimeBeforeMyAction) {
    std::vector<std::string> log;
    auto& timer = window.add<platform::Timer>("t");
    timer.onAction = [&] { log.push_back("timer"); };
    timer.setPeriod(50);
    timer.setMode(platform::TimerMode::Single);
    button.myAction = [&] {
        log.push_back("myAction at " + std::to_string(host.clock().microseconds()) +
                      (button.value() ? " down" : " up"));
    };
    int refreshesBefore = button.refreshCount();
    auto realStart = std::chrono::steady_clock::now();
    button.push();
    auto realElapsed = std::chrono::steady_clock::now() - realStart;
    EXPECT_EQ(log, (std::vector<std::string>{"myAction at 100000 up"}));
    EXPECT_EQ(button.refreshCount(), refreshesBefore + 1);
    EXPECT_LT(realElapsed, std::chrono::milliseconds(50));  // no real sleep
    host.loop().runPending();  // the timer that came due fires after, not inside
    EXPECT_EQ(log.back(), "timer");
}

TEST_F(MyBevelButtonTest, ClickAndOpenRaiseTheProgramsEvents) {
    std::vector<std::string> log;
    button.onAction = [&] { log.push_back("framework action"); };
    button.myAction = [&] { log.push_back("myAction"); };
    button.myOpen = [&] { log.push_back("myOpen"); };
    window.open();
    button.click();
    EXPECT_EQ(log, (std::vector<std::string>{"myOpen", "myAction"}));
    EXPECT_EQ(host.clock().microseconds(), 0);  // a click has no visible-press wait
}

struct ColorPushCase {
    const char* name;
    BevelToggle type;
    bool before;
};

void PrintTo(const ColorPushCase& c, std::ostream* os) {
    *os << c.name << (c.before ? " (down)" : " (up)");
}

class MyBevelButtonColorPush : public ::testing::TestWithParam<ColorPushCase>,
                               protected ControlsFixture {};

TEST_P(MyBevelButtonColorPush, RunsMyActionFirstAndEndsUp) {
    auto& b = window.add<myBevelButtonColor>("BBinv");
    b.setToggleType(GetParam().type);
    b.setValue(GetParam().before);
    std::optional<bool> valueSeen;
    b.myAction = [&] { valueSeen = b.value(); };
    b.push();
    EXPECT_EQ(valueSeen, GetParam().before);  // before the flash
    EXPECT_FALSE(b.value());
    EXPECT_EQ(b.refreshCount(), 1);
    EXPECT_EQ(host.clock().microseconds(), 0);
}

INSTANTIATE_TEST_SUITE_P(States, MyBevelButtonColorPush,
                         ::testing::Values(ColorPushCase{"ToggleDown", BevelToggle::Toggle, true},
                                           ColorPushCase{"ToggleUp", BevelToggle::Toggle, false},
                                           ColorPushCase{"Normal", BevelToggle::Normal, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MyBevelButtonColorTest, ClickRaisesMyActionThenSetsTheTintedIcon) {
    ControlsFixture f;
    auto& b = f.window.add<myBevelButtonColor>("bbSwitch");
    b.setToggleType(BevelToggle::Toggle);
    bool iconDuringAction = true;
    b.myAction = [&] { iconDuringAction = b.icon() != nullptr; };
    b.click();
    EXPECT_FALSE(iconDuringAction);
    EXPECT_TRUE(b.value());  // a click toggles, unlike push
    ASSERT_TRUE(b.icon());
    const platform::Picture& icon = *b.icon();
    EXPECT_EQ(icon.width(), 40);
    EXPECT_EQ(icon.height(), 20);
    EXPECT_EQ(icon.depth(), 32);
    ASSERT_EQ(icon.operations().size(), 1u);
    EXPECT_EQ(icon.operations()[0].color, platform::Color::fromRgb(0xEFEFB5));
    ASSERT_NE(icon.maskIfAny(), nullptr);
    const auto& maskOps = icon.maskIfAny()->operations();
    ASSERT_EQ(maskOps.size(), 2u);  // its black start, then the grey drawn at the top-left
    EXPECT_EQ(maskOps[1].kind, DrawKind::Picture);
    EXPECT_EQ(maskOps[1].x, 0);
    EXPECT_EQ(maskOps[1].y, 0);
    ASSERT_TRUE(maskOps[1].keep);
    EXPECT_EQ(maskOps[1].keep->depth(), 16);
    EXPECT_EQ(maskOps[1].keep->operations()[0].color, (platform::Color{0x99, 0x99, 0x99}));
}

TEST(MyPushButtonTest, OpenRaisesMyOpenAndPushRunsTheFrameworkAction) {
    ControlsFixture f;
    auto& pb = f.window.add<myPushButton>("PB7");
    std::vector<std::string> log;
    pb.myOpen = [&] { log.push_back("myOpen"); };
    pb.onAction = [&] { log.push_back("action"); };
    f.window.open();
    pb.push();
    EXPECT_EQ(log, (std::vector<std::string>{"myOpen", "action"}));
}

}  // namespace
}  // namespace tavrel::ui
