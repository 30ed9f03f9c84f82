// Menu command routing, enabling passes and shortcuts.
#include <gtest/gtest.h>

#include <ostream>

#include "fixture.h"

namespace tavrel::platform {
namespace {

using testing::AppFixture;

class MenuTest : public ::testing::Test, protected AppFixture {
  protected:
    MenuItem* clearCalc = nullptr;
    void SetUp() override {
        Menu& edit = app.menuBar().append("UntitledMenu2", "Edit");
        clearCalc = &edit.append("EditClearCalc", "Clear Calc");
        edit.append("UnitInches", "Inches", "Cmd+I");
        edit.append("UnitFootInch", "Foot/inch", "Cmd+Shift+F");
        edit.append("UnitFeet", "Foot", "Cmd+F");
    }
};

TEST_F(MenuTest, WindowHandlerRunsFirstThenTheApplicationsWhenUnhandled) {
    bool windowHandles = false;
    window.addMenuHandler("EditClearCalc", [&] {
        log.push_back("window");
        return windowHandles;
    });
    app.addMenuHandler("editclearcalc", [&] {
        log.push_back("app");
        return true;
    });
    EXPECT_TRUE(app.runMenuCommand("EditClearCalc"));
    windowHandles = true;
    EXPECT_TRUE(app.runMenuCommand("EditClearCalc"));
    EXPECT_EQ(log, (std::vector<std::string>{"window", "app", "window"}));
}

TEST_F(MenuTest, EnablingPassStartsAllEnabledAndDisabledItemsDoNotRun) {
    app.onEnableMenuItems = [&] { clearCalc->setEnabled(false); };
    app.addMenuHandler("EditClearCalc", [&] {
        log.push_back("ran");
        return true;
    });
    EXPECT_FALSE(app.runMenuCommand("EditClearCalc"));
    app.onEnableMenuItems = nullptr;
    app.requestMenuEnabling();
    EXPECT_TRUE(clearCalc->enabled());
    EXPECT_TRUE(app.runMenuCommand("EditClearCalc"));
    EXPECT_EQ(log, (std::vector<std::string>{"ran"}));
}

TEST_F(MenuTest, ShortcutRunsItsCommandOtherKeysReachTheWindow) {
    for (auto name : {"UnitInches", "UnitFootInch", "UnitFeet"})
        app.addMenuHandler(name, [this, name] {
            log.push_back(name);
            return true;
        });
    window.onKeyDown = [&](const KeyEvent& k) {
        log.push_back("key " + k.text);
        return true;
    };
    app.typeKey(KeyEvent::of("i", Modifiers::withCommand()));
    app.typeKey(KeyEvent::of("F", Modifiers::withCommand() | Modifiers::withShift()));
    app.typeKey(KeyEvent::of("f", Modifiers::withCommand()));
    app.typeKey(KeyEvent::of("i"));
    EXPECT_EQ(log, (std::vector<std::string>{"UnitInches", "UnitFootInch", "UnitFeet", "key i"}));
}

TEST_F(MenuTest, ControlShortcutsRunAndADisabledItemsShortcutGoesNowhere) {
    MenuItem& inches = *app.menuBar().findItem("UnitInches");
    inches.setShortcut(Shortcut::parse("Ctrl+I"));
    app.addMenuHandler("UnitInches", [&] {
        log.push_back("UnitInches");
        return false;  // not handled: the key is still the menu's
    });
    window.onKeyDown = [&](const KeyEvent& k) {
        log.push_back("key " + k.text);
        return true;
    };
    EXPECT_TRUE(app.typeKey(KeyEvent::of("i", Modifiers::withControl())));
    app.onEnableMenuItems = [&] { inches.setEnabled(false); };
    EXPECT_TRUE(app.typeKey(KeyEvent::of("i", Modifiers::withControl())));
    EXPECT_EQ(log, (std::vector<std::string>{"UnitInches"}));
}

struct ShortcutCase {
    const char* name;
    const char* notation;
    const char* typed;
    Modifiers modifiers;
    bool matches;
};

void PrintTo(const ShortcutCase& c, std::ostream* os) {
    *os << c.name << ": " << c.notation << " with \"" << c.typed << "\"";
}

class ShortcutMatch : public ::testing::TestWithParam<ShortcutCase> {};

TEST_P(ShortcutMatch, Matches) {
    const auto& c = GetParam();
    auto s = Shortcut::parse(c.notation);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->matches(KeyEvent::of(c.typed, c.modifiers)), c.matches);
}

constexpr Modifiers kCmd = Modifiers::withCommand();
constexpr Modifiers kCmdShift = Modifiers::withCommand() | Modifiers::withShift();
constexpr Modifiers kCmdOption = Modifiers::withCommand() | Modifiers::withOption();

INSTANTIATE_TEST_SUITE_P(
    Notations, ShortcutMatch,
    ::testing::Values(ShortcutCase{"LetterIgnoresCase", "Cmd+t", "T", kCmd, true},
                      ShortcutCase{"ShiftMustMatchForLetters", "Cmd+t", "t", kCmdShift, false},
                      ShortcutCase{"ShiftedLetter", "Cmd+Shift+t", "T", kCmdShift, true},
                      ShortcutCase{"NeedsCommand", "Cmd+P", "p", {}, false},
                      ShortcutCase{"OptionComma", "Cmd+Option+,", ",", kCmdOption, true},
                      ShortcutCase{"OptionMissing", "Cmd+Option+,", ",", kCmd, false},
                      ShortcutCase{"ShiftImpliedByCharacter", "Cmd+?", "?", kCmdShift, true},
                      ShortcutCase{"OtherCharacter", "Cmd+?", "/", kCmdShift, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MenuTest, StandardEditCommandsActOnTheFocusedField) {
    auto& field = window.add<TextField>("f");
    field.setText("12.5");
    field.setFocus();
    field.setSelection(0, 2);
    EXPECT_TRUE(app.runMenuCommand("EditCut"));
    EXPECT_EQ(host.clipboard().text(), "12");
    EXPECT_EQ(field.text(), ".5");
    EXPECT_TRUE(app.runMenuCommand("EditPaste"));
    EXPECT_EQ(field.text(), "12.5");
}

}  // namespace
}  // namespace tavrel::platform
