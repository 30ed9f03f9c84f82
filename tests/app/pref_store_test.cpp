// The preferences store over real files in a temporary folder: typed reads of
// odd values, letter case and duplicate names, the file written back, an
// unusable folder, and a write that fails half-way.
#include "app/pref_store.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <limits>
#include <ostream>

#include "tavrel/platform/headless/headless_services.h"
#include "temp_dir.h"

namespace tavrel::app {
namespace {

namespace fs = std::filesystem;
using platform::headless::HeadlessFiles;
using testing::TempDir;

// One file's text and what the three typed reads of one name give, each read
// with the defaults 7, true and "dflt".
struct ReadCase {
    const char* label;
    const char* file;
    const char* name;
    std::int32_t number;
    bool boolean;
    const char* text;
};

void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << c.label;
}

class PrefReadTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(PrefReadTest, TypedReads) {
    const ReadCase& c = GetParam();
    TempDir dir;
    dir.write("tavrel.Prefs", c.file);
    HeadlessFiles files(dir.path);
    PrefStore store(files);
    store.InitPrefFile(kPrefsFileName);
    EXPECT_EQ(store.GetPrefNumber(c.name, 7), c.number);
    EXPECT_EQ(store.GetPrefBoolean(c.name, true), c.boolean);
    EXPECT_EQ(store.GetPrefString(c.name, "dflt"), c.text);
}

constexpr std::int32_t kMaxInt = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMinInt = std::numeric_limits<std::int32_t>::min();

// clang-format off
INSTANTIATE_TEST_SUITE_P(Values, PrefReadTest, ::testing::Values(
    ReadCase{"missing_name_gives_defaults", "other\n1\n",                "trans",       7,       true,  "dflt"},
    ReadCase{"empty_file_gives_defaults",   "",                          "trans",       7,       true,  "dflt"},
    ReadCase{"upper_case_TRUE_is_true",     "checkUpdate\nTRUE\n",       "CHECKupdate", 0,       true,  "TRUE"},
    ReadCase{"yes_is_false",                "checkUpdate\nyes\n",        "checkUpdate", 0,       false, "yes"},
    ReadCase{"one_is_false",                "checkUpdate\n1\n",          "checkUpdate", 1,       false, "1"},
    ReadCase{"fraction_dropped",            "trans\n12.9\n",             "trans",       12,      false, "12.9"},
    ReadCase{"negative_fraction_to_zero",   "trans\n-12.9\n",            "trans",       -12,     false, "-12.9"},
    ReadCase{"leading_number_of_words",     "trans\n40 percent\n",       "trans",       40,      false, "40 percent"},
    ReadCase{"exponent_form",               "trans\n4.5e1\n",            "trans",       45,      false, "4.5e1"},
    ReadCase{"letters_read_as_zero",        "trans\nabc\n",              "trans",       0,       false, "abc"},
    ReadCase{"empty_value_is_zero",         "trans\n\nb\n2\n",           "trans",       0,       false, ""},
    ReadCase{"odd_last_line_empty_value",   "a\n1\ntrans\n",             "trans",       0,       false, ""},
    ReadCase{"first_of_duplicates",         "winLeft\n10\nWINLEFT\n20\n", "winleft",    10,      false, "10"},
    ReadCase{"huge_limited",                "trans\n99999999999\n",      "trans",       kMaxInt, false, "99999999999"},
    ReadCase{"huge_negative_limited",       "trans\n-1e300\n",           "trans",       kMinInt, false, "-1e300"},
    ReadCase{"lines_used_untrimmed",        " trans\n40\n",              "trans",       7,       true,  "dflt"},
    ReadCase{"cr_line_ends",                "trans\r40\rx\r1\r",         "trans",       40,      false, "40"},
    ReadCase{"crlf_line_ends",              "trans\r\n40\r\n",           "trans",       40,      false, "40"}),
    [](const auto& info) { return std::string(info.param.label); });
// clang-format on

struct PrefStoreTest : ::testing::Test {
    TempDir dir;
    HeadlessFiles files{dir.path};
    PrefStore store{files};
    fs::path file() const { return dir.path / "tavrel.Prefs"; }
};

TEST_F(PrefStoreTest, MissingFileIsCreatedEmptyAndFilledOnlyByAWrite) {
    store.InitPrefFile(kPrefsFileName);
    ASSERT_TRUE(fs::exists(file()));
    EXPECT_EQ(dir.read("tavrel.Prefs"), "");
    EXPECT_EQ(store.GetPrefNumber("winLeft", 15), 15);

    store.SetPrefNumber("winLeft", 20);
    store.SetPrefBoolean("tapeVisible", false);
    EXPECT_EQ(dir.read("tavrel.Prefs"), "") << "a set alone changes memory only";

    store.WritePrefsFile();
    EXPECT_EQ(dir.read("tavrel.Prefs"), "winLeft\n20\ntapeVisible\nfalse\n");
    EXPECT_EQ(files.typeCode(file()), "pref");
    EXPECT_FALSE(fs::exists(dir.path / "tavrel.Prefs.tmp"));
}

TEST_F(PrefStoreTest, NameKeepsItsFirstSpellingWhateverCaseLaterWritesUse) {
    store.InitPrefFile(kPrefsFileName);
    store.SetPrefBoolean("Minimize", false);
    EXPECT_FALSE(store.GetPrefBoolean("minimize", true));
    store.SetPrefBoolean("MINIMIZE", true);
    store.SetPrefNumber("minimize", 3);
    store.WritePrefsFile();
    EXPECT_EQ(dir.read("tavrel.Prefs"), "Minimize\n3\n");
}

TEST_F(PrefStoreTest, DuplicatesAndUnknownNamesAreCarriedAlongInOrder) {
    dir.write("tavrel.Prefs", "winLeft\n10\nsomethingElse\nkept as is\nWINLEFT\n20\n");
    store.InitPrefFile(kPrefsFileName);
    store.SetPrefNumber("winleft", 30);
    store.SetPrefString("trans", "40");
    store.WritePrefsFile();
    EXPECT_EQ(dir.read("tavrel.Prefs"),
              "winLeft\n30\nsomethingElse\nkept as is\nWINLEFT\n20\ntrans\n40\n");
    EXPECT_EQ(store.GetPrefNumber("WinLeft", 0), 30);
}

TEST_F(PrefStoreTest, OddFileIsWrittenBackAsWholePairs) {
    dir.write("tavrel.Prefs", "a\n1\nlonely");
    store.InitPrefFile(kPrefsFileName);
    store.WritePrefsFile();
    EXPECT_EQ(dir.read("tavrel.Prefs"), "a\n1\nlonely\n\n");
    PrefStore again(files);
    again.InitPrefFile(kPrefsFileName);
    EXPECT_EQ(again.prefNames(), (std::vector<std::string>{"a", "lonely"}));
    EXPECT_EQ(again.prefItems(), (std::vector<std::string>{"1", ""}));
}

TEST_F(PrefStoreTest, DoublesReadBackExactlyAndDefaultsPassThroughText) {
    store.InitPrefFile(kPrefsFileName);
    const double when = 3'912'345'678.125;
    store.SetPrefDouble("lastUpdateCheck", when);
    store.SetPrefDouble("tiny", 1.25e-300);
    store.WritePrefsFile();
    PrefStore again(files);
    again.InitPrefFile(kPrefsFileName);
    EXPECT_EQ(again.GetPrefDouble("lastUpdateCheck", 0), when);
    EXPECT_EQ(again.GetPrefDouble("tiny", 0), 1.25e-300);
    EXPECT_EQ(again.GetPrefDouble("missing", 0.1), 0.1);
}

TEST(PrefStoreFolderTest, NoPreferencesFolderReadsDefaultsAndRefusesToWrite) {
    HeadlessFiles files(std::nullopt);
    PrefStore store(files);
    store.InitPrefFile(kPrefsFileName);
    EXPECT_FALSE(store.prefFile());
    EXPECT_EQ(store.GetPrefNumber("winTop", 50), 50);
    store.SetPrefNumber("winTop", 60);
    EXPECT_EQ(store.GetPrefNumber("winTop", 50), 60);
    EXPECT_THROW(store.WritePrefsFile(), PrefWriteError);
}

TEST(PrefStoreFolderTest, FolderThatDoesNotExistReadsDefaultsAndRefusesToWrite) {
    TempDir dir;
    HeadlessFiles files(dir.path / "gone");
    PrefStore store(files);
    store.InitPrefFile(kPrefsFileName);
    EXPECT_TRUE(store.GetPrefBoolean("checkUpdate", true));
    store.SetPrefBoolean("checkUpdate", false);
    EXPECT_THROW(store.WritePrefsFile(), PrefWriteError);
    EXPECT_FALSE(fs::exists(dir.path / "gone"));
}

// The old file must stay whole whatever stops the new one on its way.
TEST_F(PrefStoreTest, WriteThatCannotStartLeavesTheOldFile) {
    dir.write("tavrel.Prefs", "trans\n40\n");
    store.InitPrefFile(kPrefsFileName);
    fs::create_directory(dir.path / "tavrel.Prefs.tmp");  // the new file has no place
    store.SetPrefNumber("trans", 90);
    EXPECT_THROW(store.WritePrefsFile(), PrefWriteError);
    EXPECT_EQ(dir.read("tavrel.Prefs"), "trans\n40\n");
}

// The preferences window writes at every start; a write that would change
// nothing must not touch the disk (a flush each), yet a file removed behind
// the program's back is written again.
TEST_F(PrefStoreTest, WriteThatChangesNothingLeavesTheFileAlone) {
    dir.write("tavrel.Prefs", "trans\n40\n");
    store.InitPrefFile(kPrefsFileName);
    fs::create_directory(dir.path / "tavrel.Prefs.tmp");  // any real write would fail
    store.SetPrefNumber("trans", 40);
    EXPECT_NO_THROW(store.WritePrefsFile());
    store.SetPrefNumber("trans", 41);
    EXPECT_THROW(store.WritePrefsFile(), PrefWriteError);
    fs::remove(dir.path / "tavrel.Prefs.tmp");
    store.WritePrefsFile();
    EXPECT_EQ(dir.read("tavrel.Prefs"), "trans\n41\n");
    fs::remove(dir.path / "tavrel.Prefs");
    store.WritePrefsFile();
    EXPECT_EQ(dir.read("tavrel.Prefs"), "trans\n41\n");
}

TEST_F(PrefStoreTest, WriteInterruptedHalfWayLeavesTheOldFile) {
    const std::string old = "transType\n2\ntrans\n40\n";
    dir.write("tavrel.Prefs", old);
    store.InitPrefFile(kPrefsFileName);
    for (int i = 0; i < 200; ++i) store.SetPrefNumber("entry" + std::to_string(i), i);

    // A child process whose files may not grow past 100 bytes: the disk runs
    // full in the middle of the new contents.
    pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{100, 100};
        setrlimit(RLIMIT_FSIZE, &limit);
        try {
            store.WritePrefsFile();
        } catch (const PrefWriteError&) {
            _exit(3);
        }
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 3) << "the failure must reach the caller";
    EXPECT_EQ(dir.read("tavrel.Prefs"), old);
    EXPECT_FALSE(fs::exists(dir.path / "tavrel.Prefs.tmp"));
}

}  // namespace
}  // namespace tavrel::app
