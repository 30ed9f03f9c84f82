// Data first: the table below is the one place that knows the units.
#include "unit_table.h"

#include <array>
#include <cmath>

namespace tavrel {
namespace {

struct UnitRow {
    std::string_view code;
    char inputMark;
    std::string_view suffix;
    double toMaster;
    double fromMaster;
    int toMasterDecimals;
};

constexpr std::array<UnitRow, 8> kRows{{
    {"in", '"', "\"", 2.54, 0.39370078740157, 2},
    {"ft", '\'', "'", 30.48, 0.032808398950131, 2},
    {"yd", 'y', "y", 91.44, 0.010936132983377, 2},
    {"mi", 'e', "e", 160934.4, 6.2137119223733e-6, 1},
    {"mm", 'm', "m", 0.1, 10, 1},
    {"cm", 'c', "c", 1, 1, 0},
    {"me", 'M', "M", 100, 0.01, 0},
    {"km", 'k', "k", 100000, 0.00001, 0},
}};

std::array<UnitInfo, 8> buildUnits() {
    std::array<UnitInfo, 8> units{};
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        const UnitRow& r = kRows[i];
        UnitInfo& u = units[i];
        u.code = r.code;
        u.inputMark = r.inputMark;
        u.suffix = r.suffix;
        u.toMaster = r.toMaster;
        u.fromMaster = r.fromMaster;
        u.toMasterDecimals = r.toMasterDecimals;
        for (int p = 0; p < 4; ++p) {
            u.toMasterPow[p] = std::pow(r.toMaster, p);
            u.fromMasterPow[p] = std::pow(r.fromMaster, p);
            u.mismatchPow[p] = std::fabs(u.toMasterPow[p] * u.fromMasterPow[p] - 1.0);
        }
    }
    return units;
}

const std::array<UnitInfo, 8> kUnits = buildUnits();

}  // namespace

std::span<const UnitInfo> unitTable() {
    return kUnits;
}

const UnitInfo* findUnit(std::string_view code) {
    for (const auto& u : kUnits)
        if (sameCode(u.code, code)) return &u;
    return nullptr;
}

double factorToMaster(std::string_view code, int power) {
    const UnitInfo* u = findUnit(code);
    if (!u) return 1.0;
    return power >= 0 && power <= 3 ? u->toMasterPow[power] : std::pow(u->toMaster, power);
}

double factorFromMaster(std::string_view code, int power) {
    const UnitInfo* u = findUnit(code);
    if (!u) return 1.0;
    return power >= 0 && power <= 3 ? u->fromMasterPow[power] : std::pow(u->fromMaster, power);
}

std::string_view powerSuffix(int power) {
    if (power == 2) return " sq";
    if (power == 3) return " cu";
    return {};
}

}  // namespace tavrel
