// The tape beyond one run, through the headless window: kept in its file
// across sessions, cleared with it, turned off, a damaged or unwritable
// file, and Save Tape As in plain text and CSV (read back by a CSV parser).
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "session.h"

namespace tavrel {
namespace {

namespace fs = std::filesystem;

const platform::DateTime kMonday{2026, 12, 7, 8, 15, 0};
const platform::DateTime kTuesday{2026, 12, 8, 13, 40, 5};
const std::string kMondayStamp = "Mon, Dec 7, 2026\n8:15:00 am\n------------------\n";
const std::string kTuesdayStamp = "Tue, Dec 8, 2026\n1:40:05 pm\n------------------\n";

std::string fileForm(std::string tapeText) {
    std::replace(tapeText.begin(), tapeText.end(), '\r', '\n');
    return tapeText;
}

struct TapeFiles : ::testing::Test {
    fs::path dir;
    fs::path file;

    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(info->test_suite_name()) + "-" + info->name();
        std::replace(name.begin(), name.end(), '/', '-');
        dir = fs::temp_directory_path() /
              ("tavrel-tape-files-" + std::to_string(::getpid()) + "-" + name);
        fs::remove_all(dir);
        fs::create_directories(dir);
        file = dir / "tape.txt";
    }
    void TearDown() override { fs::remove_all(dir); }

