// The tape's CSV rows from hand-written tape text: line kinds the window
// cannot produce yet (pitch lines, volumes, a tape whose stamp was trimmed
// away), and the quoting of fields.
#include "tape/tape_csv.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

struct RowCase {
    const char* name;
    const char* line;
    TapeRow row;  // date and time left empty: the line stands under no stamp
};

void PrintTo(const RowCase& c, std::ostream* os) {
    *os << c.name;
}

class CsvRow : public ::testing::TestWithParam<RowCase> {};

TEST_P(CsvRow, ReadsValueTagNumberAndUnit) {
    const auto rows = tapeRows(std::string(GetParam().line) + "\r", '.');
    ASSERT_EQ(rows.size(), 1u);
    const TapeRow& got = rows[0];
    const TapeRow& want = GetParam().row;
    EXPECT_EQ(got.date, "");
    EXPECT_EQ(got.value, want.value);
    EXPECT_EQ(got.tag, want.tag);
    EXPECT_EQ(got.number, want.number);
    EXPECT_EQ(got.unit, want.unit);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CsvRow,
    ::testing::Values(
        RowCase{"FeetInchesInFeet",
                "3'-6 1/2\"     +",
                {"", "", "3'-6 1/2\"", "+", "3.5416666667", "ft"}},
        RowCase{"NegativeFeetInches",
                "-2'-3 1/4\"     =",
                {"", "", "-2'-3 1/4\"", "=", "-2.2708333333", "ft"}},
        RowCase{"SquareMillimetres",
                "1114836.48m sq     \u25CA",
                {"", "", "1114836.48m sq", "\u25CA", "1114836.48", "sq mm"}},
        RowCase{"CubicYards", "2.0y cu     \u25CA", {"", "", "2.0y cu", "\u25CA", "2.0", "cu yd"}},
        RowCase{"PitchInInches", "9\" in 12\"  ptch", {"", "", "9\" in 12\"", "ptch", "9.0", "in"}},
        RowCase{
            "PitchInDegrees", "36.87\u00B0  ptch", {"", "", "36.87\u00B0", "ptch", "36.87", "nu"}},
        RowCase{"FunctionTag", "0.5  asin", {"", "", "0.5", "asin", "0.5", "nu"}},
        RowCase{"EmptyValueOfAnError", "     =", {"", "", "", "=", "", ""}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CsvRows, StampsDateTheRowsBelowAndOtherLinesGiveNone) {
    const std::string tape =
        "1.0     +\r"
        "Mon, Dec 7, 2026\r8:15:00 am\r------------------\r"
        "2.0     =\r\r------------------\r"
        "Tue, Dec 8, 2026\r1:40:05 pm\r------------------\r"
        "3.0     -\r";
    const auto rows = tapeRows(tape, '.');
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].date, "");
    EXPECT_EQ(rows[1].date, "Mon, Dec 7, 2026");
    EXPECT_EQ(rows[1].time, "8:15:00 am");
    EXPECT_EQ(rows[2].date, "Tue, Dec 8, 2026");
    EXPECT_EQ(rows[2].time, "1:40:05 pm");
}

TEST(CsvField, QuotesOnlyWhatNeedsIt) {
    EXPECT_EQ(csvField("2.0'"), "2.0'");
    EXPECT_EQ(csvField(""), "");
    EXPECT_EQ(csvField("3'-6\""), "\"3'-6\"\"\"");
    EXPECT_EQ(csvField("1,5'"), "\"1,5'\"");
    EXPECT_EQ(csvField("a\nb"), "\"a\nb\"");
}

TEST(PlainText, HasLfLineEnds) {
    EXPECT_EQ(tapePlainText("a     +\r\rb\r"), "a     +\n\nb\n");
}

}  // namespace
}  // namespace tavrel
