// The parser keeps its cursor in an object made per call, so parses never
// share state. Positions are 1-based and move leftwards; a position outside
// the text reads as no character, which matches no test. All tested
// characters are ASCII, so the text is walked byte by byte.
#include "convert_unit.h"

#include <charconv>
#include <cmath>

#include "display_format.h"
#include "unit_table.h"

namespace tavrel {
namespace {

char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Position of `mark` (two lower-case letters) ignoring case, or npos.
std::size_t findMark(const std::string& text, const char* mark) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i)
        if (lowerAscii(text[i]) == mark[0] && lowerAscii(text[i + 1]) == mark[1]) return i;
    return std::string::npos;
}

void removeEveryMark(std::string& text, const char* mark) {
    for (auto at = findMark(text, mark); at != std::string::npos; at = findMark(text, mark))
        text.erase(at, 2);
}

bool isDigitOrPoint(char c) {
    return (c >= '0' && c <= '9') || c == '.';
}

class Parser {
  public:
    Parser(mixedUnitCU& local, const CoreServices& services) : local_(local), services_(services) {}

    void parse() {
        sLoc_ = static_cast<int>(local_.originalInput.size());
        if (auto at = local_.originalInput.find(services_.decimalSeparator);
            at != std::string::npos)
            local_.originalInput[at] = '.';
        local_.unit = getUnit(local_.unit);
        local_.decimal_2 = getNumber();
        if (at() == '/') {
            local_.denominator = local_.decimal_2;
            local_.decimal_2 = 0;
            --sLoc_;
            local_.neumerator = getNumber();
            local_.decimal_2 = getNumber();
        }
        if (!endOfString()) {
            local_.unit = getUnit(local_.unit);
            local_.decimal_1 = getNumber();
        }
        local_.masterUnit = convertLocalToGlobalUnits();
        if (!local_.originalInput.empty() && local_.originalInput.front() == '-')
            local_.masterUnit = -local_.masterUnit;
        // The text is written once, by the conversion for display that
        // ConvertUnit always runs next.
    }

  private:
    char at() const {
        const std::string& t = local_.originalInput;
        if (sLoc_ < 1 || sLoc_ > static_cast<int>(t.size())) return '\0';
        return t[static_cast<std::size_t>(sLoc_ - 1)];
    }
    bool endOfString() const { return sLoc_ <= 0; }

    void error() {
        local_.clear();
        services_.soundBeep();
    }

    std::string getUnit(const std::string& previous) {
        std::string found = "false";
        for (;;) {
            const char c = at();
            if (c == '-' && sLoc_ == 1) return previous;
            if (c == ' ' || c == '-') {
                --sLoc_;
                continue;
            }
            if (findMark(local_.originalInput, "sq") != std::string::npos) {
                removeEveryMark(local_.originalInput, "sq");
                local_.power = 2;
                sLoc_ -= 2;
                continue;
            }
            if (findMark(local_.originalInput, "cu") != std::string::npos) {
                removeEveryMark(local_.originalInput, "cu");
                local_.power = 3;
                sLoc_ -= 2;
                continue;
            }
            break;
        }
        const char c = at();
        if (isDigitOrPoint(c)) {
            found = "nu";
        } else if (c != '\0') {
            for (const UnitInfo& u : unitTable()) {
                if (u.inputMark == c) found = std::string(u.code);
            }
            if (c == 'i') found = "in";
            if (c == 'f') found = "ft";
            if (found != "false") --sLoc_;
        }
        if (local_.power <= 0 && found != "nu") local_.power = 1;
        if ((sameCode(previous, "in") || sameCode(previous, "nu")) && found == "ft") return "fi";
        if (sameCode(previous, "in") && found == "false") return "in";
        return found;
    }

    double getNumber() {
        while (at() == ' ') --sLoc_;
        int count = 0;
        bool point = false;
        while (isDigitOrPoint(at())) {
            if (at() == '.') {
                if (point) {
                    error();  // the text is empty now, so the run ends
                    break;
                }
                point = true;
            }
            --sLoc_;
            ++count;
        }
        const std::string& t = local_.originalInput;
        const auto from = static_cast<std::size_t>(sLoc_);  // sLoc_ + 1, 1-based
        if (count == 0 || from >= t.size()) return 0;
        const char* first = t.data() + from;
        const char* last =
            first + std::min<std::size_t>(static_cast<std::size_t>(count), t.size() - from);
        double value = 0;
        auto r = std::from_chars(first, last, value, std::chars_format::fixed);
        if (r.ec == std::errc::result_out_of_range) {
            error();  // more digits than a double holds: unreadable
            return 0;
        }
        if (r.ec != std::errc{}) return 0;  // "." alone
        return value;
    }

    double convertLocalToGlobalUnits() {
        mixedUnitCU& v = local_;
        if (v.neumerator > 0 && v.denominator == 0) {
            error();
            return 0;
        }
        const bool fraction = v.neumerator != 0 && v.denominator != 0;
        const double n = fraction ? v.decimal_2 + v.neumerator / v.denominator : v.decimal_2;
        double master;
        if (sameCode(v.unit, "fi")) {
            master = (v.decimal_1 + n / 12) * std::pow(30.48, v.power);
        } else if (findUnit(v.unit) != nullptr) {
            master = n * factorToMaster(v.unit, v.power);
        } else {
            master = n;
        }
        const bool inchLike = sameCode(v.unit, "in") || sameCode(v.unit, "fi");
        if (inchLike && fraction) {
            const double d = v.denominator;
            const bool binary = d == 2 || d == 4 || d == 8 || d == 16 || d == 32 || d == 64;
            v.fractType = binary ? 64 : 100;
        } else if (sameCode(v.unit, "fi") && v.fractType == 0) {
            v.fractType = 64;
        }
        if (sameCode(v.unit, "nu"))
            v.power = 0;
        else if (v.power < 0)
            v.power = 1;
        return roundToTenDecimals(master);
    }

    mixedUnitCU& local_;
    const CoreServices& services_;
    int sLoc_ = 0;
};

}  // namespace

double roundToTenDecimals(double v) {
    if (!std::isfinite(v)) return v;
    const double a = std::fabs(v);
    if (a < 4e5) {
        // Exact arithmetic for the common case: p + e is a * 1e10 exactly, and
        // k / 1e10 is the double nearest the decimal, as reading it would give.
        const double p = a * 1e10;
        const double e = std::fma(a, 1e10, -p);
        const double f = std::floor(p);
        const double frac = p - f;
        // Only a product rounded to exactly half needs the residual; an exact
        // half goes to even, as the written form rounds it.
        const bool up = frac > 0.5 || (frac == 0.5 && (e > 0 || (e == 0 && std::fmod(f, 2) != 0)));
        const double r = (up ? f + 1 : f) / 1e10;
        return v < 0 ? -r : r;
    }
    char buf[420];
    auto w = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 10);
    double out = 0;
    std::from_chars(buf, w.ptr, out, std::chars_format::fixed);
    return out;
}

ValueRef ConvertUnit(std::string_view input, int power, std::string_view unit, int fractType,
                     const CoreServices& services) {
    ValueRef local = newValue();
    local->originalInput = std::string(input);
    local->power = power;
    Parser(*local, services).parse();
    if (unit != "-1") local->unit = std::string(unit);
    if (fractType != -1) local->fractType = fractType;
    convertGlobaltoLocalUnits(*local, services.decimalSeparator);
    return local;
}

}  // namespace tavrel
