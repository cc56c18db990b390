#include "jvdata/RaceClassTexts.h"

#include "jvdata/CodeTable.h"
#include "jvdata/Cp932.h"
#include "jvdata/FullWidthText.h"
#include "jvdata/NumberFormat.h"
#include "jvdata/RecordView.h"

#include <algorithm>
#include <iterator>

namespace zefa {
namespace {

constexpr size_t kPlainColumn = 0;
constexpr size_t kCsvColumn = 1;

// By race type (numeric): the age prefix, and the one the verification file writes.
constexpr CodeRow<2> kAgePrefixes[] = {
    {"11", "2歳", "2歳"},     {"12", "3歳", "3歳"},     {"13", "3歳上", "3歳上"},
    {"14", "4歳上", "4歳上"}, {"18", "3歳上", "障3歳上"}, {"19", "4歳上", "障4歳上"},
};

// By condition code (numeric): the class text, and the one the verification file writes.
constexpr CodeRow<2> kClasses[] = {
    {"5", "1勝ｸﾗｽ", "1勝ｸﾗｽ"}, {"10", "2勝ｸﾗｽ", "2勝ｸﾗｽ"}, {"16", "3勝ｸﾗｽ", "3勝ｸﾗｽ"},
    {"100", "1億下", "10000"},  {"701", "新馬", "新馬"},     {"702", "未出走", "未出走"},
    {"703", "未勝利", "未勝利"}, {"999", "オープン", "ｵｰﾌﾟﾝ"},
};

const CodeTable& agePrefixes() {
    static const CodeTable table(kAgePrefixes, {{}, {}});
    return table;
}

const CodeTable& classes() {
    static const CodeTable table(kClasses, {{}, {}});
    return table;
}

// Which ages a race type shows: its youngest (index into AgeConditions) and, when `joinsOlder`, the
// older ones too, as long as the youngest age's class is a graded class of 1..100.
struct ConditionShape {
    long long raceType;
    size_t youngest;
    bool joinsOlder;
};

constexpr ConditionShape kConditionShapes[] = {
    {11, 0, false}, {21, 0, false}, {12, 1, false}, {22, 1, false}, {13, 1, true},
    {18, 1, true},  {23, 1, true},  {14, 2, true},  {19, 2, true},  {24, 2, true},
};
constexpr long long kFirstJoinedClass = 1;
constexpr long long kLastJoinedClass = 100;
constexpr std::string_view kAgeSeparator = "  ";

// By grade code: the prefix of graded races.
constexpr CodeRow<1> kGradedClasses[] = {{"A", "GⅠ"}, {"B", "GⅡ"}, {"C", "GⅢ"}, {"L", "Lst"}};

// By condition code as written: the class of ungraded races.
constexpr CodeRow<1> kConditionClasses[] = {
    {"701", "新馬"},    {"702", "未出走"},  {"703", "未勝利"}, {"005", "1勝ｸﾗｽ"},
    {"010", "2勝ｸﾗｽ"}, {"016", "3勝ｸﾗｽ"}, {"999", "ｵｰﾌﾟﾝ"},
};
constexpr std::string_view kOpenCondition = "999";

// By grade code: what a race of no class and no short name shows.
constexpr CodeRow<1> kUnclassedRaces[] = {{"D", "重賞"}, {"E", "特別"}};

// Other condition codes are class limits in units of 100 万円, written "%4d下".
constexpr long long kLimitUnit = 100;
constexpr int kLimitWidth = 4;

} // namespace

std::string classText(std::string_view condition) { return classes().labelOfNumber(condition, kPlainColumn); }

std::string conditionLabel(std::string_view raceType, const AgeConditions& conditions) {
    const auto shape = std::ranges::find(kConditionShapes, fieldNumber(raceType), &ConditionShape::raceType);
    if (shape == std::end(kConditionShapes)) return {};
    const std::string& prefix = agePrefixes().labelOfNumber(raceType, kPlainColumn);
    std::string label = prefix + classText(conditions[shape->youngest]);
    const long long youngestClass = fieldNumber(conditions[shape->youngest]);
    if (shape->joinsOlder && youngestClass >= kFirstJoinedClass && youngestClass <= kLastJoinedClass)
        for (size_t age = shape->youngest + 1; age < conditions.size(); ++age)
            label += std::string(kAgeSeparator) + prefix + classText(conditions[age]);
    return label;
}

std::string csvConditionLabel(std::string_view raceType, std::string_view condition) {
    return agePrefixes().labelOfNumber(raceType, kCsvColumn) + classes().labelOfNumber(condition, kCsvColumn);
}

std::string raceClassLabel(std::string_view condition, std::string_view grade, std::string_view shortName) {
    static const CodeTable graded(kGradedClasses, {{}});
    static const CodeTable conditionClasses(kConditionClasses, {{}});
    static const CodeTable unclassed(kUnclassedRaces, {{.fallback = " "}});
    static const std::string limitSuffix = toCp932("下");

    if (const std::string& prefix = graded.label(grade); !prefix.empty()) return prefix + std::string(shortName);
    const bool named = !stripFullWidthSpaces(shortName).empty();
    if (condition == kOpenCondition && named) return std::string(shortName);
    if (const std::string& known = conditionClasses.label(condition); !known.empty()) return known;
    // A blank or zero condition is no class at all.
    if (const long long limit = fieldNumber(condition); limit != 0)
        return rightAligned(limit * kLimitUnit, kLimitWidth) + limitSuffix;
    return named ? std::string(shortName) : unclassed.label(grade);
}

} // namespace zefa
