// The data folder's XDG rule, and the headless save-file dialog's scripted answers.
#include "tavrel/platform/folders.h"

#include <gtest/gtest.h>

#include <map>

#include "tavrel/platform/headless/headless_platform.h"

namespace tavrel::platform {
namespace {

struct FolderCase {
    const char* name;
    std::map<std::string, std::string> env;
    std::optional<std::string> expected;
};

void PrintTo(const FolderCase& c, std::ostream* os) {
    *os << c.name;
}

class DataFolder : public ::testing::TestWithParam<FolderCase> {};

TEST_P(DataFolder, FollowsTheXdgRule) {
    const FolderCase& c = GetParam();
    auto folder = xdgDataFolder([&](const char* name) -> std::optional<std::string> {
        auto it = c.env.find(name);
        if (it == c.env.end()) return std::nullopt;
        return it->second;
    });
    if (c.expected)
        EXPECT_EQ(folder, std::filesystem::path(*c.expected));
    else
        EXPECT_FALSE(folder) << *folder;
}

INSTANTIATE_TEST_SUITE_P(
    Environment, DataFolder,
    ::testing::Values(
        FolderCase{"XdgDataHomeFirst",
                   {{"XDG_DATA_HOME", "/data"}, {"HOME", "/home/ann"}},
                   "/data/tavrel"},
        FolderCase{"HomeWhenXdgUnset", {{"HOME", "/home/ann"}}, "/home/ann/.local/share/tavrel"},
        FolderCase{"RelativeXdgIgnored",
                   {{"XDG_DATA_HOME", "data"}, {"HOME", "/home/ann"}},
                   "/home/ann/.local/share/tavrel"},
        FolderCase{"EmptyXdgIgnored",
                   {{"XDG_DATA_HOME", ""}, {"HOME", "/home/ann"}},
                   "/home/ann/.local/share/tavrel"},
        FolderCase{"NothingUsable", {{"HOME", ""}}, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SaveFileDialog, AnswersInOrderThenCancels) {
    headless::HeadlessPlatform host({.dataFolder = "/data/tavrel"});
    EXPECT_EQ(host.files().dataFolder(), std::filesystem::path("/data/tavrel"));
    host.desktop().answerSaveFile("/tmp/a.csv");
    host.desktop().answerSaveFile(std::nullopt);
    Desktop& desktop = host.desktop();
    EXPECT_EQ(desktop.saveFileDialog("Save Tape As", "Tape.txt"),
              std::filesystem::path("/tmp/a.csv"));
    EXPECT_FALSE(desktop.saveFileDialog("Save Tape As", "Tape.txt"));
    EXPECT_FALSE(desktop.saveFileDialog("Save Tape As", "Tape.txt"));
    ASSERT_EQ(host.desktop().shownSaveDialogs().size(), 3u);
    EXPECT_EQ(host.desktop().shownSaveDialogs()[0].suggestedName, "Tape.txt");
}

}  // namespace
}  // namespace tavrel::platform
