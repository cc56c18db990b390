#pragma once

#include "analysis/RaceAnalysis.h"
#include "store/RaceDayStore.h"

#include <array>

namespace zefa {

inline constexpr int kKeshiCriteria = 5; // elimination criteria 1..5
inline constexpr int kSkipRules = 6;     // skip rules 1..6 with a switch of their own
inline constexpr int kJraVenues = 10;    // JRA venue codes 01..10, each with a skip switch
inline constexpr int kLongBreakDays = 60; // a break of more than this many days is long

// The options the elimination step reads; arrays are indexed by criterion, rule or venue number.
struct EliminationSettings {
    std::array<bool, kKeshiCriteria + 1> keshi{};       // Keshi1 … Keshi5: criterion n eliminates
    int keshi2CK = 0;                                   // criterion 2 needs a run before last of 5 + this or worse
    std::array<bool, kSkipRules + 1> miokuri{};         // miokuri1 … miokuri6: skip rule n is on
    int miokuriTosu = 0;                                // rule 3 skips fields of 9 + this runners or fewer
    std::array<bool, kJraVenues + 1> bashoMiokuri{};    // BashoMiokuri1 … 10: skip every race at that venue
};

// Criteria 1..4 of every horse of the race from its past runs: criteria 1, 3 and 4 are only ever
// set, criterion 2 is worked out afresh. `keshi2CK` as in EliminationSettings.
void markEliminationCriteria(const RaceSlotRecords& slot, int keshi2CK, RaceAnalysis& analysis);

// Criterion 2 afresh, then KeshiFlag of every horse from the criteria that are switched on, and
// MiokuriFlag of the race from the skip rules that are switched on.
void decideElimination(const RaceSlotRecords& slot, const EliminationSettings& settings, RaceAnalysis& analysis);

} // namespace zefa
