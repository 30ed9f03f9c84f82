// Data first: the table below is the one place that knows the units.
#include "unit_table.h"

#include <array>
#include <cmath>

namespace tavrel {
namespace {

constexpr std::array<UnitInfo, 8> kUnits{{
    {"in", '"', "\"", 2.54, 0.39370078740157, 2},
    {"ft", '\'', "'", 30.48, 0.032808398950131, 2},
    {"yd", 'y', "y", 91.44, 0.010936132983377, 2},
    {"mi", 'e', "e", 160934.4, 6.2137119223733e-6, 1},
    {"mm", 'm', "m", 0.1, 10, 1},
    {"cm", 'c', "c", 1, 1, 0},
    {"me", 'M', "M", 100, 0.01, 0},
    {"km", 'k', "k", 100000, 0.00001, 0},
}};

char lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

std::span<const UnitInfo> unitTable() {
    return kUnits;
}

bool sameCode(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i])) return false;
    return true;
}

const UnitInfo* findUnit(std::string_view code) {
    for (const auto& u : kUnits)
        if (sameCode(u.code, code)) return &u;
    return nullptr;
}

double factorToMaster(std::string_view code, int power) {
    const UnitInfo* u = findUnit(code);
    return u ? std::pow(u->toMaster, power) : 1.0;
}

double factorFromMaster(std::string_view code, int power) {
    const UnitInfo* u = findUnit(code);
    return u ? std::pow(u->fromMaster, power) : 1.0;
}

std::string_view unitSuffix(std::string_view code) {
    const UnitInfo* u = findUnit(code);
    return u ? u->suffix : std::string_view{};
}

std::string_view powerSuffix(int power) {
    if (power == 2) return " sq";
    if (power == 3) return " cu";
    return {};
}

}  // namespace tavrel
