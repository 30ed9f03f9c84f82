// Text area: append cost and counts, scrolling, hit-testing, styled text.
#include <gtest/gtest.h>

#include <chrono>
#include <ostream>

#include "fixture.h"

namespace tavrel::platform {
namespace {

using testing::AppFixture;

class TextAreaTest : public ::testing::Test, protected AppFixture {
  protected:
    TextArea& area = window.add<TextArea>("Tape1");
    void SetUp() override {
        area.setBounds(5, 352, 236, 241);
        area.setTextSize(9);
    }
};

TEST_F(TextAreaTest, AppendKeepsCharacterAndLineCountsWithMultiByteCharacters) {
    area.append("12     ◊\r");
    area.append("3     √\r");
    area.append("45°  ptch\r");
    EXPECT_EQ(area.length(), 9u + 8u + 10u);
    EXPECT_EQ(area.length(), utf8::length(area.text()));
    EXPECT_EQ(area.lineCount(), 4u);
    area.setSelStart(area.length());
    EXPECT_EQ(area.selStart(), 27u);
}

TEST_F(TextAreaTest, AppendRunsTextChangeButLeavesTheSelection) {
    area.setText("a\r");
    area.setSelStart(0);
    int texts = 0, sels = 0;
    area.onTextChange = [&] { ++texts; };
    area.onSelChange = [&] { ++sels; };
    area.append("b\r");
    EXPECT_EQ(texts, 1);
    EXPECT_EQ(sels, 0);
    EXPECT_EQ(area.selStart(), 0u);
}

// Appending to a long text must cost what appending to an empty one costs:
// the tape appends forever. A rebuild would copy megabytes per line here.
TEST_F(TextAreaTest, AppendCostDoesNotGrowWithTheText) {
    const std::string line = "1' 2 3/4\"     +\r";
    auto timeAppends = [&](TextArea& a) {
        auto best = std::chrono::nanoseconds::max();
        for (int round = 0; round < 3; ++round) {
            auto start = std::chrono::steady_clock::now();
            for (int i = 0; i < 2000; ++i) {
                a.append(line);
                a.setSelStart(a.length());
                a.setScrollPosition(static_cast<long long>(a.scrollPosition()) + 100000);
            }
            best = std::min(best, std::chrono::steady_clock::now() - start);
        }
        return best;
    };
    auto& longArea = window.add<TextArea>("long");
    longArea.setText(std::string(8'000'000, 'x') + "\r");
    auto& shortArea = window.add<TextArea>("short");
    auto longTime = timeAppends(longArea);
    auto shortTime = timeAppends(shortArea);
    EXPECT_LT(longTime.count(), shortTime.count() * 20 + 2'000'000)
        << "long " << longTime.count() << "ns, short " << shortTime.count() << "ns";
    EXPECT_EQ(longArea.length(), 8'000'001u + 6000u * utf8::length(line));
}

TEST_F(TextAreaTest, ScrollPositionClampsToTheLastFullView) {
    for (int i = 0; i < 100; ++i) area.append("line\r");
    ASSERT_EQ(area.lineCount(), 101u);
    std::size_t visible = area.visibleLineCount();  // 241 / 12 = 20
    EXPECT_EQ(visible, 20u);
    area.setScrollPosition(5 + 100000);
    EXPECT_EQ(area.scrollPosition(), 101u - visible);
    area.setScrollPosition(-3);
    EXPECT_EQ(area.scrollPosition(), 0u);
    area.setScrollPosition(10);
    area.setText("short\r");
    EXPECT_EQ(area.scrollPosition(), 0u);
}

TEST_F(TextAreaTest, OneLineHighAreaClampsToTheLastLine) {
    area.setHeight(5);
    area.setText("a\rb\rc");
    area.setScrollPosition(1000);
    EXPECT_EQ(area.scrollPosition(), 2u);
}

struct HitCase {
    const char* name;
    Alignment alignment;
    int x;
    int y;
    std::size_t offset;
};

void PrintTo(const HitCase& c, std::ostream* os) {
    *os << c.name << " (" << c.x << ", " << c.y << ") -> " << c.offset;
}

class TextAreaHit : public ::testing::TestWithParam<HitCase>, protected AppFixture {};

// Size 9: lines 12 high, characters 6 wide; the area is 60 wide.
TEST_P(TextAreaHit, PointGivesCharacterOffset) {
    const HitCase& c = GetParam();
    auto& area = window.add<TextArea>("t");
    area.setBounds(0, 0, 60, 48);
    area.setTextSize(9);
    area.setAlignment(c.alignment);
    area.setText("ab◊\rcdef\r");
    EXPECT_EQ(area.charOffsetAt(c.x, c.y), c.offset);
}

INSTANTIATE_TEST_SUITE_P(
    Points, TextAreaHit,
    ::testing::Values(HitCase{"LeftFirstLineStart", Alignment::Left, 0, 0, 0},
                      HitCase{"LeftAfterLozenge", Alignment::Left, 17, 5, 3},
                      HitCase{"LeftPastLineEndStopsAtLineEnd", Alignment::Left, 59, 3, 3},
                      HitCase{"LeftSecondLine", Alignment::Left, 7, 13, 5},
                      HitCase{"RightAlignedLineStartsAtTheRight", Alignment::Right, 36, 13, 4},
                      HitCase{"RightAlignedLeftOfTextIsLineStart", Alignment::Right, 2, 13, 4},
                      HitCase{"BelowTheTextIsTheEnd", Alignment::Left, 5, 47, 9}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TextAreaTest, StyledTextRoundTripKeepsParagraphAlignmentThroughAppends) {
    area.setAlignment(Alignment::Right);
    area.setTextFont("Monaco");
    area.setText("1\r2\r");
    StyledText st = area.styledText();
    ASSERT_EQ(st.paragraphCount(), 3u);
    EXPECT_EQ(st.baseStyle().font, "Monaco");
    EXPECT_EQ(st.baseStyle().size, 9);
    st.setParagraphAlignment(0, Alignment::Left);
    area.setStyledText(st);
    area.append("3\r");
    StyledText back = area.styledText();
    EXPECT_EQ(back.paragraphAlignments(),
              (std::vector<Alignment>{Alignment::Left, Alignment::Right, Alignment::Right,
                                      Alignment::Right}));
}

}  // namespace
}  // namespace tavrel::platform
