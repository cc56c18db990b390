#pragma once

#include "jvdata/BetType.h"
#include "store/RaceDayStore.h"

#include <array>
#include <string>

namespace zefa {

// Combinations of each bet type, in the order of the odds records.
inline constexpr int kBracketPairs = betTypeRow(BetType::BracketQuinella).combinations;
inline constexpr int kHorsePairs = betTypeRow(BetType::Quinella).combinations;
inline constexpr int kOrderedPairs = betTypeRow(BetType::Exacta).combinations;
inline constexpr int kTriples = betTypeRow(BetType::Trio).combinations;
inline constexpr int kOrderedTriples = betTypeRow(BetType::Trifecta).combinations;

// Indexed by horse number 1..18 or by combination ordinal 1..n; element 0 is not used.
template <typename T>
using ByHorse = std::array<T, kMaxHorses + 1>;
template <typename T, int N>
using ByOrdinal = std::array<T, N + 1>;

// Partner counts of the user bet rule that fits the race.
struct RuleValues {
    int Hup = 0, Hb4 = 0, Hrr = 0, Hnn = 5; // evaluation-horse mode
    int FJiku = 0;                          // place-axis pattern code
    int Fup = 0, Fb4 = 0, Frr = 0, Fnn = 6; // place-horse mode
    bool operator==(const RuleValues&) const = default;
};

// Everything the program works out about one race of the loaded day. A value-initialised record
// is the reset state. Odds: the JV-Data text / 10; 0 no odds, -1 cancelled, -2 blank entry.
struct RaceAnalysis {
    int Last4Flag = 0;
    std::string OddsFetchTime1, OddsFetchTime2; // "hhmm": automatic latest-odds fetches
    std::string AsaFetchTime1, AsaFetchTime2;   // "hhmm": automatic morning-odds fetches
    int MiokuriFlag = 0;
    std::string PositionPattern = "--";
    ByHorse<int> TrackedFlag{};
    std::array<ByHorse<int>, 6> KeshiCriteria{}; // by criterion 1..5, then by horse
    ByHorse<double> TanOdds{};
    ByHorse<double> FukOdds{};
    ByOrdinal<double, kBracketPairs> WROdds{};
    ByOrdinal<double, kHorsePairs> UROdds{};
    ByHorse<double> YozTanOdds{};
    ByHorse<double> YozFukOdds{};
    int AsaMissing = 0;
    ByHorse<double> AsaTanOdds{};
    ByHorse<double> AsaFukOdds{};
    ByOrdinal<double, kHorsePairs> WDOdds{};
    ByOrdinal<double, kOrderedPairs> UTOdds{};
    ByOrdinal<double, kTriples> SRFOdds{};
    ByOrdinal<double, kOrderedTriples> SRTOdds{};
    ByHorse<int> TenkaiClass{};
    ByHorse<int> TanNinki{};
    ByHorse<int> FukNinki{};
    ByHorse<int> AsaTanNinki{};
    ByHorse<int> AsaFukNinki{};
    ByHorse<int> AsaRankGap = filled(999);
    ByHorse<std::string> HyokaMark{};
    ByOrdinal<int, kBracketPairs> WRNinki{};
    ByOrdinal<int, kHorsePairs> URNinki{};
    ByOrdinal<int, kHorsePairs> WDNinki{};
    ByOrdinal<int, kOrderedPairs> UTNinki{};
    ByOrdinal<int, kTriples> SRFNinki{};
    ByOrdinal<int, kOrderedTriples> SRTNinki{};
    std::array<std::array<int, kPastRuns + 1>, kMaxHorses + 1> RestDays{};  // by horse, past run 1..5
    std::array<std::array<int, kPastRuns + 1>, kMaxHorses + 1> CornerSum{}; // by horse, past run 1..5
    ByHorse<double> TenkaiValue{};
    ByHorse<int> TenkaiRank{};
    ByHorse<int> JikuFlag{};
    ByHorse<int> HimoFlag{};
    ByHorse<int> KeshiFlag{};
    RuleValues Rule;
    int PayoutPresent = 0;

private:
    static ByHorse<int> filled(int value) {
        ByHorse<int> values;
        values.fill(value);
        return values;
    }
};

} // namespace zefa
