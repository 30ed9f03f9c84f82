// Typed entry texts go through ConvertUnit (parse, master value, display
// text); a whole operator step goes from the display text through the
// registers to a formatted result and a tape line in memory.
#include <benchmark/benchmark.h>

#include <iterator>
#include <string>
#include <vector>

#include "core/calculator.h"
#include "core/convert_unit.h"
#include "core/display_format.h"
#include "tape/tape.h"

namespace {

using namespace tavrel;

struct Entry {
    const char* name;
    const char* text;
    char separator;
};

// The kinds of entry a user types most: feet-inches with and without the
// dash, inch and metre decimals, areas, and plain numbers.
const Entry kEntries[] = {
    {"feet_inch_fraction", "20' 6 1/2\"", '.'},
    {"feet_dash_inch_fraction", "5'-6 1/2\"", '.'},
    {"negative_feet_inches", "-12'-3 3/8\"", '.'},
    {"inch_decimal", "55.5\"", '.'},
    {"inch_fraction", "7 15/16\"", '.'},
    {"metre", "3.2M", '.'},
    {"metre_comma", "3,2M", ','},
    {"millimetre", "383.38125m", '.'},
    {"square_metre", "10.125 sq M", '.'},
    {"square_feet", "12' sq", '.'},
    {"cubic_yard", "4.5y cu", '.'},
    {"plain_number", "1234.5", '.'},
    {"plain_integer", "42", '.'},
};

void parseAndShow(benchmark::State& state, const Entry& e) {
    const CoreServices services{e.separator, {}};
    for (auto _ : state) {
        ValueRef v = ConvertUnit(e.text, -1, "-1", -1, services);
        benchmark::DoNotOptimize(v->valueString.data());
    }
    state.SetLabel(ConvertUnit(e.text, -1, "-1", -1, services)->valueString);
}

// The whole table per iteration, reported as values per second.
void BM_ParseAndShowTable(benchmark::State& state) {
    const CoreServices dot{'.', {}};
    const CoreServices comma{',', {}};
    for (auto _ : state) {
        for (const Entry& e : kEntries) {
            ValueRef v = ConvertUnit(e.text, -1, "-1", -1, e.separator == ',' ? comma : dot);
            benchmark::DoNotOptimize(v->valueString.data());
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(std::size(kEntries)));
}
BENCHMARK(BM_ParseAndShowTable);

// Formatting alone: the values are parsed once and re-shown each iteration.
void BM_ReformatTable(benchmark::State& state) {
    const CoreServices dot{'.', {}};
    std::vector<mixedUnitCU> values;
    for (const Entry& e : kEntries) values.push_back(*ConvertUnit(e.text, -1, "-1", -1, dot));
    for (auto _ : state) {
        for (mixedUnitCU& v : values) {
            convertGlobaltoLocalUnits(v, '.');
            benchmark::DoNotOptimize(v.valueString.data());
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(values.size()));
}
BENCHMARK(BM_ReformatTable);

// A window-less host whose tape is a Tape on a memory surface, as the
// command line has it.
class TapeHost : public CalculatorHost {
  public:
    explicit TapeHost(const CoreServices& s)
        : services(s), calc(*this, services), tape(surface, calc.registers(), {}) {}

    std::string displayText() const override { return display; }
    void setDisplayText(const std::string& text) override {
        display = displayTextRule(text, services.decimalSeparator);
    }
    void recordOnTape(const std::string& tag) override { tape.display(tag); }

    CoreServices services;
    std::string display;
    Calculator calc;
    MemoryTapeSurface surface;
    Tape tape;
};

// One operator step per iteration. "+" and "-" alternate so the running
// total stays near the entry instead of growing without bound; the tape is
// cleared now and then (clearing keeps its memory) so it never reallocates.
void operatorStep(benchmark::State& state, const Entry& e) {
    const CoreServices services{e.separator, {}};
    TapeHost host(services);
    static const std::string kOps[] = {"+", "-"};
    std::size_t n = 0;
    for (auto _ : state) {
        host.display = e.text;
        host.calc.operatorKey(kOps[n & 1]);
        benchmark::DoNotOptimize(host.display.data());
        if ((++n & 8191) == 0) host.tape.clear();
    }
    state.SetLabel(host.display);
}

}  // namespace

int main(int argc, char** argv) {
    for (const Entry& e : kEntries)
        benchmark::RegisterBenchmark((std::string("BM_ParseAndShow/") + e.name).c_str(),
                                     parseAndShow, e);
    for (const char* name : {"feet_inch_fraction", "inch_decimal", "metre", "square_feet"})
        for (const Entry& e : kEntries)
            if (std::string(e.name) == name)
                benchmark::RegisterBenchmark((std::string("BM_OperatorStep/") + e.name).c_str(),
                                             operatorStep, e);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
