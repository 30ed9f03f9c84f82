// tavrel-cli: types each KEYS argument (or each line of standard input) into
// a calculator, character by character, and prints the display after each.
// Operator characters press the operator keys, "C" clears, every other
// character is entered at the end of the display as a keypad key would.
#include <unistd.h>

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "core/calculator.h"
#include "core/core_services.h"
#include "tape/tape.h"

namespace {

using namespace tavrel;

class Session : public CalculatorHost {
  public:
    explicit Session(CoreServices services, LocalDateTime now)
        : services_(std::move(services)),
          calc_(*this, services_),
          tape_(surface_, calc_.registers(), stampsFrom([now] { return now; })) {
        tape_.timeStamp();
    }

    std::string displayText() const override { return display_; }
    void setDisplayText(const std::string& text) override {
        display_ = displayTextRule(text, services_.decimalSeparator);
    }
    void recordOnTape(const std::string& tag) override { tape_.display(tag); }

    void type(const std::string& ch) {
        if (ch == "+" || ch == "-" || ch == "*" || ch == "x" || ch == "X" || ch == "=") {
            calc_.operatorKey(ch == "x" || ch == "X" ? "*" : ch);
        } else if (ch == "\\" || ch == "?") {
            calc_.divisionKey();
        } else if (ch == "C") {
            tape_.lineFeed();
            calc_.cleanReg("clear");
        } else {
            enter(ch == "." ? std::string(1, services_.decimalSeparator) : ch);
        }
    }

    const std::string& display() const { return display_; }
    const std::string& tapeText() const { return surface_.text(); }

  private:
    void enter(const std::string& key) {
        if (calc_.lastkey == "=") calc_.cleanReg("clear");
        calc_.lastkey = key;
        if (calc_.clearFlag) {
            setDisplayText("");
            calc_.clearFlag = false;
        }
        setDisplayText(display_ + key);
    }

    CoreServices services_;
    std::string display_;
    Calculator calc_;
    MemoryTapeSurface surface_;
    Tape tape_;
};

std::vector<std::string> characters(const std::string& s) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < s.size();) {
        std::size_t n = 1;
        const auto c = static_cast<unsigned char>(s[i]);
        if (c >= 0xF0)
            n = 4;
        else if (c >= 0xE0)
            n = 3;
        else if (c >= 0xC0)
            n = 2;
        out.push_back(s.substr(i, n));
        i += n;
    }
    return out;
}

bool parseNow(const std::string& s, LocalDateTime& t) {
    return std::sscanf(s.c_str(), "%d-%d-%dT%d:%d:%d", &t.year, &t.month, &t.day, &t.hour,
                       &t.minute, &t.second) == 6;
}

int usage() {
    std::cerr << "usage: tavrel-cli [--tape] [--decimal-separator=C] [--now=YYYY-MM-DDTHH:MM:SS] "
                 "[KEYS ...]\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    bool showTape = false;
    CoreServices services;
    services.beep = [] {};
    LocalDateTime now{2026, 1, 1, 12, 0, 0};
    bool fixedClock = false;
    std::vector<std::string> keys;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--tape") {
            showTape = true;
        } else if (a.rfind("--decimal-separator=", 0) == 0 && a.size() == 21) {
            services.decimalSeparator = a[20];
        } else if (a.rfind("--now=", 0) == 0) {
            if (!parseNow(a.substr(6), now)) return usage();
            fixedClock = true;
        } else if (a == "--help" || a == "-h") {
            usage();
            return 0;
        } else if (a.rfind("--", 0) == 0) {
            return usage();
        } else {
            keys.push_back(a);
        }
    }
    (void)fixedClock;
    Session session(services, now);
    auto run = [&](const std::string& line) {
        for (const auto& ch : characters(line)) session.type(ch);
        std::cout << session.display() << '\n';
    };
    if (!keys.empty()) {
        for (const auto& k : keys) run(k);
    } else {
        const bool interactive = isatty(STDIN_FILENO);
        std::string line;
        while (true) {
            if (interactive) std::cout << "> " << std::flush;
            if (!std::getline(std::cin, line)) break;
            run(line);
        }
    }
    if (showTape) {
        const std::string& t = session.tapeText();
        std::size_t start = 0;
        for (std::size_t i = 0; i < t.size(); ++i) {
            if (t[i] == '\r') {
                std::cout << t.substr(start, i - start) << '\n';
                start = i + 1;
            }
        }
    }
    return 0;
}
