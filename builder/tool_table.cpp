// The tool table: one row per tool, each with its fields and results as
// rows. Adding a tool is adding its rows here and its compute function.
#include <array>

#include "builder/tool.h"
#include "builder/tool_fields.h"
#include "core/unit_table.h"

namespace tavrel::builder {
namespace {

using K = FieldKind;
using R = ResultKind;
using G = Range;

constexpr std::string_view kPrecDefault = "16";

// clang-format off
constexpr std::array kStairsFields{
    FieldRow{"rise",     "Total rise",             K::Length,    "",        "", true,  G::Positive},
    FieldRow{"run",      "Total run",              K::Length,    "",        "", false, G::Positive},
    FieldRow{"riser",    "Desired riser",          K::Length,    "7 1/2\"", "", false, G::Positive},
    FieldRow{"tread",    "Tread (when no run)",    K::Length,    "10\"",    "", false, G::Positive},
    FieldRow{"headroom", "Headroom",               K::Length,    "6'8\"",   "", false, G::Positive},
    FieldRow{"floor",    "Floor thickness",        K::Length,    "10\"",    "", false, G::NonNegative},
    FieldRow{"width",    "Stair width",            K::Length,    "",        "", false, G::Positive},
    FieldRow{"prec",     "Precision",              K::Precision, kPrecDefault, "", false, G::Any},
};
constexpr std::array kStairsResults{
    ResultRow{"risers",    "Risers",            R::Count},
    ResultRow{"riser",     "Riser height",      R::Length},
    ResultRow{"treads",    "Treads",            R::Count},
    ResultRow{"tread",     "Tread depth",       R::Length},
    ResultRow{"stringer",  "Stringer length",   R::Length},
    ResultRow{"incline",   "Incline",           R::Angle},
    ResultRow{"opening",   "Stairwell opening", R::Length},
    ResultRow{"overunder", "Over/under",        R::Length},
};

constexpr std::array kRafterFields{
    FieldRow{"pitch",    "Pitch (in 12)",          K::Pitch,     "",        "", true,  G::Positive},
    FieldRow{"run",      "Run",                    K::Length,    "",        "", false, G::Positive},
    FieldRow{"span",     "Span (halved for run)",  K::Length,    "",        "", false, G::Positive},
    FieldRow{"overhang", "Overhang",               K::Length,    "0",       "", false, G::NonNegative},
    FieldRow{"prec",     "Precision",              K::Precision, kPrecDefault, "", false, G::Any},
};
constexpr std::array kRafterResults{
    ResultRow{"run",        "Run",                       R::Length},
    ResultRow{"rise",       "Rise",                      R::Length},
    ResultRow{"length",     "Rafter length",             R::Length},
    ResultRow{"perfoot",    "Length per foot of run",    R::Length},
    ResultRow{"angle",      "Angle",                     R::Angle},
    ResultRow{"complement", "Complement",                R::Angle},
    ResultRow{"tail",       "Overhang along the rafter", R::Length},
};

constexpr std::array kHipFields{
    FieldRow{"pitch",    "Pitch (in 12)",            K::Pitch,     "",     "",     true,  G::Positive},
    FieldRow{"run",      "Run",                      K::Length,    "",     "",     true,  G::Positive},
    FieldRow{"spacing",  "Jack spacing on centre",   K::Length,    "16\"", "600m", false, G::Positive},
    FieldRow{"pitch2",   "Second pitch (irregular)", K::Pitch,     "",     "",     false, G::Positive},
    FieldRow{"prec",     "Precision",                K::Precision, kPrecDefault, "", false, G::Any},
};
constexpr std::array kHipResults{
    ResultRow{"common",  "Common rafter",              R::Length},
    ResultRow{"hip",     "Hip/valley length",          R::Length},
    ResultRow{"angle",   "Hip angle",                  R::Angle},
    ResultRow{"jacks",   "Jacks",                      R::Length},
    ResultRow{"run2",    "Run, second side",           R::Length},
    ResultRow{"common2", "Common rafter, second side", R::Length},
    ResultRow{"jacks2",  "Jacks, second side",         R::Length},
};

constexpr std::array kSquareupFields{
    FieldRow{"length", "Length",    K::Length,    "", "", true,  G::Positive},
    FieldRow{"width",  "Width",     K::Length,    "", "", true,  G::Positive},
    FieldRow{"prec",   "Precision", K::Precision, kPrecDefault, "", false, G::Any},
};
constexpr std::array kSquareupResults{
    ResultRow{"diagonal", "Diagonal", R::Length},
};

constexpr std::array kConcreteFields{
    FieldRow{"length", "Length", K::Length,  "",  "", true,  G::Positive},
    FieldRow{"width",  "Width",  K::Length,  "",  "", true,  G::Positive},
    FieldRow{"depth",  "Depth",  K::Length,  "",  "", true,  G::Positive},
    FieldRow{"waste",  "Waste",  K::Percent, "0", "", false, G::NonNegative},
};
constexpr std::array kConcreteResults{
    ResultRow{"volume", "Volume",      R::Volume},
    ResultRow{"yards",  "Cubic yards", R::CubicYards},
};

constexpr std::array kBoardfeetFields{
    FieldRow{"thickness", "Thickness (in)",        K::Length,     "",  "", true,  G::Positive},
    FieldRow{"width",     "Width (in)",            K::Length,     "",  "", true,  G::Positive},
    FieldRow{"length",    "Length (ft)",           K::FeetLength, "",  "", true,  G::Positive},
    FieldRow{"quantity",  "Quantity",              K::Count,      "1", "", false, G::Positive},
    FieldRow{"price",     "Price per board foot",  K::Money,      "",  "", false, G::NonNegative},
};
constexpr std::array kBoardfeetResults{
    ResultRow{"boardfeet", "Board feet", R::BoardFeet},
    ResultRow{"cost",      "Cost",       R::Money},
};

constexpr std::array kRakewallFields{
    FieldRow{"pitch",   "Pitch (in 12)",          K::Pitch,     "",     "",     true,  G::Positive},
    FieldRow{"spacing", "Stud spacing on centre", K::Length,    "16\"", "600m", false, G::Positive},
    FieldRow{"prec",    "Precision",              K::Precision, kPrecDefault, "", false, G::Any},
};
constexpr std::array kRakewallResults{
    ResultRow{"increase", "Increase per stud", R::Length},
};

constexpr std::array kRoofFields{
    FieldRow{"area",  "Plan area",     K::Area,    "",   "", true,  G::Positive},
    FieldRow{"pitch", "Pitch (in 12)", K::Pitch,   "",   "", true,  G::Positive},
    FieldRow{"waste", "Waste",         K::Percent, "10", "", false, G::NonNegative},
};
constexpr std::array kRoofResults{
    ResultRow{"area",    "Roof area",        R::Area},
    ResultRow{"squares", "Squares",          R::Number},
    ResultRow{"order",   "Squares to order", R::Count},
};

constexpr std::array kArcFields{
    FieldRow{"span", "Span (chord)", K::Length,    "", "", true,  G::Positive},
    FieldRow{"rise", "Rise",         K::Length,    "", "", true,  G::Positive},
    FieldRow{"prec", "Precision",    K::Precision, kPrecDefault, "", false, G::Any},
};
constexpr std::array kArcResults{
    ResultRow{"radius", "Radius",         R::Length},
    ResultRow{"angle",  "Included angle", R::Angle},
    ResultRow{"length", "Arc length",     R::Length},
};

constexpr std::array kCrownFields{
    FieldRow{"spring", "Spring angle",       K::Angle, "38", "", false, G::Acute},
    FieldRow{"corner", "Wall corner angle",  K::Angle, "90", "", false, G::Corner},
};
constexpr std::array kCrownResults{
    ResultRow{"miter", "Miter", R::Angle},
    ResultRow{"bevel", "Bevel", R::Angle},
};

constexpr std::array kTools{
    ToolRow{"stairs",    "Stairs",        kStairsFields,    kStairsResults,    computeStairs},
    ToolRow{"rafter",    "Common rafter", kRafterFields,    kRafterResults,    computeRafter},
    ToolRow{"hip",       "Hip and jacks", kHipFields,       kHipResults,       computeHip},
    ToolRow{"squareup",  "Square-up",     kSquareupFields,  kSquareupResults,  computeSquareup},
    ToolRow{"concrete",  "Concrete",      kConcreteFields,  kConcreteResults,  computeConcrete},
    ToolRow{"boardfeet", "Board feet",    kBoardfeetFields, kBoardfeetResults, computeBoardfeet},
    ToolRow{"rakewall",  "Rake wall",     kRakewallFields,  kRakewallResults,  computeRakewall},
    ToolRow{"roof",      "Roof area",     kRoofFields,      kRoofResults,      computeRoof},
    ToolRow{"arc",       "Arc",           kArcFields,       kArcResults,       computeArc},
    ToolRow{"crown",     "Crown molding", kCrownFields,     kCrownResults,     computeCrown},
};
// clang-format on

// The compute functions reach fields and results by place: every place must
// name what it says, every row must fit the input and result arrays.
template <class Rows>
constexpr bool names(const Rows& rows, std::size_t at, std::string_view name) {
    return at < rows.size() && rows[at].name == name;
}
static_assert(names(kStairsFields, stairs::rise, "rise") &&
              names(kStairsFields, stairs::run, "run") &&
              names(kStairsFields, stairs::riser, "riser") &&
              names(kStairsFields, stairs::tread, "tread") &&
              names(kStairsFields, stairs::headroom, "headroom") &&
              names(kStairsFields, stairs::floor, "floor") &&
              names(kStairsFields, stairs::width, "width") &&
              names(kStairsFields, stairs::prec, "prec"));
static_assert(names(kStairsResults, stairs::risers, "risers") &&
              names(kStairsResults, stairs::riserHeight, "riser") &&
              names(kStairsResults, stairs::treads, "treads") &&
              names(kStairsResults, stairs::treadDepth, "tread") &&
              names(kStairsResults, stairs::stringer, "stringer") &&
              names(kStairsResults, stairs::incline, "incline") &&
              names(kStairsResults, stairs::opening, "opening") &&
              names(kStairsResults, stairs::overunder, "overunder"));
static_assert(names(kRafterFields, rafter::pitch, "pitch") &&
              names(kRafterFields, rafter::run, "run") &&
              names(kRafterFields, rafter::span, "span") &&
              names(kRafterFields, rafter::overhang, "overhang") &&
              names(kRafterFields, rafter::prec, "prec"));
static_assert(names(kRafterResults, rafter::runOut, "run") &&
              names(kRafterResults, rafter::rise, "rise") &&
              names(kRafterResults, rafter::length, "length") &&
              names(kRafterResults, rafter::perfoot, "perfoot") &&
              names(kRafterResults, rafter::angle, "angle") &&
              names(kRafterResults, rafter::complement, "complement") &&
              names(kRafterResults, rafter::tail, "tail"));
static_assert(names(kHipFields, hip::pitch, "pitch") && names(kHipFields, hip::run, "run") &&
              names(kHipFields, hip::spacing, "spacing") &&
              names(kHipFields, hip::pitch2, "pitch2") && names(kHipFields, hip::prec, "prec"));
static_assert(names(kHipResults, hip::common, "common") &&
              names(kHipResults, hip::hipLength, "hip") &&
              names(kHipResults, hip::angle, "angle") && names(kHipResults, hip::jacks, "jacks") &&
              names(kHipResults, hip::run2, "run2") &&
              names(kHipResults, hip::common2, "common2") &&
              names(kHipResults, hip::jacks2, "jacks2"));
static_assert(names(kSquareupFields, squareup::length, "length") &&
              names(kSquareupFields, squareup::width, "width") &&
              names(kSquareupFields, squareup::prec, "prec") &&
              names(kSquareupResults, squareup::diagonal, "diagonal"));
static_assert(names(kConcreteFields, concrete::length, "length") &&
              names(kConcreteFields, concrete::width, "width") &&
              names(kConcreteFields, concrete::depth, "depth") &&
              names(kConcreteFields, concrete::waste, "waste") &&
              names(kConcreteResults, concrete::volume, "volume") &&
              names(kConcreteResults, concrete::yards, "yards"));
static_assert(names(kBoardfeetFields, boardfeet::thickness, "thickness") &&
              names(kBoardfeetFields, boardfeet::width, "width") &&
              names(kBoardfeetFields, boardfeet::length, "length") &&
              names(kBoardfeetFields, boardfeet::quantity, "quantity") &&
              names(kBoardfeetFields, boardfeet::price, "price") &&
              names(kBoardfeetResults, boardfeet::feet, "boardfeet") &&
              names(kBoardfeetResults, boardfeet::cost, "cost"));
static_assert(names(kRakewallFields, rakewall::pitch, "pitch") &&
              names(kRakewallFields, rakewall::spacing, "spacing") &&
              names(kRakewallFields, rakewall::prec, "prec") &&
              names(kRakewallResults, rakewall::increase, "increase"));
static_assert(names(kRoofFields, roof::area, "area") && names(kRoofFields, roof::pitch, "pitch") &&
              names(kRoofFields, roof::waste, "waste") &&
              names(kRoofResults, roof::roofArea, "area") &&
              names(kRoofResults, roof::squares, "squares") &&
              names(kRoofResults, roof::order, "order"));
static_assert(names(kArcFields, arc::span, "span") && names(kArcFields, arc::rise, "rise") &&
              names(kArcFields, arc::prec, "prec") && names(kArcResults, arc::radius, "radius") &&
              names(kArcResults, arc::angle, "angle") && names(kArcResults, arc::length, "length"));
static_assert(names(kCrownFields, crown::spring, "spring") &&
              names(kCrownFields, crown::corner, "corner") &&
              names(kCrownResults, crown::miter, "miter") &&
              names(kCrownResults, crown::bevel, "bevel"));

constexpr bool fits() {
    for (const ToolRow& t : kTools)
        if (t.fields.size() > kMaxFields || t.results.size() > kMaxResults) return false;
    return true;
}
static_assert(fits());

struct KindText {
    FieldKind kind;
    std::string_view text;
};
// clang-format off
constexpr std::array kKindTexts{
    KindText{K::Length,     "length; a plain number is inches"},
    KindText{K::FeetLength, "length; a plain number is feet"},
    KindText{K::Area,       "area; a plain number is square feet"},
    KindText{K::Pitch,      "pitch in 12, or degrees ending in \u00B0"},
    KindText{K::Angle,      "angle in degrees"},
    KindText{K::Count,      "whole number"},
    KindText{K::Money,      "amount of money"},
    KindText{K::Percent,    "percent"},
    KindText{K::Precision,  "2, 4, 8, 16, 32, 64 or decimal"},
};
// clang-format on

}  // namespace

std::string_view describeKind(FieldKind kind) {
    for (const KindText& k : kKindTexts)
        if (k.kind == kind) return k.text;
    return {};
}

std::span<const ToolRow> tools() {
    return kTools;
}

const ToolRow* findTool(std::string_view name) {
    for (const ToolRow& t : kTools)
        if (sameCode(t.name, name)) return &t;
    return nullptr;
}

std::optional<std::size_t> fieldIndex(const ToolRow& tool, std::string_view name) {
    for (std::size_t i = 0; i < tool.fields.size(); ++i)
        if (sameCode(tool.fields[i].name, name)) return i;
    return std::nullopt;
}

}  // namespace tavrel::builder
