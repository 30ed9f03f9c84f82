// The whole headless backend behind one Services object: a test makes one,
// hands it to an Application, and reads back what the services recorded.
//
//   headless::HeadlessPlatform platform({.preferencesFolder = tmp});
//   platform::Application app(platform);
//   ... platform.loop().advanceMs(200); platform.system().beeps();
#pragma once

#include <filesystem>
#include <optional>

#include "tavrel/platform/headless/headless_event_loop.h"
#include "tavrel/platform/headless/headless_services.h"
#include "tavrel/platform/headless/virtual_clock.h"
#include "tavrel/platform/services.h"

namespace tavrel::platform::headless {

struct HeadlessOptions {
    std::optional<std::filesystem::path> preferencesFolder = std::nullopt;
    std::optional<std::filesystem::path> dataFolder = std::nullopt;
    std::optional<std::filesystem::path> resourcesFolder = std::nullopt;
    DateTime start{2024, 1, 1, 9, 0, 0};
    char32_t decimalSeparator = U'.';
};

class HeadlessPlatform : public Services {
  public:
    explicit HeadlessPlatform(HeadlessOptions options = {});
    HeadlessPlatform(const HeadlessPlatform&) = delete;
    HeadlessPlatform& operator=(const HeadlessPlatform&) = delete;

    HeadlessSystem& system() override { return system_; }
    HeadlessClipboard& clipboard() override { return clipboard_; }
    VirtualClock& clock() override { return clock_; }
    HeadlessEventLoop& eventLoop() override { return loop_; }
    HeadlessLocale& locale() override { return locale_; }
    HeadlessFiles& files() override { return files_; }
    HeadlessDesktop& desktop() override { return desktop_; }
    HeadlessPrinting& printing() override { return printing_; }
    HeadlessHttp& http() override { return http_; }
    FolderResources& resources() override { return resources_; }

    HeadlessEventLoop& loop() { return loop_; }

  private:
    VirtualClock clock_;
    HeadlessEventLoop loop_;
    HeadlessSystem system_;
    HeadlessClipboard clipboard_;
    HeadlessLocale locale_;
    HeadlessFiles files_;
    HeadlessDesktop desktop_;
    HeadlessPrinting printing_;
    HeadlessHttp http_;
    FolderResources resources_;
};

}  // namespace tavrel::platform::headless
