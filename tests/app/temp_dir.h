// A fresh folder per test under the system's temporary folder, removed after.
// The process id keeps apart test programs that run at once (ctest -j, two
// build folders) and would otherwise share a test's folder.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace tavrel::app::testing {

struct TempDir {
    std::filesystem::path path;
    TempDir() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(info->test_suite_name()) + "-" + info->name();
        for (char& c : name)
            if (c == '/') c = '_';
        path = std::filesystem::temp_directory_path() /
               ("tavrel-app-" + std::to_string(::getpid()) + "-" + name);
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path);
    }
    ~TempDir() { std::filesystem::remove_all(path); }

    void write(const std::string& file, const std::string& text) const {
        std::ofstream(path / file, std::ios::binary) << text;
    }
    std::string read(const std::string& file) const {
        std::ifstream in(path / file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
};

}  // namespace tavrel::app::testing
