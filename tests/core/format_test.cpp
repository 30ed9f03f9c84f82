// Writing values: each row is a master value at a unit and precision and the
// exact text it must show.
#include <gtest/gtest.h>

#include "core/convert_unit.h"
#include "core/display_format.h"

namespace tavrel {
namespace {

struct FormatCase {
    const char* name;
    double master;
    const char* unit;
    int power;
    int fractType;
    const char* text;
    char separator = '.';
};

void PrintTo(const FormatCase& c, std::ostream* os) {
    *os << c.name;
}

class FormatTable : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatTable, ShowsExactText) {
    const FormatCase& c = GetParam();
    mixedUnitCU v;
    v.masterUnit = c.master;
    v.unit = c.unit;
    v.power = c.power;
    v.fractType = c.fractType;
    convertGlobaltoLocalUnits(v, c.separator);
    EXPECT_EQ(v.valueString, c.text);
}

constexpr double kIn = 2.54, kFt = 30.48;

INSTANTIATE_TEST_SUITE_P(
    Texts, FormatTable,
    ::testing::Values(
        FormatCase{"FiveFeetCarriesInches", 5 * kFt, "fi", 1, 16, "5'-0\""},
        FormatCase{"MinusFiveFeet", -5 * kFt, "fi", 1, 16, "-5'-0\""},
        FormatCase{"FiveFeetDecimalFeet", 5 * kFt, "ft", 1, 0, "5.0'"},
        FormatCase{"FiveFeetAtHalves", 5 * kFt, "ft", 1, 2, "5'"},
        FormatCase{"FiveFeetAt64ths", 5 * kFt, "ft", 1, 64, "5'"},
        FormatCase{"FiveFeetAt100ths", 5 * kFt, "ft", 1, 100, "5'"},
        FormatCase{"SixtySixInches", 66 * kIn, "fi", 1, 64, "5'-6\""},
        FormatCase{"MinusSixInches", -6 * kIn, "fi", 1, 64, "-0'-6\""},
        FormatCase{"HalfInchLeadingSpace", 0.5 * kIn, "in", 1, 64, " 1/2\""},
        FormatCase{"ZeroInches", 0, "in", 1, 16, "\""},
        FormatCase{"ZeroFeetInches", 0, "fi", 1, 16, "0'-0\""},
        FormatCase{"PlainZero", 0, "nu", 0, 0, "0.0"},
        FormatCase{"NewValueIsPlain", 0, "", 0, 0, "0.0"},
        FormatCase{"ThirdInch", kIn / 3, "in", 1, 100, " 1/3\""},
        FormatCase{"ThirtySevenHundredths", 0.37 * kIn, "in", 1, 100, " 37/100\""},
        FormatCase{"PlainFiveSeventeen32At16", 5 + 17.0 / 32, "nu", 0, 16, "5 9/16"},
        FormatCase{"InchesFiveSeventeen32At16", (5 + 17.0 / 32) * kIn, "in", 1, 16, "5 1/2\""},
        FormatCase{"AlmostSixInches", 5.99 * kIn, "in", 1, 16, "6\""},
        FormatCase{"MinusAlmostSixInches", -5.99 * kIn, "in", 1, 16, "-6\""},
        FormatCase{"MinusFiveAndAHalfInches", -5.5 * kIn, "in", 1, 16, "-5 1/2\""},
        FormatCase{"FootThreeThreeThirtySecondsMm", (15 + 3.0 / 32) * kIn, "mm", 1, 0,
                   "383.38125m"},
        FormatCase{"FootThreeThreeThirtySecondsFi", (15 + 3.0 / 32) * kIn, "fi", 1, 32,
                   "1'-3 3/32\""},
        FormatCase{"SquareFootDecimal", kFt* kFt, "ft", 2, 0, "1.0' sq"},
        FormatCase{"SquareFootIgnoresFraction", kFt* kFt, "ft", 2, 16, "1.0' sq"},
        FormatCase{"SquareFeetInchesBecomesFeet", kFt* kFt, "fi", 2, 64, "1.0' sq"},
        FormatCase{"CubicYard", 91.44 * 91.44 * 91.44, "yd", 3, 0, "1.0y cu"},
        FormatCase{"MinusFivePlainAt16", -5, "nu", 0, 16, "-5"},
        FormatCase{"CommaSeparator", 250, "me", 1, 0, "2,5M", ','},
        FormatCase{"FalseUnitShowsMaster", 12.5, "false", 1, 0, "12.5"},
        FormatCase{"NoUnitAreaHasNoMark", 11, "false", 2, 0, "11.0"},
        FormatCase{"EmptyUnitVolumeHasNoMark", 0, "", 3, 0, "0.0"},
        FormatCase{"PowerZeroBecomesPlain", 7, "in", 0, 0, "7.0"},
        FormatCase{"UppercaseCodeIsSame", 2.54, "IN", 1, 0, "1.0\""},
        // Read-back safety: no minus on a zero, no exponent, no "inf".
        FormatCase{"TinyNegativeIsZero", -1e-13, "nu", 0, 0, "0.0"},
        FormatCase{"TinyNegativeFractionIsZero", -1e-6 * kIn, "in", 1, 16, "\""},
        FormatCase{"FeetInchesDecimalIsDecimalFeet", 18 * kIn, "fi", 1, 0, "1.5'"},
        FormatCase{"HugeIsPlainDigits", 1e20, "nu", 0, 0, "100000000000000000000.0"},
        FormatCase{"ReducedFallbackFraction", 0.2548 * kIn, "in", 1, 100, " 1/4\""},
        FormatCase{"MillimetreDecimalsThatReadBack", 1.23456789012, "mm", 1, 0, "12.345678901m"}),
    [](const auto& info) { return std::string(info.param.name); });

// Five feet as the calculator holds it (152.4 cm, read from the text) comes
// back slightly below five feet through the from-master factor: at every
// precision the inches must carry into the feet, not show 4'-12" or 4'-11 63/64".
TEST(Format, FiveFeetAsHeldShowsFiveFeetAtEveryPrecision) {
    const CoreServices services;
    for (const char* typed : {"5'", "60\"", "152.4c", "1524m"}) {
        for (int fract : {2, 4, 8, 16, 32, 64, 100})
            EXPECT_EQ(ConvertUnit(typed, -1, "fi", fract, services)->valueString, "5'-0\"")
                << typed << " at 1/" << fract;
        EXPECT_EQ(ConvertUnit(typed, -1, "ft", 0, services)->valueString, "5.0'") << typed;
        EXPECT_EQ(ConvertUnit(typed, -1, "in", 64, services)->valueString, "60\"") << typed;
    }
}

TEST(Format, DenominatorSearchPrefersSimpleFractions) {
    EXPECT_EQ(chooseDenominator(0.5, 64), 2);
    EXPECT_EQ(chooseDenominator(0.5, 2), 2);
    EXPECT_EQ(chooseDenominator(0.3, 16), 16);
    EXPECT_EQ(chooseDenominator(1.0 / 3, 100), 3);
    EXPECT_EQ(chooseDenominator(0.998, 8), 2);  // near a whole number from below
    EXPECT_EQ(chooseDenominator(0.996, 8), 8);
}

}  // namespace
}  // namespace tavrel
