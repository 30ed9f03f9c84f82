// The services a backend supplies besides windows and controls, as abstract
// interfaces. An Application reaches them through one Services object that the
// backend owns; nothing here is global, so a test can build as many as it likes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tavrel/platform/clock.h"
#include "tavrel/platform/event_loop.h"
#include "tavrel/platform/geometry.h"
#include "tavrel/platform/input.h"
#include "tavrel/platform/picture.h"

namespace tavrel::platform {

class Window;
class HttpTransport;
class Printing;

class SystemService {
  public:
    virtual ~SystemService() = default;
    virtual void beep() = 0;
    // A one-button message box; returns when the user dismisses it.
    virtual void messageBox(const std::string& text) = 0;
    // Opens the address with the user's default application for it.
    virtual void openUrl(const std::string& url) = 0;
};

class Clipboard {
  public:
    virtual ~Clipboard() = default;
    virtual std::optional<std::string> text() const = 0;  // none when it holds no text
    virtual void setText(const std::string& text) = 0;
};

class Locale {
  public:
    virtual ~Locale() = default;
    virtual char32_t decimalSeparator() const = 0;
    // The system's abbreviated date form (e.g. "Mon, Jan 1, 2024").
    virtual std::string abbreviatedDate(const DateTime& when) const = 0;
    // The system's long time form, with seconds (e.g. "1:05:09 PM").
    virtual std::string longTime(const DateTime& when) const = 0;
};

class Files {
  public:
    virtual ~Files() = default;
    // The user's preferences folder; none when it cannot be had.
    virtual std::optional<std::filesystem::path> preferencesFolder() const = 0;
    // The folder for the program's own data (the kept tape); none when it
    // cannot be had. It need not exist yet.
    virtual std::optional<std::filesystem::path> dataFolder() const = 0;
    virtual bool exists(const std::filesystem::path& file) const = 0;
    // Lines without their ends; CR, LF and CR LF all end a line. None if unreadable.
    virtual std::optional<std::vector<std::string>> readLines(
        const std::filesystem::path& file) const = 0;
    // Replaces the file's contents, one line each; false if it cannot be written.
    // The new contents go to a file beside it that is then moved over it, so a
    // failed write leaves the old file whole.
    virtual bool writeLines(const std::filesystem::path& file,
                            const std::vector<std::string>& lines) = 0;
    virtual bool remove(const std::filesystem::path& file) = 0;
    // Four-character type codes, where the platform keeps them (empty when none).
    virtual void setTypeCode(const std::filesystem::path& file, const std::string& code) = 0;
    virtual std::string typeCode(const std::filesystem::path& file) const = 0;
};

struct Screen {
    Rect bounds;     // the whole screen
    Rect available;  // less menu bar and Dock
};

// The desktop around the windows: input state now, screens, the process, and
// the window-system services the program calls directly.
class Desktop {
  public:
    virtual ~Desktop() = default;
    virtual Modifiers modifiersNow() const = 0;
    virtual Point mousePosition() const = 0;          // screen pixels
    virtual std::vector<Screen> screens() const = 0;  // main screen first
    virtual void bringProcessToFront() = 0;
    // Resizes the window's content area, animated where the platform can.
    virtual void animateResize(Window& window, int width, int height) = 0;
    // Shows a contextual menu at a screen point; the chosen row index or none.
    virtual std::optional<int> popupMenu(const std::vector<std::string>& rows, Point at) = 0;
    // Asks where to save a file, proposing a name; the chosen file or none
    // when the user cancels. The dialog itself asks before replacing a file.
    virtual std::optional<std::filesystem::path> saveFileDialog(
        const std::string& prompt, const std::string& suggestedName) = 0;
    // The whole window as drawn: frame and title bar around the content area.
    // A backend that cannot tell reports the content area alone.
    virtual Rect structureBounds(const Window& window) const;
};

class Resources {
  public:
    virtual ~Resources() = default;
    // A picture file of the application's resources folder; none when missing.
    virtual PicturePtr loadPicture(const std::string& fileName) = 0;
    virtual std::optional<Cursor> cursor(int resourceNumber) = 0;
};

class Services {
  public:
    virtual ~Services() = default;
    virtual SystemService& system() = 0;
    virtual Clipboard& clipboard() = 0;
    virtual Clock& clock() = 0;
    virtual EventLoop& eventLoop() = 0;
    virtual Locale& locale() = 0;
    virtual Files& files() = 0;
    virtual Desktop& desktop() = 0;
    virtual Printing& printing() = 0;
    virtual HttpTransport& http() = 0;
    virtual Resources& resources() = 0;

    // A window was made, or is going away (its controls already gone): a
    // backend that shows windows binds and unbinds its view here.
    virtual void windowCreated(Window& /*window*/) {}
    virtual void windowDestroyed(Window& /*window*/) {}
};

}  // namespace tavrel::platform
