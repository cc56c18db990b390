#pragma once

#include <cstdint>

namespace zefa {

// A screen colour, for the display data of grids and labels.
struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    constexpr bool operator==(const Rgb&) const = default;
};

// A colour written as a Windows colour number, red in the low byte (0x00BBGGRR): 15793151 is
// a cream (255, 251, 240).
constexpr Rgb windowsColour(std::uint32_t value) {
    return {std::uint8_t(value & 0xFF), std::uint8_t((value >> 8) & 0xFF), std::uint8_t((value >> 16) & 0xFF)};
}

static_assert(windowsColour(15793151) == Rgb{255, 251, 240});

} // namespace zefa
