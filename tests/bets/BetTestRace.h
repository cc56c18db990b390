#pragma once

#include "analysis/RaceAnalysis.h"
#include "bets/BetList.h"
#include "jvdata/Combinations.h"
#include "jvdata/HrRecord.h"
#include "jvdata/NumberFormat.h"
#include "jvdata/RaRecord.h"
#include "jvdata/RecordView.h"
#include "store/RaceDayStore.h"
#include "support/RecordBuilder.h"

#include <string>
#include <vector>

namespace zefa::test {

// A race in which every registered horse runs, win popularity equal to its number, and every
// combination of every bet type has odds 10.0 and popularity 1.
struct BetTestRace {
    explicit BetTestRace(int runners, bool quinellaRecord = true) {
        records.race = LineBuilder(RecordKind::RA).put(RaRecord::RegisteredRunners.position, twoDigits(runners)).record();
        records.payout = LineBuilder(RecordKind::HR).record();
        for (const DayFile file : kOddsFiles) records.oddsRecord(file) = LineBuilder(dayFileRow(file).kind).record();
        if (quinellaRecord) records.oddsRecord(DayFile::QuinellaOdds) = LineBuilder(RecordKind::O2).put(26, "05").record();
        for (int h = 1; h <= runners; ++h) {
            analysis.TanNinki[size_t(h)] = h;
            analysis.FukNinki[size_t(h)] = h;
            analysis.TanOdds[size_t(h)] = 10.0;
            analysis.FukOdds[size_t(h)] = 10.0;
        }
        fill(analysis.WROdds, analysis.WRNinki);
        fill(analysis.UROdds, analysis.URNinki);
        fill(analysis.WDOdds, analysis.WDNinki);
        fill(analysis.UTOdds, analysis.UTNinki);
        fill(analysis.SRFOdds, analysis.SRFNinki);
        fill(analysis.SRTOdds, analysis.SRTNinki);
    }

    BetTestRace& axes(const std::vector<int>& horses) {
        for (const int h : horses) analysis.JikuFlag[size_t(h)] = 1;
        return *this;
    }
    BetTestRace& partners(const std::vector<int>& horses) {
        for (const int h : horses) analysis.HimoFlag[size_t(h)] = 1;
        return *this;
    }

    // The first payout entry of a bet type: its combination, payout and popularity fields.
    BetTestRace& paid(HrRecord::PayoutBlock block, std::string_view combination, std::string_view payout,
                      std::string_view popularity = {}) {
        const HrRecord::PayoutBlockRow& row = HrRecord::row(block);
        LineBuilder hr(RecordKind::HR);
        hr.put(row.entries.field(1, row.combination).position, combination).put(row.entries.field(1, row.payout).position, payout);
        if (!popularity.empty()) hr.put(row.entries.field(1, row.popularity).position, popularity);
        records.payout = hr.record();
        return *this;
    }

    static std::string twoDigits(int n) { return std::string{char('0' + n / 10), char('0' + n % 10)}; }

    template <typename Odds, typename Ninki>
    static void fill(Odds& odds, Ninki& ninki) {
        odds.fill(10.0);
        ninki.fill(1);
    }

    RaceSlotRecords records;
    RaceAnalysis analysis;
};

// The combination texts of a list, in row order.
inline std::vector<std::string> combinations(const BetList& list) {
    std::vector<std::string> texts;
    for (int row = 1; row <= list.dataRows(); ++row) {
        const std::string& text = list.cell(row, BetColumn::Combination);
        if (!trimmed(text).empty()) texts.push_back(text);
    }
    return texts;
}

// A list of the type whose bets are its first combinations, with the given odds and no stakes.
inline BetList listWithOdds(BetType type, const std::vector<double>& odds) {
    BetList list = emptyBetList(type);
    list.rows.pop_back();
    for (size_t i = 0; i < odds.size(); ++i) {
        BetRow& row = list.rows.emplace_back(size_t(list.columnCount()));
        row[size_t(betColumn(type, BetColumn::Number))] = rightAligned(long(i + 1), 3);
        row[size_t(betColumn(type, BetColumn::Combination))] = comboText(combinationAt(type, int(i + 1)).numbers());
        row[size_t(betColumn(type, BetColumn::Odds))] = decimalText(odds[i], 7, 1);
    }
    if (odds.empty()) list.rows.emplace_back(size_t(list.columnCount()));
    return list;
}

// The stakes of a list's rows as numbers, 0 for an empty cell.
inline std::vector<int> stakes(const BetList& list) {
    std::vector<int> values;
    for (int row = 1; row <= list.dataRows(); ++row) values.push_back(list.stake(row));
    return values;
}

} // namespace zefa::test
