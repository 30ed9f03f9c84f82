// Lines travel CR-ended in the tape and LF-ended in the file. Appends go
// through an unbuffered append-mode handle: one write per call, always at
// the file's end. Whole-file writes (repairs, replace) go to a file beside
// tape.txt that is then renamed over it, so tape.txt is never half written.
#include "tape/tape_store.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

namespace tavrel {
namespace {

namespace fs = std::filesystem;

std::string systemReason() {
    return errno != 0 ? std::strerror(errno) : "unknown error";
}

// Printable UTF-8: no control characters but the tab, well-formed sequences.
bool isTextLine(std::string_view line) {
    for (std::size_t i = 0; i < line.size();) {
        const auto c = static_cast<unsigned char>(line[i]);
        if (c < 0x80) {
            if ((c < 0x20 && c != '\t') || c == 0x7F) return false;
            ++i;
            continue;
        }
        std::size_t more;
        char32_t cp;
        if (c >= 0xC2 && c <= 0xDF) {
            more = 1;
            cp = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            more = 2;
            cp = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            more = 3;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (i + more >= line.size()) return false;
        for (std::size_t k = 1; k <= more; ++k) {
            const auto d = static_cast<unsigned char>(line[i + k]);
            if ((d & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (d & 0x3F);
        }
        // Overlong forms, surrogates and values beyond Unicode are not text.
        if ((more == 2 && cp < 0x800) || (more == 3 && (cp < 0x10000 || cp > 0x10FFFF)) ||
            (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += more + 1;
    }
    return true;
}

struct SplitText {
    std::vector<std::string_view> lines;
    bool dropped = false;  // an incomplete last line, or a line that is not text, and what follows
};

// CR, LF and CR LF all end a line; only whole lines count.
SplitText splitLines(std::string_view all) {
    SplitText r;
    std::size_t start = 0;
    for (std::size_t i = 0; i < all.size(); ++i) {
        const char c = all[i];
        if (c != '\n' && c != '\r') continue;
        const std::string_view line = all.substr(start, i - start);
        if (!isTextLine(line)) {
            r.dropped = true;
            return r;
        }
        r.lines.push_back(line);
        if (c == '\r' && i + 1 < all.size() && all[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < all.size()) r.dropped = true;
    return r;
}

std::string fileText(std::string_view tapeText) {
    std::string out(tapeText);
    for (char& c : out)
        if (c == '\r') c = '\n';
    return out;
}

}  // namespace

TapeStore::~TapeStore() {
    close();
}

void TapeStore::close() {
    if (out_) std::fclose(out_);
    out_ = nullptr;
}

bool TapeStore::fail(const std::string& reason) {
    error_ = file_.string() + ": " + reason;
    return false;
}

bool TapeStore::open(std::string& savedTape) {
    close();
    savedTape.clear();
    error_.clear();

    std::string all;
    bool repair = false;
    std::error_code ec;
    if (fs::is_regular_file(file_, ec)) {
        std::ifstream in(file_, std::ios::binary);
        const std::uintmax_t size = fs::file_size(file_, ec);
        if (in && !ec) {
            const bool tailOnly = size > kReadLimit;
            if (tailOnly) in.seekg(static_cast<std::streamoff>(size - kReadLimit));
            all.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
            if (tailOnly) {
                // The read began inside a line: start at the next whole one.
                const std::size_t cut = all.find_first_of("\r\n");
                all.erase(0, cut == std::string::npos ? all.size() : cut + 1);
                repair = true;
            }
        }
    }

    SplitText split = splitLines(all);
    repair = repair || split.dropped;
    std::size_t first = 0;
    if (split.lines.size() > kLimit) {
        first = split.lines.size() - kLimit;
        repair = true;
    }
    for (std::size_t i = first; i < split.lines.size(); ++i) {
        savedTape.append(split.lines[i]);
        savedTape += '\r';
    }
    if (repair && !writeBeside(fileText(savedTape))) return false;
    return openForAppend();
}

bool TapeStore::openForAppend() {
    close();
    std::error_code ec;
    if (file_.has_parent_path()) {
        fs::create_directories(file_.parent_path(), ec);
        if (ec) return fail(ec.message());
    }
    errno = 0;
    out_ = std::fopen(file_.c_str(), "ab");
    if (!out_) return fail(systemReason());
    // Unbuffered: each append is one write of its own lines.
    std::setvbuf(out_, nullptr, _IONBF, 0);
    return true;
}

bool TapeStore::append(std::string_view tapeText) {
    if (!out_) return fail("not open");
    if (tapeText.empty()) return true;
    const std::string lines = fileText(tapeText);
    errno = 0;
    if (std::fwrite(lines.data(), 1, lines.size(), out_) != lines.size())
        return fail(systemReason());
    return true;
}

bool TapeStore::clear() {
    close();
    errno = 0;
    std::FILE* f = std::fopen(file_.c_str(), "wb");
    if (!f) return fail(systemReason());
    std::fclose(f);
    return openForAppend();
}

bool TapeStore::replace(std::string_view tapeText) {
    close();
    if (!writeBeside(fileText(tapeText))) return false;
    return openForAppend();
}

bool TapeStore::remove() {
    close();
    std::error_code ec;
    fs::remove(file_, ec);
    if (ec) return fail(ec.message());
    return true;
}

bool TapeStore::writeBeside(std::string_view text) {
    std::error_code ec;
    if (file_.has_parent_path()) {
        fs::create_directories(file_.parent_path(), ec);
        if (ec) return fail(ec.message());
    }
    fs::path temp = file_;
    temp += ".tmp";
    errno = 0;
    std::FILE* f = std::fopen(temp.c_str(), "wb");
    if (!f) return fail(systemReason());
    const bool written = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    const std::string reason = systemReason();
    const bool closed = std::fclose(f) == 0;
    if (!written || !closed) {
        fs::remove(temp, ec);
        return fail(written ? systemReason() : reason);
    }
    fs::rename(temp, file_, ec);
    if (ec) {
        const std::string why = ec.message();
        fs::remove(temp, ec);
        return fail(why);
    }
    return true;
}

}  // namespace tavrel
