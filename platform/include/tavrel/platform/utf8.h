// UTF-8 helpers for the text controls: text is stored as UTF-8 bytes while
// carets, selections and lengths are counted in Unicode code points.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tavrel::platform::utf8 {

// Number of code points; a malformed byte counts as one character.
std::size_t length(std::string_view text);

// Byte offset of the code point with the given index (clamped to the end).
std::size_t byteOffset(std::string_view text, std::size_t charIndex);

// The characters [start, start + count) as UTF-8.
std::string substr(std::string_view text, std::size_t start, std::size_t count);

// First code point, or 0 for empty text.
char32_t firstCodePoint(std::string_view text);

std::string encode(char32_t codePoint);

}  // namespace tavrel::platform::utf8
