// One function key and one triangle solve through the headless window (read
// the display, compute, register steps, tape line, display), and the bare
// solver for comparison. The tape is emptied now and then so its growth does
// not enter the figures.
#include <benchmark/benchmark.h>

#include "functions/triangle.h"
#include "session.h"

namespace {

void BM_RootKey(benchmark::State& state) {
    tavrel::cli::Session s;
    auto& w = s.window();
    auto& root = w.get<tavrel::ui::myBevelButton>("BBsqrt");
    s.run("16");
    int n = 0;
    for (auto _ : state) {
        root.click();  // converges on 1.0 and stays there
        if (++n == 1000) {
            state.PauseTiming();
            w.Tape1.clear();
            n = 0;
            state.ResumeTiming();
        }
    }
    benchmark::DoNotOptimize(w.EditFract1.text());
}
BENCHMARK(BM_RootKey);

void BM_DiagonalSolve(benchmark::State& state) {
    tavrel::cli::Session s;
    auto& w = s.window();
    auto& diag = w.get<tavrel::ui::bbTri>("bbtDiag");
    s.run("3'{rise}4'{run}");
    int n = 0;
    for (auto _ : state) {
        diag.click();  // a shown result: solves the diagonal from rise and run
        if (++n == 1000) {
            state.PauseTiming();
            w.Tape1.clear();
            n = 0;
            state.ResumeTiming();
        }
    }
    benchmark::DoNotOptimize(w.EditFract1.text());
}
BENCHMARK(BM_DiagonalSolve);

void BM_SolverRiseFromPitchAndRun(benchmark::State& state) {
    tavrel::mixedUnitCU pitch, rise, run, diag;
    pitch.angle = 36.87;
    run.masterUnit = 121.92;
    run.unit = "ft";
    tavrel::TriangleLegs legs{pitch, rise, run, diag, 2};
    for (auto _ : state) {
        benchmark::DoNotOptimize(tavrel::riPiRu(legs));
        benchmark::DoNotOptimize(rise.masterUnit);
    }
}
BENCHMARK(BM_SolverRiseFromPitchAndRun);

}  // namespace
