// Golden transcripts: whole sequences through the command-line program, keys
// in, display (and state and tape) out, exactly as a user scripts them.
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "cli_run.h"

namespace {

using tavrel::clitest::CliRun;
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
        Golden{"NoValueIsAnErrorNeverInfOrNan",
               {"0{shift+x^2}", "4{+/-}{\u221A}", "5'{rise}3'{diag}{run}", "{togTrig}2{inv}{asin}"},
               "\n\n\n\n"},
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
    const auto message = r.out.find("tavrel-cli: The tape cannot be saved: /dev/null/tape.txt: ");
    EXPECT_NE(message, std::string::npos) << r.out;
    EXPECT_EQ(message, r.out.rfind("The tape cannot be saved") - 12);  // only once
}

TEST(CliErrors, UnknownControlIsReportedAndFails) {
    const CliRun r = runCli({"{NoSuchKey}"});
    EXPECT_NE(r.status, 0);
    EXPECT_NE(r.out.find("NoSuchKey"), std::string::npos);
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
    EXPECT_NE(r.out.find("UnitFurlongs"), std::string::npos);
}

TEST(CliErrors, UnknownOptionShowsUsage) {
    const CliRun r = runCli({"--bogus"});
    EXPECT_NE(r.status, 0);
    EXPECT_NE(r.out.find("usage"), std::string::npos);
}

}  // namespace