    std::unique_ptr<cli::Session> start(platform::DateTime now, bool keep = true) {
        cli::SessionOptions o;
        o.now = now;
        o.tapeFile = file;
        o.keepTape = keep;
        return std::make_unique<cli::Session>(o);
    }
    void write(std::string_view bytes) { std::ofstream(file, std::ios::binary) << bytes; }
    std::string read(const fs::path& f) const {
        std::ifstream in(f, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    std::string read() const { return read(file); }
    static std::string tape(cli::Session& s) { return fileForm(s.window().Tape1.text()); }
};

TEST_F(TapeFiles, ARestartShowsTheSavedTapeThenTheNewStamp) {
    auto monday = start(kMonday);
    monday->run("2+1=");
    const std::string mondayTape = tape(*monday);
    ASSERT_EQ(mondayTape, kMondayStamp + "2.0     +\n1.0     =\n3.0     \u25CA\n\n");
    EXPECT_EQ(read(), mondayTape);
    monday.reset();

    auto tuesday = start(kTuesday);
    EXPECT_EQ(tape(*tuesday), mondayTape + kTuesdayStamp);
    tuesday->run("5C");
    EXPECT_EQ(read(), mondayTape + kTuesdayStamp + "------------------\n");
    EXPECT_TRUE(tuesday->platform().system().messages().empty());
}

struct ClearCase {
    const char* name;
    const char* keys;
};

void PrintTo(const ClearCase& c, std::ostream* os) {
    *os << c.name;
}

class ClearingTheTape : public TapeFiles, public ::testing::WithParamInterface<ClearCase> {};

TEST_P(ClearingTheTape, EmptiesTheFileToo) {
    write("Sun, Dec 6, 2026\n5:00:00 pm\n------------------\n9.0     +\n");
    auto s = start(kTuesday);
    s->run("2+1=");
    ASSERT_TRUE(s->run(GetParam().keys));
    // Only the new start's stamp is left, in the tape and in the file.
    EXPECT_EQ(tape(*s), kTuesdayStamp);
    EXPECT_EQ(read(), kTuesdayStamp);
    s->run("4+");
    s.reset();
    EXPECT_EQ(tape(*start(kTuesday)), kTuesdayStamp + "4.0     +\n" + kTuesdayStamp);
}

INSTANTIATE_TEST_SUITE_P(Ways, ClearingTheTape,
                         ::testing::Values(ClearCase{"OptionClear", "{option+BBclear}"},
                                           ClearCase{"TapeClearButton", "{pbTapeClr}"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TapeFiles, KeepingOffRemovesTheFileAndOnTakesTheTapeAsItStands) {
    write(kMondayStamp + "9.0     +\n");
    auto s = start(kTuesday, false);
    EXPECT_FALSE(fs::exists(file));
    EXPECT_EQ(tape(*s), kTuesdayStamp);
    s->run("2+");
    EXPECT_FALSE(fs::exists(file));

    s->window().setKeepTape(true);
    s->run("3+");
    EXPECT_EQ(read(), kTuesdayStamp + "2.0     +\n3.0     +\n");
    s->window().setKeepTape(false);
    EXPECT_FALSE(fs::exists(file));
    s->run("4+");
    EXPECT_FALSE(fs::exists(file));
    EXPECT_EQ(tape(*s), kTuesdayStamp + "2.0     +\n3.0     +\n4.0     +\n");
}

TEST_F(TapeFiles, ALineCutByAKillIsDroppedAndTheFileGoesOnWhole) {
    write(kMondayStamp + "2.0     +\n3'-6 1/");
    auto s = start(kTuesday);
    EXPECT_EQ(tape(*s), kMondayStamp + "2.0     +\n" + kTuesdayStamp);
    s->run("1+");
    EXPECT_EQ(read(), kMondayStamp + "2.0     +\n" + kTuesdayStamp + "1.0     +\n");
}

TEST_F(TapeFiles, TheNewestLinesUpToTheLimitAreShown) {
    std::string many;
    for (int i = 0; i < 100003; ++i) many += std::to_string(i) + ".0     +\n";
    write(many);
    auto s = start(kTuesday);
    const auto lines = s->tapeLines();
    ASSERT_EQ(lines.size(), 100000u + 3u);
    EXPECT_EQ(lines.front(), "3.0     +");
    EXPECT_EQ(lines[99999], "100002.0     +");
    EXPECT_EQ(lines[100000], "Tue, Dec 8, 2026");
}

TEST_F(TapeFiles, AFolderThatCannotBeWrittenGivesOneMessageAndTheCalculatorGoesOn) {
    write("a plain file where the folder should be");
    cli::SessionOptions o;
    o.now = kTuesday;
    o.tapeFile = file / "tape.txt";
    cli::Session s(o);
    s.run("2+1=");
    s.run("3'*4'=");
    EXPECT_EQ(s.displayLine(false), "12.0' sq");
    EXPECT_EQ(s.tapeLines().size(), 3u + 4u + 4u);
    const auto& messages = s.platform().system().messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0],
              "The tape cannot be saved: " + (file / "tape.txt").string() + ": Not a directory");
    EXPECT_FALSE(s.window().keepingTape());
    EXPECT_TRUE(s.window().keepTape());  // the preference itself is left alone
}

TEST_F(TapeFiles, AWriteFailingMidRunStopsKeepingWithOneMessage) {
    auto s = start(kTuesday);
    s->run("2+");
    // The file's place turns into a folder: the next write cannot reach it.
    fs::remove(file);
    fs::create_directory(file);
    s->run("{option+BBclear}");
    s->run("3+4=");
    s->run("C");
    EXPECT_EQ(s->displayLine(false), "");
    EXPECT_EQ(s->tapeLines().size(), 3u + 4u + 1u);
    ASSERT_EQ(s->platform().system().messages().size(), 1u);
    EXPECT_TRUE(s->platform().system().messages()[0].starts_with("The tape cannot be saved: "));
}

TEST(TapeDataFolder, TheTapeIsKeptInTheDataFolder) {
    const fs::path dir =
        fs::temp_directory_path() / ("tavrel-tape-data-folder-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    {
        platform::headless::HeadlessPlatform host(
            {.dataFolder = dir / "share" / "tavrel", .start = kMonday});
        platform::Application app(host);
        auto win = app.makeWindow<ui::calcWin>();
        EXPECT_EQ(win->tapeFile(), dir / "share" / "tavrel" / "tape.txt");
        win->EditFract1.setText("7");
        win->PBpush("+");
    }
    std::ifstream in(dir / "share" / "tavrel" / "tape.txt", std::ios::binary);
    const std::string kept{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_EQ(kept, kMondayStamp + "7.0     +\n");
    fs::remove_all(dir);
}

// RFC 4180 fields: quoted fields may hold commas and doubled quotes.
std::vector<std::vector<std::string>> parseCsv(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> row;
    std::string field;
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            row.push_back(std::move(field));
            field.clear();
        } else if (c == '\n') {
            row.push_back(std::move(field));
            field.clear();
            rows.push_back(std::move(row));
            row.clear();
        } else if (c != '\r') {
            field += c;
        }
    }
    EXPECT_FALSE(quoted) << "unterminated quoted field";
    EXPECT_TRUE(field.empty() && row.empty()) << "last row not ended";
    return rows;
}

using Rows = std::vector<std::vector<std::string>>;

TEST_F(TapeFiles, SaveTapeAsCsvReadsBackRowByRow) {
    auto s = start(kTuesday);
    s->run("3'6 1/2+2'=");  // feet and inches
    s->run("C");
    s->run("2.5M*3M=");  // metric, an area
    s->run("5-8=");      // a negative result
    s->run("5\\0=");     // a division by zero: an error line
    s->platform().desktop().answerSaveFile(dir / "take-off.CSV");
    ASSERT_TRUE(s->window().saveTapeAs());
    const std::string csv = read(dir / "take-off.CSV");
    EXPECT_TRUE(
        csv.starts_with("\xEF\xBB\xBF"
                        "date,time,value,tag,number,unit\n"));
    const std::string d = "Tue, Dec 8, 2026", t = "1:40:05 pm";
    const Rows expected = {
        {"date", "time", "value", "tag", "number", "unit"},
        {d, t, "3'-6 1/2\"", "+", "3.5416666667", "ft"},
        {d, t, "2.0'", "=", "2.0", "ft"},
        {d, t, "5'-6 1/2\"", "\u25CA", "5.5416666667", "ft"},
        {d, t, "2.5M", "*", "2.5", "me"},
        {d, t, "3.0M", "=", "3.0", "me"},
        {d, t, "7.5M sq", "\u25CA", "7.5", "sq me"},
        {d, t, "5.0", "-", "5.0", "nu"},
        {d, t, "8.0", "=", "8.0", "nu"},
        {d, t, "-3.0", "\u25CA", "-3.0", "nu"},
        {d, t, "5.0", "\\", "5.0", "nu"},
        {d, t, "", "=", "", ""},
        {d, t, "0.0", "\u25CA", "0.0", "nu"},
    };
    EXPECT_EQ(parseCsv(csv), expected);
    // Fields holding a quote or a comma are quoted, quotes doubled.
    EXPECT_NE(csv.find("\"Tue, Dec 8, 2026\",1:40:05 pm,\"3'-6 1/2\"\"\",+,"), std::string::npos);
}

TEST_F(TapeFiles, CsvRowsTakeTheStampAboveThemAndADecimalComma) {
    write(kMondayStamp + "2.0     +\n");
    cli::SessionOptions o;
    o.now = kTuesday;
    o.tapeFile = file;
    o.decimalSeparator = U',';
    cli::Session s(o);
    s.run("1.5'+3\"=");
    const Rows expected = {
        {"date", "time", "value", "tag", "number", "unit"},
        {"Mon, Dec 7, 2026", "8:15:00 am", "2.0", "+", "2.0", "nu"},
        {"Tue, Dec 8, 2026", "1:40:05 pm", "1,5'", "+", "1.5", "ft"},
        {"Tue, Dec 8, 2026", "1:40:05 pm", "3,0\"", "=", "3.0", "in"},
        {"Tue, Dec 8, 2026", "1:40:05 pm", "1,75'", "\u25CA", "1.75", "ft"},
    };
    EXPECT_EQ(parseCsv(s.tapeCsv()), expected);
}

TEST_F(TapeFiles, SaveTapeAsPlainTextCancelAndFailure) {
    auto s = start(kTuesday);
    s->run("2+1=");
    auto& desktop = s->platform().desktop();
    desktop.answerSaveFile(dir / "tape copy.txt");
    ASSERT_TRUE(s->window().saveTapeAs());
    EXPECT_EQ(read(dir / "tape copy.txt"), tape(*s));
    EXPECT_EQ(desktop.shownSaveDialogs().back().suggestedName, "Tape.txt");

    desktop.answerSaveFile(std::nullopt);
    EXPECT_FALSE(s->window().saveTapeAs());
    EXPECT_TRUE(s->platform().system().messages().empty());

    desktop.answerSaveFile(dir / "no such folder" / "tape.txt");
    EXPECT_FALSE(s->window().saveTapeAs());
    ASSERT_EQ(s->platform().system().messages().size(), 1u);
    EXPECT_TRUE(s->platform().system().messages()[0].starts_with("The tape cannot be saved: "));
}

}  // namespace
}  // namespace tavrel
