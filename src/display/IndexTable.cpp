#include "display/IndexTable.h"

#include "display/DisplayColours.h"
#include "jvdata/Cp932.h"
#include "jvdata/NumberFormat.h"
#include "jvdata/SeRecord.h"

#include <algorithm>
#include <cstdio>

namespace zefa {

const std::array<IndexCaption, kIndexColumns> kIndexCaptions{{
    {"枠", "番"},     {"馬", "番"},     {"馬名", ""},     {"前走", ""},      {"前走2", ""},    {"前走3", ""},
    {"前走4", ""},    {"前走5", ""},    {"展開", " 値"},  {"順", "位"},      {"単ｵｽﾞ", " 朝"}, {"順", "位"},
    {"複ｵｽﾞ", "朝/小"}, {"順", "位"}, {"単複", " 差"},  {"判定", "　"},    {"単ｵｽﾞ", "最新"}, {"順", "位"},
    {"軸馬", " CK"},  {"ﾋﾓ馬", " CK"}, {"", ""},        {"", ""},          {"着", "順"},     {"人", "気"},
}};

namespace {

constexpr int kFirstPastRunColumn = 3;
constexpr int kTenkaiValueColumn = 8, kTenkaiRankColumn = 9;
constexpr int kAsaTanColumn = 10, kAsaFukColumn = 12, kRankGapColumn = 14, kMarkColumn = 15;
constexpr int kTanColumn = 16, kJikuColumn = 18, kHimoColumn = 19, kFinishColumn = 22, kPopularityColumn = 23;
constexpr int kLongRestDays = 61;
constexpr std::string_view kUnranked = "　";
constexpr std::string_view kMarked = "ν";
constexpr std::string_view kCrLf = "\r\n";

// The background of a development class 1..3.
constexpr std::array<Rgb, 4> kTenkaiClassColours{colour::kWhite, colour::kMagenta, colour::kYellow, colour::kCyan};

std::string decimal(double value, const char* format) {
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// A rank column: bold and rank-coloured on white; blank (a full-width blank) when unranked.
void putRank(IndexCell& cell, int rank, bool shown) {
    cell.text = shown ? rightAligned(rank, 2) : std::string(kUnranked);
    cell.bold = true;
    cell.colour = rankColour(shown ? rank : 0);
    cell.background = colour::kWhite;
}

// "③④ 5": third and fourth corner positions and the finishing position; empty without the run.
std::string pastRunSummary(const std::string& run) {
    if (trimmed(fieldOf(run, SeRecord::Year)).empty()) return {};
    const SeRecord record(run);
    return toUtf8(circledNumber(record.field(SeRecord::Corners.field(3, SeRecord::CornerPosition))) +
                  circledNumber(record.field(SeRecord::Corners.field(4, SeRecord::CornerPosition))) +
                  paddedNumber(record.field(SeRecord::FinishPosition)));
}

IndexRow indexRow(const RaceSlotRecords& slot, const RaceAnalysis& a, int runner) {
    const SeRecord se(slot.runners[size_t(runner)]);
    const size_t h = size_t(runner + 1);
    IndexRow row;
    for (IndexCell& cell : row) {
        cell.background = a.KeshiFlag[h] == 1 ? colour::kSilver : colour::kWhite;
        cell.colour = colour::kBlack;
    }
    const int bracket = int(se.number(SeRecord::Bracket));
    row[0] = {rightAligned(bracket, 2), bracketColour(bracket), bracketTextColour(bracket)};
    row[1] = {rightAligned(se.horseNumber(), 2), colour::kInfoTip, colour::kBlack};
    row[kIndexNameColumn].text = toUtf8(se.field(SeRecord::HorseName));
    row[kIndexNameColumn].alignLeft = true;

    for (int k = 1; k <= kPastRuns; ++k) {
        IndexCell& cell = row[size_t(kFirstPastRunColumn + k - 1)];
        cell.text = pastRunSummary(slot.pastRuns[size_t(runner)][size_t(k - 1)]);
        cell.restLine = a.RestDays[h][size_t(k)] >= kLongRestDays;
    }

    const bool developed = a.TenkaiRank[h] >= 1;
    if (developed) row[kTenkaiValueColumn].text = decimal(a.TenkaiValue[h], "%5.2f");
    putRank(row[kTenkaiRankColumn], a.TenkaiRank[h], developed);
    row[kTenkaiRankColumn].background = kTenkaiClassColours[size_t(std::clamp(a.TenkaiClass[h], 0, 3))];

    const bool morning = a.AsaTanNinki[h] >= 1;
    if (morning) {
        row[kAsaTanColumn].text = decimal(a.AsaTanOdds[h], "%5.1f");
        row[kAsaFukColumn].text = decimal(a.AsaFukOdds[h], "%5.1f");
        row[kRankGapColumn].text = rightAligned(a.AsaRankGap[h], 3);
        row[kMarkColumn].text = a.HyokaMark[h];
    }
    putRank(row[kAsaTanColumn + 1], a.AsaTanNinki[h], morning);
    putRank(row[kAsaFukColumn + 1], a.AsaFukNinki[h], morning);

    const bool latest = a.TanNinki[h] >= 1;
    if (latest) row[kTanColumn].text = decimal(a.TanOdds[h], "%5.1f");
    putRank(row[kTanColumn + 1], a.TanNinki[h], latest);

    if (a.JikuFlag[h] == 1) row[kJikuColumn].text = kMarked;
    if (a.HimoFlag[h] == 1) row[kHimoColumn].text = kMarked;

    const int finish = int(se.number(SeRecord::FinishPosition));
    const int popularity = int(se.number(SeRecord::WinPopularity));
    putRank(row[kFinishColumn], finish, finish > 0);
    putRank(row[kPopularityColumn], popularity, popularity > 0);
    row[kFinishColumn].background = row[kPopularityColumn].background = colour::kLightCyan;
    return row;
}

} // namespace

IndexTable indexTable(const RaceSlotRecords& slot, const RaceAnalysis& analysis) {
    IndexTable table;
    for (int runner = 0; runner < slot.registeredRunners(); ++runner) table.rows.push_back(indexRow(slot, analysis, runner));
    return table;
}

void sortIndexTable(IndexTable& table, IndexSort sort) {
    const IndexSortRow& by = kIndexSorts[size_t(sort)];
    std::stable_sort(table.rows.begin(), table.rows.end(), [&](const IndexRow& x, const IndexRow& y) {
        const auto key = [&](const IndexRow& row) {
            return std::pair<std::string_view, std::string_view>(row[size_t(by.keyColumn)].text,
                                                                 row[size_t(by.secondColumn)].text);
        };
        return key(x) < key(y);
    });
}

std::string indexTableCopyText(const RaceHeader& header, const IndexTable& table) {
    std::string text = header.Label1 + std::string(kCrLf) + header.Label2 + std::string(kCrLf) + header.Label3 +
                       std::string(kCrLf) + header.Label4 + std::string(kCrLf);
    const auto line = [&](auto cellText) {
        for (int c = 0; c < kIndexColumns; ++c) {
            if (c > 0) text += '\t';
            text += cellText(c);
        }
        text += kCrLf;
    };
    line([](int c) { return std::string(kIndexCaptions[size_t(c)].upper) + std::string(kIndexCaptions[size_t(c)].lower); });
    for (const IndexRow& row : table.rows) line([&](int c) { return row[size_t(c)].text; });
    return text;
}

} // namespace zefa
