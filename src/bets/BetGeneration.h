#pragma once

#include "analysis/RaceAnalysis.h"
#include "bets/BetList.h"
#include "store/RaceDayStore.h"

#include <array>
#include <set>
#include <string>
#include <vector>

namespace zefa {

// The bet settings of section "Kaime".
struct BetChecks {
    bool Tan1Check = true; // a win bet only when the axis is not an evaluation horse
    bool UT1Check = true;  // exacta with the axis first
    bool UT2Check = true;  // exacta with the axis second
    bool SRT1Check = true; // trifecta with the axis first
    bool SRT2Check = true; // … second
    bool SRT3Check = true; // … third
};

// The axis and partner horses of a race, ascending; a horse may be in both.
struct AxisSets {
    std::vector<int> axes;
    std::vector<int> partners;
    int preferred = 0; // PreferredAxis (d): of the first two axes, the better TenkaiRank; 0 without an axis
    int second = 0;    // SecondAxis (e): the other one; 0 with fewer than two axes
};

AxisSets axisSets(int runners, const RaceAnalysis& analysis);

// What the candidates of a race are made from.
struct BetSource {
    const RaceAnalysis& analysis;
    AxisSets sets;
    int runners = 0;          // 登録頭数
    bool quinellaOdds = false; // the race's O2 record is present
    BetChecks checks;
};

BetSource betSource(const RaceSlotRecords& records, const RaceAnalysis& analysis, const BetChecks& checks);

// The candidate combinations of a bet type as ComboText, unique and ascending.
std::set<std::string> betCandidates(BetType type, const BetSource& source);

// The bet type's list: candidates with odds (win and place without an odds test), numbered from 1,
// trio and trifecta cut to the lowest 306 texts; one empty data row when there are none.
BetList generateBetList(BetType type, const BetSource& source);

// The eight lists by BetType order, without stakes.
std::array<BetList, 8> buildBetLists(const RaceSlotRecords& records, const RaceAnalysis& analysis,
                                     const BetChecks& checks);

} // namespace zefa
