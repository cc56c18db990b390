#include "jvdata/RaceCodeTables.h"

#include "jvdata/CodeTable.h"
#include "jvdata/FullWidthText.h"

#include <vector>

namespace zefa {
namespace {

constexpr size_t kTrackColumn = 0;
constexpr size_t kTrackShortColumn = 1;
constexpr size_t kTrackLongColumn = 2;

constexpr CodeRow<3> kTracks[] = {
    {"10", "芝直", "芝直線", "芝 直線"},
    {"11", "芝左", "芝左　", "芝 左回り"},
    {"12", "芝左", "芝左外", "芝 左回り 外回り"},
    {"13", "芝左", "芝左　", "芝 左回り 内→外回り"},
    {"14", "芝左", "芝左　", "芝 左回り 外→内回り"},
    {"15", "芝左", "芝左内", "芝 左回り 内２周"},
    {"16", "芝左", "芝左外", "芝 左回り 外２周"},
    {"17", "芝右", "芝右　", "芝 右回り"},
    {"18", "芝右", "芝右外", "芝 右回り 外回り"},
    {"19", "芝右", "芝右　", "芝 右回り 内→外回り"},
    {"20", "芝右", "芝右　", "芝 右回り 外→内回り"},
    {"21", "芝右", "芝右内", "芝 右回り 内２周"},
    {"22", "芝右", "芝右外", "芝 右回り 外２周"},
    {"23", "ダ左", "ダ左　", "ﾀﾞｰﾄ 左回り"},
    {"24", "ダ右", "ダ右　", "ﾀﾞｰﾄ 右回り"},
    {"25", "", "ダ左内", "ﾀﾞｰﾄ 左回り 内回り"},
    {"26", "", "ダ右外", "ﾀﾞｰﾄ 右回り 外回り"},
    {"27", "", "ｻﾝﾄﾞ左", "ｻﾝﾄﾞ 左回り"},
    {"28", "", "ｻﾝﾄﾞ右", "ｻﾝﾄﾞ 右回り"},
    {"29", "ダ直", "ダ直線", "ﾀﾞｰﾄ 直線"},
    {"51", "障害", "障害　", "障害 芝　襷"},
    {"52", "障害", "障害　", "障害 芝→ﾀﾞｰﾄ"},
    {"53", "障害", "障害　", "障害 芝　左"},
    {"54", "障害", "障害　", "障害 芝"},
    {"55", "障害", "障害　", "障害 芝 外回り"},
    {"56", "障害", "障害　", "障害 芝 外→内回り"},
    {"57", "障害", "障害　", "障害 芝 内→外回り"},
    {"58", "障害", "障害　", "障害 内２周"},
    {"59", "障害", "障害　", "障害 外２周"},
};

const CodeTable& tracks() {
    static const CodeTable table(kTracks, {{}, {}, {}});
    return table;
}

constexpr CodeRow<1> kWeathers[] = {
    {"1", "晴"}, {"2", "曇"}, {"3", "雨"}, {"4", "小雨"}, {"5", "雪"}, {"6", "小雪"},
};

constexpr int kGoingForms[] = {0, 1, 2};

constexpr CodeRow<3> kGoings[] = {
    {"1", "良", "芝:良", "ダ:良"},
    {"2", "稍重", "芝:稍重", "ダ:稍重"},
    {"3", "重", "芝:重", "ダ:重"},
    {"4", "不良", "芝:不良", "ダ:不良"},
};

constexpr CodeRow<1> kWeekdays[] = {
    {"0", "　"}, {"1", "土"}, {"2", "日"}, {"3", "祝"}, {"4", "月"}, {"5", "火"}, {"6", "水"}, {"7", "木"}, {"8", "金"},
};

constexpr CodeRow<1> kGrades[] = {
    {"A", "G1   "}, {"B", "G2   "}, {"C", "G3   "}, {"D", "重賞 "}, {"E", "特別 "},
    {"F", "JG1  "}, {"G", "JG2  "}, {"H", "JG3  "}, {"L", "List "},
};

constexpr int kRaceTypeForms[] = {4, 8};
constexpr size_t kRaceTypeTextColumn = 2;

// Code, form 4, form 8, class text without condition.
constexpr CodeRow<3> kRaceTypes[] = {
    {"11", "サラ２歳", "サラ系２歳", "ｻﾗ系2歳"},
    {"12", "サラ３歳", "サラ系３歳", "ｻﾗ系3歳"},
    {"13", "サラ３上", "サラ系３歳以上", "ｻﾗ系3歳以上"},
    {"14", "サラ４上", "サラ系４歳以上", "ｻﾗ系4歳以上"},
    {"18", "障害３上", "サラ障害３歳以上", "ｻﾗ障害3歳以上"},
    {"19", "障害４上", "サラ障害４歳以上", "ｻﾗ障害4歳以上"},
    {"21", "アラ２歳", "アラブ系２歳", "ｱﾗ系2歳"},
    {"22", "アラ３歳", "アラブ系３歳", "ｱﾗ系3歳"},
    {"23", "アラ３上", "アラブ系３歳以上", "ｱﾗ系3歳以上"},
    {"24", "アラ４上", "アラブ系４歳以上", "ｱﾗ系4歳以上"},
};

const CodeTable& raceTypes() {
    static const CodeTable table(kRaceTypes, {{.width = 8, .fill = kFullWidthBlank},
                                              {.width = 16, .fill = kFullWidthBlank},
                                              {.width = 16}});
    return table;
}

constexpr CodeRow<1> kWeightTypes[] = {
    {"1", "ﾊﾝﾃﾞ"}, {"2", "別定"}, {"3", "馬齢"}, {"4", "定量"},
};

// A race symbol's label is put together from its three characters: who may run, sex, then the
// designation. Each mark string lists the characters whose texts follow in the same order.
constexpr std::string_view kEntryMarks = "0ABCDEFGHIJKLMN";
constexpr std::string_view kEntryTexts[] = {
    "",                   "(混合)",             "(父)",
    "(市)",               "(抽)",               "[抽]",
    "(市)(抽)",           "(抽)関西配布馬",     "(抽)関東配布馬",
    "[抽]関西配布馬",     "[抽]関東配布馬",     "(市)(抽)関西配布馬",
    "(市)(抽)関東配布馬", "九州産馬",           "(国際)",
};
constexpr std::string_view kSexMarks = "01234";
constexpr std::string_view kSexTexts[] = {"", "牡", "牝", "牡・ｾﾝ", "牡・牝"};
constexpr std::string_view kDesignationMarks = "01234";
constexpr std::string_view kDesignationTexts[] = {"", "(指定)", "若手騎手", "[指定]", "(特指)"};
// After an entry text the young-jockey designation is joined by "・".
constexpr std::string_view kDesignationTextsAfterEntry[] = {"", "(指定)", "・若手騎手", "[指定]", "(特指)"};

constexpr std::string_view kRaceSymbols[] = {
    "001", "002", "003", "004", "020", "021", "023", "024", "030", "031", "033", "034", "040", "041", "043",
    "044", "A00", "A01", "A02", "A03", "A04", "A10", "A11", "A13", "A14", "A20", "A21", "A23", "A24", "A30",
    "A31", "A33", "A34", "A40", "A41", "B00", "B01", "B03", "B04", "C00", "C01", "C03", "C04", "D00", "D01",
    "D03", "E00", "E01", "E03", "F00", "F01", "F03", "F04", "G00", "G01", "G03", "H00", "H01", "I00", "I01",
    "I03", "J00", "J01", "K00", "K01", "K03", "L00", "L01", "L03", "M00", "M01", "M03", "M04", "N00", "N01",
    "N03", "N04", "N20", "N21", "N23", "N24", "N30", "N31", "N40", "N41", "N44",
};
constexpr size_t kRaceSymbolWidth = 24;

std::string raceSymbolText(std::string_view code) {
    const size_t entry = kEntryMarks.find(code[0]);
    const auto& designations = entry == 0 ? kDesignationTexts : kDesignationTextsAfterEntry;
    return std::string(kEntryTexts[entry]) + std::string(kSexTexts[kSexMarks.find(code[1])]) +
           std::string(designations[kDesignationMarks.find(code[2])]);
}

const CodeTable& raceSymbols() {
    static const CodeTable table = [] {
        std::vector<std::string> texts;
        for (const std::string_view code : kRaceSymbols) texts.push_back(raceSymbolText(code));
        std::vector<CodeRow<1>> rows;
        for (size_t i = 0; i < texts.size(); ++i) rows.push_back({kRaceSymbols[i], {texts[i]}});
        return CodeTable(rows, {{.width = kRaceSymbolWidth, .fill = kFullWidthBlank}});
    }();
    return table;
}

} // namespace

std::string trackLabel(std::string_view code) { return tracks().labelOfNumber(code, kTrackColumn); }

std::string trackLabelShort(std::string_view code) { return tracks().labelOfNumber(code, kTrackShortColumn); }

std::string trackLabelLong(std::string_view code) { return tracks().labelOfNumber(code, kTrackLongColumn); }

std::string weatherLabel(std::string_view code) {
    static const CodeTable table(kWeathers, {{}});
    return table.label(code);
}

std::string goingLabel(std::string_view code, int form) {
    static const CodeTable table(kGoings, {{}, {}, {}});
    return table.label(code, formColumn(kGoingForms, form));
}

std::string weekdayLabel(std::string_view code) {
    static const CodeTable table(kWeekdays, {{}});
    return table.labelOfNumber(code);
}

std::string gradeLabel(std::string_view code) {
    static const CodeTable table(kGrades, {{.fallback = "　　 "}});
    return table.label(code);
}

std::string raceTypeLabel(std::string_view code, int form) {
    return raceTypes().label(code, formColumn(kRaceTypeForms, form));
}

std::string raceTypeText(std::string_view code) { return raceTypes().label(code, kRaceTypeTextColumn); }

std::string weightTypeLabel(std::string_view code) {
    static const CodeTable table(kWeightTypes, {{}});
    return table.label(code);
}

std::string raceSymbolLabel(std::string_view code) { return raceSymbols().label(code); }

} // namespace zefa
