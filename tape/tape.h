// The paper tape. Each step appends whole lines, built from the registers'
// texts at the moment of the call, to a text surface (the window's text area,
// or memory in tests and the command line). Lines end with a carriage return.
// The tape never edits what it has written; only clear() shortens it.
#pragma once

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "core/calculator.h"

namespace tavrel {

// What the tape needs of a multi-line text area. Lengths and positions count
// characters (code points), not bytes.
class TapeSurface {
  public:
    virtual ~TapeSurface() = default;
    virtual const std::string& text() const = 0;
    virtual void append(std::string_view text) = 0;  // must not rebuild the whole text
    virtual void clearText() = 0;
    virtual std::size_t length() const = 0;
    virtual void setSelStart(std::size_t position) = 0;
    virtual long scrollPosition() const = 0;
    virtual void setScrollPosition(long topLine) = 0;  // clamps to the last line
};

// A surface in memory: for tests, benchmarks and the command line.
class MemoryTapeSurface : public TapeSurface {
  public:
    const std::string& text() const override { return text_; }
    void append(std::string_view text) override;
    void clearText() override;
    std::size_t length() const override { return chars_; }
    void setSelStart(std::size_t position) override { selStart_ = position; }
    long scrollPosition() const override { return scroll_; }
    void setScrollPosition(long topLine) override;
    std::size_t selStart() const { return selStart_; }
    long lineCount() const { return lines_; }

  private:
    std::string text_;
    std::size_t chars_ = 0;
    long lines_ = 0;  // carriage returns written
    std::size_t selStart_ = 0;
    long scroll_ = 0;
};

struct LocalDateTime {
    int year = 2000, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0;
};

// The date and time forms of the stamp lines, for surfaces without a system
// to ask (the window asks the system's own forms).
std::string abbreviatedDate(const LocalDateTime& t);  // "Fri, Dec 11, 2026"
std::string longTime(const LocalDateTime& t);         // "12:34:56 pm"

// The current date and time, already written in the system's forms; taken once per stamp.
struct StampText {
    std::string date;
    std::string time;
};
using StampSource = std::function<StampText()>;
StampSource stampsFrom(std::function<LocalDateTime()> now);

// Code points in a UTF-8 text.
std::size_t characterCount(std::string_view utf8);

// A value written from outside the registers (a builder's tool), with the
// name it is tagged with.
struct TapeValue {
    std::string value;
    std::string tag;
};

class Tape {
  public:
    Tape(TapeSurface& surface, const Registers& registers, StampSource now)
        : surface_(surface), regs_(registers), now_(std::move(now)) {}

    void display(const std::string& tag);
    void clear();
    void timeStamp();
    void lineFeed();
    void carriageReturn();
    void insertAtEnd();
    // A tool's record: its title, one value line per value ("value", padding,
    // tag; at least two spaces before the tag, so that reading the line back
    // still finds the value's end), the note lines, then an empty line.
    void record(std::string_view title, std::span<const TapeValue> values,
                std::span<const std::string> notes);

    const std::string& text() const { return surface_.text(); }

  private:
    TapeSurface& surface_;
    const Registers& regs_;
    StampSource now_;
};

}  // namespace tavrel
