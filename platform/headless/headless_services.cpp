// Headless services: records and scripted answers; files are real files.
#include "tavrel/platform/headless/headless_services.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <fstream>
#include <sstream>

#include "tavrel/platform/headless/headless_event_loop.h"
#include "tavrel/platform/window.h"

namespace tavrel::platform::headless {

namespace fs = std::filesystem;

std::string HeadlessLocale::abbreviatedDate(const DateTime& when) const {
    static constexpr std::array<const char*, 7> kDays{"Sun", "Mon", "Tue", "Wed",
                                                      "Thu", "Fri", "Sat"};
    static constexpr std::array<const char*, 12> kMonths{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::ostringstream out;
    out << kDays[static_cast<std::size_t>(when.dayOfWeek() - 1)] << ", "
        << kMonths[static_cast<std::size_t>(when.month - 1)] << ' ' << when.day << ", "
        << when.year;
    return out.str();
}

std::string HeadlessLocale::longTime(const DateTime& when) const {
    int hour12 = when.hour % 12 == 0 ? 12 : when.hour % 12;
    char buf[32];
    std::snprintf(buf, sizeof buf, "%d:%02d:%02d %s", hour12, when.minute, when.second,
                  when.hour < 12 ? "AM" : "PM");
    return buf;
}

bool HeadlessFiles::exists(const fs::path& file) const {
    std::error_code ec;
    return fs::exists(file, ec);
}

std::optional<std::vector<std::string>> HeadlessFiles::readLines(const fs::path& file) const {
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < all.size(); ++i) {
        char c = all[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(std::move(line));
            line.clear();
            if (c == '\r' && i + 1 < all.size() && all[i + 1] == '\n') ++i;
        } else {
            line += c;
        }
    }
    if (!line.empty()) lines.push_back(std::move(line));
    return lines;
}

namespace {

// The new contents reach the disk before they replace the old file, so a
// system crash right after the move cannot leave an empty file behind.
bool syncToDisk(const fs::path& file) {
    const int fd = ::open(file.c_str(), O_RDONLY);
    if (fd < 0) return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

}  // namespace

bool HeadlessFiles::writeLines(const fs::path& file, const std::vector<std::string>& lines) {
    // Written beside the file and moved over it, so a failed write never
    // leaves a half-written file where the old one was.
    fs::path temp = file;
    temp += ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        for (const auto& l : lines) out << l << '\n';
        out.flush();
        out.close();
        if (!out || !syncToDisk(temp)) {
            std::error_code ignored;
            fs::remove(temp, ignored);
            return false;
        }
    }
    std::error_code ec;
    fs::rename(temp, file, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        return false;
    }
    return true;
}

bool HeadlessFiles::remove(const fs::path& file) {
    std::error_code ec;
    typeCodes_.erase(file);
    return fs::remove(file, ec);
}

void HeadlessFiles::setTypeCode(const fs::path& file, const std::string& code) {
    typeCodes_[file] = code;
}

std::string HeadlessFiles::typeCode(const fs::path& file) const {
    auto it = typeCodes_.find(file);
    return it == typeCodes_.end() ? std::string() : it->second;
}

HeadlessDesktop::HeadlessDesktop() {
    // One 1440 × 900 screen with a 22-pixel menu bar and no side Dock.
    screens_.push_back(Screen{{0, 0, 1440, 900}, {0, 22, 1440, 878}});
}

void HeadlessDesktop::animateResize(Window& window, int width, int height) {
    ++resizes_;
    window.setSize(width, height);
}

Rect HeadlessDesktop::structureBounds(const Window& window) const {
    const Rect& c = window.bounds();
    return {c.left - 1, c.top - titleBar_, c.width + 2, c.height + titleBar_ + 1};
}

std::optional<int> HeadlessDesktop::popupMenu(const std::vector<std::string>& rows, Point) {
    shown_.push_back(rows);
    if (answers_.empty()) return std::nullopt;
    auto answer = std::move(answers_.front());
    answers_.pop_front();
    if (!answer) return std::nullopt;
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (rows[i] == *answer) return static_cast<int>(i);
    return std::nullopt;
}

std::optional<fs::path> HeadlessDesktop::saveFileDialog(const std::string& prompt,
                                                        const std::string& suggestedName) {
    saveShown_.push_back({prompt, suggestedName});
    if (saveAnswers_.empty()) return std::nullopt;
    auto answer = std::move(saveAnswers_.front());
    saveAnswers_.pop_front();
    return answer;
}

void HeadlessPrinting::setPageSetupAnswer(bool ok, std::optional<PageSetup> apply) {
    setupOk_ = ok;
    apply_ = apply;
}

bool HeadlessPrinting::pageSetupDialog(PageSetup& setup) {
    ++setupDialogs_;
    if (setupOk_ && apply_) setup = *apply_;
    return setupOk_;
}

namespace {

// Pages are cut at each nextPage(); the job is filed when the surface goes.
class PrintSurface : public RecordingGraphics {
  public:
    PrintSurface(HeadlessPrinting& printing, const PageSetup& setup)
        : RecordingGraphics(setup.printableWidth, setup.printableHeight),
          printing_(printing),
          setup_(setup) {}
    ~PrintSurface() override {
        PrintedJob job{setup_, {{}}};
        for (const auto& op : operations()) {
            if (op.kind == DrawKind::NewPage)
                job.pages.emplace_back();
            else
                job.pages.back().push_back(op);
        }
        printing_.addJob(std::move(job));
    }

  private:
    HeadlessPrinting& printing_;
    PageSetup setup_;
};

}  // namespace

std::unique_ptr<Graphics> HeadlessPrinting::printDialog(const PageSetup& setup) {
    ++printDialogs_;
    if (!print_) return nullptr;
    return std::make_unique<PrintSurface>(*this, setup);
}

void HeadlessHttp::get(const std::string& url, HttpCallbacks callbacks) {
    requests_.push_back(url);
    HttpReply reply = responder_ ? responder_(url) : HttpReply::failure(kNoResponder);
    loop_.post([url, reply = std::move(reply), cb = std::move(callbacks)] {
        if (reply.error) {
            if (cb.error) cb.error(*reply.error);
            return;
        }
        auto size = static_cast<std::int64_t>(reply.body.size());
        if (cb.progress) cb.progress(size, size, reply.body);
        if (cb.pageReceived) cb.pageReceived(url, reply.status, reply.headers, reply.body);
    });
}

PicturePtr FolderResources::loadPicture(const std::string& fileName) {
    if (!folder_) return nullptr;
    fs::path file = *folder_ / fileName;
    std::error_code ec;
    if (!fs::is_regular_file(file, ec)) return nullptr;
    std::ifstream in(file, std::ios::binary);
    if (!in) return nullptr;
    ++loads_;
    std::string header(64, '\0');
    in.read(header.data(), static_cast<std::streamsize>(header.size()));
    header.resize(static_cast<std::size_t>(in.gcount()));
    ImageSize size = imageSizeFromHeader(header).value_or(ImageSize{32, 32});
    auto picture = std::make_shared<Picture>(size.width, size.height, 32, fileName);
    picture->setSource(file);
    return picture;
}

std::optional<Cursor> FolderResources::cursor(int resourceNumber) {
    return Cursor{StandardCursor::Resource, resourceNumber};
}

}  // namespace tavrel::platform::headless
