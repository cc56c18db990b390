#pragma once

#include <string>
#include <string_view>

namespace zefa {

// Small edits of fixed-width texts, counted in bytes.

// Shifts a clock text "hhmm" by signed minutes without wrapping at midnight: ("0959", 5) gives
// "1004", ("2350", 30) gives "2420". Empty when the first four characters are not digits.
std::string addMinutes(std::string_view hhmm, int minutes);

// The text with the bytes from 1-based `position` on, as many as `piece` has, replaced by `piece`.
std::string overwriteAt(std::string_view text, std::string_view piece, int position);

} // namespace zefa
