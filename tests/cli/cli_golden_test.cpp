// Golden transcripts: whole sequences through the command-line program, keys
// in, display (and state and tape) out, exactly as a user scripts them.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct CliRun {
    std::string out;
    int status = -1;
};

std::string quote(const std::string& arg) {
    std::string q = "'";
    for (char c : arg) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

CliRun runCli(const std::vector<std::string>& args, const std::string& input = {}) {
    std::string cmd = TAVREL_CLI;
    for (const auto& a : args) cmd += " " + quote(a);
    if (!input.empty()) cmd = "printf '%s' " + quote(input) + " | " + cmd;
    cmd += " 2>&1";
    CliRun r;
    FILE* p = popen(cmd.c_str(), "r");
    if (!p) return r;
    std::array<char, 4096> buf;
    std::size_t n;
    while ((n = fread(buf.data(), 1, buf.size(), p)) > 0) r.out.append(buf.data(), n);
    r.status = pclose(p);
    return r;
}

struct Golden {
    const char* name;
    std::vector<std::string> args;
    const char* out;
};

void PrintTo(const Golden& g, std::ostream* os) {
    *os << g.name;
}

class Transcripts : public ::testing::TestWithParam<Golden> {};

TEST_P(Transcripts, PrintExactly) {
    const CliRun r = runCli(GetParam().args);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    Cli, Transcripts,
    ::testing::Values(
        Golden{"FeetPlusInches", {"3'+6\"="}, "3.5'\n"},
        Golden{"EachArgumentOneLine", {"3'*4'=", "\\3'="}, "12.0' sq\n4.0'\n"},
        Golden{"ErrorShowsEmpty", {"3'+5="}, "\n"},
        Golden{
            "State", {"--state", "1'3 3/32={PMUnit=mm}"}, "383.38125m | mm | Decimal | unlocked\n"},
        Golden{"MenuCommandByItemName",
               {"--state", "1'=", "{menu=UnitMillimeters}", "{menu=lcd1_100}"},
               "1.0' | foot | Decimal | unlocked\n304.8m | mm | Decimal | unlocked\n"
               "304 4/5m | mm | 1/100 | unlocked\n"},
        Golden{"MenuShortcutWithControl", {"1'=", "{control+shift+M}"}, "1.0'\n304.8m\n"},
        Golden{"CommaSeparator", {"--decimal-separator=,", "2.5M+1M="}, "3,5M\n"},
        Golden{"TapeOfAWholeCalculation",
               {"--tape", "--now=2026-12-11T14:05:09", "2+1=", "C"},
               "3.0\n\n"
               "Fri, Dec 11, 2026\n2:05:09 pm\n------------------\n"
               "2.0     +\n1.0     =\n3.0     \u25CA\n\n------------------\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CliInput, ReadsLinesFromStandardInput) {
    const CliRun r = runCli({}, "5+5=\n*2=\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "10.0\n20.0\n");
}

TEST(CliErrors, UnknownControlIsReportedAndFails) {
    const CliRun r = runCli({"{NoSuchKey}"});
    EXPECT_NE(r.status, 0);
    EXPECT_NE(r.out.find("NoSuchKey"), std::string::npos);
}

TEST(CliErrors, UnknownMenuItemIsReportedAndFails) {
    const CliRun r = runCli({"{menu=UnitFurlongs}"});
    EXPECT_NE(r.status, 0);
    EXPECT_NE(r.out.find("UnitFurlongs"), std::string::npos);
}

TEST(CliErrors, UnknownOptionShowsUsage) {
    const CliRun r = runCli({"--bogus"});
    EXPECT_NE(r.status, 0);
    EXPECT_NE(r.out.find("usage"), std::string::npos);
}

}  // namespace
