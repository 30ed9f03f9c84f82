// The event dispatch's handling of an exception that escapes a handler: it is
// shown in a message box and the program goes on, whatever the event.
#include <gtest/gtest.h>

#include <stdexcept>

#include "fixture.h"
#include "tavrel/platform/push_button.h"
#include "tavrel/platform/timer.h"

namespace tavrel::platform {
namespace {

using testing::AppFixture;

class Dispatch : public ::testing::Test, protected AppFixture {
  protected:
    const std::vector<std::string>& shown() { return host.system().messages(); }
};

TEST_F(Dispatch, ClickKeyMenuAndTimerFailuresAreShownAndTheProgramGoesOn) {
    auto& button = window.add<PushButton>("b");
    button.setBounds(0, 0, 50, 20);
    button.onAction = [] { throw std::runtime_error("click broke"); };
    window.onKeyDown = [](const KeyEvent&) -> bool { throw std::runtime_error("key broke"); };
    app.menuBar().append("File", "File").append("Go", "Go");
    app.addMenuHandler("Go", []() -> bool { throw std::runtime_error("menu broke"); });
    auto& timer = window.add<Timer>("t");
    timer.onAction = [] { throw 42; };

    window.click(10, 10);
    window.typeKey(KeyEvent::of("x"));
    app.runMenuCommand("Go");
    timer.setPeriod(10);
    timer.setMode(TimerMode::Multiple);
    host.loop().advanceMs(25);
    EXPECT_EQ(shown(), (std::vector<std::string>{
                           "An error was not handled: click broke",
                           "An error was not handled: key broke",
                           "An error was not handled: menu broke",
                           "An error was not handled",
                           "An error was not handled",
                       }));
    EXPECT_TRUE(timer.armed()) << "a repeating timer keeps running";
    EXPECT_FALSE(host.loop().quitRequested());
}

TEST_F(Dispatch, AHandlerThatSucceedsShowsNothing) {
    window.onKeyDown = [](const KeyEvent&) { return true; };
    EXPECT_TRUE(window.typeKey(KeyEvent::of("x")));
    EXPECT_TRUE(shown().empty());
}

TEST_F(Dispatch, ACloseHandlerThatQuitsClosesOnce) {
    int closes = 0;
    window.onClose = [&] {
        ++closes;
        app.quit();
    };
    EXPECT_TRUE(window.closeByUser());
    EXPECT_EQ(closes, 1);
    EXPECT_TRUE(window.isClosed());
    EXPECT_TRUE(host.loop().quitRequested());
}

}  // namespace
}  // namespace tavrel::platform
