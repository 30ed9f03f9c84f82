// Arbitrary bytes -> a key script typed step by step into a headless
// calculator window -> invariants checked after every step. The first byte
// picks the decimal separator (odd: comma); each following byte is one step:
//   0x00-0x5E  the printable character 0x20 + byte, typed
//   0x5F-0x7F  a key without a character ({esc}, {return}, ... , the division sign)
//   0x80-0xBF  a click on a control (next byte: which), low four bits: modifiers held
//   0xC0-0xDF  a pop-up choice (next byte: item; bit 0: which pop-up), modifiers
//   0xE0-0xFF  a printable character (next byte) typed with modifiers held
// After each step: no exception; no "inf" or "nan" in the display or the
// tape; the display holds at most 255 characters; a result the window shows
// reads back, at its own unit and precision, as the same text; the tape only
// grows, unless the tape's clear button ran; the step took bounded time.
#include <chrono>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "core/convert_unit.h"
#include "core/unit_table.h"
#include "escaped.h"
#include "session.h"
#include "tavrel/platform/popup_menu.h"
#include "tavrel/platform/push_button.h"

namespace {

using tavrel::fuzz::escaped;

using namespace tavrel;

// Read-back is promised up to these magnitudes in the value's own unit (see
// fuzz_convert_unit.cpp for why).
constexpr double kFractionLimit = 1e7;
constexpr double kDecimalLimit = 1e12;
constexpr auto kStepLimit = std::chrono::seconds(2);

constexpr std::string_view kNamedKeys[] = {"{esc}", "{return}", "{enter}", "{bs}",
                                           "{del}", "{tab}",    "\u00F7"};

std::string modifierPrefix(unsigned bits) {
    std::string p;
    if (bits & 1) p += "shift+";
    if (bits & 2) p += "option+";
    if (bits & 4) p += "command+";
    if (bits & 8) p += "control+";
    return p;
}

bool containsWord(std::string_view text, std::string_view word) {
    for (std::size_t i = 0; i + word.size() <= text.size(); ++i) {
        std::size_t k = 0;
        while (k < word.size()) {
            char c = text[i + k];
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
            if (c != word[k]) break;
            ++k;
        }
        if (k == word.size()) return true;
    }
    return false;
}

class Harness {
  public:
    Harness(const std::uint8_t* data, std::size_t size)
        : data_(data), size_(size), session_(options(data[0])), win_(session_.window()) {
        if (auto* clear = win_.find<platform::PushButton>("pbTapeClr")) {
            auto original = clear->onAction;
            clear->onAction = [this, original] {
                tapeCleared_ = true;
                if (original) original();
            };
        }
        tape_ = win_.Tape1.text();
    }

    void run() {
        for (pos_ = 1; pos_ < size_;) {
            const std::string step = nextStep();
            steps_ += step;
            tapeCleared_ = false;
            const auto start = std::chrono::steady_clock::now();
            try {
                session_.run(step);
            } catch (const std::exception& e) {
                fail("exception", e.what());
            } catch (...) {
                fail("exception", "of no standard type");
            }
            if (std::chrono::steady_clock::now() - start > kStepLimit) fail("slow step", step);
            check();
        }
    }

  private:
    static cli::SessionOptions options(std::uint8_t first) {
        cli::SessionOptions o;
        o.decimalSeparator = (first & 1) ? U',' : U'.';
        return o;
    }

    std::uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }

    std::string nextStep() {
        const std::uint8_t b = byte();
        if (b < 0x5F) return std::string(1, static_cast<char>(0x20 + b));
        if (b < 0x80) return std::string(kNamedKeys[(b - 0x5F) % std::size(kNamedKeys)]);
        if (b < 0xC0) {
            const std::size_t n = win_.controlCount();
            const platform::Control& c = win_.control(byte() % n);
            if (c.name().empty()) return {};
            return "{" + modifierPrefix(b & 0x0F) + c.name() + "}";
        }
        if (b < 0xE0) {
            auto& popup = (b & 1) ? static_cast<platform::PopupMenu&>(win_.PMLCD)
                                  : static_cast<platform::PopupMenu&>(win_.PMUnit);
            const int rows = popup.rowCount();
            if (rows == 0) return {};
            return "{" + modifierPrefix((b >> 1) & 0x0F) + popup.name() + "=" +
                   popup.list(byte() % rows) + "}";
        }
        char c = static_cast<char>(0x20 + byte() % 0x5F);
        if (c == '{' || c == '}') c = '+';  // not a brace form of their own
        return "{" + modifierPrefix((b & 0x0F) | 1) + std::string(1, c) + "}";
    }

    void check() {
        const std::string& display = win_.EditFract1.text();
        const std::string& tape = win_.Tape1.text();
        if (containsWord(display, "inf") || containsWord(display, "nan"))
            fail("infinity or NaN in the display", display);
        if (display.size() > kDisplayLimit) fail("display longer than it may be", display);
        const bool grew = tape.size() >= tape_.size() && tape.compare(0, tape_.size(), tape_) == 0;
        if (!grew && !tapeCleared_) fail("tape changed without its clear button", tape);
        if (containsWord(std::string_view(tape).substr(grew ? tape_.size() : 0), "inf") ||
            containsWord(std::string_view(tape).substr(grew ? tape_.size() : 0), "nan"))
            fail("infinity or NaN on the tape", tape);
        tape_ = tape;
        checkReadBack(display);
    }

    // A result on show: the display is the running value's own text.
    void checkReadBack(const std::string& display) {
        const mixedUnitCU& r = *win_.calculator().registers().runningReg;
        if (display.empty() || display != r.valueString || !win_.calculator().clearFlag) return;
        const double factor = sameCode(r.unit, "fi") ? std::pow(0.032808398950131, r.power)
                                                     : factorFromMaster(r.unit, r.power);
        const double magnitude = std::fabs(r.masterUnit * factor);
        if (!(magnitude < (r.fractType != 0 ? kFractionLimit : kDecimalLimit))) return;
        const ValueRef back = ConvertUnit(display, -1, r.unit, r.fractType, win_.coreServices());
        if (back->valueString != display)
            fail("shown result does not read back as itself", display + " -> " + back->valueString);
    }

    [[noreturn]] void fail(const char* what, const std::string& detail) {
        std::fprintf(stderr, "%s\n  detail: \"%s\"\n  keys:   \"%s\"\n", what,
                     escaped(detail).c_str(), escaped(steps_).c_str());
        __builtin_trap();
    }

    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 1;
    cli::Session session_;
    ui::calcWin& win_;
    std::string tape_;
    bool tapeCleared_ = false;
    std::string steps_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    Harness(data, size).run();
    return 0;
}
