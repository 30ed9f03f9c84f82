// Golden transcripts of the tool command: results on standard output, one
// line per failure on standard error with status 1.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct ToolRun {
    std::string out;
    std::string err;
    int status = -1;
};

std::string quote(const std::string& arg) {
    std::string q = "'";
    for (char c : arg) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

ToolRun runTool(const std::vector<std::string>& args) {
    // One file per process: ctest may run the cases side by side.
    const std::string errFile =
        ::testing::TempDir() + "tool_golden_stderr_" + std::to_string(getpid()) + ".txt";
    std::string cmd = TAVREL_CLI;
    for (const auto& a : args) cmd += " " + quote(a);
    cmd += " 2>" + quote(errFile);
    ToolRun r;
    FILE* p = popen(cmd.c_str(), "r");
    if (!p) return r;
    std::array<char, 4096> buf;
    std::size_t n;
    while ((n = fread(buf.data(), 1, buf.size(), p)) > 0) r.out.append(buf.data(), n);
    const int raw = pclose(p);
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    std::ifstream in(errFile);
    std::stringstream ss;
    ss << in.rdbuf();
    r.err = ss.str();
    std::remove(errFile.c_str());
    return r;
}

struct ToolGolden {
    const char* name;
    std::vector<std::string> args;
    const char* out;
    const char* err;
    int status;
};

void PrintTo(const ToolGolden& g, std::ostream* os) {
    *os << g.name;
}

class ToolTranscripts : public ::testing::TestWithParam<ToolGolden> {};

TEST_P(ToolTranscripts, PrintExactly) {
    const ToolRun r = runTool(GetParam().args);
    EXPECT_EQ(r.status, GetParam().status);
    EXPECT_EQ(r.out, GetParam().out);
    EXPECT_EQ(r.err, GetParam().err);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Cli, ToolTranscripts,
    ::testing::Values(
        ToolGolden{"StairsWithCodeCheck", {"--tool=stairs", "rise=4'8\"", "run=5'9\""},
                   "risers: 7\nriser: 0'-8\"\ntreads: 6\ntread: 0'-11 1/2\"\nstringer: 7'-0 1/16\"\n"
                   "incline: 34.82\u00B0\nopening: 10'-9 3/8\"\noverunder: 0'-0\"\n"
                   "riser 0'-8\" is over 0'-7 3/4\" (IRC R311.7.5.1)\ncomplies with 8 risers of 0'-7\"\n",
                   "", 0},
        ToolGolden{"RafterFromTheSpan", {"--tool=rafter", "pitch=7", "span=28'"},
                   "run: 14'-0\"\nrise: 8'-2\"\nlength: 16'-2 1/2\"\nperfoot: 1'-1 7/8\"\n"
                   "angle: 30.26\u00B0\ncomplement: 59.74\u00B0\ntail: 0'-0\"\n", "", 0},
        ToolGolden{"HipJacksOnOneLine", {"--tool=hip", "pitch=7", "run=20'5\"", "spacing=16\"", "prec=64"},
                   "common: 23'-7 41/64\"\nhip: 31'-2 51/64\"\nangle: 22.42\u00B0\n"
                   "jacks: 22'-1 7/64\", 20'-6 19/32\", 19'-0 1/16\", 17'-5 35/64\", 15'-11 1/64\", "
                   "14'-4 1/2\", 12'-9 31/32\", 11'-3 29/64\", 9'-8 59/64\", 8'-2 13/32\", 6'-7 7/8\", "
                   "5'-1 23/64\", 3'-6 53/64\", 2'-0 5/16\", 0'-5 25/32\"\n", "", 0},
        ToolGolden{"ConcreteInYards", {"--tool=concrete", "length=48'", "width=26'", "depth=4"},
                   "volume: 416.00' cu\nyards: 15.41y cu\n", "", 0},
        ToolGolden{"CrownIgnoresFieldCase", {"--tool=CROWN", "Spring=45"},
                   "miter: 35.26\u00B0\nbevel: 30.00\u00B0\n", "", 0},
        ToolGolden{"UnknownTool", {"--tool=ladder", "rise=8'"}, "",
                   "tavrel-cli: no tool \"ladder\" (see --tool=list)\n", 1},
        ToolGolden{"UnknownField", {"--tool=squareup", "length=3'", "diag=5'"}, "",
                   "tavrel-cli: squareup has no field \"diag\"\n", 1},
        ToolGolden{"UnreadableValue", {"--tool=squareup", "length=3'", "width=4x"}, "",
                   "tavrel-cli: width: cannot read \"4x\"\n", 1},
        ToolGolden{"NotFieldEqualsValue", {"--tool=squareup", "3'"}, "",
                   "tavrel-cli: expected FIELD=VALUE, not \"3'\"\n", 1},
        ToolGolden{"CommaSeparator", {"--decimal-separator=,", "--tool=squareup", "length=1,5M", "width=2M"},
                   "diagonal: 2,5M\n", "", 0},
        ToolGolden{"MissingField", {"--tool=arc", "span=96"}, "", "tavrel-cli: rise: missing\n", 1}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(ToolList, NamesEveryToolWithItsFieldsAndDefaults) {
    const ToolRun r = runTool({"--tool=list"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    for (const char* line :
         {"stairs: Stairs\n", "  rise (length; a plain number is inches) required\n",
          "  riser (length; a plain number is inches) = 7 1/2\"\n",
          "  spacing (length; a plain number is inches) = 16\", 600m when metric\n",
          "crown: Crown molding\n", "  waste (percent) = 10\n",
          "  length (length; a plain number is feet) required\n"})
        EXPECT_NE(r.out.find(line), std::string::npos) << line;
}

}  // namespace
