// Tape::display("+") appends one line, built from the registers' texts, to a
// memory surface that already holds N lines. The surface is filled once; the
// timed loop measures appends only: every so often (untimed) it is restored
// to its N lines by copy-assignment, which keeps the string's capacity, so
// no append in the timed loop reallocates or copies the tape.
#include <benchmark/benchmark.h>

#include "core/convert_unit.h"
#include "tape/tape.h"

namespace {

using namespace tavrel;

constexpr long kAppendsPerRestore = 1 << 16;

void BM_TapeAppend(benchmark::State& state) {
    const CoreServices services{'.', {}};
    Registers regs;
    regs.tempReg = ConvertUnit("20' 6 1/2\"", -1, "-1", -1, services);
    regs.runningReg = ConvertUnit("383.38125m", -1, "-1", -1, services);

    MemoryTapeSurface filled;
    {
        Tape fill(filled, regs, {});
        for (long i = 0; i < state.range(0); ++i) fill.display("+");
    }

    MemoryTapeSurface surface = filled;
    Tape tape(surface, regs, {});
    // Grow the capacity once to what the timed loop needs.
    for (long i = 0; i < kAppendsPerRestore; ++i) tape.display("+");
    surface = filled;

    long sinceRestore = 0;
    for (auto _ : state) {
        tape.display("+");
        if (++sinceRestore == kAppendsPerRestore) {
            state.PauseTiming();
            surface = filled;
            sinceRestore = 0;
            state.ResumeTiming();
        }
    }
    state.counters["lines_before"] = static_cast<double>(filled.lineCount());
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TapeAppend)->Arg(1000)->Arg(1000000);

}  // namespace
