// The services of the desktop backend, each a thin layer over Qt: beep and
// message box (QApplication, QMessageBox), URLs (QDesktopServices), clipboard,
// clock (QElapsedTimer, QDateTime), locale forms (QLocale), pictures from the
// resources folder, the desktop's window services, printing (QPrinter and its
// dialogs) and HTTP (QNetworkAccessManager).
#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QString>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "tavrel/platform/http.h"
#include "tavrel/platform/printing.h"
#include "tavrel/platform/services.h"

class QNetworkAccessManager;
class QPrinter;
class QWidget;

namespace tavrel::platform::qt {

class QtPlatform;

class QtSystem : public SystemService {
  public:
    void beep() override;
    void messageBox(const std::string& text) override;
    void openUrl(const std::string& url) override;
};

class QtClipboard : public Clipboard {
  public:
    std::optional<std::string> text() const override;
    void setText(const std::string& text) override;
};

class QtClock : public Clock {
  public:
    QtClock() { started_.start(); }
    std::int64_t microseconds() const override { return started_.nsecsElapsed() / 1000; }
    double secondsSince1904() const override;
    DateTime now() const override;

  private:
    QElapsedTimer started_;
};

class QtLocale : public Locale {
  public:
    char32_t decimalSeparator() const override;
    // The locale's long date form with short day and month names.
    std::string abbreviatedDate(const DateTime& when) const override;
    // The locale's long time form without the time zone.
    std::string longTime(const DateTime& when) const override;
};

// Decoded pictures: files by path (with their @2x twins), kept for the run.
class PictureCache {
  public:
    // The file's image for a device pixel ratio; null when unreadable.
    QImage file(const std::filesystem::path& path, qreal ratio);

  private:
    std::map<std::pair<std::string, bool>, QImage> files_;
};

class QtResources : public Resources {
  public:
    explicit QtResources(std::optional<std::filesystem::path> folder);
    PicturePtr loadPicture(const std::string& fileName) override;
    // Resource cursors do not exist here: none, so callers use a standard one.
    std::optional<Cursor> cursor(int resourceNumber) override;
    const std::optional<std::filesystem::path>& folder() const { return folder_; }

  private:
    std::optional<std::filesystem::path> folder_;
};

class QtDesktop : public Desktop {
  public:
    explicit QtDesktop(QtPlatform& platform) : platform_(platform) {}
    Modifiers modifiersNow() const override;
    Point mousePosition() const override;
    std::vector<Screen> screens() const override;
    void bringProcessToFront() override;
    // Slides the frame to the new size over a short animation, top-left fixed;
    // the model takes the size at once.
    void animateResize(Window& window, int width, int height) override;
    std::optional<int> popupMenu(const std::vector<std::string>& rows, Point at) override;
    // The frame around the content, title bar (and menu bar) included.
    Rect structureBounds(const Window& window) const override;
    std::optional<std::filesystem::path> saveFileDialog(const std::string& prompt,
                                                        const std::string& suggestedName) override;

    static constexpr int kResizeMillis = 120;

  private:
    QtPlatform& platform_;
};

class QtPrinting : public Printing {
  public:
    QtPrinting();
    ~QtPrinting() override;
    bool pageSetupDialog(PageSetup& setup) override;
    std::unique_ptr<Graphics> printDialog(const PageSetup& setup) override;

    // Prints into this PDF file without asking (tests, and printing to a file).
    void printToFile(std::optional<std::filesystem::path> pdf) { toFile_ = std::move(pdf); }

  private:
    QPrinter& printer();

    std::unique_ptr<QPrinter> printer_;
    std::optional<std::filesystem::path> toFile_;
};

class QtHttp : public HttpTransport {
  public:
    // The client's error codes (QNetworkReply::NetworkError) reach onError;
    // a transfer silent for longer than the time-out fails with its code.
    explicit QtHttp(EventLoop& loop, int timeoutMs = 30000);
    ~QtHttp() override;
    void get(const std::string& url, HttpCallbacks callbacks) override;
    void setTimeoutMs(int ms) { timeoutMs_ = ms; }

  private:
    QNetworkAccessManager& manager();

    EventLoop& loop_;
    std::unique_ptr<QNetworkAccessManager> manager_;
    int timeoutMs_;
};

}  // namespace tavrel::platform::qt
