// Numbers -> texts for results. Lengths go through the calculator's own
// formatter (feet-inches at the precision), or are written in the metric unit
// typed; every text reads back through the calculator's parser once a
// trailing degree sign is dropped (entryText).
#pragma once

#include <string>
#include <string_view>

#include "builder/tool.h"

namespace tavrel::builder {

std::string formatLength(double inches, const LengthFormat& format);
// The length its text shows, in inches (rounded as shown).
double shownLength(double inches, const LengthFormat& format);
std::string formatResult(ResultKind kind, double value, const LengthFormat& format);
// The code-check line for one broken rule or the complying layout.
std::string codeCheckText(const CodeCheck& check, const LengthFormat& format);
// A result's text as an entry for the calculator's display.
std::string entryText(std::string_view resultText);

}  // namespace tavrel::builder
