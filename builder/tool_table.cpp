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
    FieldSpec{"rise",     "Total rise",             K::Length,    "",        "", true,  G::Positive},
    FieldSpec{"run",      "Total run",              K::Length,    "",        "", false, G::Positive},
    FieldSpec{"riser",    "Desired riser",          K::Length,    "7 1/2\"", "", false, G::Positive},
    FieldSpec{"tread",    "Tread (when no run)",    K::Length,    "10\"",    "", false, G::Positive},
    FieldSpec{"headroom", "Headroom",               K::Length,    "6'8\"",   "", false, G::Positive},
    FieldSpec{"floor",    "Floor thickness",        K::Length,    "10\"",    "", false, G::NonNegative},
    FieldSpec{"width",    "Stair width",            K::Length,    "",        "", false, G::Positive},
    FieldSpec{"prec",     "Precision",              K::Precision, kPrecDefault, "", false, G::Any},
};
constexpr std::array kStairsResults{
    ResultSpec{"risers",    "Risers",            R::Count},
    ResultSpec{"riser",     "Riser height",      R::Length},
    ResultSpec{"treads",    "Treads",            R::Count},
    ResultSpec{"tread",     "Tread depth",       R::Length},
    ResultSpec{"stringer",  "Stringer length",   R::Length},
    ResultSpec{"incline",   "Incline",           R::Angle},
    ResultSpec{"opening",   "Stairwell opening", R::Length},
    ResultSpec{"overunder", "Over/under",        R::Length},
};

constexpr std::array kRafterFields{
    FieldSpec{"pitch",    "Pitch (in 12)",          K::Pitch,     "",        "", true,  G::Positive},
    FieldSpec{"run",      "Run",                    K::Length,    "",        "", false, G::Positive},
    FieldSpec{"span",     "Span (halved for run)",  K::Length,    "",        "", false, G::Positive},
    FieldSpec{"overhang", "Overhang",               K::Length,    "0",       "", false, G::NonNegative},
    FieldSpec{"prec",     "Precision",              K::Precision, kPrecDefault, "", false, G::Any},
};
constexpr std::array kRafterResults{
    ResultSpec{"run",        "Run",                       R::Length},
    ResultSpec{"rise",       "Rise",                      R::Length},
    ResultSpec{"length",     "Rafter length",             R::Length},
    ResultSpec{"perfoot",    "Length per foot of run",    R::Length},
    ResultSpec{"angle",      "Angle",                     R::Angle},
    ResultSpec{"complement", "Complement",                R::Angle},
    ResultSpec{"tail",       "Overhang along the rafter", R::Length},
};

constexpr std::array kHipFields{
    FieldSpec{"pitch",    "Pitch (in 12)",            K::Pitch,     "",     "",     true,  G::Positive},
    FieldSpec{"run",      "Run",                      K::Length,    "",     "",     true,  G::Positive},
    FieldSpec{"spacing",  "Jack spacing on centre",   K::Length,    "16\"", "600m", false, G::Positive},
    FieldSpec{"pitch2",   "Second pitch (irregular)", K::Pitch,     "",     "",     false, G::Positive},
    FieldSpec{"prec",     "Precision",                K::Precision, kPrecDefault, "", false, G::Any},
};
constexpr std::array kHipResults{
    ResultSpec{"common",  "Common rafter",              R::Length},
    ResultSpec{"hip",     "Hip/valley length",          R::Length},
    ResultSpec{"angle",   "Hip angle",                  R::Angle},
    ResultSpec{"jacks",   "Jacks",                      R::Length},
    ResultSpec{"run2",    "Run, second side",           R::Length},
    ResultSpec{"common2", "Common rafter, second side", R::Length},
    ResultSpec{"jacks2",  "Jacks, second side",         R::Length},
};

constexpr std::array kSquareupFields{
    FieldSpec{"length", "Length",    K::Length,    "", "", true,  G::Positive},
    FieldSpec{"width",  "Width",     K::Length,    "", "", true,  G::Positive},
    FieldSpec{"prec",   "Precision", K::Precision, kPrecDefault, "", false, G::Any},
};
constexpr std::array kSquareupResults{
    ResultSpec{"diagonal", "Diagonal", R::Length},
};

constexpr std::array kConcreteFields{
    FieldSpec{"length", "Length", K::Length,  "",  "", true,  G::Positive},
    FieldSpec{"width",  "Width",  K::Length,  "",  "", true,  G::Positive},
    FieldSpec{"depth",  "Depth",  K::Length,  "",  "", true,  G::Positive},
    FieldSpec{"waste",  "Waste",  K::Percent, "0", "", false, G::NonNegative},
};
constexpr std::array kConcreteResults{
    ResultSpec{"volume", "Volume",      R::Volume},
    ResultSpec{"yards",  "Cubic yards", R::CubicYards},
};

