// The window built from its design table, checked against places, captions
// and help tags written down apart from it, after the open handlers ran.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "session.h"
#include "ui/window_design.h"

namespace tavrel {
namespace {

// A few controls at places written down here, apart from the design table:
// a wrong row in the table, or a builder that misplaces, renames or
// re-parents a control, shows here. Places are after the open handlers ran.
struct Placed {
    const char* name;
    const char* parent;
    int left, top, width, height;
    const char* caption;
    bool visible;
};

void PrintTo(const Placed& p, std::ostream* os) {
    *os << p.name << " at (" << p.left << ", " << p.top << ") " << p.width << "x" << p.height
        << " \"" << p.caption << "\"";
}

class DesignPlaces : public ::testing::TestWithParam<Placed> {};

TEST_P(DesignPlaces, ControlIsWhereTheWindowShowsIt) {
    cli::Session s;
    const Placed& p = GetParam();
    const platform::Control* c = s.window().find(p.name);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->name(), p.name);
    EXPECT_EQ(c->parent() ? c->parent()->name() : std::string(), p.parent);
    EXPECT_EQ(c->left(), p.left);
    EXPECT_EQ(c->top(), p.top);
    EXPECT_EQ(c->width(), p.width);
    EXPECT_EQ(c->height(), p.height);
    EXPECT_EQ(c->caption(), p.caption);
    EXPECT_EQ(c->isShown(), p.visible);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Keys, DesignPlaces,
    ::testing::Values(
        Placed{"EditFract1", "GroupBox1", 11, 11, 223, 32, "", true},
        Placed{"PMLCD", "GroupBox1", 14, 49, 80, 20, "", true},
        Placed{"PMUnit", "GroupBox1", 104, 49, 80, 20, "", true},
        Placed{"bbLock", "GroupBox1", 193, 49, 40, 20, "lock", true},
        Placed{"PB7", "GroupBox2", 56, 204, 38, 25, "7", true},
        Placed{"PB0", "GroupBox2", 57, 306, 38, 25, "0", true},
        Placed{"PBeq", "GroupBox2", 150, 306, 38, 25, "=", true},
        Placed{"BBdiv", "GroupBox2", 197, 204, 38, 25, "\u00F7", true},
        Placed{"BBclear", "GroupBox2", 197, 172, 38, 25, "CLR", true},
        Placed{"BBinch", "GroupBox4", 150, 132, 38, 23, "in", true},
        // Moved at open onto the places of the keys they share with.
        Placed{"BBmm", "", 150, 132, 38, 23, "mm", true},
        Placed{"bbtPitch", "", 11, 92, 38, 23, "ptch", true},
        Placed{"BBsin", "GroupBox3", 11, 92, 38, 23, "sin", false}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(Design, WindowFrame) {
    cli::Session s;
    EXPECT_EQ(s.window().width(), 247);
    EXPECT_EQ(s.window().height(), 600);
    EXPECT_EQ(s.window().limits().minHeight, 355);
    EXPECT_EQ(s.window().limits().maxHeight, 800);
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
