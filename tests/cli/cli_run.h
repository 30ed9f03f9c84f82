// Runs tavrel-cli as a user would from a shell: arguments quoted, optional
// standard input, standard output and error together.
#pragma once

#include <array>
#include <cstdio>
#include <string>
#include <vector>

namespace tavrel::clitest {

struct CliRun {
    std::string out;
    int status = -1;
};

inline std::string quote(const std::string& arg) {
    std::string q = "'";
    for (char c : arg) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

inline CliRun runCli(const std::vector<std::string>& args, const std::string& input = {}) {
    std::string cmd = TAVREL_CLI;
    for (const auto& a : args) cmd += " " + quote(a);
    if (!input.empty()) cmd = "printf '%s' " + quote(input) + " | " + cmd;
    cmd += " 2>&1";
    CliRun r;
    FILE* p = popen(cmd.c_str(), "r");
    if (!p) return r;
    std::array<char, 4096> buf;
    std::size_t n;
    while ((n = fread(buf.data(), 1, buf.size(), p)) > 0) r.out.append(buf.data(), n);
    r.status = pclose(p);
    return r;
}

}  // namespace tavrel::clitest
