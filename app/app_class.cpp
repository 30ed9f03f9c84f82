// Start-up runs in a fixed order (see the header); the application's menu
// handlers all report their command as not handled, as the window's do, so
// both run while the calculator is in front. Paste is the one exception: it
// replaces the display itself, and the framework's own paste must not then
// insert the clipboard a second time.
#include "app/app_class.h"

#include <array>
#include <utility>

#include "app/calc_win_link.h"
#include "app/menu_bar.h"
#include "app/prefs_win.h"
#include "core/unit_table.h"
#include "tavrel/platform/carbon_declares.h"
#include "tavrel/platform/services.h"
#include "ui/tools_win.h"

namespace tavrel::app {
namespace {

// clang-format off
constexpr std::array<std::pair<std::string_view, std::string_view>, 9> kUnitCommands{{
    {"UnitInches",      "inch"},
    {"UnitFeet",        "foot"},
    {"UnitFootInch",    "ft-in"},
    {"UnitYards",       "yard"},
    {"UnitMiles",       "mile"},
    {"UnitMillimeters", "mm"},
    {"UnitCentimeters", "cm"},
    {"UnitMeters",      "me"},
    {"UnitKilometers",  "km"},
}};
constexpr std::array<std::pair<std::string_view, std::string_view>, 8> kLcdCommands{{
    {"LCD1_2",     "1/2"},
    {"LCD1_4",     "1/4"},
    {"LCD1_8",     "1/8"},
    {"LCD1_16",    "1/16"},
    {"LCD1_32",    "1/32"},
    {"LCD1_64",    "1/64"},
    {"LCD1_100",   "1/100"},
    {"LCDDecimal", "decimal"},
}};
// clang-format on

}  // namespace

// The calculator window's saved state lives in the preferences file.
class AppClass::WindowState : public ui::WindowPrefs {
  public:
    WindowState(PrefStore& prefs, AppClass& owner) : prefs_(prefs), owner_(owner) {}
    std::int32_t number(std::string_view name, std::int32_t fallback) const override {
        return prefs_.GetPrefNumber(name, fallback);
    }
    bool boolean(std::string_view name, bool fallback) const override {
        return prefs_.GetPrefBoolean(name, fallback);
    }
    void setNumber(std::string_view name, std::int32_t value) override {
        prefs_.SetPrefNumber(name, value);
    }
    void setBoolean(std::string_view name, bool value) override {
        prefs_.SetPrefBoolean(name, value);
    }
    // A failure is told once, by the shell, whichever window wrote last.
    void write() override { owner_.shell().writePrefs(); }

  private:
    PrefStore& prefs_;
    AppClass& owner_;
};

// The shell's windows reach the calculator through the link; sizing is the
// window's own.
class AppClass::Link : public CalcWinAdapter {
  public:
    explicit Link(ui::calcWin& win) : CalcWinAdapter(win), win_(win) {}
    void sizeWindow() override { win_.sizeWindow(); }

  private:
    ui::calcWin& win_;
};

// The fading timer reads the preferences window's choice at every step.
class AppClass::Transparency : public ui::TransparencySettings {
  public:
    explicit Transparency(Shell& shell) : shell_(shell) {}
    ui::TransparencyMode mode() const override {
        const prefsWin* w = shell_.existingPrefsWin();
        const auto m = w ? w->transMode() : std::nullopt;
        return m ? static_cast<ui::TransparencyMode>(static_cast<int>(*m))
                 : ui::TransparencyMode::None;
    }
    int level() const override {
        const prefsWin* w = shell_.existingPrefsWin();
        return w ? w->trans.value() : 100;
    }

