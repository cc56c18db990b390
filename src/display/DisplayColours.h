#pragma once

#include "jvdata/Rgb.h"

#include <array>

namespace zefa {

// The colours of the race display.
namespace colour {
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kMagenta{255, 0, 255};
inline constexpr Rgb kYellow{255, 255, 0};
inline constexpr Rgb kCyan{0, 255, 255};
inline constexpr Rgb kSilver{192, 192, 192};
inline constexpr Rgb kGreyText{128, 128, 128};
inline constexpr Rgb kHeaderGreen{152, 242, 164};
inline constexpr Rgb kLightCyan{162, 255, 255};
inline constexpr Rgb kInfoTip{255, 255, 225}; // the desktop's tooltip background
inline constexpr Rgb kCream = windowsColour(15793151);
inline constexpr Rgb kTurfGreen{0, 128, 0};
inline constexpr Rgb kMaroon{128, 0, 0};
} // namespace colour

// The colours of brackets 1..8: white, grey, red, blue, yellow, green, orange, magenta.
inline constexpr std::array<Rgb, 8> kBracketColours{{
    {255, 255, 255}, {128, 128, 128}, {255, 0, 0}, {0, 0, 255}, {255, 255, 0}, {0, 255, 0}, {255, 128, 0}, {255, 0, 255}}};

// A bracket's colour; white for a runner without a bracket.
constexpr Rgb bracketColour(int bracket) {
    return bracket >= 1 && bracket <= int(kBracketColours.size()) ? kBracketColours[size_t(bracket - 1)] : colour::kWhite;
}

// Text on a bracket's colour: black on the light brackets 1 and 5 (and on white), white on the others.
constexpr Rgb bracketTextColour(int bracket) {
    const Rgb background = bracketColour(bracket);
    return background == colour::kWhite || background == colour::kYellow ? colour::kBlack : colour::kWhite;
}

// A rank or finishing position: red for 1, blue for 2 and 3, black otherwise.
constexpr Rgb rankColour(int rank) {
    if (rank == 1) return colour::kRed;
    return rank == 2 || rank == 3 ? colour::kBlue : colour::kBlack;
}

} // namespace zefa
