// Golden transcripts: whole sequences through the command-line program, keys
// in, display (and state and tape) out, exactly as a user scripts them.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "cli_run.h"

namespace {

using tavrel::clitest::CliRun;
using tavrel::clitest::quote;
using tavrel::clitest::readAll;
using tavrel::clitest::runCli;

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
    EXPECT_EQ(r.err, "");
}

INSTANTIATE_TEST_SUITE_P(
    Cli, Transcripts,
    ::testing::Values(
        Golden{"FeetPlusInches", {"3'+6\"="}, "3.5'\n"},
        Golden{"EachArgumentOneLine", {"3'*4'=", "\\3'="}, "12.0' sq\n4.0'\n"},
        Golden{"TypedZerosStay", {"1+0.05=", "0.0625\"="}, "1.05\n0.0625\"\n"},
        Golden{"LeadingMinus", {"-5'=", "C-5="}, "-5.0'\n-5.0\n"},
        Golden{"DoubleDashEndsOptions", {"--", "--5="}, "-5.0\n"},
        Golden{
            "State", {"--state", "1'3 3/32={PMUnit=mm}"}, "383.38125m | mm | Decimal | unlocked\n"},
        Golden{"MenuCommandByItemName",
               {"--state", "1'=", "{menu=UnitMillimeters}", "{menu=lcd1_100}"},
               "1.0' | foot | Decimal | unlocked\n304.8m | mm | Decimal | unlocked\n"
               "304 4/5m | mm | 1/100 | unlocked\n"},
        // The Tools window opens beside the calculator, and Save Tape As with
        // no answer to its dialog is cancelled: the display stays.
        Golden{"ToolsAndSaveTapeAsItemsAreReached",
               {"2+3=", "{menu=toolssquareup}", "{menu=FileSaveTapeAs}"},
               "5.0\n5.0\n5.0\n"},
        Golden{"MenuShortcutWithControl", {"1'=", "{control+shift+M}"}, "1.0'\n304.8m\n"},
        Golden{"CommaSeparator", {"--decimal-separator=,", "2.5M+1M="}, "3,5M\n"},
        Golden{"TapeOfAWholeCalculation",
               {"--tape", "--now=2026-12-11T14:05:09", "2+1=", "C"},
               "3.0\n\n"
               "Fri, Dec 11, 2026\n2:05:09 pm\n------------------\n"
               "2.0     +\n1.0     =\n3.0     \u25CA\n\n------------------\n"},
        Golden{"FunctionKeysByCaption",
               {"3'{x^2}", "{\u221A}", "4{shift+x^2}", "12{+/-}"},
               "9.0' sq\n3.0'\n0.25\n-12\n"},
        Golden{"TrigKeysAfterTheToggle",
               {"{togTrig}30{sin}", "{inv}0.5{asin}", "90{tan}"},
               "0.5000001943\n30.0\n-1485581.7284168\n"},
        Golden{"RoofWithTape",
               {"--tape", "--now=2026-12-11T14:05:09", "3'{rise}4'{run}", "{ptch}", "{ptch}",
                "{diag}"},
               "3.0'\n9.0\"\n36.87\n5.0'\n"
               "Fri, Dec 11, 2026\n2:05:09 pm\n------------------\n"
               "3.0'  rise\n4.0'   run\n9.0\" in 12\"  ptch\n36.87\u00B0  ptch\n"
               "5.0'  diag\n"},
        Golden{"TapeAsCsv",
               {"--csv", "--now=2026-12-11T14:05:09", "3'6 1/2-4'="},
               "-0'-5 1/2\"\n"
               "date,time,value,tag,number,unit\n"
               "\"Fri, Dec 11, 2026\",2:05:09 pm,\"3'-6 1/2\"\"\",-,3.5416666667,ft\n"
               "\"Fri, Dec 11, 2026\",2:05:09 pm,4.0',=,4.0,ft\n"
               "\"Fri, Dec 11, 2026\",2:05:09 pm,\"-0'-5 1/2\"\"\",\u25CA,"
               "-0.4583333333,ft\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CliInput, ReadsLinesFromStandardInput) {
    const CliRun r = runCli({}, "5+5=\n*2=\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "10.0\n20.0\n");
}

// Scripts build one tape over several calls, as the desktop program keeps it between runs.
TEST(CliTapeFile, KeepsTheTapeAcrossInvocations) {
    const std::string file =
        testing::TempDir() + "tavrel-cli-tape-file-" + std::to_string(::getpid()) + ".txt";
    std::remove(file.c_str());
    EXPECT_EQ(runCli({"--tape-file=" + file, "--now=2026-12-11T14:05:09", "2+1="}).out, "3.0\n");
    const CliRun r = runCli({"--tape-file=" + file, "--now=2026-12-12T08:00:00", "--tape", "5+"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out,
              "5.0\n"
              "Fri, Dec 11, 2026\n2:05:09 pm\n------------------\n"
              "2.0     +\n1.0     =\n3.0     \u25CA\n\n"
              "Sat, Dec 12, 2026\n8:00:00 am\n------------------\n"
              "5.0     +\n");
    std::remove(file.c_str());
}

TEST(CliTapeFile, AFileThatCannotBeWrittenIsReportedOnceAndFails) {
    const CliRun r = runCli({"--tape-file=/dev/null/tape.txt", "2+1=", "*2="});
    EXPECT_NE(r.status, 0);
    EXPECT_NE(r.out.find("3.0\n6.0\n"), std::string::npos);
    const auto message = r.err.find("tavrel-cli: The tape cannot be saved: /dev/null/tape.txt: ");
    EXPECT_NE(message, std::string::npos) << r.err;
    EXPECT_EQ(message, r.err.rfind("The tape cannot be saved") - 12);  // only once
}

// A caption reaches only a key the user can click: the trigonometry keys are
// hidden until the toggle shows them, and the reciprocal key "inv" lies
// outside the window, so {inv} finds the inverse key only once it is shown.
TEST(CliErrors, CaptionOfAHiddenKeyIsUnknown) {
    for (const char* keys : {"30{sin}", "4{inv}"}) {
        const CliRun r = runCli({keys});
        EXPECT_NE(r.status, 0) << keys;
        EXPECT_EQ(r.out.find("0.25"), std::string::npos) << keys;
    }
    EXPECT_EQ(runCli({"{togTrig}{inv}0.5{asin}"}).out, "30.0\n");
}

TEST(CliErrors, UnknownMenuItemIsReportedAndFails) {
    const CliRun r = runCli({"{menu=UnitFurlongs}"});
    EXPECT_NE(r.status, 0);
    EXPECT_NE(r.err.find("UnitFurlongs"), std::string::npos);
}

// Every beep is reported with the KEYS it sounded in, and the run fails with 2.
struct Beeping {
    const char* name;
    std::string keys;
    std::string err;
};

void PrintTo(const Beeping& b, std::ostream* os) {
    *os << b.name;
}

class Beeps : public ::testing::TestWithParam<Beeping> {};

TEST_P(Beeps, AreReportedAndFailWithTwo) {
    const CliRun r = runCli({"2+2=", GetParam().keys, "3="});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "4.0\n\n3.0\n");
    EXPECT_EQ(r.err, GetParam().err);
}

INSTANTIATE_TEST_SUITE_P(
    Cli, Beeps,
    ::testing::Values(
        Beeping{"DivisionByZero", "5\\0=", "tavrel-cli: 1 beep in \"5\\0=\"\n"},
        Beeping{"PowerMismatch", "3'+5=", "tavrel-cli: 1 beep in \"3'+5=\"\n"},
        Beeping{"FractionOverZero", "1/0=", "tavrel-cli: 1 beep in \"1/0=\"\n"},
        // 255 digits fit; the next five beep, and 1e255 is more than the display holds.
        Beeping{"TwoHundredSixtyDigits", std::string(260, '9') + "=",
                "tavrel-cli: 6 beeps in \"" + std::string(60, '9') + "...\"\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CliErrors, NoValueIsAnErrorNeverInfOrNan) {
    const CliRun r = runCli(
        {"0{shift+x^2}", "4{+/-}{\u221A}", "5'{rise}3'{diag}{run}", "{togTrig}2{inv}{asin}"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "\n\n\n\n");
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 4) << r.err;
}

TEST(CliErrors, BeepOnStandardInputNamesTheLine) {
    const CliRun r = runCli({}, "1+1=\n3'+5=\n");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "tavrel-cli: line 2: 1 beep in \"3'+5=\"\n");
}

TEST(CliErrors, UnknownControlIsReportedAndFailsWithOneOverBeeps) {
    const CliRun r = runCli({"3'+5=", "{NoSuchKey}"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("NoSuchKey"), std::string::npos);
}

// A bad option is one line on standard error, exit status 1, nothing run.
struct BadOption {
    const char* name;
    const char* arg;
};

void PrintTo(const BadOption& b, std::ostream* os) {
    *os << b.name;
}

class BadOptions : public ::testing::TestWithParam<BadOption> {};

TEST_P(BadOptions, AreOneLineAndExitOne) {
    const CliRun r = runCli({GetParam().arg, "2+2="});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.find("tavrel-cli: "), 0u) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    EXPECT_NE(r.err.find("usage"), std::string::npos) << r.err;
}

INSTANTIATE_TEST_SUITE_P(Cli, BadOptions,
                         ::testing::Values(BadOption{"SeparatorDigit", "--decimal-separator=1"},
                                           BadOption{"SeparatorEmpty", "--decimal-separator="},
                                           BadOption{"SeparatorTwoCharacters",
                                                     "--decimal-separator=.,"},
                                           BadOption{"SeparatorUnitMark", "--decimal-separator=m"},
                                           BadOption{"NowOutOfRange", "--now=9999-99-99T99:99:99"},
                                           BadOption{"NowNoSuchDay", "--now=2026-02-30T10:00:00"},
                                           BadOption{"NowShortFields", "--now=2026-1-1T1:1:1"},
                                           BadOption{"NowTrailing", "--now=2026-01-01T10:00:00Z"},
                                           BadOption{"Unknown", "--bogus"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CliHelp, HelpShowsTheWholeKeyMap) {
    const CliRun r = runCli({"--help"});
    EXPECT_EQ(r.status, 0);
    for (const char* part :
         {"m   millimetres", "M   metres", "c   centimetres", "k   kilometres", "y   yards",
          "e   miles", "'  f   feet", "\"  i   inches", "fraction bar", "\\ ? \u00F7", "@ #",
          "{esc}", "{option+NAME}", "{PMUnit=ITEM}", "BBclear (CLR)",
          "PMUnit: UNIT, inch, foot, ft-in", "1/100, Decimal", "Examples:", "Exit status"})
        EXPECT_NE(r.out.find(part), std::string::npos) << part;
}

// The interactive prompt, on a terminal made by script(1): the greeting,
// "help" and "quit" alone on a line, and a fresh line after Ctrl-D. Each
// chunk is typed half a second after the one before, as a person would.
std::string onTerminal(const std::vector<std::string>& chunks) {
    std::string typing = "(";
    for (const auto& c : chunks) typing += "printf '%b' " + quote(c) + "; sleep 0.5; ";
    typing += "sleep 0.5)";
    const std::string cmd =
        typing + " | timeout 10 script -qec " + quote(TAVREL_CLI) + " /dev/null 2>&1";
    FILE* p = popen(cmd.c_str(), "r");
    if (!p) return {};
    std::string out = readAll(p);
    pclose(p);
    return out;
}

TEST(CliPrompt, GreetsHelpsAndQuits) {
    if (std::system("command -v script >/dev/null 2>&1") != 0) GTEST_SKIP() << "no script(1)";
    const std::string out = onTerminal({"2+2=\\n", "help\\n", "quit\\n", "3+3=\\n"});
    EXPECT_NE(out.find("\"help\" shows the key map; \"quit\" or Ctrl-D leaves."), std::string::npos)
        << out;
    EXPECT_NE(out.find("4.0"), std::string::npos) << out;
    EXPECT_NE(out.find("Unit marks"), std::string::npos) << out;
    EXPECT_EQ(out.find("6.0"), std::string::npos) << out;  // nothing runs after quit
}

TEST(CliPrompt, CtrlDLeavesTheShellPromptOnItsOwnLine) {
    if (std::system("command -v script >/dev/null 2>&1") != 0) GTEST_SKIP() << "no script(1)";
    const std::string out = onTerminal({"2+2=\\n", "\\004"});
    ASSERT_NE(out.find("4.0"), std::string::npos) << out;
    const auto lastPrompt = out.rfind("> ");
    ASSERT_NE(lastPrompt, std::string::npos) << out;
    EXPECT_NE(out.find('\n', lastPrompt), std::string::npos) << out;
}

TEST(CliHelp, VersionAndNowAccepted) {
    EXPECT_EQ(runCli({"--version"}).out, "tavrel-cli 0.1.0\n");
    const CliRun r = runCli({"--tape", "--now=2024-02-29T23:59:59"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "Thu, Feb 29, 2024\n11:59:59 pm\n------------------\n");
}

}  // namespace
