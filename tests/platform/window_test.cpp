// Windows: control lookup, key and mouse delivery, focus, activation, close.
#include <gtest/gtest.h>

#include "fixture.h"

namespace tavrel::platform {
namespace {

using testing::AppFixture;

class WindowTest : public ::testing::Test, protected AppFixture {};

TEST_F(WindowTest, ControlsOpenInCreationOrderBeforeTheWindow) {
    Window w(app, "calcWin");
    for (auto name : {"GroupBox1", "PMUnit", "EditFract1"}) {
        auto& c = w.add<Label>(name);
        c.onOpen = logs(name);
    }
    w.onOpen = logs("window");
    w.open();
    EXPECT_EQ(log, (std::vector<std::string>{"GroupBox1", "PMUnit", "EditFract1", "window"}));
}

TEST_F(WindowTest, FindIsTypedAndIgnoresCase) {
    auto& group = window.add<GroupBox>("GroupBox1");
    auto& field = window.addIn<TextField>(group, "EditFract1");
    EXPECT_EQ(window.find<TextField>("editfract1"), &field);
    EXPECT_EQ(window.find<PopupMenu>("EditFract1"), nullptr);
    EXPECT_THROW(window.get<TextField>("missing"), std::out_of_range);
    EXPECT_EQ(field.parent(), &group);
    group.setVisible(false);
    EXPECT_TRUE(field.visible());
    EXPECT_FALSE(field.isShown());
}

TEST_F(WindowTest, KeyWithoutFocusGoesToTheWindowHandler) {
    auto& field = window.add<TextField>("f");
    std::string got;
    window.onKeyDown = [&](const KeyEvent& k) {
        got = k.text;
        return false;
    };
    window.typeKey(KeyEvent::of("7"));
    EXPECT_EQ(got, "7");
    EXPECT_EQ(field.text(), "");
    field.setFocus();
    got.clear();
    window.typeKey(KeyEvent::of("8"));
    EXPECT_EQ(got, "");
    EXPECT_EQ(field.text(), "8");
}

TEST_F(WindowTest, FocusChangeRunsLostThenGotAndSkipsControlsThatTakeNoFocus) {
    auto& a = window.add<TextField>("a");
    auto& b = window.add<TextArea>("b");
    auto& button = window.add<BevelButton>("bb");
    a.onLostFocus = logs("a lost");
    b.onGotFocus = logs("b got");
    a.setFocus();
    b.setFocus();
    button.setFocus();
    EXPECT_EQ(window.focus(), &b);
    EXPECT_EQ(log, (std::vector<std::string>{"a lost", "b got"}));
}

TEST_F(WindowTest, ClickGoesToTheTopmostControlWithItsModifiers) {
    auto& below = window.add<PushButton>("below");
    auto& above = window.add<PushButton>("above");
    below.setBounds(10, 10, 40, 20);
    above.setBounds(30, 10, 40, 20);
    Modifiers seen;
    below.onAction = logs("below");
    above.onAction = [&] {
        log.push_back("above");
        seen = app.input().eventModifiers();
    };
    window.click(35, 15, Modifiers::withOption());
    window.click(15, 15);
    EXPECT_EQ(log, (std::vector<std::string>{"above", "below"}));
    EXPECT_EQ(seen, Modifiers::withOption());
}

TEST_F(WindowTest, ClickOnBackgroundOrGroupBoxReachesTheWindowWithContextualFlag) {
    auto& group = window.add<GroupBox>("g");
    group.setBounds(0, 0, 100, 100);
    bool contextual = false;
    window.onMouseDown = [&](int x, int y) {
        log.push_back(std::to_string(x) + "," + std::to_string(y));
        contextual = app.input().contextualClick();
        return true;
    };
    EXPECT_TRUE(window.mouseDown(50, 60, {}, true));
    EXPECT_EQ(log, (std::vector<std::string>{"50,60"}));
    EXPECT_TRUE(contextual);
    EXPECT_FALSE(app.input().contextualClick());
}

TEST_F(WindowTest, DisabledControlSwallowsTheClick) {
    auto& b = window.add<PushButton>("b");
    b.setBounds(0, 0, 50, 50);
    b.setEnabled(false);
    b.onAction = logs("action");
    window.onMouseDown = [&](int, int) {
        log.push_back("window");
        return true;
    };
    window.click(10, 10);
    b.click();
    EXPECT_TRUE(log.empty());
    b.push();  // pressing from code still runs it
    EXPECT_EQ(log, (std::vector<std::string>{"action"}));
}

TEST_F(WindowTest, MouseMovesRaiseEnterAndExit) {
    auto& p = window.add<PopupMenu>("p");
    p.setBounds(10, 10, 80, 20);
    p.onMouseEnter = logs("enter");
    p.onMouseExit = logs("exit");
    window.mouseMoveTo(20, 20);
    window.mouseMoveTo(25, 20);
    window.mouseMoveTo(200, 200);
    EXPECT_EQ(log, (std::vector<std::string>{"enter", "exit"}));
}

TEST_F(WindowTest, ReturnPressesTheDefaultButtonWhenNothingConsumesIt) {
    auto& ok = window.add<PushButton>("OK");
    ok.setDefault(true);
    ok.onAction = logs("ok");
    window.typeKey(KeyEvent::ofCode(keys::Return));
    EXPECT_EQ(log, (std::vector<std::string>{"ok"}));
}

TEST_F(WindowTest, UserResizeIsHeldToTheLimitsButCodeIsNot) {
    window.setMinimumSize(247, 355);
    window.setMaximumSize(247, 800);
    window.onResizing = logs("resizing");
    window.onResized = logs("resized");
    window.resizeByUser(300, 900);
    EXPECT_EQ(window.width(), 247);
    EXPECT_EQ(window.height(), 800);
    window.setSize(247, 86);
    EXPECT_EQ(window.height(), 86);
    EXPECT_EQ(log, (std::vector<std::string>{"resizing", "resized"}));
}

TEST_F(WindowTest, ActivationFollowsShowAndHide) {
    Window other(app, "prefs");
    window.onDeactivate = logs("win off");
    window.onActivate = logs("win on");
    other.onActivate = logs("prefs on");
    other.onDeactivate = logs("prefs off");
    other.show();
    EXPECT_EQ(app.activeWindow(), &other);
    other.hide();
    EXPECT_EQ(app.activeWindow(), &window);
    EXPECT_EQ(log, (std::vector<std::string>{"win off", "prefs on", "prefs off", "win on"}));
}

TEST_F(WindowTest, CloseCanBeCancelledAndClosedWindowsAreReleasedAtTheNextTurn) {
    auto w = app.makeWindow<Window>("about");
    std::weak_ptr<Window> weak = w;
    bool cancel = true;
    w->onCancelClose = [&] { return cancel; };
    auto& timer = w->add<Timer>("t");
    timer.setMode(TimerMode::Multiple);
    EXPECT_FALSE(w->close());
    cancel = false;
    w->onClose = logs("close");
    EXPECT_TRUE(w->close());
    EXPECT_FALSE(timer.armed());
    w.reset();
    EXPECT_FALSE(weak.expired());  // a handler of the closing window may still run
    host.loop().runPending();
    EXPECT_TRUE(weak.expired());
    EXPECT_EQ(log, (std::vector<std::string>{"close"}));
}

// A backend mirrors controls through the view hook.
struct RecordingView : ControlView {
    std::vector<Property> seen;
    void changed(Control&, Property p) override { seen.push_back(p); }
};

TEST_F(WindowTest, ViewHearsOnlyRealPropertyChanges) {
    auto& field = window.add<TextField>("f");
    RecordingView view;
    field.setView(&view);
    field.setCaption("x");
    field.setCaption("x");
    field.setText("1");
    EXPECT_EQ(view.seen,
              (std::vector<Property>{Property::Caption, Property::Text, Property::Selection}));
}

}  // namespace
}  // namespace tavrel::platform