  private:
    Shell& shell_;
};

AppClass::AppClass(platform::Application& app, ui::TapeKeeping keeping)
    : app_(app),
      prefs_(app.services().files()),
      windowState_(std::make_unique<WindowState>(prefs_, *this)) {
    buildMenuBar(app_.menuBar());
    app_.onOpen = [this] { Event_Open(); };
    app_.onActivate = [this] { Event_Activate(); };
    app_.onDeactivate = [this] { Event_Deactivate(); };
    app_.onEnableMenuItems = [this] { Event_EnableMenuItems(); };
    registerMenuHandlers();
    calcWin_ = app_.makeWindow<ui::calcWin>(std::move(keeping));
    link_ = std::make_unique<Link>(*calcWin_);
    shell_ = std::make_unique<Shell>(app_, prefs_, *link_);
    transparency_ = std::make_unique<Transparency>(*shell_);
    calcWin_->windowPrefs = windowState_.get();
    calcWin_->transparency = transparency_.get();
    calcWin_->showHelp = [this] { shell_->HelpWindow(); };
    calcWin_->toggleTransparency = [this] { toggleTransparency(); };
    shell_->wireUpdateTimer();
}

AppClass::~AppClass() {
    app_.onOpen = nullptr;
    app_.onActivate = nullptr;
    app_.onDeactivate = nullptr;
    app_.onEnableMenuItems = nullptr;
    calcWin_->windowPrefs = nullptr;
    calcWin_->transparency = nullptr;
    calcWin_->showHelp = nullptr;
    calcWin_->toggleTransparency = nullptr;
}

ui::toolsWin* AppClass::ToolsWin(std::size_t row) {
    return ui::openToolRow(app_, *calcWin_, row);
}

void AppClass::toggleTransparency() {
    // Through the preferences window, so it shows and stores the change and
    // the fading timer stops or starts with it.
    prefsWin& prefs = shell_->PrefsWin();
    prefs.selectMode(calcWin_->opacity() < 1.0f ? TransparencyMode::None
                                                : TransparencyMode::Always);
}

bool AppClass::checkUnit() const {
    return !sameCode(calcWin_->calculator().registers().runningReg->unit, "nu");
}

void AppClass::Event_Open() {
    Registers& regs = calcWin_->calculator().registers();
    regs.runningReg = newValue();
    regs.tempReg = newValue();
    calcWin_->hide();
    prefs_.InitPrefFile(kPrefsFileName);
    // The window opened keeping its tape; the preference may turn that off.
    if (!prefs_.GetPrefBoolean("keepTape", true)) calcWin_->setKeepTape(false);
    if (showAboutWindow)
        showAboutWindow();
    else
        shell_->AboutTavrel();
    decimalLocalized = static_cast<std::int32_t>(app_.services().locale().decimalSeparator());
}

void AppClass::aboutClosed() {
    link_->sizeWindow();
    shell_->doneLaunch = true;
}

void AppClass::Event_Activate() {
    platform::SetWindowCollapsed(*calcWin_, false);
}

void AppClass::Event_Deactivate() {
    if (platform::Window* w = app_.activeWindow()) w->setFocus(nullptr);
}

void AppClass::Event_EnableMenuItems() {
    if (platform::MenuItem* about = app_.menuBar().findItem("AppleAboutTavrel"))
        about->setEnabled(true);
    calcWin_->enableUnitMenus(app_.menuBar());
}

void AppClass::on(std::string item, std::function<void()> effect) {
    app_.addMenuHandler(std::move(item), [effect = std::move(effect)] {
        effect();
        return false;
    });
}

void AppClass::registerMenuHandlers() {
    auto win = [this]() -> ui::calcWin& { return *calcWin_; };
    on("FilePageSetup", [win] { win().pageSetup(); });
    on("FilePrintTape", [win] { win().printTape(); });
    on("FileSaveTapeAs", [win] { win().saveTapeAs(); });
    on("FileQuit", [this] { app_.quit(); });
    on("EditCopyCalc", [win] { win().copyCalc(); });
    on("EditCopyTape", [win] { win().copyTape(); });
    app_.addMenuHandler("EditPaste", [win] {
        win().pasteCalc();
        return true;
    });
    on("EditClearCalc", [win] { win().get<ui::myBevelButton>("BBclear").push(); });
    on("EditClearTape", [win] { win().get<ui::myPushButton>("pbTapeClr").push(); });
    for (const auto& [item, text] : kLcdCommands)
        on(std::string(item), [win, t = std::string(text)] { win().lcdMenuCommand(t); });
    for (const auto& [item, text] : kUnitCommands)
        on(std::string(item), [win, t = std::string(text)] { win().unitMenuCommand(t); });
    const auto tools = toolsMenuItems();
    for (std::size_t row = 0; row < tools.size(); ++row)
        on(tools[row].item, [this, row] { ToolsWin(row); });
    on("HelptavrelHelp", [this] { shell_->HelpWindow(); });
    on("Helptavrelwebsite", [this] { shell_->openWebsite(); });
    on("Helpversioncheck", [this] { shell_->checkForUpdateNow(); });
    on("AppleAboutTavrel", [this] {
        if (showAboutWindow)
            showAboutWindow();
        else
            shell_->AboutTavrel();
    });
    on("Preferences", [this] { shell_->PrefsWin().showOrHide(); });
    on("HelpTape", [win] {
        auto& minimize = win().get<ui::myWigit>("wigitMinimize");
        auto& tape = win().get<ui::myWigit>("wigitTape");
        if (minimize.value) {
            tape.push();
        } else {
            minimize.push();
            if (!tape.value) tape.push();
        }
    });
    on("Helpminimize", [win] { win().get<ui::myWigit>("wigitMinimize").push(); });
    on("HelpMinimzetodock",
       [win] { platform::SetWindowCollapsed(win(), !platform::GetWindowCollapsed(win())); });
}

}  // namespace tavrel::app
