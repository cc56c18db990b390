#include "analysis/OddsText.h"

#include "jvdata/RecordView.h"

#include <cmath>

namespace zefa {

double oddsValue(std::string_view text) {
    const std::string_view value = trimmed(text);
    if (value.empty()) return kBlankOdds;
    long long tenths = 0;
    for (const char c : value) {
        if (c < '0' || c > '9') return kCancelledOdds;
        tenths = tenths * 10 + (c - '0');
    }
    return double(tenths) / 10;
}

long long oddsTenths(double odds) { return std::llround(odds * 10); }

} // namespace zefa
