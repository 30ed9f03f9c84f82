// Runs tavrel-cli as a user would from a shell: arguments quoted, optional
// standard input; standard output and standard error apart, and the exit status.
#pragma once

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>
#include <vector>

namespace tavrel::clitest {

struct CliRun {
    std::string out;
    std::string err;
    int status = -1;
};

inline std::string quote(const std::string& arg) {
    std::string q = "'";
    for (char c : arg) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

inline std::string readAll(FILE* f) {
    std::string s;
    std::array<char, 4096> buf;
    std::size_t n;
    while ((n = fread(buf.data(), 1, buf.size(), f)) > 0) s.append(buf.data(), n);
    return s;
}

inline CliRun runCli(const std::vector<std::string>& args, const std::string& input = {}) {
    std::string cmd = TAVREL_CLI;
    for (const auto& a : args) cmd += " " + quote(a);
    if (!input.empty()) cmd = "printf '%s' " + quote(input) + " | " + cmd;
    FILE* err = std::tmpfile();
    if (!err) return {};
    cmd += " 2>/dev/fd/" + std::to_string(fileno(err));
    CliRun r;
    FILE* p = popen(cmd.c_str(), "r");
    if (!p) {
        std::fclose(err);
        return r;
    }
    r.out = readAll(p);
    const int raw = pclose(p);
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    std::rewind(err);
    r.err = readAll(err);
    std::fclose(err);
    return r;
}

}  // namespace tavrel::clitest
