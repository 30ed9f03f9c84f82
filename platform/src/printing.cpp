// Lays the text out once per width: paragraphs split at CR, wrapped to the
// width by the surface's text measure; blocks draw whole lines only.
#include "tavrel/platform/printing.h"

#include <algorithm>

#include "tavrel/platform/utf8.h"

namespace tavrel::platform {

StyledTextPrinter::StyledTextPrinter(const StyledText& text, Graphics& surface, int width)
    : text_(text), surface_(surface), width_(width) {
    surface_.setTextStyle(text_.baseStyle());
    layout();
}

void StyledTextPrinter::setWidth(int width) {
    width_ = width;
    layout();
}

void StyledTextPrinter::layout() {
    // Re-layout keeps the position in characters already drawn.
    std::size_t drawnChars = 0;
    for (std::size_t i = 0; i < next_ && i < lines_.size(); ++i)
        drawnChars += utf8::length(lines_[i].text);
    lines_.clear();
    const std::string& all = text_.text();
    std::size_t start = 0;
    std::size_t paragraph = 0;
    while (start <= all.size()) {
        std::size_t end = all.find('\r', start);
        bool last = end == std::string::npos;
        std::string para = all.substr(start, last ? std::string::npos : end - start);
        Alignment a = paragraph < text_.paragraphCount() ? text_.paragraphAlignment(paragraph)
                                                         : Alignment::Left;
        // Wrap by characters; a line holds at least one character.
        std::size_t n = utf8::length(para);
        std::size_t pos = 0;
        do {
            std::size_t take = n - pos;
            while (take > 1 && surface_.textWidth(utf8::substr(para, pos, take)) > width_) --take;
            lines_.push_back({utf8::substr(para, pos, take), a});
            pos += take;
        } while (pos < n);
        if (last) break;
        start = end + 1;
        ++paragraph;
    }
    // A final CR ends the last line rather than starting an empty one.
    if (!all.empty() && all.back() == '\r' && !lines_.empty() && lines_.back().text.empty())
        lines_.pop_back();
    next_ = 0;
    for (std::size_t chars = 0; next_ < lines_.size() && chars < drawnChars; ++next_)
        chars += std::max<std::size_t>(1, utf8::length(lines_[next_].text));
}

void StyledTextPrinter::drawBlock(int x, int y, int height) {
    int lh = surface_.lineHeight();
    int used = 0;
    while (!eof() && used + lh <= height) {
        const Line& line = lines_[next_++];
        int w = surface_.textWidth(line.text);
        int lx = x;
        if (line.alignment == Alignment::Right) lx = x + width_ - w;
        if (line.alignment == Alignment::Center) lx = x + (width_ - w) / 2;
        used += lh;
        surface_.drawText(line.text, lx, y + used - lh / 4);
    }
    // A block too short for one line still moves on, so a print loop ends.
    if (used == 0 && !eof()) ++next_;
}

}  // namespace tavrel::platform
