// The headless services: each keeps in memory what a desktop would show or
// do (beeps, message boxes, opened URLs, printed pages, HTTP requests) so a
// test can read it back, and takes scripted answers where a user would answer
// (contextual menus, print dialogs, HTTP responses).
#pragma once

#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "tavrel/platform/http.h"
#include "tavrel/platform/printing.h"
#include "tavrel/platform/services.h"

namespace tavrel::platform::headless {

class HeadlessEventLoop;

class HeadlessSystem : public SystemService {
  public:
    void beep() override { ++beeps_; }
    void messageBox(const std::string& text) override {
        messages_.push_back(text);
        if (whileShown) whileShown(text);
    }
    // Runs while a message box is open, as the events a real box's own loop
    // handles (a timer, a quit request) would.
    std::function<void(const std::string&)> whileShown;
    void openUrl(const std::string& url) override { urls_.push_back(url); }

    int beeps() const { return beeps_; }
    const std::vector<std::string>& messages() const { return messages_; }
    const std::vector<std::string>& openedUrls() const { return urls_; }

  private:
    int beeps_ = 0;
    std::vector<std::string> messages_;
    std::vector<std::string> urls_;
};

class HeadlessClipboard : public Clipboard {
  public:
    std::optional<std::string> text() const override { return text_; }
    void setText(const std::string& text) override { text_ = text; }
    void clear() { text_.reset(); }

  private:
    std::optional<std::string> text_;
};

// en-US forms by default; the decimal separator is settable.
class HeadlessLocale : public Locale {
  public:
    char32_t decimalSeparator() const override { return decimal_; }
    void setDecimalSeparator(char32_t c) { decimal_ = c; }
    std::string abbreviatedDate(const DateTime& when) const override;  // "Mon, Jan 1, 2024"
    std::string longTime(const DateTime& when) const override;         // "1:05:09 PM"

  private:
    char32_t decimal_ = U'.';
};

// Real files (tests give a temporary folder); type codes kept in memory.
class HeadlessFiles : public Files {
  public:
    explicit HeadlessFiles(std::optional<std::filesystem::path> preferencesFolder,
                           std::optional<std::filesystem::path> dataFolder = std::nullopt)
        : prefs_(std::move(preferencesFolder)), data_(std::move(dataFolder)) {}

    std::optional<std::filesystem::path> preferencesFolder() const override { return prefs_; }
    std::optional<std::filesystem::path> dataFolder() const override { return data_; }
    bool exists(const std::filesystem::path& file) const override;
    std::optional<std::vector<std::string>> readLines(
        const std::filesystem::path& file) const override;
    // Lines end with LF.
    bool writeLines(const std::filesystem::path& file,
                    const std::vector<std::string>& lines) override;
    bool remove(const std::filesystem::path& file) override;
    void setTypeCode(const std::filesystem::path& file, const std::string& code) override;
    std::string typeCode(const std::filesystem::path& file) const override;

  private:
    std::optional<std::filesystem::path> prefs_;
    std::optional<std::filesystem::path> data_;
    std::map<std::filesystem::path, std::string> typeCodes_;
};

class HeadlessDesktop : public Desktop {
  public:
    HeadlessDesktop();

    Modifiers modifiersNow() const override { return modifiers_; }
    void setModifiersNow(Modifiers m) { modifiers_ = m; }
    Point mousePosition() const override { return mouse_; }
    void setMousePosition(Point p) { mouse_ = p; }
    std::vector<Screen> screens() const override { return screens_; }
    void setScreens(std::vector<Screen> s) { screens_ = std::move(s); }

    void bringProcessToFront() override { ++frontRequests_; }
    int frontRequests() const { return frontRequests_; }
    // Immediate: the window takes the size at once.
    void animateResize(Window& window, int width, int height) override;
    int animatedResizes() const { return resizes_; }
    // A small utility title bar and a one-pixel frame around the content.
    Rect structureBounds(const Window& window) const override;
    void setTitleBarHeight(int h) { titleBar_ = h; }
    int titleBarHeight() const { return titleBar_; }

