// Formatting of values. The arithmetic on the pieces is the calculator's own
// rounding rule (nearest simple fraction first, then 1/F); the text writer
// uses std::to_chars so the output never depends on the C locale.
#include "display_format.h"

#include <charconv>
#include <cmath>
#include <numeric>

#include "unit_table.h"

namespace tavrel {
namespace {

bool isCode(const std::string& unit, std::string_view code) {
    return sameCode(unit, code);
}

// Round half upward, as the numerator rule says.
double roundHalfUp(double v) {
    return std::floor(v + 0.5);
}

std::string wholeText(double v) {
    const double a = std::fabs(v);
    char buf[400];
    // Whole numbers that fit an integer are written as one; larger ones in
    // plain digits all the same.
    auto r = a < 9e15 ? std::to_chars(buf, buf + sizeof buf, static_cast<long long>(a))
                      : std::to_chars(buf, buf + sizeof buf, a, std::chars_format::fixed, 0);
    return std::string(buf, r.ptr);
}

// Reduce n/d; carry a whole unit into `whole` (away from zero) when n == d.
void normalise(double& whole, double& n, double& d, bool negative) {
    if (n == d) {
        whole += negative ? -1 : 1;
        n = d = 0;
        return;
    }
    // Removing the whole common divisor (not only factors of two) keeps the
    // 1/F fallback's text equal to what it reads back as.
    if (d > 0 && n > 0) {
        auto g = std::gcd(static_cast<long long>(n), static_cast<long long>(d));
        n /= static_cast<double>(g);
        d /= static_cast<double>(g);
    }
    if (n == 0) d = 0;
}

bool nearWhole(double v) {
    double f = v - std::floor(v);
    return f <= 0.005 || f >= 0.995;
}

}  // namespace

int chooseDenominator(double x, int fractType) {
    if (fractType == 100) {
        for (int d = 2; d <= 99; ++d)
            if (nearWhole(x * d)) return d;
        return 100;
    }
    for (int d = 2; d < fractType; d *= 2)
        if (nearWhole(x * d)) return d;
    return fractType;
}

std::string formatDecimal(double magnitude, int decimals, char decimalSeparator) {
    char buf[420];
    auto r = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::fixed, decimals);
    std::string s(buf, r.ptr);
    auto dot = s.find('.');
    if (dot == std::string::npos) {
        s += ".0";
        dot = s.size() - 2;
    }
    while (s.size() > dot + 2 && s.back() == '0') s.pop_back();
    s[dot] = decimalSeparator;
    return s;
}

int decimalPlaces(double magnitude, const std::string& unit, int power) {
    // A text with D decimals is read back as t * to * from (the factors are
    // not exact reciprocals), with the master value kept to ten decimals and
    // doubles good for ~16 digits. Show only as many decimals as survive that
    // round trip. The error is bounded per power-of-ten bucket so that a value
    // and its read-back always get the same number of places.
    static constexpr double kStep[] = {1,    1e-1, 1e-2, 1e-3, 1e-4, 1e-5,
                                       1e-6, 1e-7, 1e-8, 1e-9, 1e-10};
    const int p = power < 1 ? 0 : (power > 3 ? 3 : power);
    const UnitInfo* u = findUnit(unit);
    double from = 1.0, mismatch = 0.0;
    int masterExtraDecimals = 0;
    if (u) {
        from = u->fromMasterPow[p];
        mismatch = u->mismatchPow[p];
        masterExtraDecimals = u->toMasterDecimals * p;
    }
    double bucket = 1;
    while (bucket < magnitude && bucket < 1e300) bucket *= 10;
    const double relative = (mismatch + 2e-15) * bucket;
    int places = 10;
    for (; places > 1; --places) {
        const double lost = places + masterExtraDecimals > 10 ? 0.5e-10 * from : 0.0;
        if (relative + lost < 0.4 * kStep[places]) break;
    }
    return places;
}

void convertGlobaltoLocalUnits(mixedUnitCU& v, char decimalSeparator) {
    const double m = v.masterUnit;
    const bool negative = m < 0;
    if (v.power < 1) v.unit = "nu";
    if (v.power > 1) {
        v.fractType = 0;
        if (isCode(v.unit, "fi")) v.unit = "ft";
    }
    // Feet-inches has no decimal form: show decimal feet instead of letting a
    // zero denominator carry a whole inch into the value.
    if (isCode(v.unit, "fi") && v.fractType == 0) v.unit = "ft";

    if (isCode(v.unit, "fi")) {
        const double feet = m * std::pow(0.032808398950131, v.power);
        const double a = std::fabs(feet);
        const double whole = std::floor(a);
        const double inches = (a - whole) * 12;
        double wholeInches = std::floor(inches);
        const double x = inches - wholeInches;
        double d = chooseDenominator(x, v.fractType);
        double n = roundHalfUp(x * d);
        v.decimal_1 = negative ? -whole : whole;
        normalise(wholeInches, n, d, false);
        v.decimal_2 = wholeInches;
        v.neumerator = n;
        v.denominator = d;
        if (v.decimal_2 == 12) {
            v.decimal_2 = 0;
            v.decimal_1 += negative ? -1 : 1;
        }
    } else {
        const bool hasFactor = findUnit(v.unit) != nullptr;
        const double local = hasFactor ? m * factorFromMaster(v.unit, v.power) : m;
        if (v.fractType == 0) {
            v.decimal_1 = v.neumerator = v.denominator = 0;
            v.decimal_2 = local;
        } else {
            const double a = std::fabs(local);
            double whole = std::floor(a);
            const double x = a - whole;
            double d = chooseDenominator(x, v.fractType);
            double n = roundHalfUp(x * d);
            normalise(whole, n, d, false);
            v.decimal_2 = negative ? -whole : whole;
            v.decimal_1 = 0;
            v.neumerator = n;
            v.denominator = d;
        }
    }
    v.display(decimalSeparator);
}

void mixedUnitCU::display(char decimalSeparator) {
    std::string s;
    const bool negative = masterUnit < 0;
    if (!std::isfinite(masterUnit) || !std::isfinite(decimal_2)) {
        // Only a failed calculation produces these, and it clears the value.
        valueString.clear();
        return;
    }
    if (sameCode(unit, "fi")) {
        const bool zero = decimal_1 == 0 && decimal_2 == 0 && (fractType == 0 || neumerator == 0);
        if (negative && !zero) s += '-';
        s += wholeText(decimal_1);
        s += "'-";
        s += wholeText(decimal_2);
        if (fractType != 0 && neumerator != 0) {
            s += ' ';
            s += wholeText(neumerator);
            s += '/';
            s += wholeText(denominator);
        }
        s += '"';
        valueString = std::move(s);
        return;
    }
    std::string number;
    bool zero;
    if (fractType != 0) {
        if (decimal_2 != 0) number = wholeText(decimal_2);
        if (neumerator != 0) {
            number += ' ';
            number += wholeText(neumerator);
            number += '/';
            number += wholeText(denominator);
        }
        zero = decimal_2 == 0 && neumerator == 0;
    } else {
        const double a = std::fabs(decimal_2);
        number = formatDecimal(a, decimalPlaces(a, unit, power), decimalSeparator);
        zero = number.find_first_not_of(std::string("0") + decimalSeparator) == std::string::npos;
    }
    if (negative && !zero) s += '-';
    s += number;
    // The area and volume marks stand only after a unit mark: without one the
    // text would read back as a plain number and show differently.
    if (const UnitInfo* u = findUnit(unit)) {
        s += u->suffix;
        s += powerSuffix(power);
    }
    valueString = std::move(s);
}

}  // namespace tavrel
