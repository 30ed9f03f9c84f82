// One dimension value. The master value (centimetres raised to the power, or
// the plain number) is the only authoritative quantity; unit, pieces and text
// are derived from it by the formatter whenever the value is shown.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace tavrel {

// Field names and order follow the stored form used throughout the program.
struct mixedUnitCU {
    double decimal_1 =
        0;  // whole feet (feet-inches), or the number before the first mark while parsing
    double decimal_2 = 0;    // the number in the value's unit / whole part / whole inches
    double neumerator = 0;   // 0 = no fraction
    double denominator = 0;  // 0 = no fraction
    std::int32_t power = 0;  // 0 plain, 1 length, 2 area, 3 volume
    std::string unit;        // unit code, see unit_table.h
    std::string originalInput;
    double masterUnit = 0;
    std::int32_t fractType = 0;  // 0 decimal; 2..64 nearest 1/n; 100 any denominator
    std::string valueString;
    std::int32_t lastFract = 0;
    double angle = 0;
    bool flag = false;

    // Rebuild valueString from the pieces; the separator is the locale's.
    void display(char decimalSeparator = '.');
    // The cleared state of a register: no text, zero, unit " " (one space).
    void clear() {
        valueString.clear();
        decimal_1 = decimal_2 = neumerator = denominator = 0;
        unit.assign(1, ' ');
        originalInput.clear();
        masterUnit = 0;
        power = 0;
        fractType = 0;
    }
    // Remember a fraction precision so feet-inches can get it back later.
    void setLastFract() {
        if (fractType != 0) lastFract = fractType;
    }
};

using ValueRef = std::shared_ptr<mixedUnitCU>;

inline ValueRef newValue() {
    return std::make_shared<mixedUnitCU>();
}

}  // namespace tavrel
