// Plain value types shared by controls, windows and graphics: colours, points,
// rectangles and text alignment. No behaviour beyond comparison.
#pragma once

#include <cstdint>

namespace tavrel::platform {

struct Color {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    // 0xRRGGBB, the form the window design writes colours in.
    static constexpr Color fromRgb(std::uint32_t rgb) {
        return {static_cast<std::uint8_t>((rgb >> 16) & 0xFF),
                static_cast<std::uint8_t>((rgb >> 8) & 0xFF),
                static_cast<std::uint8_t>(rgb & 0xFF)};
    }
    constexpr std::uint32_t rgb() const {
        return (std::uint32_t{red} << 16) | (std::uint32_t{green} << 8) | blue;
    }
    friend constexpr bool operator==(const Color&, const Color&) = default;
};

struct Point {
    int x = 0;
    int y = 0;
    friend constexpr bool operator==(const Point&, const Point&) = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    constexpr bool contains(int x, int y) const {
        return x >= left && y >= top && x < left + width && y < top + height;
    }
    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

enum class Alignment { Default, Left, Center, Right };

}  // namespace tavrel::platform
