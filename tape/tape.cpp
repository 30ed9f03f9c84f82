// Line forms of the tape. A step builds its lines in one buffer and appends
// them once, so a step costs the same however long the tape already is.
#include "tape.h"

#include <chrono>
#include <cstdio>

#include "core/unit_table.h"

namespace tavrel {
namespace {

constexpr char kCR = '\r';
constexpr std::string_view kSeparator = "------------------";

std::string padding(const std::string& tag) {
    const std::size_t n = characterCount(tag);
    return std::string(n < 6 ? 6 - n : 0, ' ');
}

bool isPitchTag(const std::string& tag) {
    return sameCode(tag, "ptch");
}

}  // namespace

std::size_t characterCount(std::string_view utf8) {
    std::size_t n = 0;
    for (unsigned char c : utf8)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

void MemoryTapeSurface::append(std::string_view text) {
    text_.append(text);
    chars_ += characterCount(text);
    for (char c : text)
        if (c == kCR) ++lines_;
}

void MemoryTapeSurface::clearText() {
    text_.clear();
    chars_ = 0;
    lines_ = 0;
    selStart_ = 0;
    scroll_ = 0;
}

void MemoryTapeSurface::setScrollPosition(long topLine) {
    const long last = lines_ > 0 ? lines_ - 1 : 0;
    scroll_ = topLine < 0 ? 0 : (topLine > last ? last : topLine);
}

std::string abbreviatedDate(const LocalDateTime& t) {
    using namespace std::chrono;
    static constexpr const char* kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                              "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const year_month_day ymd{year{t.year}, month{static_cast<unsigned>(t.month)},
                             day{static_cast<unsigned>(t.day)}};
    const unsigned wd = ymd.ok() ? weekday{sys_days{ymd}}.c_encoding() : 0;
    const int m = (t.month >= 1 && t.month <= 12) ? t.month - 1 : 0;
    return std::string(kDays[wd]) + ", " + kMonths[m] + " " + std::to_string(t.day) + ", " +
           std::to_string(t.year);
}

std::string longTime(const LocalDateTime& t) {
    const int h12 = t.hour % 12 == 0 ? 12 : t.hour % 12;
    char buf[32];
    std::snprintf(buf, sizeof buf, "%d:%02d:%02d %s", h12, t.minute, t.second,
                  t.hour < 12 ? "am" : "pm");
    return buf;
}

StampSource stampsFrom(std::function<LocalDateTime()> now) {
    return [now = std::move(now)] {
        const LocalDateTime t = now();
        return StampText{abbreviatedDate(t), longTime(t)};
    };
}

void Tape::display(const std::string& tag) {
    const std::string pad = padding(tag);
    std::string lines;
    if (isPitchTag(tag)) {
        const mixedUnitCU& r = *regs_.runningReg;
        if (sameCode(r.unit, "in"))
            lines = r.valueString + " in 12\"" + pad + tag + kCR;
        else if (sameCode(r.unit, "nu"))
            lines = r.valueString + "\u00B0" + pad + tag + kCR;
    } else {
        lines = regs_.tempReg->valueString + pad + tag + kCR;
        if (tag == "=")
            lines += regs_.runningReg->valueString + pad + "\u25CA" + kCR + kCR;
        else if (tag == "\u25CA")
            lines += kCR;
    }
    if (!lines.empty()) surface_.append(lines);
    insertAtEnd();
    surface_.setScrollPosition(surface_.scrollPosition() + 100000);
}

void Tape::clear() {
    surface_.clearText();
}

void Tape::timeStamp() {
    const StampText t = now_ ? now_() : StampText{};
    std::string lines = t.date + kCR + t.time + kCR;
    lines += kSeparator;
    lines += kCR;
    surface_.append(lines);
    insertAtEnd();
}

void Tape::lineFeed() {
    insertAtEnd();
    std::string line(kSeparator);
    line += kCR;
    surface_.append(line);
}

void Tape::carriageReturn() {
    surface_.append(std::string_view(&kCR, 1));
    insertAtEnd();
}

void Tape::record(std::string_view title, std::span<const TapeValue> values,
                  std::span<const std::string> notes) {
    std::string lines(title);
    lines += kCR;
    for (const TapeValue& v : values) {
        const std::size_t n = characterCount(v.tag);
        lines += v.value;
        lines.append(n < 4 ? 6 - n : 2, ' ');
        lines += v.tag;
        lines += kCR;
    }
    for (const std::string& note : notes) {
        lines += note;
        lines += kCR;
    }
    lines += kCR;
    surface_.append(lines);
    insertAtEnd();
    surface_.setScrollPosition(surface_.scrollPosition() + 100000);
}

void Tape::insertAtEnd() {
    surface_.setSelStart(surface_.length());
}

}  // namespace tavrel
