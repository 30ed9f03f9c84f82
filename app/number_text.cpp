// The leading number is cut out of the text by hand, so that signs, blanks and
// trailing words behave the same everywhere; the digits themselves go through
// from_chars.
#include "app/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace tavrel::app {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

double leadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    const std::size_t start = i;
    std::size_t digits = 0;
    while (i < text.size() && isDigit(text[i])) ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) ++i, ++digits;
    }
    if (digits == 0) return 0;
    // An exponent counts only when digits follow it ("3e" is 3).
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        if (j < text.size() && isDigit(text[j])) {
            while (j < text.size() && isDigit(text[j])) ++j;
            i = j;
        }
    }
    const std::string number(text.substr(start, i - start));
    double value = 0;
    auto r = std::from_chars(number.data(), number.data() + number.size(), value);
    if (r.ec == std::errc::result_out_of_range) value = std::strtod(number.c_str(), nullptr);
    return negative ? -value : value;
}

std::int32_t leadingInteger(std::string_view text) {
    const double v = std::trunc(leadingNumber(text));
    if (std::isnan(v)) return 0;
    constexpr double lo = std::numeric_limits<std::int32_t>::min();
    constexpr double hi = std::numeric_limits<std::int32_t>::max();
    if (v <= lo) return std::numeric_limits<std::int32_t>::min();
    if (v >= hi) return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(v);
}

std::string numberText(double value) {
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, r.ptr);
}

}  // namespace tavrel::app
