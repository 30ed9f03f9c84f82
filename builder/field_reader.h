// Text -> typed value for one field. A dimension is first checked against
// the forms the parser reads completely (a number with an optional fraction
// and mark, or feet then inches), so that nothing typed is silently dropped,
// then read by the calculator's own parser.
#pragma once

#include <string>
#include <string_view>

#include "builder/tool.h"
#include "core/core_services.h"

namespace tavrel::builder {

struct FieldValue {
    double value = 0;         // in the field's unit (see Inputs)
    std::string unit = "nu";  // the unit code read, for lengths and areas
};

// Trims and turns every run of spaces into one.
std::string normaliseText(std::string_view text);

// Reads a field's (normalised, non-empty) text; on failure returns what is
// wrong, without the field's name, and leaves `out` undefined.
std::string readField(const FieldRow& field, std::string_view text, const CoreServices& services,
                      FieldValue& out);

bool isMetricUnit(std::string_view code);

}  // namespace tavrel::builder
