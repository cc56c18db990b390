#pragma once

#include "sample/SampleCard.h"
#include "sample/SampleRandom.h"

#include <array>
#include <string>
#include <vector>

namespace zefa {

// How one runner ran, in the forms of the runner record.
struct RunnerResult {
    int finish = 0;                 // 確定着順; 0 for a scratched horse
    int arrival = 0;                // 入線順位: as the finish but for a dead heat
    std::string time = "0000";      // 走破タイム m ss t
    std::string margin = "   ";     // 着差コード
    std::array<int, 4> corners{};   // positions at corners 1..4; 0: no such corner
    int lastThreeFurlongs = 0;      // tenths of a second
    std::string timeDifference = "    "; // sign, seconds (2), tenths
    char style = ' ';               // 今回レース脚質判定 1..4
    long long winOdds = 0;          // final win odds, tenths
    int popularity = 0;
    long long prize = 0;            // 100 yen
    std::string opponent;           // the winner, or the runner-up for the winner (UTF-8)
};

struct RaceResult {
    std::vector<int> order;            // horse numbers of the finishers, winner first
    std::vector<RunnerResult> byHorse; // by horse number (index 0 unused)
    bool deadHeatForThird = false;     // the third and fourth home share third place
};

// Draws the finishing order from the true chances (by horse number, 0 for a scratched horse),
// one place after another among the horses left; times and margins follow the order, corner
// positions the running styles moving towards it. Now and then two horses dead-heat for third.
RaceResult drawResult(const SampleRace& race, const SampleWorld& world, const std::vector<double>& chances, SampleRandom& random);

} // namespace zefa
