// Property: a display text, read back with the value's own unit and
// precision, shows the same text again. Seeded, so a failure reproduces.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "core/convert_unit.h"
#include "core/display_format.h"
#include "core/unit_table.h"

namespace tavrel {
namespace {

const char* const kUnits[] = {"in", "ft", "fi", "yd", "mi", "mm", "cm", "me", "km", "nu"};
const int kFracts[] = {0, 2, 4, 8, 16, 32, 64, 100};

double factorFromMasterFor(const mixedUnitCU& v) {
    if (v.unit == std::string("fi")) return std::pow(0.032808398950131, v.power);
    return factorFromMaster(v.unit, v.power);
}

struct RoundTripCase {
    const char* name;
    double minExp, maxExp;  // magnitudes 10^minExp .. 10^maxExp in the value's unit
    char separator;
    bool decimalOnly = false;  // fraction forms hold their read-back up to about 1e7
};

void PrintTo(const RoundTripCase& c, std::ostream* os) {
    *os << c.name;
}

class RoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(RoundTrip, DisplayTextReadsBackAsItself) {
    const RoundTripCase& c = GetParam();
    std::mt19937_64 rng(20261211);
    std::uniform_real_distribution<double> exponent(c.minExp, c.maxExp);
    CoreServices services{c.separator, {}};
    int failures = 0;
    for (int i = 0; i < 20000 && failures < 5; ++i) {
        mixedUnitCU v;
        v.unit = kUnits[rng() % std::size(kUnits)];
        v.power = v.unit == std::string("nu") ? 0 : static_cast<int>(1 + rng() % 3);
        v.fractType = c.decimalOnly ? 0 : kFracts[rng() % std::size(kFracts)];
        if (v.unit == std::string("fi") && v.fractType == 0 && !c.decimalOnly) v.fractType = 64;
        const double local = std::pow(10.0, exponent(rng)) * ((rng() & 1) ? -1 : 1);
        v.masterUnit = local / factorFromMasterFor(v);
        convertGlobaltoLocalUnits(v, c.separator);
        const std::string shown = v.valueString;
        ValueRef back = ConvertUnit(shown, -1, v.unit, v.fractType, services);
        if (back->valueString != shown) {
            ++failures;
            ADD_FAILURE() << "shown " << shown << " read back as " << back->valueString << " (unit "
                          << v.unit << ", power " << v.power << ", fract " << v.fractType << ")";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Magnitudes, RoundTrip,
                         ::testing::Values(RoundTripCase{"Tiny", -12, -3, '.'},
                                           RoundTripCase{"Everyday", -3, 4, '.'},
                                           RoundTripCase{"Large", 4, 7, '.'},
                                           RoundTripCase{"HugeDecimal", 7, 12, '.', true},
                                           RoundTripCase{"EverydayComma", -3, 4, ','}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tavrel
