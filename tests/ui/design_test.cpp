// The window built from its design table: every control exists with its
// class, place, caption and help tag, and the open handlers have run.
#include <gtest/gtest.h>

#include "session.h"
#include "ui/window_design.h"

namespace tavrel {
namespace {

TEST(Design, EveryControlOfTheTableExistsWithItsDesignValues) {
    cli::Session s;
    auto& w = s.window();
    ASSERT_EQ(w.controlCount(), ui::calcWinDesign().size());
    for (std::size_t i = 0; i < w.controlCount(); ++i) {
        const ui::ControlDesign& d = ui::calcWinDesign()[i];
        platform::Control& c = w.control(i);
        SCOPED_TRACE(std::string(d.name));
        EXPECT_EQ(c.name(), d.name);
        EXPECT_EQ(c.helpTag(), d.helpTag);
        if (d.openCaption.empty() && d.name != "PBdecimal") {
            EXPECT_EQ(c.caption(), d.caption);
        }
        if (d.movedOnto.empty() && !d.style.noPosition) {
            EXPECT_EQ(c.left(), d.left);
            EXPECT_EQ(c.top(), d.top);
        }
        EXPECT_EQ(c.width(), d.style.noPosition ? c.width() : d.width);
        const bool drawn =
            d.cls != ui::ControlClass::Timer && d.cls != ui::ControlClass::ContextualMenu;
        if (drawn) {
            EXPECT_EQ(c.visible(), !d.style.hidden);
        }
        EXPECT_EQ(c.parent() ? c.parent()->name() : std::string(), d.parent);
    }
}

TEST(Design, HelpTagsAreVerbatim) {
    cli::Session s;
    auto& w = s.window();
    EXPECT_EQ(
        w.get("BBfract").helpTag(),
        "\"/\" backslash for fraction \reg. 3/32\" note to divide use the\rforeslash \"\\\" ");
    EXPECT_EQ(w.get("BBdiv").helpTag(), "\"\\\" divide \ror shift + \"/\"");
    EXPECT_EQ(w.get("bbtDiag").helpTag().substr(w.get("bbtDiag").helpTag().size() - 3), ".  ");
    EXPECT_EQ(w.get("BBft").helpTag(), "\" '  \" or \"f\" feet");
}

TEST(Design, OpenHandlersPlaceKeysAndFillPopups) {
    cli::Session s;
    auto& w = s.window();
    EXPECT_EQ(w.title(), "tavrel");
    EXPECT_EQ(w.get("bbtPitch").caption(), "ptch");
    EXPECT_EQ(w.get("bbtPitch").left(), w.get("BBsin").left());
    EXPECT_EQ(w.get("bbtDiag").top(), w.get("BBinv").top());
    EXPECT_EQ(w.get("BBm").left(), w.get("BByds").left());
    EXPECT_EQ(w.PMUnit.rowCount(), 10);
    EXPECT_EQ(w.PMUnit.text(), "UNIT");
    EXPECT_FALSE(w.PMUnit.enabled());
    EXPECT_EQ(w.PMLCD.rowCount(), 9);
    EXPECT_EQ(w.PMLCD.list(8), "Decimal");
    EXPECT_TRUE(w.PMLCD.enabled());
    EXPECT_TRUE(w.get<ui::myBevelButtonColor>("bbSwitch").value());
    EXPECT_TRUE(w.get<ui::myWigit1>("togUnit").value);
    EXPECT_EQ(w.get("Tape1").textFont(), "monaco");
}

TEST(Design, PopMenuCodes) {
    cli::Session s;
    auto& unit = s.window().PMUnit;
    auto& lcd = s.window().PMLCD;
    unit.display("FI");
    EXPECT_EQ(unit.text(), "ft-in");
    EXPECT_EQ(unit.menuValue(), "fi");
    unit.display("false");  // not in the table: unchanged
    EXPECT_EQ(unit.text(), "ft-in");
    unit.setListIndex(0);
    EXPECT_EQ(unit.menuValue(), "NU");
    lcd.display("50");
    EXPECT_EQ(lcd.text(), "LCD");
    EXPECT_EQ(lcd.menuValue(), "");
    lcd.display("0");
    EXPECT_EQ(lcd.menuValue(), "0");
}

}  // namespace
}  // namespace tavrel
