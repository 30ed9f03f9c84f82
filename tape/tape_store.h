// The kept tape: tape.txt holds the tape's lines, each ended by LF, in the
// order the tape received them. Lines come in as tape text (CR-ended) and are
// appended with one write each, so a step costs the same however long the
// file is and a process killed mid-write leaves at most its last line cut.
// Loading takes the file's whole text lines, newest kLimit of them, and
// repairs the file (written beside it, then renamed over it) when it had to
// drop anything.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace tavrel {

class TapeStore {
  public:
    static constexpr std::size_t kLimit = 100000;  // lines kept across runs
    // Only this much of a file's end is read: far more than kLimit lines.
    static constexpr std::uintmax_t kReadLimit = 64u << 20;

    explicit TapeStore(std::filesystem::path file) : file_(std::move(file)) {}
    ~TapeStore();
    TapeStore(const TapeStore&) = delete;
    TapeStore& operator=(const TapeStore&) = delete;

    const std::filesystem::path& file() const { return file_; }

    // The saved tape as tape text (CR-ended lines), then opens the file for
    // appending, creating its folder. A missing, unreadable, empty or binary
    // file is an empty tape; an incomplete last line and everything from the
    // first line that is not text on are dropped. False when the file cannot
    // be written (the text read is still given); error() says why.
    bool open(std::string& savedTape);

    // Appends tape text (whole CR-ended lines) as LF-ended lines, one write.
    bool append(std::string_view tapeText);
    // Empties the file.
    bool clear();
    // Replaces the file's contents with the tape text (beside, then renamed).
    bool replace(std::string_view tapeText);
    // Closes and removes the file; a missing file is no failure.
    bool remove();

    bool isOpen() const { return out_ != nullptr; }
    // Why the last operation failed: the file and the system's reason.
    const std::string& error() const { return error_; }

  private:
    bool openForAppend();
    bool writeBeside(std::string_view fileText);
    void close();
    bool fail(const std::string& reason);

    std::filesystem::path file_;
    std::FILE* out_ = nullptr;
    std::string error_;
};

}  // namespace tavrel
