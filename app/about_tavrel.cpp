// Built from its design table over the splash picture; the handlers are wired
// in the constructor and run when the application opens the window.
#include "app/about_tavrel.h"

#include "app/prefs_win.h"
#include "app/product.h"
#include "app/shell.h"
#include "app/shell_design.h"
#include "app/version_text.h"
#include "tavrel/platform/application.h"
#include "tavrel/platform/filled_rectangle.h"

namespace tavrel::app {

namespace {

using Kind = ShellControlKind;

constexpr platform::Color kWhite{255, 255, 255};

// clang-format off
constexpr ShellControlDesign kAboutTavrel[] = {
    {"Rectangle1",  Kind::FilledRectangle, "",           0,   185, 337, 28, "",         0,  0},
    {"StaticText5", Kind::Label,           "Rectangle1", 4,   188, 100, 20, "tavrel",   0,  0},
    {"StaticText6", Kind::Label,           "Rectangle1", 114, 188, 212, 20, "version",  0,  0},
    {"GroupBox1",   Kind::GroupBox,        "",           4,   237, 329, 20, "",         12, 0},
    {"StaticText1", Kind::Label,           "",           10,  242, 324, 10, "",         9,  0},
    {"StaticText4", Kind::Label,           "",           4,   158, 97,  20, "Untitled", 9,  0},
    {"StaticText7", Kind::Label,           "",           148, 187, 183, 28, "a calculator for architecture\rand construction", 9, 0},
    {"Canvas3",     Kind::ClickableURL,    "",           226, 216, 107, 15, "",         0,  0},
};
// clang-format on

}  // namespace

aboutTavrel::aboutTavrel(platform::Application& app, Shell& shell)
    : Window(app, "aboutTavrel", platform::WindowKind::PlainBox),
      StaticText1(build().get<platform::Label>("StaticText1")),
      StaticText4(get<platform::Label>("StaticText4")),
      StaticText6(get<platform::Label>("StaticText6")),
      Canvas3(get<ClickableURL>("Canvas3")),
      shell_(shell),
      images_(app.services().resources()) {
    auto& rect = get<platform::FilledRectangle>("Rectangle1");
    rect.setFillColor(platform::Color::fromRgb(0x0C0C0C));
    rect.setBorderWidth(0);
    for (const char* name : {"StaticText5", "StaticText6", "StaticText4", "StaticText7"})
        get(name).setTextColor(kWhite);
    auto& tagline = get<platform::Label>("StaticText7");
    tagline.setItalic(true);
    tagline.setAlignment(platform::Alignment::Right);
    tagline.setMultiline(true);
    setBackdrop(images_.splash11());

    StaticText6.onOpen = [this] {
        shell_.guarded("failed in aboutTavrel.StaticText6.Open",
                       [&] { StaticText6.setText(versionText(this->app().version())); });
    };
    StaticText4.onOpen = [this] {
        shell_.guarded("failed in aboutTavrel.StaticText4.Open",
                       [&] { StaticText4.setText(buildText(this->app().version())); });
    };
    Canvas3.myOpen = [this] {
        shell_.guarded("failed in aboutTavrel.Canvas3.Open", [&] {
            Canvas3.SetURL(std::string(kMakerAddress));
            Canvas3.SetLink(images_.byZel());
            Canvas3.SetCursor(images_.pointyFinger());
        });
    };
    Canvas3.myMouseEnter = [this] {
        shell_.guarded("failed in aboutTavrel.Canvas3.mouseEnter",
                       [&] { StaticText1.setText(Canvas3.GetURL()); });
    };
    Canvas3.myMouseExit = [this] {
        shell_.guarded("failed in aboutTavrel.Canvas3.MouseExit",
                       [&] { StaticText1.setText(TextMessage); });
    };
    onOpen = [this] { Window_Open(); };
    onKeyDown = [this](const platform::KeyEvent&) {
        shell_.guarded("failed in aboutTavrel.keyDown", [&] { close(); });
        return true;
    };
    onMouseDown = [this](int, int) {
        shell_.guarded("failed in aboutTavrel.mouseDown", [&] { close(); });
        return true;
    };
    onDeactivate = [this] {
        shell_.guarded("failed in aboutTavrel.Deactivate", [&] { shell_.calc().focusDisplay(); });
    };
    onClose = [this] {
        shell_.guarded("failed in aboutTavrel.Close", [&] {
            shell_.calc().sizeWindow();
            shell_.doneLaunch = true;
        });
    };
}

aboutTavrel& aboutTavrel::build() {
    setTitle("about tavrel");
    setSize(337, 263);
    setCloseBox(false);
    setResizable(false);
    buildControls(*this, kAboutTavrel);
    return *this;
}

void aboutTavrel::Window_Open() {
    shell_.guarded("failed in aboutTavrel.open", [&] {
        prefsWin& prefs = shell_.PrefsWin();
        prefs.bypassSplash.setValue(shell_.prefs().GetPrefBoolean("bypassSplash", false));
        if (prefs.bypassSplash.value() && !shell_.doneLaunch) {
            close();
            return;
        }
        setSize(337, 263);
        TextMessage = std::string(kAboutPrompt);
        StaticText1.setText(TextMessage);
    });
}

}  // namespace tavrel::app