    // Answers the next contextual menus in order, by row text; none cancels.
    // With no answer queued the menu is dismissed.
    void answerPopup(std::optional<std::string> rowText) { answers_.push_back(std::move(rowText)); }
    std::optional<int> popupMenu(const std::vector<std::string>& rows, Point at) override;
    const std::vector<std::vector<std::string>>& shownPopups() const { return shown_; }

    // Answers the next save-file dialogs in order; none cancels. With no
    // answer queued the dialog is cancelled.
    void answerSaveFile(std::optional<std::filesystem::path> file) {
        saveAnswers_.push_back(std::move(file));
    }
    std::optional<std::filesystem::path> saveFileDialog(const std::string& prompt,
                                                        const std::string& suggestedName) override;
    struct SaveDialog {
        std::string prompt;
        std::string suggestedName;
    };
    const std::vector<SaveDialog>& shownSaveDialogs() const { return saveShown_; }

  private:
    Modifiers modifiers_;
    Point mouse_;
    std::vector<Screen> screens_;
    int frontRequests_ = 0;
    int resizes_ = 0;
    int titleBar_ = 16;
    std::deque<std::optional<std::string>> answers_;
    std::vector<std::vector<std::string>> shown_;
    std::deque<std::optional<std::filesystem::path>> saveAnswers_;
    std::vector<SaveDialog> saveShown_;
};

struct PrintedJob {
    PageSetup setup;
    std::vector<std::vector<DrawOp>> pages;
};

class HeadlessPrinting : public Printing {
  public:
    // Dialog answers: the page setup dialog may apply a setup; the print
    // dialog prints or cancels.
    void setPageSetupAnswer(bool ok, std::optional<PageSetup> apply = std::nullopt);
    void setPrintAnswer(bool print) { print_ = print; }

    bool pageSetupDialog(PageSetup& setup) override;
    std::unique_ptr<Graphics> printDialog(const PageSetup& setup) override;

    int pageSetupDialogs() const { return setupDialogs_; }
    int printDialogs() const { return printDialogs_; }
    const std::vector<PrintedJob>& jobs() const { return jobs_; }
    void addJob(PrintedJob job) { jobs_.push_back(std::move(job)); }

  private:
    bool setupOk_ = true;
    std::optional<PageSetup> apply_;
    bool print_ = true;
    int setupDialogs_ = 0;
    int printDialogs_ = 0;
    std::vector<PrintedJob> jobs_;
};

struct HttpReply {
    int status = 200;
    HttpHeaders headers;
    std::string body;
    std::optional<int> error;  // set: the error event instead of a page

    static HttpReply page(std::string body, int status = 200) {
        return {status, {}, std::move(body), {}};
    }
    static HttpReply failure(int code) { return {0, {}, {}, code}; }
};

// Requests never reach the network: the responder answers them, and the
// answer is delivered at a later loop turn (progress, then the page).
// Without a responder every request fails with kNoResponder.
class HeadlessHttp : public HttpTransport {
  public:
    static constexpr int kNoResponder = -1;

    explicit HeadlessHttp(HeadlessEventLoop& loop) : loop_(loop) {}

    void setResponder(std::function<HttpReply(const std::string& url)> r) {
        responder_ = std::move(r);
    }
    void get(const std::string& url, HttpCallbacks callbacks) override;
    const std::vector<std::string>& requests() const { return requests_; }

  private:
    HeadlessEventLoop& loop_;
    std::function<HttpReply(const std::string& url)> responder_;
    std::vector<std::string> requests_;
};

// Pictures from a resources folder. Sizes come from PNG and PSD headers; other
// files get a 32 × 32 placeholder size. A missing folder or file gives none.
class FolderResources : public Resources {
  public:
    explicit FolderResources(std::optional<std::filesystem::path> folder)
        : folder_(std::move(folder)) {}

    void setFolder(std::optional<std::filesystem::path> folder) { folder_ = std::move(folder); }
    PicturePtr loadPicture(const std::string& fileName) override;
    // Any number: a resource cursor of that number.
    std::optional<Cursor> cursor(int resourceNumber) override;
    int loads() const { return loads_; }

  private:
    std::optional<std::filesystem::path> folder_;
    int loads_ = 0;
};

}  // namespace tavrel::platform::headless
