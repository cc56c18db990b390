#include "jvdata/DateTime.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>

namespace zefa {
namespace {

struct Token {
    std::string_view text;
    int width;
    int DateTime::*field;
};

constexpr std::array<Token, 6> kTokens{{
    {"yyyy", 4, &DateTime::year},
    {"mm", 2, &DateTime::month},
    {"dd", 2, &DateTime::day},
    {"hh", 2, &DateTime::hour},
    {"nn", 2, &DateTime::minute},
    {"ss", 2, &DateTime::second},
}};

std::chrono::year_month_day dateOf(const DateTime& time) {
    return std::chrono::year_month_day{std::chrono::year{time.year}, std::chrono::month{unsigned(time.month)},
                                       std::chrono::day{unsigned(time.day)}};
}

} // namespace

std::string formatDateTime(const DateTime& time, std::string_view pattern) {
    std::string out;
    size_t i = 0;
    while (i < pattern.size()) {
        const auto token = std::find_if(kTokens.begin(), kTokens.end(),
                                        [&](const Token& t) { return pattern.substr(i, t.text.size()) == t.text; });
        if (token == kTokens.end()) {
            out += pattern[i++];
            continue;
        }
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "%0*d", token->width, time.*(token->field));
        out += buffer;
        i += token->text.size();
    }
    return out;
}

std::optional<DateTime> parseDateTime(std::string_view digits) {
    if (digits.size() != 8 && digits.size() != 12 && digits.size() != 14) return std::nullopt;
    if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) return std::nullopt;
    const auto number = [&](size_t at, size_t length) {
        return at + length <= digits.size() ? std::stoi(std::string(digits.substr(at, length))) : 0;
    };
    DateTime time{number(0, 4), number(4, 2), number(6, 2), number(8, 2), number(10, 2), number(12, 2)};
    if (time.month < 1 || time.month > 12 || !dateOf(time).ok()) return std::nullopt;
    if (time.hour > 23 || time.minute > 59 || time.second > 59) return std::nullopt;
    return time;
}

DateTime addDays(const DateTime& time, int days) {
    const std::chrono::year_month_day shifted{std::chrono::sys_days{dateOf(time)} + std::chrono::days{days}};
    DateTime out = time;
    out.year = int(shifted.year());
    out.month = int(unsigned(shifted.month()));
    out.day = int(unsigned(shifted.day()));
    return out;
}

int daysBetween(const DateTime& from, const DateTime& to) {
    return int((std::chrono::sys_days{dateOf(to)} - std::chrono::sys_days{dateOf(from)}).count());
}

} // namespace zefa
