// Start-up to the first painted window, and idle memory, of the desktop
// program against a minimal Qt Widgets program, side by side on the same
// display (run under Xvfb: xvfb-run build-release/bin/bench_startup). A
// start-up run lasts from spawning the program until it reports its first
// paint (`tavrel` does when TAVREL_QUIT_AFTER_FIRST_PAINT is set, then
// quits); memory is the resident set of a program left idle for a second and
// a half. Both programs run with scratch preferences and data folders, so a
// run neither reads the user's settings nor adds to the user's tape.
#include <benchmark/benchmark.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

extern char** environ;

namespace {

std::filesystem::path beside(const char* program) {
    return std::filesystem::read_symlink("/proc/self/exe").parent_path() / program;
}

// A scratch folder for the programs' preferences and data, removed after.
class Scratch {
  public:
    Scratch() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tavrel-bench-XXXXXX");
        if (mkdtemp(pattern.data())) path_ = pattern;
    }
    ~Scratch() {
        std::error_code ec;
        if (!path_.empty()) std::filesystem::remove_all(path_, ec);
    }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;

    // This process's environment with the folders pointed here, plus extra.
    std::vector<std::string> environment(const std::vector<std::string>& extra = {}) const {
        std::vector<std::string> env;
        for (char** e = environ; *e; ++e) {
            const std::string_view v(*e);
            if (!v.starts_with("XDG_CONFIG_HOME=") && !v.starts_with("XDG_DATA_HOME="))
                env.emplace_back(v);
        }
        env.push_back("XDG_CONFIG_HOME=" + (path_ / "config").string());
        env.push_back("XDG_DATA_HOME=" + (path_ / "data").string());
        env.insert(env.end(), extra.begin(), extra.end());
        return env;
    }

  private:
    std::filesystem::path path_;
};

std::vector<char*> pointers(std::vector<std::string>& strings) {
    std::vector<char*> p;
    for (auto& s : strings) p.push_back(s.data());
    p.push_back(nullptr);
    return p;
}

pid_t start(const std::filesystem::path& program, std::vector<std::string> args,
            std::vector<std::string> env) {
    std::string path = program.string();
    args.insert(args.begin(), path);
    auto argv = pointers(args);
    auto envp = pointers(env);
    pid_t pid = 0;
    if (posix_spawn(&pid, path.c_str(), nullptr, nullptr, argv.data(), envp.data()) != 0) return -1;
    return pid;
}

bool noDisplay(benchmark::State& state) {
    if (std::getenv("DISPLAY")) return false;
    state.SkipWithError("needs an X display: run under xvfb-run");
    return true;
}

// Milliseconds from spawning the program until it reports its first paint
// on standard output; its shutdown is not counted.
double runToFirstPaint(const char* program, std::vector<std::string> env) {
    int out[2];
    if (pipe(out) != 0) return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    std::string path = beside(program).string();
    char* argv[] = {path.data(), nullptr};
    auto envp = pointers(env);
    const auto t0 = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const bool started = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv, envp.data()) == 0;
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    char line[16] = {};
    const bool painted = started && read(out[0], line, sizeof line) > 0;
    const auto t1 = std::chrono::steady_clock::now();
    close(out[0]);
    int status = 0;
    if (started) waitpid(pid, &status, 0);
    if (!painted || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
    return std::chrono::duration<double, std::milli>(t1 - t0).count();
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// Each iteration starts both programs one after the other, so they share
// whatever else the machine is doing; the counters are the medians.
void startUpSideBySide(benchmark::State& state) {
    if (noDisplay(state)) return;
    const Scratch scratch;
    const auto minimalEnv = scratch.environment();
    const auto tavrelEnv = scratch.environment({"TAVREL_QUIT_AFTER_FIRST_PAINT=1"});
    std::vector<double> minimal, tavrel;
    for (auto _ : state) {
        minimal.push_back(runToFirstPaint("minimal_qt_window", minimalEnv));
        tavrel.push_back(runToFirstPaint("tavrel", tavrelEnv));
        if (minimal.back() < 0 || tavrel.back() < 0) state.SkipWithError("a program failed");
    }
    state.counters["minimal_ms"] = median(minimal);
    state.counters["tavrel_ms"] = median(tavrel);
    state.counters["ratio"] = median(tavrel) / median(minimal);
}

long residentKb(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}

void idleMemory(benchmark::State& state, const char* program, std::vector<std::string> args) {
    if (noDisplay(state)) return;
    const Scratch scratch;
    long kb = 0;
    for (auto _ : state) {
        pid_t pid = start(beside(program), args, scratch.environment());
        std::this_thread::sleep_for(std::chrono::milliseconds(1500));
        kb = residentKb(pid);
        kill(pid, SIGTERM);
        // A program held up (a message box it shows, say) must not hang the run.
        int status = 0;
        for (int tries = 0; tries < 50 && waitpid(pid, &status, WNOHANG) == 0; ++tries)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        if (waitpid(pid, &status, WNOHANG) == 0) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            state.SkipWithError("the program did not end on SIGTERM");
        }
    }
    state.counters["RSS_MB"] = static_cast<double>(kb) / 1024.0;
}

}  // namespace

BENCHMARK(startUpSideBySide)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(40);
BENCHMARK_CAPTURE(idleMemory, minimal_qt_window, "minimal_qt_window",
                  std::vector<std::string>{"--idle"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);
BENCHMARK_CAPTURE(idleMemory, tavrel, "tavrel", std::vector<std::string>{})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

BENCHMARK_MAIN();
