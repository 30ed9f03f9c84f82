// Golden transcripts of memory, clipboard and tape sequences, and of the
// three mended key faults, through the command-line program.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <string>
#include <vector>

#include "cli_run.h"

namespace {

using tavrel::clitest::CliRun;
using tavrel::clitest::runCli;

struct Transcript {
    const char* name;
    std::vector<std::string> args;
    const char* out;
    int exitCode;
};

void PrintTo(const Transcript& t, std::ostream* os) {
    *os << t.name;
}

class MemoryTapeTranscripts : public ::testing::TestWithParam<Transcript> {};

TEST_P(MemoryTapeTranscripts, PrintExactly) {
    const CliRun r = runCli(GetParam().args);
    EXPECT_EQ(r.status, GetParam().exitCode);
    // A failed step prints nothing on standard output, only its message.
    EXPECT_EQ(r.out + r.err, GetParam().out);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Cli, MemoryTapeTranscripts,
    ::testing::Values(
        Transcript{"MemoryAddThenRecall", {"3'4 1/2\"={BBmemory=add to memory}", "C1\"{shift+BBmemory=3}", "{BBmemory=3}"}, "3'-4 1/2\"\n1.0\"\n3'-5 1/2\"\n", 0},
        Transcript{"MemorySubtractInMetres", {"2M{BBmemory=add to memory}", "C500m{shift+option+BBmemory=3}", "{BBmemory=1.5M}"}, "2.0M\n500.0m\n1.5M\n", 0},
        Transcript{"NoSuchMemoryRow", {"{BBmemory=3}"}, "tavrel-cli: no row \"3\" to choose in BBmemory in \"{BBmemory=3}\"\n", 1},
        Transcript{"TapeReentryAfterEquals", {"--tape", "--now=2026-12-11T14:05:09", "5+6=", "{tape=4}="},
                   "11.0\n5.0\n"
                   "Fri, Dec 11, 2026\n2:05:09 pm\n------------------\n"
                   "5.0     +\n6.0     =\n11.0     \u25CA\n\n"
                   "5.0     =\n5.0     \u25CA\n\n", 0},
        Transcript{"NoSuchTapeLine", {"{tape=99}"}, "tavrel-cli: no tape line 99 in \"{tape=99}\"\n", 1},
        Transcript{"CopyThenPaste", {"3'*4'={copy}", "C{paste}", "+1'@="}, "12.0' sq\n12.0' sq\n13.0' sq\n", 0},
        Transcript{"PasteDropsTabs", {"{paste=1\t2'}", "="}, "12'\n12.0'\n", 0},
        Transcript{"TypedLocalSeparator", {"--decimal-separator=,", "2,5M+1,25M="}, "3,75M\n", 0},
        Transcript{"CaretAfterClickedMarks", {"10{sq}{cu}"}, "10 cu\n", 0},
        Transcript{"UnitKeyOnZeroResult", {"--state", "=", "{option+yds}"}, " | UNIT | LCD | unlocked\ny | yard | 1/64 | unlocked\n", 0}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
