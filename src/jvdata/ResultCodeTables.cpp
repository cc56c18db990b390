#include "jvdata/ResultCodeTables.h"

#include "jvdata/CodeTable.h"
#include "jvdata/RecordView.h"

namespace zefa {
namespace {

constexpr CodeRow<1> kAnomalies[] = {
    {"1", "出走取消"}, {"2", "発走除外"}, {"3", "競争除外"}, {"4", "競争中止"},
    {"5", "失格    "}, {"6", "落馬再騎"}, {"7", "降着　　"},
};

constexpr size_t kAnomalyWidth = 8;

constexpr int kMarginForms[] = {1, 9};
constexpr size_t kLongMarginWidth = 9;

constexpr CodeRow<2> kMargins[] = {
    {"12", "1/2", "1/2馬身"},       {"34", "3/4", "3/4馬身"},       {"1", "1", "1馬身"},
    {"112", "1_1/2", "1_1/2馬身"},  {"114", "1_1/4", "1_1/4馬身"},  {"134", "1_3/4", "1_3/4馬身"},
    {"2", "2", "2馬身"},            {"212", "2_1/2", "2_1/2馬身"},  {"3", "3", "3馬身"},
    {"312", "3_1/2", "3_1/2馬身"},  {"4", "4", "4馬身"},            {"5", "5", "5馬身"},
    {"6", "6", "6馬身"},            {"7", "7", "7馬身"},            {"8", "8", "8馬身"},
    {"9", "9", "9馬身"},            {"A", "ｱﾀﾏ", "ｱﾀﾏ"},            {"D", "同着", "同着"},
    {"H", "ハナ", "ハナ"},          {"K", "クビ", "クビ"},          {"T", "大差", "大差"},
    {"Z", "10", "10馬身"},
};

} // namespace

std::string anomalyLabel(std::string_view code) {
    static const CodeTable table(kAnomalies, {{.width = kAnomalyWidth}});
    return table.label(code);
}

std::string marginLabel(std::string_view code, int form) {
    static const CodeTable table(kMargins, {{}, {.width = kLongMarginWidth}});
    return table.label(trimmed(code), formColumn(kMarginForms, form));
}

} // namespace zefa
