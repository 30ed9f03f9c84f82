// Typed keys through the headless window: key-down, dispatcher, key press
// (the visible press runs on the virtual clock), entry and the display's
// change handlers, until the display text is updated; one key at a time, and
// whole scripts of 1 000 and 1 000 000 keys.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <string_view>

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

// A whole script of N keys typed as one line of standard input is: the cost
// per key must not grow with N. Calculations: feet-inch sums one after
// another (the tape grows); one long entry: digits, the display fills at 255
// characters and every further key beeps.
std::string repeated(std::string_view unit, std::size_t keys) {
    std::string s;
    s.reserve(keys);
    while (s.size() < keys) s.append(unit.substr(0, keys - s.size()));
    return s;
}

void typeScript(benchmark::State& state, std::string_view unit) {
    const std::string script = repeated(unit, static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        auto s = std::make_unique<tavrel::cli::Session>();
        state.ResumeTiming();
        s->run(script);
        state.PauseTiming();
        s.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_TypedCalculations(benchmark::State& state) {
    typeScript(state, "3'6 1/2+4'8 3/4=");
}
BENCHMARK(BM_TypedCalculations)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_TypedLongEntry(benchmark::State& state) {
    typeScript(state, "1234567890");
}
BENCHMARK(BM_TypedLongEntry)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace
