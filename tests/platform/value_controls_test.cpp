// Change handlers of pop-ups, check boxes, radio groups and sliders run only
// on a change, synchronously, nested in the setter.
#include <gtest/gtest.h>

#include <ostream>

#include "fixture.h"

namespace tavrel::platform {
namespace {

using testing::AppFixture;

// Sets the control to `first`, then to `first` again, then to `second`: the
// handler must run exactly twice (once per real change).
struct ChangeCase {
    const char* name;
    std::function<void(Window&, std::function<void()> onChange,
                       std::vector<std::function<void()>>& steps)>
        build;
};

void PrintTo(const ChangeCase& c, std::ostream* os) {
    *os << c.name;
}

class ChangeOnlyOnChange : public ::testing::TestWithParam<ChangeCase>, protected AppFixture {};

TEST_P(ChangeOnlyOnChange, HandlerRunsOncePerRealChange) {
    int changes = 0;
    std::vector<std::function<void()>> steps;
    GetParam().build(
        window, [&] { ++changes; }, steps);
    ASSERT_EQ(steps.size(), 3u);
    steps[0]();
    EXPECT_EQ(changes, 1);
    steps[1]();
    EXPECT_EQ(changes, 1);
    steps[2]();
    EXPECT_EQ(changes, 2);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ChangeOnlyOnChange,
    ::testing::Values(
        ChangeCase{"PopupListIndex",
                   [](Window& w, auto onChange, auto& steps) {
                       auto& p = w.add<PopupMenu>("p");
                       for (auto s : {"UNIT", "inch", "foot"}) p.addRow(s);
                       p.onChange = onChange;
                       steps = {[&p] { p.setListIndex(1); }, [&p] { p.setListIndex(1); },
                                [&p] { p.setListIndex(-1); }};
                   }},
        ChangeCase{"CheckBoxValue",
                   [](Window& w, auto onChange, auto& steps) {
                       auto& c = w.add<CheckBox>("c");
                       c.onChange = onChange;
                       steps = {[&c] { c.setValue(true); }, [&c] { c.setValue(true); },
                                [&c] { c.setValue(false); }};
                   }},
        ChangeCase{
            "RadioGroupSelection",
            [](Window& w, auto onChange, auto& steps) {
                auto& r = w.add<RadioGroup>("r");
                for (auto s : {"no", "always", "mouse over"}) r.addButton(s);
                r.onChange = onChange;
                steps = {[&r] { r.setValue(0); }, [&r] { r.setValue(0); }, [&r] { r.setValue(2); }};
            }},
        ChangeCase{"SliderValueClampedBeforeComparing",
                   [](Window& w, auto onChange, auto& steps) {
                       auto& s = w.add<Slider>("s");
                       s.setRange(10, 100);
                       s.setValue(75);
                       s.onChange = onChange;
                       steps = {[&s] { s.setValue(100); }, [&s] { s.setValue(140); },
                                [&s] { s.setValue(40); }};
                   }}),
    [](const auto& info) { return std::string(info.param.name); });

class PopupTest : public ::testing::Test, protected AppFixture {
  protected:
    PopupMenu& unit = window.add<PopupMenu>("PMUnit");
    PopupMenu& lcd = window.add<PopupMenu>("PMLCD");
    void SetUp() override {
        for (auto s : {"UNIT", "inch", "foot", "ft-in"}) unit.addRow(s);
        for (auto s : {"LCD", "1/2", "1/4", "Decimal"}) lcd.addRow(s);
    }
};

TEST_F(PopupTest, SettingAnotherPopupFromAChangeHandlerNestsAndEnds) {
    unit.onChange = [this] {
        log.push_back("unit:" + unit.text());
        lcd.setListIndex(3);  // nested: runs lcd's handler before returning
        log.push_back("unit done");
    };
    lcd.onChange = [this] {
        log.push_back("lcd:" + lcd.text());
        unit.setListIndex(2);  // already 2: raises nothing, so the nesting ends
    };
    unit.setListIndex(2);
    EXPECT_EQ(log, (std::vector<std::string>{"unit:foot", "lcd:Decimal", "unit done"}));
}

TEST_F(PopupTest, UserChoiceRunsInsideTheWrapperHook) {
    bool selfPressed = false;
    unit.onUserChoice = [&](const std::function<void()>& apply) {
        selfPressed = true;
        apply();
        selfPressed = false;
    };
    unit.onChange = [&] { log.push_back(selfPressed ? "user" : "code"); };
    EXPECT_TRUE(unit.chooseByUser(1));
    unit.setListIndex(2);
    EXPECT_EQ(log, (std::vector<std::string>{"user", "code"}));
}

TEST_F(PopupTest, DisabledPopupRefusesTheUser) {
    unit.setEnabled(false);
    EXPECT_FALSE(unit.chooseByUser(1));
    EXPECT_EQ(unit.listIndex(), -1);
}

TEST_F(PopupTest, RemovingRowsKeepsTheSelectedItem) {
    unit.setListIndex(2);
    unit.removeRow(0);
    EXPECT_EQ(unit.text(), "foot");
    int changes = 0;
    unit.onChange = [&] { ++changes; };
    unit.removeRow(1);
    EXPECT_EQ(unit.listIndex(), -1);
    EXPECT_EQ(changes, 1);
    EXPECT_THROW(unit.setListIndex(7), std::out_of_range);
}

TEST(BevelButtonTest, ClickFollowsToggleTypeThenRunsAction) {
    AppFixture f;
    struct Case {
        BevelToggle type;
        bool before;
        bool after;
    };
    for (Case c : {Case{BevelToggle::Normal, false, false}, Case{BevelToggle::Toggle, false, true},
                   Case{BevelToggle::Toggle, true, false}, Case{BevelToggle::Sticky, true, true}}) {
        auto& b = f.window.add<BevelButton>("b");
        b.setToggleType(c.type);
        b.setValue(c.before);
        bool valueInAction = !c.after;
        b.onAction = [&] { valueInAction = b.value(); };
        b.click();
        EXPECT_EQ(b.value(), c.after);
        EXPECT_EQ(valueInAction, c.after);
    }
}

TEST(BevelButtonTest, MenuRowChoiceSetsMenuValueAndSkipsSeparators) {
    AppFixture f;
    auto& b = f.window.add<BevelButton>("BBmemory");
    b.addRow("add to memory");
    b.addRow("clear memory");
    b.addSeparator();
    b.setMenuValue(2);
    std::vector<std::string> order;
    b.onMenuRowChosen = [&](int row) { order.push_back("row" + std::to_string(row)); };
    b.onAction = [&] { order.push_back("action" + std::to_string(b.menuValue())); };
    EXPECT_FALSE(b.chooseMenuRowByUser(2));
    EXPECT_TRUE(b.chooseMenuRowByUser(1));
    EXPECT_EQ(order, (std::vector<std::string>{"row1", "action1"}));
}

}  // namespace
}  // namespace tavrel::platform
