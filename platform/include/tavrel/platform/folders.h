// Where a desktop backend finds the user's folders. The rules are the XDG
// base-directory ones; the environment is passed in so they can be checked
// without touching the process's own.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace tavrel::platform {

// Reads one environment variable; none when it is not set.
using EnvironmentLookup = std::function<std::optional<std::string>(const char* name)>;

// $XDG_DATA_HOME (only when it is an absolute path, as the rules demand) or
// $HOME/.local/share, then the program's own subfolder "tavrel". None when
// neither variable gives an absolute path.
std::optional<std::filesystem::path> xdgDataFolder(const EnvironmentLookup& env);

// The same from the process's environment.
std::optional<std::filesystem::path> xdgDataFolder();

}  // namespace tavrel::platform
