// Paragraph alignments start uniform: one entry per carriage-return-separated paragraph.
#include "tavrel/platform/styled_text.h"

#include <algorithm>

namespace tavrel::platform {

StyledText::StyledText(std::string text, TextStyle base, Alignment alignment)
    : text_(std::move(text)), base_(std::move(base)) {
    auto paragraphs = static_cast<std::size_t>(std::count(text_.begin(), text_.end(), '\r')) + 1;
    alignments_.assign(paragraphs, alignment);
}

}  // namespace tavrel::platform
