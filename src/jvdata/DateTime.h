#pragma once

#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace zefa {

// A local calendar date and clock time, as the race days and the schedule use them.
struct DateTime {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;

    auto operator<=>(const DateTime&) const = default;
};

// Formats with the patterns the program writes: "yyyy", "mm", "dd", "hh", "nn" (minutes)
// and "ss" are replaced by zero-padded fields, every other character is copied.
// Example: "yyyy/mm/dd hh:nn:ss".
std::string formatDateTime(const DateTime& time, std::string_view pattern);

// Reads "yyyymmdd", "yyyymmddhhnn" or "yyyymmddhhnnss" digits; nullopt for anything else
// or for a date that does not exist.
std::optional<DateTime> parseDateTime(std::string_view digits);

// The same clock time on the day `days` later (negative: earlier).
DateTime addDays(const DateTime& time, int days);

// Calendar days from the date of `from` to the date of `to` (negative when `to` is earlier).
int daysBetween(const DateTime& from, const DateTime& to);

} // namespace zefa
