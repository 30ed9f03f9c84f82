// One evaluation of each builder's tool, on a worked example: the compute
// step alone (typed inputs to numbers, the work a keystroke in the Tools
// window asks of the table's function), and the whole evaluation from the
// typed texts to the result texts (reading with the parser, computing,
// formatting).
#include <benchmark/benchmark.h>

#include <string>
#include <utility>
#include <vector>

#include "builder/evaluate.h"

namespace {

using namespace tavrel;
using namespace tavrel::builder;

struct Example {
    const char* tool;
    std::vector<std::pair<const char*, const char*>> typed;
};

// clang-format off
const Example kExamples[] = {
    {"stairs",    {{"rise", "4'8\""}, {"run", "5'9\""}}},
    {"rafter",    {{"pitch", "7"}, {"span", "28'"}}},
    {"hip",       {{"pitch", "7"}, {"run", "20'5\""}, {"spacing", "16\""}, {"prec", "64"}}},
    {"squareup",  {{"length", "30'"}, {"width", "20'"}}},
    {"concrete",  {{"length", "48'"}, {"width", "26'"}, {"depth", "4"}}},
    {"boardfeet", {{"thickness", "1"}, {"width", "10"}, {"length", "10"}, {"price", ".15"}}},
    {"rakewall",  {{"spacing", "16\""}, {"pitch", "7"}}},
    {"roof",      {{"area", "1800"}, {"pitch", "6"}}},
    {"arc",       {{"span", "96\""}, {"rise", "12\""}}},
    {"crown",     {{"spring", "38"}, {"corner", "90"}}},
};
// clang-format on

std::vector<GivenField> given(const Example& e) {
    std::vector<GivenField> g;
    for (const auto& [name, text] : e.typed) g.push_back({name, text});
    return g;
}

void computeOnly(benchmark::State& state, const Example& e) {
    const ToolRow& tool = *findTool(e.tool);
    const auto g = given(e);
    Inputs in;
    if (!readInputs(tool, g, CoreServices{}, in).empty()) state.SkipWithError("bad example");
    Computed out;
    for (auto _ : state) {
        auto error = computeTool(tool, in, out);
        benchmark::DoNotOptimize(error);
        benchmark::DoNotOptimize(out.values[0].data());
    }
}

void wholeEvaluation(benchmark::State& state, const Example& e) {
    const ToolRow& tool = *findTool(e.tool);
    const auto g = given(e);
    const CoreServices services{};
    for (auto _ : state) {
        Evaluation ev = evaluate(tool, g, services);
        benchmark::DoNotOptimize(ev.results.data());
    }
}

}  // namespace

int main(int argc, char** argv) {
    for (const Example& e : kExamples) {
        benchmark::RegisterBenchmark((std::string("BM_ToolCompute/") + e.tool).c_str(),
                                     [&e](benchmark::State& s) { computeOnly(s, e); });
        benchmark::RegisterBenchmark((std::string("BM_ToolEvaluate/") + e.tool).c_str(),
                                     [&e](benchmark::State& s) { wholeEvaluation(s, e); });
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
