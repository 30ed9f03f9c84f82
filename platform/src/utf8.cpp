// Walks UTF-8 lead bytes; continuation bytes (10xxxxxx) never start a character.
#include "tavrel/platform/utf8.h"

namespace tavrel::platform::utf8 {
namespace {

bool isContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

std::size_t sequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    if ((lead & 0xF8) == 0xF0) return 4;
    return 1;
}

// Advances over one character, tolerating truncated sequences.
std::size_t next(std::string_view text, std::size_t at) {
    std::size_t n = sequenceLength(static_cast<unsigned char>(text[at]));
    std::size_t end = at + 1;
    while (end < text.size() && end < at + n &&
           isContinuation(static_cast<unsigned char>(text[end])))
        ++end;
    return end;
}

}  // namespace

// ASCII bytes are one character each and need no walk: the common case.
std::size_t length(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++count)
        i = static_cast<unsigned char>(text[i]) < 0x80 ? i + 1 : next(text, i);
    return count;
}

std::size_t byteOffset(std::string_view text, std::size_t charIndex) {
    std::size_t i = 0;
    for (; i < text.size() && charIndex > 0; --charIndex)
        i = static_cast<unsigned char>(text[i]) < 0x80 ? i + 1 : next(text, i);
    return i;
}

std::string substr(std::string_view text, std::size_t start, std::size_t count) {
    std::size_t from = byteOffset(text, start);
    std::size_t to = from + byteOffset(text.substr(from), count);
    return std::string(text.substr(from, to - from));
}

char32_t firstCodePoint(std::string_view text) {
    if (text.empty()) return 0;
    auto lead = static_cast<unsigned char>(text[0]);
    std::size_t n = sequenceLength(lead);
    if (n == 1) return lead;
    char32_t cp = lead & (0x7F >> n);
    for (std::size_t i = 1; i < n && i < text.size(); ++i)
        cp = (cp << 6) | (static_cast<unsigned char>(text[i]) & 0x3F);
    return cp;
}

std::string encode(char32_t cp) {
    std::string out;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
    return out;
}

}  // namespace tavrel::platform::utf8
