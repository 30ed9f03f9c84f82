// The builder's tools. Each tool is a row of the tool table: its name, title,
// input fields and results, and one compute function from typed inputs to
// numbers. Texts come in through the field reader (the calculator's own
// parser), the compute function works in inches, square and cubic feet,
// degrees and plain numbers, and the result writer turns the numbers back
// into the calculator's text forms. The command line and the Tools window are
// both generated from the table.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace tavrel::builder {

// How a field's text is read; a number without a unit mark is in the field's own unit.
enum class FieldKind {
    Length,      // inches
    FeetLength,  // feet (a board's length)
    Area,        // square feet
    Pitch,       // inches of rise per 12 of run; a value ending in ° is degrees
    Angle,       // degrees
    Count,       // a whole number
    Money,       // a plain amount, "$" allowed
    Percent,     // 10 is 10%
    Precision,   // 2, 4, 8, 16, 32, 64 or decimal
};

// What a field's value must be; checked when it is read.
enum class Range { Any, Positive, NonNegative, Acute, Corner };

enum class ResultKind {
    Length,      // feet-inches at the precision, or the metric unit typed, decimal
    Angle,       // degrees, two decimals
    Count,       // whole number
    Area,        // square feet (square metres)
    Volume,      // cubic feet (cubic metres)
    CubicYards,  // cubic yards
    BoardFeet,   // two decimals
    Money,       // two decimals
    Number,      // two decimals
};

struct FieldRow {
    std::string_view name;  // as typed on the command line
    std::string_view title;
    FieldKind kind;
    std::string_view defaultText;    // empty: no default
    std::string_view metricDefault;  // when lengths are metric; empty: defaultText
    bool required;
    Range range;
};

struct ResultRow {
    std::string_view name;
    std::string_view title;
    ResultKind kind;
};

inline constexpr std::size_t kMaxFields = 8;
inline constexpr std::size_t kMaxResults = 10;

// How lengths are shown: feet-inches at a fraction type (0 decimal feet), or
// decimal in the metric unit of the first length typed.
struct LengthFormat {
    bool metric = false;
    std::string_view unit = "fi";  // "mm", "cm", "me", "km" when metric
    int fractType = 16;
    char decimalSeparator = '.';
};

// Typed inputs by the field's place in its tool's row. Lengths in inches,
// areas in square feet, pitches in inches per 12, angles in degrees, percent
// as a fraction (10% is 0.1), precision as a fraction type.
struct Inputs {
    std::array<double, kMaxFields> value{};
    std::array<bool, kMaxFields> present{};  // typed, or taken from the default
    std::array<bool, kMaxFields> typed{};    // typed by the user
    LengthFormat format;

    bool has(std::size_t field) const { return present[field]; }
    double operator[](std::size_t field) const { return value[field]; }
};

// A bad input or result, named. Both texts are static.
struct Fault {
    std::string_view field;
    std::string_view message;
};

// One broken stair rule, or the complying layout.
enum class Rule { RiserHigh, TreadShort, HeadroomLow, WidthNarrow, Complying };
struct CodeCheck {
    Rule rule;
    double inches;  // the figure that breaks the rule, or the complying riser
    int risers;     // the complying riser count
};

// Results by their place in the tool's row; an empty list is a result that
// does not apply to these inputs. Kept between evaluations so that computing
// again does not allocate.
struct Computed {
    std::array<std::vector<double>, kMaxResults> values;
    std::vector<CodeCheck> checks;

    void reset() {
        for (auto& v : values) v.clear();
        checks.clear();
    }
    void set(std::size_t result, double v) { values[result].assign(1, v); }
};

using ComputeFn = std::optional<Fault> (*)(const Inputs&, Computed&);

struct ToolRow {
    std::string_view name;
    std::string_view title;
    std::span<const FieldRow> fields;
    std::span<const ResultRow> results;
    ComputeFn compute;
};

// What a field of this kind takes, in a few words (listings and help tags).
std::string_view describeKind(FieldKind kind);

// Every tool, in menu order.
std::span<const ToolRow> tools();
// By name, ignoring ASCII case; nullptr when there is none.
const ToolRow* findTool(std::string_view name);
// The field's place in the tool's row, or nothing.
std::optional<std::size_t> fieldIndex(const ToolRow& tool, std::string_view name);

}  // namespace tavrel::builder
