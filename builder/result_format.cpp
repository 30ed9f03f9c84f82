// Result texts. Feet-inches come from convertGlobaltoLocalUnits on a value
// built from the inches; decimal texts from the core's decimal writer, with
// a fixed number of places per unit so that a metric result reads like a
// tape measure rather than to ten decimals.
#include "builder/result_format.h"

#include <array>
#include <charconv>
#include <cmath>

#include "core/display_format.h"
#include "core/mixed_unit.h"
#include "core/unit_table.h"

namespace tavrel::builder {
namespace {

constexpr double kCmPerInch = 2.54;
constexpr double kSquareMetresPerSquareFoot = 0.09290304;
constexpr double kCubicMetresPerCubicFoot = 0.028316846592;
constexpr std::string_view kDegree = "\u00B0";

struct MetricPlaces {
    std::string_view unit;
    int decimals;  // a tenth of a millimetre, or finer
};
// clang-format off
constexpr std::array kMetricPlaces{
    MetricPlaces{"mm", 1},
    MetricPlaces{"cm", 2},
    MetricPlaces{"me", 4},
    MetricPlaces{"km", 7},
};
// clang-format on
constexpr int kDecimalFeetPlaces = 4;

int metricDecimals(std::string_view unit) {
    for (const MetricPlaces& m : kMetricPlaces)
        if (sameCode(m.unit, unit)) return m.decimals;
    return 4;
}

double roundTo(double v, int decimals) {
    const double scale = std::pow(10.0, decimals);
    return std::round(v * scale) / scale;
}

bool allZero(std::string_view digits) {
    return digits.find_first_not_of("0.,") == std::string_view::npos;
}

// A signed decimal with the core's writer (trailing zeros dropped). Rounded
// first so that a half in the written digits goes up, as on a tape measure,
// rather than following the binary value just below it.
std::string signedDecimal(double v, int decimals, char separator) {
    std::string s = formatDecimal(std::fabs(roundTo(v, decimals)), decimals, separator);
    if (v < 0 && !allZero(s)) s.insert(s.begin(), '-');
    return s;
}

// Exactly two decimals, as angles and money are written.
std::string twoDecimals(double v, char separator) {
    char buf[420];
    auto r = std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::fixed, 2);
    std::string s(buf, r.ptr);
    if (auto dot = s.find('.'); dot != std::string::npos) s[dot] = separator;
    if (v < 0 && !allZero(s)) s.insert(s.begin(), '-');
    return s;
}

std::string wholeNumber(double v) {
    char buf[420];
    auto r = std::to_chars(buf, buf + sizeof buf, std::round(v), std::chars_format::fixed, 0);
    return std::string(buf, r.ptr);
}

mixedUnitCU feetInches(double inches, const LengthFormat& format) {
    mixedUnitCU v;
    v.unit = "fi";
    v.power = 1;
    v.fractType = format.fractType;
    v.masterUnit = inches * kCmPerInch;
    convertGlobaltoLocalUnits(v, format.decimalSeparator);
    return v;
}

}  // namespace

std::string formatLength(double inches, const LengthFormat& format) {
    if (format.metric) {
        const double v = inches * kCmPerInch * factorFromMaster(format.unit, 1);
        const UnitInfo* u = findUnit(format.unit);
        return signedDecimal(v, metricDecimals(format.unit), format.decimalSeparator) +
               std::string(u ? u->suffix : "");
    }
    if (format.fractType == 0)
        return signedDecimal(inches / 12, kDecimalFeetPlaces, format.decimalSeparator) + "'";
    return feetInches(inches, format).valueString;
}

double shownLength(double inches, const LengthFormat& format) {
    if (format.metric) {
        const double v = inches * kCmPerInch * factorFromMaster(format.unit, 1);
        return roundTo(v, metricDecimals(format.unit)) * factorToMaster(format.unit, 1) /
               kCmPerInch;
    }
    if (format.fractType == 0) return roundTo(inches / 12, kDecimalFeetPlaces) * 12;
    const mixedUnitCU v = feetInches(inches, format);
    const double fraction = v.denominator != 0 ? v.neumerator / v.denominator : 0;
    const double magnitude = std::fabs(v.decimal_1) * 12 + v.decimal_2 + fraction;
    return inches < 0 ? -magnitude : magnitude;
}

std::string formatResult(ResultKind kind, double value, const LengthFormat& format) {
    const char sep = format.decimalSeparator;
    switch (kind) {
        case ResultKind::Length:
            return formatLength(value, format);
        case ResultKind::Angle:
            return twoDecimals(value, sep) + std::string(kDegree);
        case ResultKind::Count:
            return wholeNumber(value);
        case ResultKind::Area:
            return format.metric ? twoDecimals(value * kSquareMetresPerSquareFoot, sep) + "M sq"
                                 : twoDecimals(value, sep) + "' sq";
        case ResultKind::Volume:
            return format.metric ? twoDecimals(value * kCubicMetresPerCubicFoot, sep) + "M cu"
                                 : twoDecimals(value, sep) + "' cu";
        case ResultKind::CubicYards:
            return twoDecimals(value, sep) + "y cu";
        case ResultKind::BoardFeet:
        case ResultKind::Money:
        case ResultKind::Number:
            return twoDecimals(value, sep);
    }
    return {};
}

std::string codeCheckText(const CodeCheck& c, const LengthFormat& f) {
    switch (c.rule) {
        case Rule::RiserHigh:
            return "riser " + formatLength(c.inches, f) + " is over " + formatLength(7.75, f) +
                   " (IRC R311.7.5.1)";
        case Rule::TreadShort:
            return "tread " + formatLength(c.inches, f) + " is under " + formatLength(10, f) +
                   " (IRC R311.7.5.2)";
        case Rule::HeadroomLow:
            return "headroom " + formatLength(c.inches, f) + " is under " + formatLength(80, f) +
                   " (IRC R311.7.2)";
        case Rule::WidthNarrow:
            return "width " + formatLength(c.inches, f) + " is under " + formatLength(36, f) +
                   " (IRC R311.7.1)";
        case Rule::Complying:
            return "complies with " + std::to_string(c.risers) + " risers of " +
                   formatLength(c.inches, f);
    }
    return {};
}

std::string entryText(std::string_view resultText) {
    if (resultText.size() >= kDegree.size() &&
        resultText.substr(resultText.size() - kDegree.size()) == kDegree)
        resultText.remove_suffix(kDegree.size());
    return std::string(resultText);
}

}  // namespace tavrel::builder
