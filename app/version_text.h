// The program's version in its three forms: the 12-digit number the update
// check compares (each part at least four digits, zero-padded, run together),
// the text the about window shows (1.9.2, with .d .a .b for development, alpha
// and beta builds) and the build line.
#pragma once

#include <string>

#include "tavrel/platform/application.h"

namespace tavrel::app {

double versionNumber(int major, int minor, int bug);
double versionNumber(const platform::AppVersion& v);
std::string versionText(const platform::AppVersion& v);
std::string buildText(const platform::AppVersion& v);

}  // namespace tavrel::app
