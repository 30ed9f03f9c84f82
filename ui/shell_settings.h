// What the calculator window needs of the application shell without knowing
// it: the stored window state (read at the first sizing, written on close)
// and the transparency choice of the preferences window, read afresh by
// every step of a fade.
#pragma once

#include <cstdint>
#include <string_view>

namespace tavrel::ui {

class WindowPrefs {
  public:
    virtual ~WindowPrefs() = default;
    virtual std::int32_t number(std::string_view name, std::int32_t fallback) const = 0;
    virtual bool boolean(std::string_view name, bool fallback) const = 0;
    virtual void setNumber(std::string_view name, std::int32_t value) = 0;
    virtual void setBoolean(std::string_view name, bool value) = 0;
    // Throws when the file cannot be written.
    virtual void write() = 0;
};

// The numbers are the preference `transType`.
enum class TransparencyMode { None = 1, Always = 2, MouseOver = 3 };

class TransparencySettings {
  public:
    virtual ~TransparencySettings() = default;
    virtual TransparencyMode mode() const = 0;
    // Percent opacity, 10 to 100.
    virtual int level() const = 0;
};

}  // namespace tavrel::ui
