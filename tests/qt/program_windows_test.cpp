// The whole desktop program on the offscreen platform: the application object
// starts as the desktop program starts it, and every window it has is reached
// through its menu commands, shown and grabbed to an image with something
// drawn on it. Preferences and the kept tape live in a scratch folder; the
// update check is pointed at a refused port on 127.0.0.1, so nothing leaves
// the machine.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMenuBar>
#include <QNetworkReply>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QWidget>
#include <fstream>
#include <memory>
#include <ostream>
#include <set>
#include <string>

#include "app/app_class.h"
#include "app/pref_store.h"
#include "calculator_on_qt.h"
#include "tavrel/platform/application.h"
#include "tavrel/platform/qt/qt_platform.h"

namespace tavrel::qttest {
namespace {

quint16 refusedPort() {
    QTcpServer closed;
    closed.listen(QHostAddress::LocalHost);
    return closed.serverPort();  // closed again when this returns
}

class DesktopProgram {
  public:
    DesktopProgram() : platform_(options(folder_)), app_(platform_) {
        shell_ = std::make_unique<app::AppClass>(app_);
        app_.open();
        settle();
    }
    ~DesktopProgram() {
        shell_.reset();
        settle();
    }

    platform::qt::QtPlatform& platform() { return platform_; }
    platform::Application& app() { return app_; }
    app::AppClass& shell() { return *shell_; }
    void settle() {
        platform_.eventLoop().runUntil([] { return false; }, 50);
    }

  private:
    static platform::qt::QtOptions options(const QTemporaryDir& folder) {
        const std::filesystem::path root = folder.path().toStdString();
        std::filesystem::create_directories(root / "config");
        std::filesystem::create_directories(root / "data");
        std::ofstream prefs(root / "config" / std::string(app::kPrefsFileName));
        prefs << "updateHost\n127.0.0.1:" << refusedPort() << "\ncheckUpdate\nfalse\n";
        platform::qt::QtOptions o;
        o.resourcesFolder = picturesFolder();
        o.preferencesFolder = root / "config";
        o.dataFolder = root / "data";
        return o;
    }

    QTemporaryDir folder_;
    platform::qt::QtPlatform platform_;
    platform::Application app_;
    std::unique_ptr<app::AppClass> shell_;
};

// Something is drawn: a blank or unpainted grab has one colour.
std::size_t colours(const QImage& image) {
    std::set<QRgb> seen;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2) seen.insert(image.pixel(x, y));
    return seen.size();
}

struct WindowCase {
    const char* name;
    const char* menuItem;  // the command that shows it
    const char* window;    // the model window's name
};

void PrintTo(const WindowCase& c, std::ostream* os) {
    *os << c.menuItem << " -> " << c.window;
}

class ProgramWindows : public ::testing::TestWithParam<WindowCase> {};

TEST_P(ProgramWindows, MenuCommandShowsItPainted) {
    const WindowCase& c = GetParam();
    DesktopProgram program;
    EXPECT_EQ(program.app().findWindow(c.window) != nullptr &&
                  program.app().findWindow(c.window)->visible(),
              false)
        << "shown before its command";
    // The shell's handlers return false, as the framework's menu handlers
    // may, so the result says nothing here: the window must show.
    program.app().runMenuCommand(c.menuItem);
    program.settle();
    platform::Window* window = program.app().findWindow(c.window);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->visible());
    QWidget* widget = program.platform().widgetFor(*window);
    ASSERT_NE(widget, nullptr);
    EXPECT_TRUE(widget->isVisible());
    const QImage shot = widget->grab().toImage();
    ASSERT_FALSE(shot.isNull());
    EXPECT_GE(shot.width(), window->width());
    EXPECT_GT(colours(shot), 3u);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(EveryWindow, ProgramWindows, ::testing::Values(
    WindowCase{"About",       "AppleAboutTavrel", "aboutTavrel"},
    WindowCase{"Preferences", "Preferences",      "prefsWin"},
    WindowCase{"Help",        "HelptavrelHelp",   "helpWindow"},
    WindowCase{"UpdateCheck", "Helpversioncheck", "WinVersionCheck"},
    WindowCase{"Tools",       "ToolsStairs",      "toolsWin"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(ProgramStart, CalculatorShowsWithItsMenuBarPainted) {
    DesktopProgram program;
    ui::calcWin& calc = program.shell().calcWin();
    ASSERT_TRUE(calc.visible());
    QWidget* top = program.platform().widgetFor(calc);
    ASSERT_NE(top, nullptr);
    EXPECT_TRUE(top->isVisible());
    auto* bar = top->findChild<QMenuBar*>(QStringLiteral("menuBar"));
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->isVisible());
    QStringList menus;
    for (QAction* a : bar->actions()) menus << a->text();
    EXPECT_EQ(menus, (QStringList{"File", "Edit", "LCD", "Unit", "Tools", "Help"}));
    const QImage shot = top->grab().toImage();
    EXPECT_GT(colours(shot.copy(0, 0, shot.width(), bar->height())), 3u) << "menu bar";
    EXPECT_GT(colours(shot.copy(0, bar->height(), shot.width(), shot.height() - bar->height())), 3u)
        << "calculator";
}

bool hasTopLevel(const char* name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name)) return true;
    return false;
}

// Windows made hidden at start-up cost no widgets before they show: the
// calculator's first paint waits for nothing it does not show.
TEST(ProgramStart, HiddenWindowsGetTheirWidgetsWhenTheyFirstShow) {
    DesktopProgram program;
    ASSERT_NE(program.app().findWindow("prefsWin"), nullptr);
    EXPECT_FALSE(program.app().findWindow("prefsWin")->visible());
    EXPECT_FALSE(hasTopLevel("prefsWin"));
    EXPECT_FALSE(hasTopLevel("aboutTavrel")) << "closed at once by the splash bypass";
    EXPECT_TRUE(hasTopLevel("calcWin"));
    program.app().runMenuCommand("Preferences");
    program.settle();
    EXPECT_TRUE(hasTopLevel("prefsWin"));
    auto* checkBox = program.platform()
                         .contentFor(*program.app().findWindow("prefsWin"))
                         ->findChild<QWidget*>(QStringLiteral("bypassSplash"));
    ASSERT_NE(checkBox, nullptr) << "built from the model's state when shown";
    EXPECT_TRUE(checkBox->isVisible());
}

// The check talks only to the refused port it was given, and says why it failed.
TEST(ProgramStart, UpdateCheckAgainstARefusedPortShowsTheFailure) {
    DesktopProgram program;
    program.app().runMenuCommand("Helpversioncheck");
    platform::Window* check = program.app().findWindow("WinVersionCheck");
    ASSERT_NE(check, nullptr);
    auto* text = dynamic_cast<platform::Label*>(check->find("StaticText1"));
    ASSERT_NE(text, nullptr);
    program.platform().eventLoop().runUntil(
        [&] { return text->text().find("unable to connect") != std::string::npos; }, 10000);
    EXPECT_NE(text->text().find("unable to connect to server please visit 127.0.0.1:"),
              std::string::npos)
        << text->text();
    // Refused, not misread: the host has no scheme, and must still be asked.
    const std::string refused =
        " error # " + std::to_string(static_cast<int>(QNetworkReply::ConnectionRefusedError));
    EXPECT_TRUE(text->text().ends_with(refused)) << text->text();
}

}  // namespace
}  // namespace tavrel::qttest
