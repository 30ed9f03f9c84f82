// The key syntax: what each braced form means.
#include "key_script.h"

#include <gtest/gtest.h>

namespace tavrel::cli {
namespace {

TEST(KeyScript, PlainCharactersAreTypedOneByOne) {
    auto s = parseKeys("3'\u00F7");
    ASSERT_EQ(s.size(), 3u);
    EXPECT_EQ(s[1].text, "'");
    EXPECT_EQ(s[2].code, U'\u00F7');
    EXPECT_EQ(s[2].kind, KeyStep::Kind::Type);
}

TEST(KeyScript, BracedForms) {
    struct Row {
        const char* keys;
        KeyStep::Kind kind;
        const char* text;
        char32_t code;
        bool shift, option;
    };
    for (const Row& r : {
             Row{"{esc}", KeyStep::Kind::Type, "\x1b", 27, false, false},
             Row{"{return}", KeyStep::Kind::Type, "\r", 13, false, false},
             Row{"{enter}", KeyStep::Kind::Type, "\x03", 3, false, false},
             Row{"{bs}", KeyStep::Kind::Type, "\b", 8, false, false},
             Row{"{del}", KeyStep::Kind::Type, "\x7f", 127, false, false},
             Row{"{tab}", KeyStep::Kind::Type, "\t", 9, false, false},
             Row{"{BBclear}", KeyStep::Kind::Click, "BBclear", 0, false, false},
             Row{"{option+BBclear}", KeyStep::Kind::Click, "BBclear", 0, false, true},
             Row{"{shift+option+BBft}", KeyStep::Kind::Click, "BBft", 0, true, true},
             Row{"{shift+\"}", KeyStep::Kind::Type, "\"", '"', true, false},
             Row{"{PMLCD=1/16}", KeyStep::Kind::Choose, "PMLCD", 0, false, false},
             Row{"{x^2}", KeyStep::Kind::Click, "x^2", 0, false, false},
             Row{"{shift+x^2}", KeyStep::Kind::Click, "x^2", 0, true, false},
             Row{"{\u221A}", KeyStep::Kind::Click, "\u221A", 0, false, false},
             Row{"{+/-}", KeyStep::Kind::Click, "+/-", 0, false, false},
         }) {
        auto s = parseKeys(r.keys);
        ASSERT_EQ(s.size(), 1u) << r.keys;
        EXPECT_EQ(s[0].kind, r.kind) << r.keys;
        EXPECT_EQ(s[0].text, r.text) << r.keys;
        EXPECT_EQ(s[0].code, r.code) << r.keys;
        EXPECT_EQ(s[0].modifiers.shift, r.shift) << r.keys;
        EXPECT_EQ(s[0].modifiers.option, r.option) << r.keys;
    }
    EXPECT_EQ(parseKeys("{PMLCD=1/16}")[0].item, "1/16");
}

TEST(KeyScript, UnclosedBraceIsTyped) {
    auto s = parseKeys("1{2");
    ASSERT_EQ(s.size(), 3u);
    EXPECT_EQ(s[1].text, "{");
}

}  // namespace
}  // namespace tavrel::cli
