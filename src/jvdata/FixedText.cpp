#include "jvdata/FixedText.h"

#include <algorithm>
#include <cstdio>

namespace zefa {
namespace {

constexpr size_t kClockLength = 4;
constexpr long long kMinutesPerHour = 60;

int digitsValue(std::string_view digits) {
    int value = 0;
    for (const char c : digits) value = value * 10 + (c - '0');
    return value;
}

} // namespace

std::string addMinutes(std::string_view hhmm, int minutes) {
    // A blank or non-numeric clock is no time at all, so it stays empty rather than failing.
    if (hhmm.size() < kClockLength ||
        !std::all_of(hhmm.begin(), hhmm.begin() + kClockLength, [](char c) { return c >= '0' && c <= '9'; }))
        return {};
    // Before midnight there is no earlier time of the day: the clock stops at "0000".
    const long long total = std::max(0LL, digitsValue(hhmm.substr(0, 2)) * kMinutesPerHour +
                                              digitsValue(hhmm.substr(2, 2)) + minutes);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%02lld%02lld", total / kMinutesPerHour, total % kMinutesPerHour);
    return buffer;
}

std::string overwriteAt(std::string_view text, std::string_view piece, int position) {
    // A position outside the text moves to its nearest end; just past the last byte appends.
    const auto at = size_t(std::clamp<long long>(position, 1, static_cast<long long>(text.size()) + 1) - 1);
    std::string out(text.substr(0, at));
    out += piece;
    if (at + piece.size() < text.size()) out += text.substr(at + piece.size());
    return out;
}

} // namespace zefa
