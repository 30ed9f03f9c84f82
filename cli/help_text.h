// What tavrel-cli says about itself: --help (the whole key map, with the
// window's keys and pop-up items read from its design), --version and the
// interactive greeting.
#pragma once

#include <string>

namespace tavrel::cli {

std::string helpText();
std::string versionText();
std::string greeting();

}  // namespace tavrel::cli
