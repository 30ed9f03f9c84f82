// A headless application with one open window, and an event log that
// handlers append to so tests can compare nesting orders.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "tavrel/platform/headless/headless_platform.h"
#include "tavrel/platform/platform.h"

namespace tavrel::platform::testing {

struct AppFixture {
    headless::HeadlessPlatform host;
    Application app{host};
    Window window{app, "win"};
    std::vector<std::string> log;

    AppFixture() {
        window.setSize(300, 300);
        window.open();
        window.show();
    }
    std::function<void()> logs(std::string what) {
        return [this, what] { log.push_back(what); };
    }
};

}  // namespace tavrel::platform::testing
