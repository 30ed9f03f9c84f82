// Runs a program on the desktop backend: makes the QApplication and the
// platform, lets the program build itself on the platform, then turns the
// loop until the program quits (EventLoop::quit).
#pragma once

#include <functional>
#include <memory>

#include "tavrel/platform/qt/qt_platform.h"

namespace tavrel::platform::qt {

struct RunOptions {
    QtOptions platform;
    // Ends the run once the first window has painted, saying "painted" on
    // standard output when it did (start-up measurements).
    bool quitAfterFirstPaint = false;
};

// start builds the program and returns what must live while it runs.
int runApplication(int& argc, char** argv,
                   const std::function<std::shared_ptr<void>(QtPlatform&)>& start,
                   const RunOptions& options = {});

}  // namespace tavrel::platform::qt
