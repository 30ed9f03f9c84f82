// The user manual the help window shows, line ends as "\n".
#pragma once

#include <string_view>

namespace tavrel::app {

std::string_view manualText();

}  // namespace tavrel::app
