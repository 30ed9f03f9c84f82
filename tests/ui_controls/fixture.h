// A hermetic application for the program's control classes: fixed start
// time, '.' separator, and a temporary resources folder that a test fills
// with just the picture files it wants.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "tavrel/platform/headless/headless_platform.h"
#include "tavrel/platform/platform.h"
#include "tavrel/ui/controls/image_set.h"

namespace tavrel::ui::testing {

namespace fs = std::filesystem;

inline fs::path makeTempFolder() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "-" + info->name();
    for (char& c : name)
        if (c == '/') c = '-';
    fs::path p = fs::temp_directory_path() /
                 ("tavrel-ui-controls-" + std::to_string(::getpid()) + "-" + name);
    fs::remove_all(p);
    fs::create_directories(p);
    return p;
}

// A PNG header is all the headless loader reads.
inline void writePng(const fs::path& file, int width, int height) {
    std::string png("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16);
    for (int v : {width, height})
        for (int shift = 24; shift >= 0; shift -= 8) png += static_cast<char>((v >> shift) & 0xFF);
    std::ofstream(file, std::ios::binary) << png;
}

struct ControlsFixture {
    fs::path resources = makeTempFolder();
    platform::headless::HeadlessPlatform host{
        {.resourcesFolder = resources, .start = {2024, 1, 1, 9, 0, 0}, .decimalSeparator = U'.'}};
    platform::Application app{host};
    platform::Window window{app, "calcWin", platform::WindowKind::GlobalFloating};
    ImageSet images{host.resources()};

    ~ControlsFixture() { fs::remove_all(resources); }
};

}  // namespace tavrel::ui::testing
