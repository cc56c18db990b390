#include "jvdata/HorseCodeTables.h"

#include "jvdata/CodeTable.h"
#include "jvdata/FullWidthText.h"

namespace zefa {
namespace {

constexpr CodeRow<1> kSexes[] = {{"1", "牡"}, {"2", "牝"}, {"3", "ｾﾝ"}};

constexpr CodeRow<1> kCoatColours[] = {
    {"01", "栗毛"},   {"02", "栃栗毛"}, {"03", "鹿毛"},   {"04", "黒鹿毛"}, {"05", "青鹿毛"}, {"06", "青毛"},
    {"07", "芦毛"},   {"08", "栗粕毛"}, {"09", "鹿粕毛"}, {"10", "青粕毛"}, {"11", "白毛"},
};

constexpr CodeRow<1> kHorseSymbols[] = {
    {"1", "(抽)"},          {"2", "[抽]"},         {"3", "(父)"},           {"4", "(市)"},
    {"5", "(地)"},          {"6", "(外)"},         {"7", "(父)(抽)"},       {"8", "(父)(市)"},
    {"9", "(父)(地)"},      {"10", "(市)(地)"},    {"11", "(外)(地)"},      {"12", "(父)(市)(地)"},
    {"15", "(招)"},         {"16", "(招)(外)"},    {"17", "(招)(父)"},      {"18", "(招)(市)"},
    {"19", "(招)(父)(市)"}, {"20", "(父)(外)"},    {"21", "[地]"},          {"22", "(外)[地]"},
    {"23", "(父)[地]"},     {"24", "(市)[地]"},    {"25", "(父)(市)[地]"},  {"26", "[外]"},
    {"27", "(父)[外]"},     {"31", "(特)"},        {"40", "(父)(外)(地)"},  {"41", "(父)(外)[地]"},
};

constexpr int kBreedForms[] = {1, 9};

constexpr CodeRow<2> kBreeds[] = {
    {"1", "サラ", "ｻﾗﾌﾞﾚｯﾄﾞ"},   {"2", "サラ系", "ｻﾗﾌﾞﾚｯﾄﾞ系種"}, {"3", "準サラ", "準ｻﾗﾌﾞﾚｯﾄﾞ"},
    {"4", "軽半", "軽半血種"},   {"5", "アア", "ｱﾝｸﾞﾛｸﾗﾌﾞ"},       {"6", "アラ系", "ｱﾗﾌﾞ系種"},
    {"7", "アラブ", "ｱﾗﾌﾞ"},     {"8", "中半", "中半血種"},
};

constexpr CodeRow<1> kRunningStyles[] = {{"1", "逃"}, {"2", "先"}, {"3", "差"}, {"4", "追"}};

constexpr size_t kBlinkerLabelColumn = 0;
constexpr size_t kBlinkerMarkColumn = 1;

constexpr CodeRow<2> kBlinkers[] = {{"1", "○", "ﾌﾞﾘﾝ"}};

const CodeTable& blinkers() {
    static const CodeTable table(kBlinkers, {{.fallback = "－"}, {.fallback = " "}});
    return table;
}

} // namespace

std::string sexLabel(std::string_view code) {
    static const CodeTable table(kSexes, {{}});
    return table.label(code);
}

std::string coatColourLabel(std::string_view code) {
    static const CodeTable table(kCoatColours, {{.fallback = "－"}});
    return table.label(code);
}

std::string horseSymbolLabel(std::string_view code) {
    static const CodeTable table(kHorseSymbols, {{.fallback = kFullWidthBlank}});
    return table.labelOfNumber(code);
}

std::string breedLabel(std::string_view code, int form) {
    static const CodeTable table(kBreeds, {{}, {}});
    return table.label(code, formColumn(kBreedForms, form));
}

std::string runningStyleLabel(std::string_view code) {
    static const CodeTable table(kRunningStyles, {{.fallback = "  "}});
    return table.label(code);
}

std::string blinkerLabel(std::string_view code) { return blinkers().label(code, kBlinkerLabelColumn); }

std::string blinkerMark(std::string_view code) { return blinkers().label(code, kBlinkerMarkColumn); }

} // namespace zefa
