// Arbitrary bytes -> ConvertUnit -> display text -> ConvertUnit again at the
// value's own unit and precision -> the same display text. The first byte
// picks the decimal separator (',' picks comma, anything else '.'); the rest
// is the typed text. Any broken property traps, so libFuzzer keeps the input.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "core/convert_unit.h"
#include "core/unit_table.h"
#include "escaped.h"

namespace {

using tavrel::fuzz::escaped;

using namespace tavrel;

// Beyond these magnitudes (in the value's own unit) the read-back is not
// promised: to-master and from-master factors are separate decimal constants,
// not exact reciprocals, so text -> master -> text drifts once the product's
// error reaches the last written digit. Fraction forms show 1/64 steps and
// lose them sooner than decimal forms, which drop places as they grow.
constexpr double kFractionLimit = 1e7;
constexpr double kDecimalLimit = 1e12;

[[noreturn]] void fail(const char* what, char separator, std::string_view input,
                       const std::string& shown, const std::string& back) {
    std::fprintf(stderr, "%s (separator '%c')\n  input: \"%s\"\n  shown: \"%s\"\n  back:  \"%s\"\n",
                 what, separator, escaped(input).c_str(), escaped(shown).c_str(),
                 escaped(back).c_str());
    __builtin_trap();
}

char lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool containsIgnoringCase(const std::string& text, std::string_view word) {
    for (std::size_t i = 0; i + word.size() <= text.size(); ++i) {
        std::size_t k = 0;
        while (k < word.size() && lower(text[i + k]) == word[k]) ++k;
        if (k == word.size()) return true;
    }
    return false;
}

// The formatter writes plain digits only: no infinities, NaNs, exponents,
// and no sign on a value whose digits are all zero ("-0.0", "-0'-0\"").
const char* badForm(const std::string& shown) {
    if (containsIgnoringCase(shown, "inf")) return "infinity in display text";
    if (containsIgnoringCase(shown, "nan")) return "NaN in display text";
    for (std::string_view exp : {"e+", "e-"})
        if (containsIgnoringCase(shown, exp)) return "exponent in display text";
    if (!shown.empty() && shown.front() == '-' &&
        shown.find_first_of("123456789") == std::string::npos)
        return "minus sign on a zero value";
    return nullptr;
}

double magnitudeInOwnUnit(const mixedUnitCU& v) {
    // Feet-inches counts in feet; factorFromMaster has no entry for it.
    const double factor = sameCode(v.unit, "fi") ? std::pow(0.032808398950131, v.power)
                                                 : factorFromMaster(v.unit, v.power);
    return std::fabs(v.masterUnit * factor);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const CoreServices services{data[0] == ',' ? ',' : '.', {}};
    const std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);

    const ValueRef value = ConvertUnit(input, -1, "-1", -1, services);
    const std::string& shown = value->valueString;
    if (const char* what = badForm(shown)) fail(what, services.decimalSeparator, input, shown, "");

    const double magnitude = magnitudeInOwnUnit(*value);
    const double limit = value->fractType != 0 ? kFractionLimit : kDecimalLimit;
    if (!(magnitude < limit)) return 0;

    const ValueRef back = ConvertUnit(shown, -1, value->unit, value->fractType, services);
    if (back->valueString != shown)
        fail("display text does not read back as itself", services.decimalSeparator, input, shown,
             back->valueString);
    return 0;
}
