#include "analysis/OddsText.h"

#include "jvdata/RecordView.h"

#include <algorithm>
#include <cmath>

namespace zefa {

double oddsValue(std::string_view text) {
    const std::string_view value = trimmed(text);
    if (value.empty()) return kBlankOdds;
    if (!std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; })) return kCancelledOdds;
    return double(fieldNumber(value)) / 10;
}

long long oddsTenths(double odds) { return std::llround(odds * 10); }

} // namespace zefa
