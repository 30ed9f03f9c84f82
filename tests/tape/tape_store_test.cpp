// The kept tape's file: what loading makes of what it finds, appends and
// clearing as the file sees them, the line limit, and a folder that cannot
// be written.
#include "tape/tape_store.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "tape/kept_tape.h"

namespace tavrel {
namespace {

namespace fs = std::filesystem;

struct TempFolder : ::testing::Test {
    fs::path dir;
    fs::path file;
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(info->test_suite_name()) + "-" + info->name();
        for (char& c : name)
            if (c == '/') c = '-';
        dir = fs::temp_directory_path() /
              ("tavrel-tape-store-" + std::to_string(::getpid()) + "-" + name);
        fs::remove_all(dir);
        fs::create_directories(dir);
        file = dir / "tape.txt";
    }
    void TearDown() override { fs::remove_all(dir); }

    void write(std::string_view bytes) { std::ofstream(file, std::ios::binary) << bytes; }
    std::string read() const {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
};

struct LoadCase {
    const char* name;
    std::optional<std::string> file;  // none: no file
    std::string tape;                 // what the tape shows
    std::string fileAfter;            // what the file holds once opened
};

void PrintTo(const LoadCase& c, std::ostream* os) {
    *os << c.name;
}

class Loading : public TempFolder, public ::testing::WithParamInterface<LoadCase> {};

TEST_P(Loading, ShowsWholeTextLinesAndRepairsTheFile) {
    const LoadCase& c = GetParam();
    if (c.file) write(*c.file);
    TapeStore store(file);
    std::string tape = "stale";
    ASSERT_TRUE(store.open(tape)) << store.error();
    EXPECT_EQ(tape, c.tape);
    EXPECT_EQ(read(), c.fileAfter);
    EXPECT_FALSE(fs::exists(dir / "tape.txt.tmp"));
}

using namespace std::string_literals;

INSTANTIATE_TEST_SUITE_P(
    Files, Loading,
    ::testing::Values(LoadCase{"Missing", std::nullopt, "", ""}, LoadCase{"Empty", "", "", ""},
                      LoadCase{"WholeLines", "2.0     +\n1.0     =\n3.0     \u25CA\n\n",
                               "2.0     +\r1.0     =\r3.0     \u25CA\r\r",
                               "2.0     +\n1.0     =\n3.0     \u25CA\n\n"},
                      LoadCase{"CutInTheMiddleOfALine", "2.0     +\n3'-6 1/", "2.0     +\r",
                               "2.0     +\n"},
                      LoadCase{"AnyLineEnd", "a\r\nb\rc\n", "a\rb\rc\r", "a\r\nb\rc\n"},
                      LoadCase{"Binary", "\x89PNG\r\n\x1a\n\0\0\0\rIHDR"s, "", ""},
                      LoadCase{"ZeroFilledTailAfterACrash", "2.0     +\n\0\0\0\0\0\0"s,
                               "2.0     +\r", "2.0     +\n"},
                      LoadCase{"NotUtf8FromThereOn", "1.0     +\n\xC3(     -\n2.0     =\n",
                               "1.0     +\r", "1.0     +\n"},
                      LoadCase{"ControlCharacter", "1.0\x07     +\n", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TempFolder, KeepsOnlyTheNewestLinesAndRewritesBeside) {
    std::string many;
    const std::size_t total = TapeStore::kLimit + 5;
    for (std::size_t i = 0; i < total; ++i) many += std::to_string(i) + ".0     +\n";
    write(many);
    TapeStore store(file);
    std::string tape;
    ASSERT_TRUE(store.open(tape));
    EXPECT_EQ(std::count(tape.begin(), tape.end(), '\r'), static_cast<long>(TapeStore::kLimit));
    EXPECT_TRUE(tape.starts_with("5.0     +\r"));
    EXPECT_TRUE(tape.ends_with(std::to_string(total - 1) + ".0     +\r"));
    const std::string after = read();
    EXPECT_EQ(std::count(after.begin(), after.end(), '\n'), static_cast<long>(TapeStore::kLimit));
    EXPECT_TRUE(after.starts_with("5.0     +\n"));
    EXPECT_FALSE(fs::exists(dir / "tape.txt.tmp"));
    // Appends follow the rewritten file, not the one it replaced.
    ASSERT_TRUE(store.append("x     =\r"));
    EXPECT_TRUE(read().ends_with(std::to_string(total - 1) + ".0     +\nx     =\n"));
}

TEST_F(TempFolder, AppendsLinesClearsAndRemoves) {
    write("old\n");
    TapeStore store(file);
    std::string tape;
    ASSERT_TRUE(store.open(tape));
    ASSERT_TRUE(store.append("1.0     +\r2.0     =\r3.0     \u25CA\r\r"));
    EXPECT_EQ(read(), "old\n1.0     +\n2.0     =\n3.0     \u25CA\n\n");
    ASSERT_TRUE(store.clear());
    EXPECT_EQ(read(), "");
    ASSERT_TRUE(store.append("------------------\r"));
    EXPECT_EQ(read(), "------------------\n");
    ASSERT_TRUE(store.replace("a\rb\r"));
    ASSERT_TRUE(store.append("c\r"));
    EXPECT_EQ(read(), "a\nb\nc\n");
    ASSERT_TRUE(store.remove());
    EXPECT_FALSE(fs::exists(file));
    EXPECT_TRUE(store.remove());  // already gone
}

TEST_F(TempFolder, CreatesItsFolder) {
    TapeStore store(dir / "share" / "tavrel" / "tape.txt");
    std::string tape;
    ASSERT_TRUE(store.open(tape)) << store.error();
    ASSERT_TRUE(store.append("1.0     +\r"));
    EXPECT_TRUE(fs::exists(dir / "share" / "tavrel" / "tape.txt"));
}

TEST_F(TempFolder, AFolderThatCannotBeWrittenSaysWhy) {
    // A plain file where the folder should be: no one, not even root, can
    // create a file inside it.
    write("not a folder");
    TapeStore store(file / "tape.txt");
    std::string tape = "stale";
    EXPECT_FALSE(store.open(tape));
    EXPECT_EQ(tape, "");
    EXPECT_NE(store.error().find((file / "tape.txt").string()), std::string::npos) << store.error();
    EXPECT_FALSE(store.isOpen());
    EXPECT_FALSE(store.append("1.0     +\r"));
}

// A surface in memory stands in for the window's text area.
TEST_F(TempFolder, KeptSurfaceShowsEveryLineAndReportsTheFirstFailureOnce) {
    MemoryTapeSurface shown;
    KeptTapeSurface kept(shown);
    std::vector<std::string> failures;
    kept.onFailure = [&](const std::string& reason) { failures.push_back(reason); };
    auto store = std::make_unique<TapeStore>(file);
    std::string saved;
    ASSERT_TRUE(store->open(saved));
    kept.keepIn(std::move(store));
    kept.showSaved("saved\r");
    kept.append("1.0     +\r");
    EXPECT_EQ(read(), "1.0     +\n");

    // The file's place becomes a folder: the next write fails.
    kept.store()->remove();
    fs::create_directory(file);
    kept.clearText();
    kept.append("2.0     +\r");
    kept.append("3.0     +\r");
    EXPECT_EQ(shown.text(), "2.0     +\r3.0     +\r");
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(kept.store(), nullptr);
}

}  // namespace
}  // namespace tavrel
