// The calculator window's sizing: the state restored from the preferences at
// the first sizing (with the screen limits), the disclosure widgets, and the
// rules the size box follows.
#include <gtest/gtest.h>

#include <ostream>

#include "app_fixture.h"

namespace tavrel::app {
namespace {

using testing::AppFixture;
using testing::StoredPrefs;

struct RestoreCase {
    const char* label;
    StoredPrefs prefs;
    int left, top, height;
    bool tapeShown;
    int tapeHeight;  // when shown
};

void PrintTo(const RestoreCase& c, std::ostream* os) {
    *os << c.label;
}

class Restore : public ::testing::TestWithParam<RestoreCase> {};

TEST_P(Restore, FirstSizingTakesTheSavedStateOnScreen) {
    const RestoreCase& c = GetParam();
    AppFixture f;
    testing::storeBeforeStart(f.dir.path, c.prefs);
    f.start();
    ui::calcWin& w = f.win();
    EXPECT_EQ(w.left(), c.left);
    EXPECT_EQ(w.top(), c.top);
    EXPECT_EQ(w.width(), 247);
    EXPECT_EQ(w.height(), c.height);
    EXPECT_EQ(w.Tape1.visible(), c.tapeShown);
    if (c.tapeShown) {
        EXPECT_EQ(w.Tape1.height(), c.tapeHeight);
    }
    EXPECT_EQ(w.focus(), &w.EditFract1);
}

// The headless main screen is 1440 × 900.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Sizing, Restore, ::testing::Values(
    RestoreCase{"Defaults",          {},                                             15,   50,  600, true,  243},
    RestoreCase{"TopBelowMenuBar",   {{"winTop", "10"}},                             15,   38,  600, true,  243},
    RestoreCase{"OnASecondMonitor",  {{"winLeft", "2000"}},                          1193, 50,  600, true,  243},
    RestoreCase{"BelowTheScreen",    {{"winTop", "700"}},                            15,   300, 600, true,  243},
    RestoreCase{"LeftOfTheScreen",   {{"winLeft", "-30"}},                           0,    50,  600, true,  243},
    RestoreCase{"SavedHeight",       {{"selfHeight", "700"}},                        15,   50,  700, true,  343},
    RestoreCase{"Reduced",           {{"Minimize", "false"}, {"tapeVisible", "true"}}, 15, 50,  86,  false, 0},
    RestoreCase{"NoTape",            {{"tapeVisible", "false"}},                     15,   50,  355, false, 0},
    RestoreCase{"ReducedNoTape",     {{"Minimize", "false"}, {"tapeVisible", "false"}}, 15, 50, 86,  false, 0}),
    [](const auto& info) { return std::string(info.param.label); });
// clang-format on

TEST(Sizing, ReducedWindowComesBackWithTheTapeAtTheSavedHeight) {
    AppFixture f;
    testing::storeBeforeStart(
        f.dir.path, {{"Minimize", "false"}, {"tapeVisible", "true"}, {"selfHeight", "650"}});
    f.start();
    ASSERT_EQ(f.win().height(), 86);
    auto& minimize = f.win().get<ui::myWigit>("wigitMinimize");
    minimize.mouseDownByUser(5, 5);
    EXPECT_EQ(f.win().height(), 650);
    EXPECT_TRUE(f.win().Tape1.visible());
    EXPECT_EQ(f.win().Tape1.height(), 650 - 357);
}

TEST(Sizing, EverySizingIsAnimatedAboutTheTopLeftCorner) {
    AppFixture f;
    f.start();
    f.win().moveByUser(200, 150);
    const int before = f.host.desktop().animatedResizes();
    f.app.runMenuCommand("Helpminimize");
    EXPECT_EQ(f.host.desktop().animatedResizes(), before + 1);
    EXPECT_EQ(f.win().bounds(), (platform::Rect{200, 150, 247, 86}));
}

TEST(Sizing, ScreenLimitsApplyOnlyAtStartUp) {
    AppFixture f;
    f.start();
    f.win().moveByUser(1400, 5);
    f.app.runMenuCommand("HelpTape");
    f.app.runMenuCommand("HelpTape");
    EXPECT_EQ(f.win().left(), 1400);
    EXPECT_EQ(f.win().top(), 5);
}

// The size box: the window at a height, then the widgets, selfHeight and tape.
struct DragCase {
    const char* label;
    bool startReduced;
    int dragTo;
    bool minimizeOpen, tapeOpen;
    int selfHeight;
    bool tapeShown;
    int tapeHeight;
};

void PrintTo(const DragCase& c, std::ostream* os) {
    *os << c.label;
}

class Drag : public ::testing::TestWithParam<DragCase> {};

TEST_P(Drag, SizeBoxFollowsTheRules) {
    const DragCase& c = GetParam();
    AppFixture f;
    f.start();
    ui::calcWin& w = f.win();
    if (c.startReduced) f.app.runMenuCommand("Helpminimize");
    w.resizeByUser(247, c.dragTo);
    auto& tape = w.get<ui::myWigit>("wigitTape");
    EXPECT_EQ(w.get<ui::myWigit>("wigitMinimize").value, c.minimizeOpen);
    EXPECT_EQ(tape.value, c.tapeOpen);
    EXPECT_EQ(tape.selfHeight, c.selfHeight);
    EXPECT_EQ(w.Tape1.visible(), c.tapeShown);
    if (c.tapeShown) {
        EXPECT_EQ(w.Tape1.height(), c.tapeHeight);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Sizing, Drag, ::testing::Values(
    DragCase{"Taller",            false, 700, true,  true,  700, true,  342},
    DragCase{"ToTheMaximum",      false, 900, true,  true,  800, true,  442},
    DragCase{"ToTheMinimum",      false, 355, true,  false, 555, true,  243},
    DragCase{"BelowTheMinimum",   false, 200, true,  false, 555, true,  243},
    DragCase{"ReducedDraggedOpen",true,  400, true,  true,  400, true,  42},
    DragCase{"ReducedToMinimum",  true,  355, false, false, 555, false, 0}),
    [](const auto& info) { return std::string(info.param.label); });
// clang-format on

TEST(Sizing, TapeOpenedAfterDraggingToTheMinimumGives555) {
    AppFixture f;
    f.start();
    f.win().resizeByUser(247, 355);
    f.app.runMenuCommand("HelpTape");
    EXPECT_EQ(f.win().height(), 555);
    EXPECT_EQ(f.win().Tape1.height(), 555 - 357);
}

TEST(Sizing, WidthStaysAndControlsBeyondItKeepTheirPlaces) {
    AppFixture f;
    f.start();
    std::vector<std::pair<std::string, int>> beyond;
    for (std::size_t i = 0; i < f.win().controlCount(); ++i) {
        const platform::Control& c = f.win().control(i);
        if (c.left() >= 247) beyond.emplace_back(c.name(), c.left());
    }
    ASSERT_FALSE(beyond.empty());
    f.win().resizeByUser(400, 800);
    f.app.runMenuCommand("Helpminimize");
    f.app.runMenuCommand("HelpTape");
    EXPECT_EQ(f.win().width(), 247);
    for (const auto& [name, left] : beyond) EXPECT_EQ(f.win().get(name).left(), left) << name;
}

}  // namespace
}  // namespace tavrel::app
