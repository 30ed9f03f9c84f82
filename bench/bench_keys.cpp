// One typed key through the headless window: key-down, dispatcher, key press
// (the visible press runs on the virtual clock), entry and the display's
// change handlers, until the display text is updated.
#include <benchmark/benchmark.h>

#include "session.h"

namespace {

using tavrel::platform::KeyEvent;

void BM_TypedDigit(benchmark::State& state) {
    tavrel::cli::Session s;
    auto& w = s.window();
    const KeyEvent digit = KeyEvent::of("7");
    int n = 0;
    for (auto _ : state) {
        w.typeKey(digit);
        if (++n == 12) {  // keep the entry short
            state.PauseTiming();
            w.calculator().cleanReg("clear");
            n = 0;
            state.ResumeTiming();
        }
    }
    benchmark::DoNotOptimize(w.EditFract1.text());
}
BENCHMARK(BM_TypedDigit);

void BM_TypedOperator(benchmark::State& state) {
    tavrel::cli::Session s;
    auto& w = s.window();
    s.run("20'6 1/2");
    const KeyEvent plus = KeyEvent::of("+");
    int n = 0;
    for (auto _ : state) {
        w.typeKey(plus);  // reads the shown result again and adds it
        if (++n == 8) {
            state.PauseTiming();
            s.run("{esc}20'6 1/2");
            w.Tape1.clear();
            n = 0;
            state.ResumeTiming();
        }
    }
    benchmark::DoNotOptimize(w.EditFract1.text());
}
BENCHMARK(BM_TypedOperator);

}  // namespace
