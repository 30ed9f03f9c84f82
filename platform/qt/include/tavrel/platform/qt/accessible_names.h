// What a screen reader says for a control: its caption, read as a word where
// the caption is a symbol or an abbreviation; without a caption, the first
// phrase of its help tag, or else its name.
#pragma once

#include <string>

#include "tavrel/platform/control.h"

namespace tavrel::platform::qt {

std::string accessibleName(const Control& control);
// The help tag with its carriage returns as line breaks.
std::string accessibleDescription(const Control& control);

}  // namespace tavrel::platform::qt
