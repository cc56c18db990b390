#include "jvdata/PersonCodeTables.h"

#include "jvdata/CodeTable.h"
#include "jvdata/FullWidthText.h"

namespace zefa {
namespace {

constexpr CodeRow<1> kPersonSexes[] = {{"1", "男"}, {"2", "女"}};

constexpr CodeRow<1> kLicences[] = {{"1", "平・障"}, {"2", "平地"}, {"3", "障害"}};

constexpr int kAffiliationForms[] = {1, 2, 3, 4, 5, 6, 7};

constexpr CodeRow<7> kAffiliations[] = {
    {"1", "東", "関東", "美浦", "関東馬", "[東]", "美浦", "美"},
    {"2", "西", "関西", "栗東", "関西馬", "[西]", "栗東", "栗"},
    {"3", "招待", "地方招待", "招待", "地方招待馬", "[地]", "地方", "地"},
    {"4", "招待", "外国招待", "招待", "外国招待馬", "[外]", "外国", "外"},
};

constexpr CodeRow<1> kApprentices[] = {
    {"1", "1kg減"}, {"2", "2kg減"}, {"3", "3kg減"}, {"4", "4kg減"}, {"9", "2kg減"},
};

constexpr int kApprenticeMarkForms[] = {1, 2, 9};

constexpr CodeRow<3> kApprenticeMarks[] = {
    {"1", "☆", "1kg減", "1kg減(☆)"}, {"2", "△", "2kg減", "2kg減(△)"}, {"3", "▲", "3kg減", "3kg減(▲)"},
    {"4", "★", "4kg減", "4kg減(★)"}, {"9", "◇", "2kg減", "2kg減(◇)"},
};

} // namespace

std::string personSexLabel(std::string_view code) {
    static const CodeTable table(kPersonSexes, {{.fallback = kFullWidthBlank}});
    return table.label(code);
}

std::string licenceLabel(std::string_view code) {
    static const CodeTable table(kLicences, {{.fallback = "－"}});
    return table.label(code);
}

std::string affiliationLabel(std::string_view code, int form) {
    static const CodeTable table(kAffiliations, {{.fallback = "－"}, {.fallback = "－"}, {.fallback = "－"},
                                                 {.fallback = "－"}, {.fallback = "－"}, {.fallback = "－"},
                                                 {.fallback = "－"}});
    return table.label(code, formColumn(kAffiliationForms, form));
}

std::string apprenticeLabel(std::string_view code) {
    static const CodeTable table(kApprentices, {{.fallback = kFullWidthBlank}});
    return table.label(code);
}

std::string apprenticeMark(std::string_view code, int form) {
    static const CodeTable table(kApprenticeMarks,
                                 {{.fallback = kFullWidthBlank}, {.fallback = "－"}, {.fallback = "－"}});
    return table.label(code, formColumn(kApprenticeMarkForms, form));
}

} // namespace zefa