constexpr std::array kBoardfeetFields{
    FieldSpec{"thickness", "Thickness (in)",        K::Length,     "",  "", true,  G::Positive},
    FieldSpec{"width",     "Width (in)",            K::Length,     "",  "", true,  G::Positive},
    FieldSpec{"length",    "Length (ft)",           K::FeetLength, "",  "", true,  G::Positive},
    FieldSpec{"quantity",  "Quantity",              K::Count,      "1", "", false, G::Positive},
    FieldSpec{"price",     "Price per board foot",  K::Money,      "",  "", false, G::NonNegative},
};
constexpr std::array kBoardfeetResults{
    ResultSpec{"boardfeet", "Board feet", R::BoardFeet},
    ResultSpec{"cost",      "Cost",       R::Money},
};

constexpr std::array kRakewallFields{
    FieldSpec{"pitch",   "Pitch (in 12)",          K::Pitch,     "",     "",     true,  G::Positive},
    FieldSpec{"spacing", "Stud spacing on centre", K::Length,    "16\"", "600m", false, G::Positive},
    FieldSpec{"prec",    "Precision",              K::Precision, kPrecDefault, "", false, G::Any},
};
constexpr std::array kRakewallResults{
    ResultSpec{"increase", "Increase per stud", R::Length},
};

constexpr std::array kRoofFields{
    FieldSpec{"area",  "Plan area",     K::Area,    "",   "", true,  G::Positive},
    FieldSpec{"pitch", "Pitch (in 12)", K::Pitch,   "",   "", true,  G::Positive},
    FieldSpec{"waste", "Waste",         K::Percent, "10", "", false, G::NonNegative},
};
constexpr std::array kRoofResults{
    ResultSpec{"area",    "Roof area",        R::Area},
    ResultSpec{"squares", "Squares",          R::Number},
    ResultSpec{"order",   "Squares to order", R::Count},
};

constexpr std::array kArcFields{
    FieldSpec{"span", "Span (chord)", K::Length,    "", "", true,  G::Positive},
    FieldSpec{"rise", "Rise",         K::Length,    "", "", true,  G::Positive},
    FieldSpec{"prec", "Precision",    K::Precision, kPrecDefault, "", false, G::Any},
};
constexpr std::array kArcResults{
    ResultSpec{"radius", "Radius",         R::Length},
    ResultSpec{"angle",  "Included angle", R::Angle},
    ResultSpec{"length", "Arc length",     R::Length},
};

constexpr std::array kCrownFields{
    FieldSpec{"spring", "Spring angle",       K::Angle, "38", "", false, G::Acute},
    FieldSpec{"corner", "Wall corner angle",  K::Angle, "90", "", false, G::Corner},
};
constexpr std::array kCrownResults{
    ResultSpec{"miter", "Miter", R::Angle},
    ResultSpec{"bevel", "Bevel", R::Angle},
};

constexpr std::array kTools{
    ToolSpec{"stairs",    "Stairs",        kStairsFields,    kStairsResults,    computeStairs},
    ToolSpec{"rafter",    "Common rafter", kRafterFields,    kRafterResults,    computeRafter},
    ToolSpec{"hip",       "Hip and jacks", kHipFields,       kHipResults,       computeHip},
    ToolSpec{"squareup",  "Square-up",     kSquareupFields,  kSquareupResults,  computeSquareup},
    ToolSpec{"concrete",  "Concrete",      kConcreteFields,  kConcreteResults,  computeConcrete},
    ToolSpec{"boardfeet", "Board feet",    kBoardfeetFields, kBoardfeetResults, computeBoardfeet},
    ToolSpec{"rakewall",  "Rake wall",     kRakewallFields,  kRakewallResults,  computeRakewall},
    ToolSpec{"roof",      "Roof area",     kRoofFields,      kRoofResults,      computeRoof},
    ToolSpec{"arc",       "Arc",           kArcFields,       kArcResults,       computeArc},
    ToolSpec{"crown",     "Crown molding", kCrownFields,     kCrownResults,     computeCrown},
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
    for (const ToolSpec& t : kTools)
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

std::span<const ToolSpec> tools() {
    return kTools;
}

const ToolSpec* findTool(std::string_view name) {
    for (const ToolSpec& t : kTools)
        if (sameCode(t.name, name)) return &t;
    return nullptr;
}

std::optional<std::size_t> fieldIndex(const ToolSpec& tool, std::string_view name) {
    for (std::size_t i = 0; i < tool.fields.size(); ++i)
        if (sameCode(tool.fields[i].name, name)) return i;
    return std::nullopt;
}

}  // namespace tavrel::builder
