// The preferences file and its in-memory list. InitPrefFile loads the file's
// name/value line pairs once; typed gets read the first entry of a name
// (ignoring ASCII case) or the caller's default; sets change the list only;
// WritePrefsFile copies the whole list back to the file. Entries keep their
// file order, later ones follow in creation order, and nothing is removed, so
// names this program does not know and duplicate names written by hand are
// carried along unchanged.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tavrel::platform {
class Files;
}

namespace tavrel::app {

inline constexpr std::string_view kPrefsFileName = "tavrel.Prefs";

// A write that did not reach the file; the file keeps what it held before.
class PrefWriteError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class PrefStore {
  public:
    explicit PrefStore(platform::Files& files) : files_(files) {}

    // Loads the file from the preferences folder, or creates it empty. No
    // folder, or a file that can be neither read nor created, leaves the list
    // empty without complaint. Called once, before any read.
    void InitPrefFile(std::string_view fileName);

    std::string GetPrefString(std::string_view name, std::string_view fallback) const;
    // Missing: the default. Present: its leading number, fraction dropped (0
    // for letters or an empty value, never the default).
    std::int32_t GetPrefNumber(std::string_view name, std::int32_t fallback) const;
    // True exactly for "true" in any letter case.
    bool GetPrefBoolean(std::string_view name, bool fallback) const;
    // The default goes through text like a stored value.
    double GetPrefDouble(std::string_view name, double fallback) const;

    void SetPrefString(std::string_view name, std::string_view value);
    void SetPrefNumber(std::string_view name, std::int32_t value);
    void SetPrefBoolean(std::string_view name, bool value);
    void SetPrefDouble(std::string_view name, double value);

    // Replaces the file with the whole list: written beside the old file and
    // moved over it, so the old file stays whole when the write fails. Throws
    // PrefWriteError when there is no file location or the write fails.
    void WritePrefsFile();

    const std::optional<std::filesystem::path>& prefFile() const { return prefFile_; }
    const std::vector<std::string>& prefNames() const { return prefNames_; }
    const std::vector<std::string>& prefItems() const { return prefItems_; }

  private:
    // Index of the first entry with that name, or none.
    std::optional<std::size_t> find(std::string_view name) const;

    platform::Files& files_;
    std::optional<std::filesystem::path> prefFile_;
    std::vector<std::string> prefNames_;
    std::vector<std::string> prefItems_;
    // The lines the file is known to hold (as read or last written), so a
    // write that would change nothing (the preferences window writes at every
    // start) costs no disk flush.
    std::optional<std::vector<std::string>> onDisk_;
};

}  // namespace tavrel::app
