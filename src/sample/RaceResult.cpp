#include "sample/RaceResult.h"

#include "sample/RecordText.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <string_view>

namespace zefa {
namespace {

// Metres per second of a winner, by surface.
constexpr double kTurfSpeed = 16.9;
constexpr double kDirtSpeed = 16.2;
constexpr double kJumpSpeed = 14.4;
constexpr int kShortRace = 1400;
constexpr double kDeadHeatChance = 0.03;
constexpr std::string_view kDeadHeatCode = "D  "; // 同着 // up to this, a flat race has only the last two corners
// How far each corner's order has moved from the early order towards the finish.
constexpr std::array<double, 4> kCornerPull{0.0, 0.15, 0.4, 0.7};

// Margin codes by the gap to the horse in front, in tenths of a second.
struct MarginRow {
    int upToTenths;
    std::string_view code;
};
constexpr std::array<MarginRow, 20> kMargins{{{0, "H"}, {1, "K"}, {2, "12"}, {3, "34"}, {4, "1"}, {5, "114"}, {6, "112"},
                                               {7, "134"}, {8, "2"}, {10, "212"}, {12, "3"}, {13, "312"}, {16, "4"},
                                               {19, "5"}, {22, "6"}, {26, "7"}, {30, "8"}, {34, "9"}, {60, "Z"}, {9999, "T"}}};

std::string marginCode(int tenths) {
    const auto row = std::ranges::find_if(kMargins, [&](const MarginRow& m) { return tenths <= m.upToTenths; });
    std::string code(row->code);
    code.resize(3, ' ');
    return code;
}

std::string timeText(int tenths) { return digits(tenths / 600, 1) + digits(tenths % 600 / 10, 2) + digits(tenths % 10, 1); }

std::string differenceText(char sign, int tenths) { return sign + digits(std::min(tenths, 999), 3); }

// Ranks 1..n of the scores, lowest first, ties by horse number.
std::vector<int> ranksOf(const std::vector<int>& horses, const std::vector<double>& score) {
    std::vector<int> sorted = horses;
    std::ranges::stable_sort(sorted, {}, [&](int h) { return score[size_t(h)]; });
    std::vector<int> rank(score.size(), 0);
    for (size_t i = 0; i < sorted.size(); ++i) rank[size_t(sorted[i])] = int(i) + 1;
    return rank;
}

} // namespace

RaceResult drawResult(const SampleRace& race, const SampleWorld& world, const std::vector<double>& chances, SampleRandom& random) {
    RaceResult result;
    result.byHorse.resize(chances.size());
    std::vector<double> left = chances;
    for (;;) {
        const double total = std::accumulate(left.begin(), left.end(), 0.0);
        if (total <= 0) break;
        double u = random.uniform() * total;
        size_t h = 1;
        for (; h + 1 < left.size() && (left[h] <= 0 || u >= left[h]); ++h) u -= left[h];
        while (left[h] <= 0) --h; // rounding ran past the last horse left
        result.order.push_back(int(h));
        left[h] = 0;
    }
    const int n = int(result.order.size());
    result.deadHeatForThird = n >= 4 && random.chance(kDeadHeatChance);
    const double speed = race.steeplechase() ? kJumpSpeed : race.turf() ? kTurfSpeed : kDirtSpeed;
    int time = int(std::lround(race.distance / speed * 10 + 8 * random.normal()));
    const int winnerTime = time;
    int secondTime = time;
    std::vector<double> early(chances.size(), 0.0);
    std::vector<double> finish(chances.size(), 0.0);
    for (int place = 1; place <= n; ++place) {
        const int h = result.order[size_t(place - 1)];
        RunnerResult& r = result.byHorse[size_t(h)];
        const bool tied = result.deadHeatForThird && place == 4;
        const int gap = place == 1 || tied ? 0 : 1 + int(-2.5 * std::log(1.0 - random.uniform()));
        time += gap;
        if (place == 2) secondTime = time;
        r.finish = tied ? 3 : place;
        r.arrival = place;
        r.time = timeText(time);
        r.margin = place == 1 ? "   " : tied ? std::string(kDeadHeatCode) : marginCode(gap - 1);
        r.timeDifference = place == 1 ? "" : differenceText('+', time - winnerTime);
        const SampleHorse& horse = world.horses[size_t(race.runners[size_t(h - 1)].horse)];
        early[size_t(h)] = horse.style + 0.7 * random.normal();
        finish[size_t(h)] = place;
        const int base = race.steeplechase() ? 385 : race.turf() ? 345 : 375;
        r.lastThreeFurlongs = std::clamp(int(base + 2 * (place - 1) - 4 * (horse.style - 2.5) + 5 * random.normal()), 320, 450);
    }
    if (n > 0) result.byHorse[size_t(result.order[0])].timeDifference = differenceText('-', secondTime - winnerTime);
    const std::vector<int> earlyRank = ranksOf(result.order, early);
    const int firstCorner = !race.steeplechase() && race.distance <= kShortRace ? 2 : 0;
    for (int c = firstCorner; c < 4; ++c) {
        std::vector<double> score(chances.size(), 0.0);
        for (int h : result.order)
            score[size_t(h)] = (1 - kCornerPull[size_t(c)]) * earlyRank[size_t(h)] + kCornerPull[size_t(c)] * finish[size_t(h)] + 0.8 * random.normal();
        const std::vector<int> rank = ranksOf(result.order, score);
        for (int h : result.order) result.byHorse[size_t(h)].corners[size_t(c)] = rank[size_t(h)];
    }
    for (int h : result.order) {
        const int first = result.byHorse[size_t(h)].corners[size_t(firstCorner)];
        result.byHorse[size_t(h)].style = first == 1 ? '1' : first * 3 <= n ? '2' : first * 3 <= 2 * n ? '3' : '4';
    }
    return result;
}

} // namespace zefa
