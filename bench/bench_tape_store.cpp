// One step's line appended to the tape file, with 1 000 or 1 000 000 lines
// already saved: the append is one write at the file's end, so the two
// should cost the same. The file is filled once, untimed, and cut back to
// that size every so often, untimed. Also: loading a file of the kept maximum.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "tape/tape_store.h"

namespace {

namespace fs = std::filesystem;
using tavrel::TapeStore;

constexpr long kAppendsPerRestore = 1 << 16;

fs::path filledFile(const char* name, long lines) {
    const fs::path file = fs::temp_directory_path() / (std::to_string(::getpid()) + "-" + name);
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    const std::string line = "20'-6 1/2\"     +\n";
    for (long i = 0; i < lines; ++i) out << line;
    return file;
}

void BM_TapeFileAppend(benchmark::State& state) {
    const fs::path file = filledFile("tavrel-bench-tape-append.txt", 0);
    {
        TapeStore store(file);
        std::string saved;
        if (!store.open(saved)) state.SkipWithError(store.error().c_str());
        // Filled behind the open store (loading would trim it to the kept
        // maximum); the store's appends still land at the file's end.
        filledFile("tavrel-bench-tape-append.txt", state.range(0));
        const std::uintmax_t filled = fs::file_size(file);
        long sinceRestore = 0;
        for (auto _ : state) {
            benchmark::DoNotOptimize(store.append("383.38125m     +\r"));
            // Cut back now and then, untimed, so the file stays at its size.
            if (++sinceRestore == kAppendsPerRestore) {
                state.PauseTiming();
                fs::resize_file(file, filled);
                sinceRestore = 0;
                state.ResumeTiming();
            }
        }
        state.counters["lines_before"] = static_cast<double>(state.range(0));
        state.counters["file_MB"] = static_cast<double>(filled) / 1e6;
    }
    state.SetItemsProcessed(state.iterations());
    fs::remove(file);
}
BENCHMARK(BM_TapeFileAppend)->Arg(1000)->Arg(1000000);

void BM_TapeFileLoad(benchmark::State& state) {
    const fs::path file = filledFile("tavrel-bench-tape-load.txt", state.range(0));
    for (auto _ : state) {
        TapeStore store(file);
        std::string saved;
        benchmark::DoNotOptimize(store.open(saved));
    }
    fs::remove(file);
}
BENCHMARK(BM_TapeFileLoad)
    ->Arg(static_cast<long>(TapeStore::kLimit))
    ->Unit(benchmark::kMillisecond);

}  // namespace
