// The menu bar: its menus, items and shortcuts as this desktop shows them,
// the enabling pass's enabled states and check marks after typical
// calculations, and what each command does.
#include <gtest/gtest.h>

#include <ostream>
#include <set>

#include "app/help_window.h"
#include "app/menu_bar.h"
#include "app/prefs_win.h"
#include "app_fixture.h"
#include "tavrel/platform/carbon_declares.h"
#include "ui/tools_win.h"

namespace tavrel::app {
namespace {

using testing::AppFixture;

std::vector<std::string> captions(const platform::Menu& m) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < m.itemCount(); ++i) out.push_back(m.item(i).caption());
    return out;
}

TEST(MenuBar, MenusAndItemsInOrderWithApplicationItemsClosingHelp) {
    platform::MenuBar bar;
    buildMenuBar(bar);
    ASSERT_EQ(bar.menuCount(), 6u);
    std::vector<std::string> heads;
    for (std::size_t i = 0; i < bar.menuCount(); ++i) heads.push_back(bar.menu(i).caption());
    EXPECT_EQ(heads, (std::vector<std::string>{"File", "Edit", "LCD", "Unit", "Tools", "Help"}));
    EXPECT_EQ(captions(*bar.findMenu("File")),
              (std::vector<std::string>{"Page Setup", "Print Tape", "Save Tape As…", "Quit"}));
    EXPECT_EQ(captions(*bar.findMenu("UntitledMenu2")),
              (std::vector<std::string>{"Undo", "-", "Cut", "Copy Calc", "Copy Tape", "Paste",
                                        "Clear", "-", "Clear Calc", "Clear Tape"}));
    EXPECT_EQ(captions(*bar.findMenu("lcd")),
              (std::vector<std::string>{"1/2", "1/4", "1/8", "1/16", "1/32", "1/64", "1/100", "-",
                                        "Decimal"}));
    EXPECT_EQ(captions(*bar.findMenu("unit")),
              (std::vector<std::string>{"Inches", "Foot", "Foot/inch", "Yards", "Miles", "-",
                                        "Millimeters", "Centimeters", "Meters", "Kilometers"}));
    EXPECT_EQ(captions(*bar.findMenu("HelpMenu")),
              (std::vector<std::string>{"tavrel Help", "-", "tavrel website", "Check for update",
                                        "Minimze to dock", "-", "&About tavrel", "Preferences...",
                                        "-", "Tape", "Minimize"}));
    EXPECT_EQ(captions(*bar.findMenu("Tools")), ui::toolsMenuRows());
    EXPECT_EQ(bar.findMenu("Tools")->itemCount(), 10u);
    EXPECT_EQ(bar.findMenu("Tools")->item(0).name(), "ToolsStairs");
    EXPECT_TRUE(bar.findItem("FileSaveTapeAs")->autoEnable());
    EXPECT_FALSE(bar.findItem("AppleAboutTavrel")->autoEnable());
    EXPECT_TRUE(bar.findItem("Preferences")->autoEnable());
    EXPECT_FALSE(bar.findItem("EditCopyCalc")->autoEnable());
}

TEST(MenuBar, EveryShortcutReachesItsOwnItemAndNoNameRepeats) {
    platform::MenuBar bar;
    buildMenuBar(bar);
    std::vector<const platform::MenuItem*> items;
    bar.forEachItem([&](platform::MenuItem& item) {
        if (!item.isSeparator()) items.push_back(&item);
    });
    std::set<std::string> names;
    for (const platform::MenuItem* a : items) {
        SCOPED_TRACE(a->name());
        EXPECT_TRUE(names.insert(a->name()).second);
        if (!a->shortcut()) continue;
        // The key the item's shortcut stands for reaches this item, no other.
        const auto key = platform::KeyEvent::of(a->shortcut()->key, a->shortcut()->modifiers);
        EXPECT_EQ(bar.findByShortcut(key), a);
    }
    const auto& save = bar.findItem("FileSaveTapeAs")->shortcut();
    ASSERT_TRUE(save.has_value());
    EXPECT_EQ(*save, platform::Shortcut::parse("Ctrl+Shift+S"));
}

TEST(MenuBar, CommandIsControlHere) {
    EXPECT_EQ(desktopShortcut("Cmd+Shift+P"), "Ctrl+Shift+P");
    EXPECT_EQ(desktopShortcut("Cmd+^"), "Ctrl+^");
    EXPECT_EQ(desktopShortcut("Cmd+Option+,"), "Ctrl+Option+,");
    EXPECT_EQ(desktopShortcut(""), "");
}

struct KeyCase {
    const char* label;
    const char* text;
    platform::Modifiers mods;
    const char* item;
};

void PrintTo(const KeyCase& c, std::ostream* os) {
    *os << c.label;
}

class Shortcuts : public ::testing::TestWithParam<KeyCase> {};

TEST_P(Shortcuts, ControlKeyRunsItsCommand) {
    const KeyCase& c = GetParam();
    AppFixture f;
    f.start();
    f.type("5=");  // the Unit and LCD items need a value
    std::vector<std::string> ran;
    platform::MenuBar& bar = f.app.menuBar();
    bar.forEachItem([&](platform::MenuItem& item) {
        f.app.addMenuHandler(item.name(), [&ran, name = item.name()] {
            ran.push_back(name);
            return true;
        });
    });
    EXPECT_TRUE(f.app.typeKey(platform::KeyEvent::of(c.text, c.mods)));
    EXPECT_EQ(ran, std::vector<std::string>{c.item});
}

constexpr platform::Modifiers kCtrl = platform::Modifiers::withControl();
constexpr platform::Modifiers kCtrlShift = kCtrl | platform::Modifiers::withShift();
constexpr platform::Modifiers kCtrlOption = kCtrl | platform::Modifiers::withOption();

// clang-format off
INSTANTIATE_TEST_SUITE_P(Menu, Shortcuts, ::testing::Values(
    KeyCase{"PageSetup",      "P", kCtrlShift,  "FilePageSetup"},
    KeyCase{"Print",          "p", kCtrl,       "FilePrintTape"},
    KeyCase{"SaveTapeAs",     "S", kCtrlShift,  "FileSaveTapeAs"},
    KeyCase{"Quit",           "q", kCtrl,       "FileQuit"},
    KeyCase{"CopyCalc",       "c", kCtrl,       "EditCopyCalc"},
    KeyCase{"CopyTape",       "c", kCtrlOption, "EditCopyTape"},
    KeyCase{"Sixteenths",     "6", kCtrl,       "LCD1_16"},
    KeyCase{"SixtyFourths",   "^", kCtrlShift,  "LCD1_64"},
    KeyCase{"Decimal",        "0", kCtrl,       "LCDDecimal"},
    KeyCase{"FootInch",       "F", kCtrlShift,  "UnitFootInch"},
    KeyCase{"Foot",           "f", kCtrl,       "UnitFeet"},
    KeyCase{"Millimeters",    "M", kCtrlShift,  "UnitMillimeters"},
    KeyCase{"ToDock",         "m", kCtrl,       "HelpMinimzetodock"},
    KeyCase{"Centimeters",    ",", kCtrlShift,  "UnitCentimeters"},
    KeyCase{"Preferences",    ",", kCtrl,       "Preferences"},
    KeyCase{"About",          ",", kCtrlOption, "AppleAboutTavrel"},
    KeyCase{"Help",           "?", kCtrlShift,  "HelptavrelHelp"},
    KeyCase{"Tape",           "t", kCtrl,       "HelpTape"},
    KeyCase{"Minimize",       "T", kCtrlShift,  "Helpminimize"}),
    [](const auto& info) { return std::string(info.param.label); });
// clang-format on

TEST(Shortcuts, ADisabledItemsShortcutIsSwallowed) {
    AppFixture f;
    f.start();
    f.type("12");
    f.type("{esc}");
    f.win().EditFract1.setText("");
    f.win().PMUnit.setEnabled(false);
    EXPECT_TRUE(f.app.typeKey(platform::KeyEvent::of("i", kCtrl)));
    EXPECT_EQ(f.win().EditFract1.text(), "");
}

// After typing a script: the items' enabled states and the checked items.
struct EnableCase {
    const char* label;
    const char* keys;
    bool lcdEnabled;
    bool unitEnabled;
    const char* lcdChecked;  // "" none
    const char* unitChecked;
};

void PrintTo(const EnableCase& c, std::ostream* os) {
    *os << c.label;
}

