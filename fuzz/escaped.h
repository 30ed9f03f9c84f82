// How the fuzz targets write the texts of a failure into their report.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace tavrel::fuzz {

// Non-printable bytes and backslashes as \xNN, so the report shows every byte.
inline std::string escaped(std::string_view text) {
    std::string out;
    for (unsigned char c : text) {
        if (c >= 0x20 && c < 0x7F && c != '\\') {
            out += static_cast<char>(c);
        } else {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", c);
            out += buf;
        }
    }
    return out;
}

}  // namespace tavrel::fuzz
