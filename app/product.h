// The product's fixed addresses. The update host can be overridden by the
// hidden preference updateHost (tests point it at a server on 127.0.0.1).
#pragma once

#include <string_view>

namespace tavrel::app {

inline constexpr std::string_view kUpdateHost = "www.tavrel.org";
inline constexpr std::string_view kVersionFilePath = "/tavrel/versionMac.txt";
inline constexpr std::string_view kSitePath = "/tavrel/";
inline constexpr std::string_view kMakerAddress = "mailto:tavrel@tavrel.org";

}  // namespace tavrel::app
