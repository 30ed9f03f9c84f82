// The unit table: code, input mark, display suffix and the two factors. The
// factors from master units are exact decimal constants, not reciprocals;
// displayed results depend on that.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace tavrel {

struct UnitInfo {
    std::string_view code;
    char inputMark;           // the character the parser reads for this unit (0: none)
    std::string_view suffix;  // display suffix
    double toMaster;
    double fromMaster;
    int toMasterDecimals;  // decimal places of toMaster (2.54 has 2)
    // Derived once, for powers 0 to 3: the factors raised to the power, and
    // how far their product is from exactly 1.
    double toMasterPow[4];
    double fromMasterPow[4];
    double mismatchPow[4];
};

// Every unit with a factor, in pop-up order ("fi" is handled by the formatter).
std::span<const UnitInfo> unitTable();

// Unit codes, item texts and commands compare ignoring ASCII case ("NU" is "nu").
// Inline: every step compares codes many times.
inline bool sameCode(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const char x = a[i], y = b[i];
        if (x == y) continue;
        if ((x | 0x20) != (y | 0x20) || (x | 0x20) < 'a' || (x | 0x20) > 'z') return false;
    }
    return true;
}

// The entry for a code, or nullptr ("nu", "false", "", " " and "fi" have none).
const UnitInfo* findUnit(std::string_view code);

// Factor to master units for a code at a power; 1 for codes without one.
double factorToMaster(std::string_view code, int power);
// Factor from master units for a code at a power; 1 for codes without one.
double factorFromMaster(std::string_view code, int power);
// " sq" for power 2, " cu" for power 3, "" otherwise.
std::string_view powerSuffix(int power);

}  // namespace tavrel
