// Built from its design table; the handlers are wired after the design values
// are set, so only the open handlers' settings raise changes. Every write goes
// through the shell, which tells a failure once; the handlers then go on.
#include "app/prefs_win.h"

#include <algorithm>
#include <string>

#include "app/shell.h"
#include "app/shell_design.h"
#include "tavrel/platform/group_box.h"

namespace tavrel::app {

namespace {

using Kind = ShellControlKind;

constexpr int kLevelMin = 10;
constexpr int kLevelMax = 100;
constexpr int kLevelDesign = 75;

// clang-format off
constexpr ShellControlDesign kPrefsWin[] = {
    {"GroupBox1",    Kind::GroupBox,    "",          8,   107, 206, 152, "transparency",              0,  0},
    {"trans",        Kind::Slider,      "GroupBox1", 16,  216, 142, 16,  "",                          0,  0},
    {"rbTrans",      Kind::RadioButton, "GroupBox1", 16,  158, 142, 20,  "always transparent",        0,  2},
    {"rbTrans",      Kind::RadioButton, "GroupBox1", 16,  180, 194, 20,  "transparent by mouse over", 0,  3},
    {"rbTrans",      Kind::RadioButton, "GroupBox1", 16,  135, 142, 20,  "no transparency",           0,  1},
    {"transPercent", Kind::Label,       "GroupBox1", 163, 212, 38,  20,  "100%",                      0,  0},
    {"bypassSplash", Kind::CheckBox,    "",          15,  48,  186, 25,  "bypass splash screen",      10, 0},
    {"checkUpdate",  Kind::CheckBox,    "",          15,  26,  186, 25,  "check for updates weekly",  10, 0},
    {"keepTape",     Kind::CheckBox,    "",          15,  73,  186, 25,  "Keep the tape between runs", 10, 0},
    {"PushButton1",  Kind::PushButton,  "",          134, 266, 80,  20,  "OK",                        0,  0},
    {"GroupBox2",    Kind::GroupBox,    "",          8,   8,   206, 92,  "general",                   0,  0},
};
// clang-format on

}  // namespace

prefsWin::prefsWin(platform::Application& app, Shell& shell)
    : Window(app, "prefsWin", platform::WindowKind::Sheet),
      trans(build().get<platform::Slider>("trans")),
      rbTrans(get<platform::RadioGroup>("rbTrans")),
      transPercent(get<platform::Label>("transPercent")),
      bypassSplash(get<platform::CheckBox>("bypassSplash")),
      checkUpdate(get<platform::CheckBox>("checkUpdate")),
      keepTape(get<platform::CheckBox>("keepTape")),
      PushButton1(get<platform::PushButton>("PushButton1")),
      shell_(shell) {
    trans.setRange(kLevelMin, kLevelMax);
    trans.setSteps(1, 20);
    trans.setLiveScroll(true);
    trans.setValue(kLevelDesign);
    transPercent.setAlignment(platform::Alignment::Right);
    PushButton1.setDefault(true);

    trans.onOpen = [this] { trans_Open(); };
    trans.onChange = [this] { trans_Change(); };
    trans.onClose = [this] { trans_Close(); };
    rbTrans.onOpen = [this] { rbTrans_Open(); };
    rbTrans.onChange = [this] { rbTrans_Action(); };
    transPercent.onOpen = [this] { transPercent.setText(std::to_string(trans.value())); };
    bypassSplash.onOpen = [this] {
        bypassSplash.setEnabled(true);
        bypassSplash.setValue(shell_.prefs().GetPrefBoolean("bypassSplash", true));
    };
    bypassSplash.onChange = [this] {
        shell_.prefs().SetPrefBoolean("bypassSplash", bypassSplash.value());
        shell_.writePrefs();
    };
    checkUpdate.onOpen = [this] {
        checkUpdate.setValue(shell_.prefs().GetPrefBoolean("checkUpdate", true));
    };
    checkUpdate.onChange = [this] {
        shell_.prefs().SetPrefBoolean("checkUpdate", checkUpdate.value());
        shell_.writePrefs();
    };
    keepTape.onOpen = [this] {
        keepTape.setValue(shell_.prefs().GetPrefBoolean("keepTape", true));
    };
    keepTape.onChange = [this] { keepTape_Action(); };
    PushButton1.onAction = [this] { PushButton1_Action(); };
    onClose = [this] { hide(); };
}

prefsWin& prefsWin::build() {
    setTitle("tavrel Preferences");
    setSize(221, 295);
    setCloseBox(false);
    setResizable(false);
    buildControls(*this, kPrefsWin);
    return *this;
}

std::optional<TransparencyMode> prefsWin::transMode() const {
    if (rbTrans.value() < 0) return std::nullopt;
    return static_cast<TransparencyMode>(rbTrans.value() + 1);
}

void prefsWin::selectMode(TransparencyMode mode) {
    rbTrans.setValue(static_cast<int>(mode) - 1);
}

void prefsWin::showOrHide() {
    if (visible())
        hide();
    else
        showAsSheetOf(shell_.calc().window());
}

void prefsWin::trans_Open() {
    // A hand-edited level outside the slider's range is limited to it.
    trans.setValue(
        std::clamp(shell_.prefs().GetPrefNumber("trans", trans.value()), kLevelMin, kLevelMax));
}

void prefsWin::trans_Change() {
    if (transMode() != TransparencyMode::None)
        shell_.calc().setTransparency(static_cast<float>(trans.value()) * 0.01f);
    transPercent.setText(std::to_string(trans.value()) + "%");
}

void prefsWin::trans_Close() {
    shell_.prefs().SetPrefNumber("trans", trans.value());
    shell_.writePrefs();
}

void prefsWin::keepTape_Action() {
    // The open handler's setting is the stored value: nothing to store or apply.
    const bool on = keepTape.value();
    if (on == shell_.prefs().GetPrefBoolean("keepTape", true)) return;
    shell_.prefs().SetPrefBoolean("keepTape", on);
    shell_.writePrefs();
    // The tape follows the choice even when it could not be stored.
    shell_.calc().setKeepTape(on);
}

void prefsWin::rbTrans_Open() {
    // A stored mode that names no button selects "no transparency".
    const int stored = shell_.prefs().GetPrefNumber("transType", 1);
    selectMode(stored >= 1 && stored <= 3 ? static_cast<TransparencyMode>(stored)
                                          : TransparencyMode::None);
}

void prefsWin::rbTrans_Action() {
    const auto mode = transMode();
    if (!mode) return;
    switch (*mode) {
        case TransparencyMode::None:
            shell_.calc().setTransparency(1.0f);
            shell_.calc().setTransparencyTimer(false);
            break;
        case TransparencyMode::Always:
            shell_.calc().setTransparency(static_cast<float>(trans.value()) * 0.01f);
            break;
        case TransparencyMode::MouseOver:
            shell_.calc().setTransparencyTimer(true);
            break;
    }
    shell_.prefs().SetPrefNumber("transType", static_cast<int>(*mode));
    shell_.writePrefs();
}

void prefsWin::PushButton1_Action() {
    hide();
    shell_.calc().returnToCalculator();
}

}  // namespace tavrel::app