class Enabling : public ::testing::TestWithParam<EnableCase> {};

TEST_P(Enabling, ChecksFollowTheRunningValueAndEnablingThePopUps) {
    const EnableCase& c = GetParam();
    AppFixture f;
    f.start();
    f.type(c.keys);
    f.app.requestMenuEnabling();
    for (const MenuRow& row : menuRows()) {
        platform::MenuItem& item = f.item(row.item);
        const std::string_view name = row.item;
        const bool lcd = row.menu == "lcd" && item.caption() != "-";
        const bool unit = row.menu == "unit" && item.caption() != "-";
        SCOPED_TRACE(row.item);
        if (lcd) {
            EXPECT_EQ(item.enabled(), c.lcdEnabled);
            EXPECT_EQ(item.checked(), name == c.lcdChecked);
        } else if (unit) {
            EXPECT_EQ(item.enabled(), c.unitEnabled);
            EXPECT_EQ(item.checked(), name == c.unitChecked);
        } else {
            EXPECT_TRUE(item.enabled());
            EXPECT_FALSE(item.checked());
        }
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Menu, Enabling, ::testing::Values(
    EnableCase{"Fresh",            "",              true,  false, "LCDDecimal", ""},
    EnableCase{"FeetInches",       "3'6\"=",        true,  true,  "LCD1_64",    "UnitFootInch"},
    EnableCase{"DecimalFeet",      "3.5'=",         true,  true,  "LCDDecimal", "UnitFeet"},
    EnableCase{"Metres",           "2M=",           true,  true,  "LCDDecimal", "UnitMeters"},
    EnableCase{"Unitless",         "5=",            true,  true,  "LCDDecimal", ""},
    EnableCase{"Cleared",          "3'6\"=C",       false, false, "LCDDecimal", ""}),
    [](const auto& info) { return std::string(info.param.label); });
// clang-format on

TEST(Enabling, ACheckFollowsTheRunningValueNotThePopUp) {
    AppFixture f;
    f.start();
    f.type("3'6\"=");
    f.app.runMenuCommand("LCD1_16");
    f.app.requestMenuEnabling();
    EXPECT_TRUE(f.item("LCD1_16").checked());
    f.type("*2'=");  // an area is shown decimal whatever the pop-up said
    f.app.requestMenuEnabling();
    EXPECT_EQ(f.win().calculator().registers().runningReg->fractType, 0);
    EXPECT_TRUE(f.item("LCDDecimal").checked());
}

// A command run after typing a script: the display afterwards.
struct CommandCase {
    const char* label;
    const char* keys;
    const char* item;
    const char* display;
};

void PrintTo(const CommandCase& c, std::ostream* os) {
    *os << c.label;
}

class Commands : public ::testing::TestWithParam<CommandCase> {};

TEST_P(Commands, ConvertTheDisplayedValue) {
    const CommandCase& c = GetParam();
    AppFixture f;
    f.start();
    f.type(c.keys);
    f.app.runMenuCommand(c.item);
    EXPECT_EQ(f.win().EditFract1.text(), c.display);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Menu, Commands, ::testing::Values(
    CommandCase{"FootToMillimetres",   "1'=",    "UnitMillimeters", "304.8m"},
    CommandCase{"FootToInches",        "2.5'=",  "UnitInches",      "30.0\""},
    CommandCase{"EntryCompletedFirst", "12'",    "UnitInches",      "144.0\""},
    CommandCase{"EntryAfterPlus",      "1'+6\"", "UnitInches",      "18.0\""},
    CommandCase{"UnitlessUnchanged",   "5=",     "UnitInches",      "5.0"},
    CommandCase{"UnitlessInEighths",   "5.25=",  "LCD1_8",          "5 1/4"},
    CommandCase{"FeetInchesToDecimal", "3'6\"=", "LCDDecimal",      "3.5'"},
    CommandCase{"LcdEntryCompleted",   "5=3.3",  "LCD1_8",          "3 1/4"}),
    [](const auto& info) { return std::string(info.param.label); });
// clang-format on

TEST(Commands, LcdCommandDuringAnEntryLeavesThePopUpShowingTheNewPrecision) {
    AppFixture f;
    f.start();
    f.type("5=3.3");
    f.app.runMenuCommand("LCD1_8");
    EXPECT_EQ(f.win().PMLCD.text(), "1/8");
    f.app.requestMenuEnabling();
    EXPECT_TRUE(f.item("LCD1_8").checked());
}

TEST(Commands, UnitCommandKeepsTheFullValueWithoutAnEquals) {
    AppFixture f;
    f.start();
    f.type("1'=");
    const std::string tapeBefore = f.win().Tape1.text();
    f.app.runMenuCommand("UnitMillimeters");
    f.app.runMenuCommand("UnitFeet");
    EXPECT_EQ(f.win().EditFract1.text(), "1.0'");
    EXPECT_EQ(f.win().Tape1.text(), tapeBefore) << "no = was pressed";
}

TEST(Commands, ClearCalcRunsTwiceWhileTheCalculatorIsInFrontOnceOtherwise) {
    AppFixture f;
    f.start();
    int clears = 0;
    auto& clear = f.win().get<ui::myBevelButton>("BBclear");
    clear.myAction = [&, old = clear.myAction] {
        ++clears;
        old();
    };
    f.app.runMenuCommand("EditClearCalc");
    EXPECT_EQ(clears, 2);
    platform::Window other(f.app, "other");
    other.open();
    other.show();
    f.app.runMenuCommand("EditClearCalc");
    EXPECT_EQ(clears, 3);
}

TEST(Commands, ClearTapeLeavesOnlyTheStamp) {
    AppFixture f;
    f.start();
    const std::string fresh = f.win().Tape1.text();
    f.type("2+3=");
    ASSERT_NE(f.win().Tape1.text(), fresh);
    f.app.runMenuCommand("EditClearTape");
    EXPECT_EQ(f.win().Tape1.text(), fresh);
}

TEST(Commands, TapeOpensKeyPadAndTapeFromTheReducedWindowThenClosesOnlyTheTape) {
    AppFixture f;
    f.start();
    f.app.runMenuCommand("Helpminimize");
    EXPECT_EQ(f.win().height(), 86);
    f.win().get<ui::myWigit>("wigitTape").set(true);  // tape closed too
    f.app.runMenuCommand("HelpTape");
    EXPECT_EQ(f.win().height(), 600);
    EXPECT_TRUE(f.win().Tape1.visible());
    f.app.runMenuCommand("HelpTape");
    EXPECT_EQ(f.win().height(), 355);
    EXPECT_FALSE(f.win().Tape1.visible());
    EXPECT_TRUE(f.win().get<ui::myWigit>("wigitMinimize").value);
}

TEST(Commands, MinimizeToDockTwiceGoesAndComesBack) {
    AppFixture f;
    f.start();
    f.app.runMenuCommand("HelpMinimzetodock");
    EXPECT_TRUE(platform::GetWindowCollapsed(f.win()));
    f.app.runMenuCommand("HelpMinimzetodock");
    EXPECT_FALSE(platform::GetWindowCollapsed(f.win()));
}

TEST(Commands, WebsiteOpensTheProductPage) {
    AppFixture f;
    f.start();
    f.app.runMenuCommand("Helptavrelwebsite");
    EXPECT_EQ(f.host.system().openedUrls(),
              std::vector<std::string>{"http://www.tavrel.org/tavrel/"});
}

TEST(Commands, QuitClosesTheCalculatorAndSavesItsState) {
    AppFixture f;
    f.start();
    f.win().moveByUser(99, 88);
    f.app.typeKey(platform::KeyEvent::of("q", kCtrl));
    EXPECT_TRUE(f.win().isClosed());
    EXPECT_TRUE(f.host.loop().quitRequested());
    EXPECT_EQ(testing::savedPrefs(f.host.files())->GetPrefNumber("winLeft", -1), 99);
}

TEST(Commands, CopyCalcAndCopyTapeTakeTheWholeText) {
    AppFixture f;
    f.start();
    f.type("3'+6\"=");
    f.app.runMenuCommand("EditCopyCalc");
    EXPECT_EQ(f.host.clipboard().text(), "3.5'");
    f.app.runMenuCommand("EditCopyTape");
    EXPECT_EQ(f.host.clipboard().text(), f.win().Tape1.text());
}

TEST(Commands, PasteReplacesTheDisplayOnce) {
    AppFixture f;
    f.start();
    f.type("7");
    f.host.clipboard().setText("12'\r6\"");
    f.app.runMenuCommand("EditPaste");
    EXPECT_EQ(f.win().EditFract1.text(), "12'6\"") << "the framework's paste must not add it again";
}

TEST(Commands, PreferencesShowsTheSheetAndHidesItAgain) {
    AppFixture f;
    f.start();
    f.app.runMenuCommand("Preferences");
    prefsWin* prefs = f.shell.shell().existingPrefsWin();
    ASSERT_NE(prefs, nullptr);
    EXPECT_TRUE(prefs->visible());
    EXPECT_EQ(prefs->sheetParent(), &f.win());
    f.app.runMenuCommand("Preferences");
    EXPECT_FALSE(prefs->visible());
}

TEST(Commands, HelpShowsTheHelpWindow) {
    AppFixture f;
    f.start();
    f.app.runMenuCommand("HelptavrelHelp");
    ASSERT_NE(f.shell.shell().existingHelp(), nullptr);
    EXPECT_TRUE(f.shell.shell().existingHelp()->visible());
}

TEST(Commands, SaveTapeAsWritesTheTapeToTheChosenFile) {
    AppFixture f;
    f.start();
    f.type("2+3=");
    const auto file = f.dir.path / "job.csv";
    f.host.desktop().answerSaveFile(file);
    EXPECT_TRUE(f.app.typeKey(platform::KeyEvent::of("S", kCtrlShift)));
    ASSERT_EQ(f.host.desktop().shownSaveDialogs().size(), 1u);
    const std::string csv = f.dir.read("job.csv");
    EXPECT_EQ(csv.rfind("\xEF\xBB\xBF"
                        "date,time,value,tag,number,unit\n",
                        0),
              0u)
        << csv;
    EXPECT_NE(csv.find(",5.0,◊,5.0,nu\n"), std::string::npos) << csv;
    // Cancelled: nothing written, nothing said.
    std::filesystem::remove(file);
    f.app.runMenuCommand("FileSaveTapeAs");
    EXPECT_EQ(f.host.desktop().shownSaveDialogs().size(), 2u);
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_TRUE(f.host.system().messages().empty());
}

TEST(Commands, EveryToolsItemShowsTheOneToolsWindowOnItsTool) {
    AppFixture f;
    f.start();
    f.app.requestMenuEnabling();
    const auto items = toolsMenuItems();
    ASSERT_EQ(items.size(), ui::toolsMenuRows().size());
    ui::toolsWin* first = nullptr;
    for (std::size_t row = 0; row < items.size(); ++row) {
        SCOPED_TRACE(items[row].item);
        EXPECT_TRUE(f.item(items[row].item).enabled());
        f.app.runMenuCommand(items[row].item);
        auto* w = dynamic_cast<ui::toolsWin*>(f.app.findWindow("toolsWin"));
        ASSERT_NE(w, nullptr);
        if (!first) first = w;
        EXPECT_EQ(w, first) << "one window for every tool";
        EXPECT_TRUE(w->visible());
        EXPECT_EQ(w->toolRow(), row);
        EXPECT_EQ(w->title(), "Tools: " + items[row].caption);
    }
}

TEST(Commands, TheToolsWindowWritesOnTheCalculatorsTapeAndDisplay) {
    AppFixture f;
    f.start();
    f.app.runMenuCommand("ToolsSquareup");
    auto* w = dynamic_cast<ui::toolsWin*>(f.app.findWindow("toolsWin"));
    ASSERT_NE(w, nullptr);
    ASSERT_EQ(w->tool().name, "squareup");
    for (const auto& [field, text] : {std::pair{"length", "30'"}, std::pair{"width", "20'"}}) {
        w->field("squareup", field).setFocus();
        w->typeText(text);
    }
    w->PBrecord.click();
    EXPECT_NE(f.win().Tape1.text().find(std::string(w->tool().title)), std::string::npos);
    EXPECT_NE(f.win().Tape1.text().find("36'-0 11/16\"  diagonal"), std::string::npos)
        << f.win().Tape1.text();
    w->enterResult(0, 0);
    EXPECT_EQ(f.win().EditFract1.text(), "36'-0 11/16\"");
}

}  // namespace
}  // namespace tavrel::app
