#include "jvdata/NumberFormat.h"

#include "jvdata/CodeTable.h"
#include "jvdata/RecordView.h"

#include <cstdio>

namespace zefa {
namespace {

constexpr int kTenthsPerMinute = 600;
constexpr double kLastSectionHundreds = 6; // the last 600 metres, in hundreds of metres
constexpr double kSectionHundreds = 6;     // the pace is given per 600 metres
constexpr size_t kPaceLength = 3;
constexpr size_t kMarginLength = 5;
constexpr size_t kRunTimeLength = 4;
constexpr size_t kRunTimeTextLength = 6;

// The characters from 1-based `position` on, fewer when the text is shorter.
std::string_view piece(std::string_view text, size_t position, size_t length) {
    return position > text.size() ? std::string_view() : text.substr(position - 1, length);
}

bool allBlank(std::string_view text) { return text.find_first_not_of(' ') == std::string_view::npos; }

std::string fixedPoint(double value, int width, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%*.*f", width, decimals, value);
    return buffer;
}

std::string tenths(std::string_view field, int width) {
    const long long value = fieldNumber(field);
    return value == 0 ? std::string(field.size(), ' ') : fixedPoint(double(value) / 10, width, 1);
}

constexpr CodeRow<1> kCircledNumbers[] = {
    {"1", "①"},  {"2", "②"},  {"3", "③"},  {"4", "④"},  {"5", "⑤"},  {"6", "⑥"},
    {"7", "⑦"},  {"8", "⑧"},  {"9", "⑨"},  {"10", "⑩"}, {"11", "⑪"}, {"12", "⑫"},
    {"13", "⑬"}, {"14", "⑭"}, {"15", "⑮"}, {"16", "⑯"}, {"17", "⑰"}, {"18", "⑱"},
};

const CodeTable& circledNumbers() {
    static const CodeTable table(kCircledNumbers, {{.fallback = "－"}});
    return table;
}

} // namespace

std::string rightAligned(long long value, int width) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%*lld", width, value);
    return buffer;
}

std::string paddedNumber(std::string_view field) {
    const long long value = fieldNumber(field);
    return value == 0 ? std::string(field.size(), ' ') : rightAligned(value, int(field.size()));
}

std::string tenthsText(std::string_view field) { return tenths(field, int(field.size()) - 1); }

std::string tenthsTextWide(std::string_view field) { return tenths(field, int(field.size()) + 1); }

std::string runTimeText(std::string_view field) {
    if (field == "0000") return std::string(kRunTimeTextLength, ' ');
    const std::string seconds = std::string(piece(field, 2, 2)) + "." + std::string(piece(field, 4, 1));
    if (field.size() == kRunTimeLength && field[0] != '0' && field[0] != ' ')
        return std::string(field.substr(0, 1)) + "." + seconds;
    return "  " + seconds;
}

std::string marginText(std::string_view field) {
    const std::string_view digits = piece(field, 2, 3);
    if (digits == "999" || field == "0000" || allBlank(digits)) return std::string(kMarginLength, ' ');
    return std::string(piece(field, 1, 1)) + rightAligned(fieldNumber(piece(field, 2, 2)), 2) + "." +
           std::string(piece(field, 4, 1));
}

std::string earlyPaceText(std::string_view runTime, std::string_view lastThreeFurlongs, std::string_view distance) {
    const std::string none(kPaceLength, ' ');
    const long long last = fieldNumber(lastThreeFurlongs);
    const long long metres = fieldNumber(distance);
    if (fieldNumber(runTime) == 0 || last == 0 || metres == 0) return none;
    // A race of 600 metres or less has no part before the last 600 metres.
    const double sections = double(metres) / 100 - kLastSectionHundreds;
    if (sections <= 0) return none;
    const long long before =
        fieldNumber(piece(runTime, 1, 1)) * kTenthsPerMinute + fieldNumber(piece(runTime, 2, 3)) - last;
    return fixedPoint(double(before) / sections * kSectionHundreds, int(kPaceLength), 0).substr(0, kPaceLength);
}

std::string circledNumber(long long number) { return circledNumbers().label(std::to_string(number)); }

std::string circledNumber(std::string_view field) { return circledNumbers().labelOfNumber(field); }

std::string fixedWidthNumber(std::string_view field, int width, bool emptyWhenZero) {
    const long long value = fieldNumber(field);
    return value == 0 && emptyWhenZero ? std::string() : rightAligned(value, width);
}

} // namespace zefa
