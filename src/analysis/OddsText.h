#pragma once

#include <string_view>

namespace zefa {

// Odds values that are no odds: 0 is "no odds" (all zeros, or nothing filled the field).
inline constexpr double kCancelledOdds = -1; // the entry's sale is cancelled ("----" or "****")
inline constexpr double kBlankOdds = -2;     // the entry is blank in a record that exists

// The value of an odds field's text: its digits in tenths ("0123" is 12.3), kBlankOdds when it is
// blank, kCancelledOdds for the cancel marks. Any other text (JV-Data writes none) cannot be
// bet on either, so it counts as cancelled too.
double oddsValue(std::string_view text);

// True when odds are a number (0 included), not a cancel mark or a blank.
constexpr bool isOddsNumber(double odds) { return odds >= 0; }

// Odds as they are compared: whole tenths.
long long oddsTenths(double odds);

} // namespace zefa
