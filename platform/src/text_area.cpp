// Scroll clamping and hit-testing need only the running line count, except
// charOffsetAt, which walks to the clicked line (a click, not an append).
#include "tavrel/platform/text_area.h"

#include <algorithm>

#include "tavrel/platform/utf8.h"

namespace tavrel::platform {

std::size_t TextArea::visibleLineCount() const {
    int lh = metrics::lineHeight(textSize());
    return static_cast<std::size_t>(std::max(1, height() / lh));
}

std::size_t TextArea::maxScroll() const {
    std::size_t lines = lineCount();
    std::size_t visible = visibleLineCount();
    return lines > visible ? lines - visible : 0;
}

void TextArea::setScrollPosition(long long topLine) {
    auto top = static_cast<std::size_t>(std::max<long long>(0, topLine));
    assign(scroll_, std::min(top, maxScroll()), Property::Scroll);
}

void TextArea::textReplaced() {
    runs_.clear();
    paragraphAlign_.clear();
    if (scroll_ > maxScroll()) {
        scroll_ = maxScroll();
        notify(Property::Scroll);
    }
}

void TextArea::textAppendedAtEnd(std::string_view, std::size_t newLines) {
    if (!paragraphAlign_.empty())
        paragraphAlign_.insert(paragraphAlign_.end(), newLines, alignment());
}

StyledText TextArea::styledText() const {
    StyledText st(text(), textStyle(), alignment());
    for (std::size_t i = 0; i < paragraphAlign_.size() && i < st.paragraphCount(); ++i)
        st.setParagraphAlignment(i, paragraphAlign_[i]);
    for (const auto& r : runs_) st.addRun(r);
    return st;
}

void TextArea::setStyledText(const StyledText& styled) {
    setText(styled.text());
    const auto& a = styled.paragraphAlignments();
    bool uniform = std::all_of(a.begin(), a.end(), [&](Alignment x) { return x == alignment(); });
    if (!uniform) paragraphAlign_ = a;
    runs_ = styled.runs();
    notify(Property::Appearance);
}

std::size_t TextArea::charOffsetAt(int x, int y) const {
    if (view()) {
        if (auto measured = view()->charOffsetAt(*this, x, y)) return *measured;
    }
    int lh = metrics::lineHeight(textSize());
    int cw = metrics::charWidth(textSize());
    std::size_t line = scroll_ + static_cast<std::size_t>(std::max(0, y / lh));
    if (line >= lineCount()) return length();
    // Find the clicked line's start and length (in characters).
    const std::string& t = text();
    std::size_t byte = 0;
    std::size_t charStart = 0;
    for (std::size_t l = 0; l < line; ++l) {
        std::size_t cr = t.find('\r', byte);
        charStart += utf8::length(std::string_view(t).substr(byte, cr - byte)) + 1;
        byte = cr + 1;
    }
    std::size_t cr = t.find('\r', byte);
    std::size_t lineLen =
        utf8::length(std::string_view(t).substr(byte, cr == std::string::npos ? cr : cr - byte));
    Alignment a = line < paragraphAlign_.size() ? paragraphAlign_[line] : alignment();
    int textWidth = static_cast<int>(lineLen) * cw;
    int origin = 0;
    if (a == Alignment::Right) origin = width() - textWidth;
    if (a == Alignment::Center) origin = (width() - textWidth) / 2;
    int col = (x - origin + cw / 2) / cw;
    if (x < origin) col = 0;
    return charStart + std::min(lineLen, static_cast<std::size_t>(std::max(0, col)));
}

std::size_t TextArea::caretForClick(int x, int y) const {
    return charOffsetAt(x, y);
}

bool TextArea::defaultKey(const KeyEvent& key) {
    if (key.code == keys::Return && !readOnly()) {
        editRange(selStart(), selLength(), "\r");
        return true;
    }
    return TextEdit::defaultKey(key);
}

}  // namespace tavrel::platform
