// The number is built as text and read back, as the version file writes it.
#include "app/version_text.h"

#include <cstdio>

#include "app/number_text.h"

namespace tavrel::app {

double versionNumber(int major, int minor, int bug) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%04d%04d%04d", major, minor, bug);
    return leadingNumber(buf);
}

double versionNumber(const platform::AppVersion& v) {
    return versionNumber(v.major, v.minor, v.bug);
}

std::string versionText(const platform::AppVersion& v) {
    std::string text =
        std::to_string(v.major) + "." + std::to_string(v.minor) + "." + std::to_string(v.bug);
    switch (v.stage) {
        case platform::ReleaseStage::Development:
            return text + ".d";
        case platform::ReleaseStage::Alpha:
            return text + ".a";
        case platform::ReleaseStage::Beta:
            return text + ".b";
        case platform::ReleaseStage::Final:
            break;
    }
    return text;
}

std::string buildText(const platform::AppVersion& v) {
    return "build: (" + std::to_string(v.build) + ")";
}

}  // namespace tavrel::app
