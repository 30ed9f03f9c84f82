// XDG data folder: the first absolute base wins, then the program's subfolder.
#include "tavrel/platform/folders.h"

#include <cstdlib>

namespace tavrel::platform {

namespace fs = std::filesystem;

std::optional<fs::path> xdgDataFolder(const EnvironmentLookup& env) {
    if (auto base = env("XDG_DATA_HOME"); base && fs::path(*base).is_absolute())
        return fs::path(*base) / "tavrel";
    if (auto home = env("HOME"); home && fs::path(*home).is_absolute())
        return fs::path(*home) / ".local" / "share" / "tavrel";
    return std::nullopt;
}

std::optional<fs::path> xdgDataFolder() {
    return xdgDataFolder([](const char* name) -> std::optional<std::string> {
        const char* v = std::getenv(name);
        if (!v) return std::nullopt;
        return std::string(v);
    });
}

}  // namespace tavrel::platform
