// The desktop program: the calculator window on the Qt backend. --version and
// --help answer on standard output without opening a window.
#include <cstring>
#include <iostream>
#include <memory>

#include "tavrel/platform/application.h"
#include "tavrel/platform/qt/run.h"
#include "ui/calc_win.h"

namespace {

constexpr const char* kUsage =
    "Usage: tavrel [--version] [--help]\n"
    "A calculator for architecture and construction: feet, inches, fractions and\n"
    "metric units in one window. Without options it opens the calculator window.\n"
    "The command-line front end is tavrel-cli.\n";

// The program while it runs: the application object and its window.
struct Program {
    explicit Program(tavrel::platform::Services& services) : app(services) {}
    tavrel::platform::Application app;
    std::shared_ptr<tavrel::ui::calcWin> window;
};

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::cout << "tavrel " << TAVREL_VERSION << '\n';
            return 0;
        }
        if (std::strcmp(argv[i], "--help") == 0) {
            std::cout << kUsage;
            return 0;
        }
    }
    tavrel::platform::qt::RunOptions options;
#ifdef TAVREL_FIRST_PAINT_PROBE
    options.quitAfterFirstPaint = true;
#endif
    return tavrel::platform::qt::runApplication(
        argc, argv,
        [](tavrel::platform::qt::QtPlatform& platform) {
            auto program = std::make_shared<Program>(platform);
            program->window = program->app.makeWindow<tavrel::ui::calcWin>();
            auto& win = *program->window;
            win.onClose = [&platform] { platform.eventLoop().quit(); };
            win.setPosition(15, 50);
            win.show();
            win.EditFract1.setFocus();
            return program;
        },
        options);
}
