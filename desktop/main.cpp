// The desktop program: the application object (menu bar, calculator window,
// preferences, splash) on the Qt backend. --version and --help answer on
// standard output without opening a window. SIGTERM and SIGINT close the
// calculator as its close box does, so its state is saved before the end.
#include <cstring>
#include <iostream>
#include <memory>

#include "app/app_class.h"
#include "tavrel/platform/application.h"
#include "tavrel/platform/qt/run.h"
#include "tavrel/platform/quit_signals.h"

namespace {

constexpr const char* kUsage =
    "Usage: tavrel [--version] [--help]\n"
    "A calculator for architecture and construction: feet, inches, fractions and\n"
    "metric units in one window. Without options it opens the calculator window.\n"
    "The command-line front end is tavrel-cli.\n";

// The program while it runs: the framework's application and ours.
struct Program {
    explicit Program(tavrel::platform::Services& services) : app(services), shell(app) {}
    tavrel::platform::Application app;
    tavrel::app::AppClass shell;
    tavrel::platform::QuitSignals quitSignals;
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
            program->quitSignals.watch(program->app);
            program->app.open();
            return program;
        },
        options);
}
