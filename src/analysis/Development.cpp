#include "analysis/Development.h"

#include "jvdata/DateTime.h"
#include "jvdata/RaRecord.h"
#include "jvdata/SeRecord.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <cstdio>
#include <set>
#include <tuple>

namespace zefa {
namespace {

constexpr int kNoCornerSum = 36; // a run without any known corner position
constexpr int kLastRaces = 4;     // races flagged at the end of a venue's card
constexpr size_t kVenuesOfADay = 3;
constexpr int kThirdCorner = 3;
constexpr int kFourthCorner = 4;

// The date of a race record, when its year, month and day are all given and form a real date.
std::optional<DateTime> raceDate(std::string_view race) {
    const std::string_view digits = fieldOf(race, RaceRecordView::RaceDate);
    const std::string_view year = digits.substr(0, 4), month = digits.substr(4, 2), day = digits.substr(6, 2);
    if (fieldNumber(year) == 0 || fieldNumber(month) == 0 || fieldNumber(day) == 0) return std::nullopt;
    return parseDateTime(digits);
}

int cornerPosition(std::string_view run, int corner) {
    return int(fieldNumber(fieldOf(run, SeRecord::Corners.field(corner, SeRecord::CornerPosition))));
}

// The development value as the ranking compares it: rounded to hundredths the way it is printed.
int hundredths(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return int(std::lround(std::strtod(text, nullptr) * 100));
}

void computeRunner(const RaceSlotRecords& slot, int h, RaceAnalysis& analysis) {
    const auto& runs = slot.pastRuns[size_t(h - 1)];
    const auto& races = slot.pastRaces[size_t(h - 1)];
    int count = 0, sum = 0;
    for (int j = 1; j <= kPastRuns; ++j) {
        const std::string& run = runs[size_t(j - 1)];
        if (trimmed(fieldOf(run, RaceRecordView::Year)).empty()) break;
        const std::string& race = races[size_t(j - 1)];
        if (fieldNumber(fieldOf(race, RaceRecordView::RaceNumber)) > 0) {
            const auto earlier = raceDate(race);
            const auto later = raceDate(j == 1 ? slot.race : races[size_t(j - 2)]);
            if (earlier && later) analysis.RestDays[size_t(h)][size_t(j)] = std::max(0, daysBetween(*earlier, *later));
        }
        int corners = 0;
        for (const int corner : {kThirdCorner, kFourthCorner}) {
            const int position = cornerPosition(run, corner);
            if (position <= 0) continue;
            ++count;
            sum += position;
            corners += position;
        }
        analysis.CornerSum[size_t(h)][size_t(j)] = corners == 0 ? kNoCornerSum : corners;
    }
    if (count > 0) analysis.TenkaiValue[size_t(h)] = double(sum) / count;
}

void rankRunners(int runners, RaceAnalysis& analysis) {
    std::vector<std::tuple<int, int, int, int>> order; // value, corner sums of runs 1 and 2, horse
    for (int h = 1; h <= runners; ++h)
        if (analysis.TenkaiValue[size_t(h)] > 0)
            order.emplace_back(hundredths(analysis.TenkaiValue[size_t(h)]), analysis.CornerSum[size_t(h)][1],
                               analysis.CornerSum[size_t(h)][2], h);
    std::sort(order.begin(), order.end());
    for (size_t p = 0; p < order.size(); ++p) {
        const int h = std::get<3>(order[p]);
        analysis.TenkaiRank[size_t(h)] = int(p) + 1;
        analysis.TenkaiClass[size_t(h)] = std::min(int(p) / kDevelopmentClassSize + 1, 3);
    }
}

} // namespace

void computeDevelopment(const RaceSlotRecords& slot, RaceAnalysis& analysis) {
    if (!slot.holdsARace()) return;
    const int runners = slot.registeredRunners();
    for (int h = 1; h <= runners; ++h) computeRunner(slot, h, analysis);
    rankRunners(runners, analysis);
}

void flagLastFourRaces(const RaceDayStore& store, std::vector<RaceAnalysis>& analyses) {
    const auto raceNumber = [&](int k) { return fieldNumber(fieldOf(store.slot(k).race, RaceRecordView::RaceNumber)); };
    const auto venue = [&](int k) { return fieldOf(store.slot(k).race, RaceRecordView::VenueCode); };
    std::set<std::string_view> venues;
    for (int k = 0; k < kRaceSlots; ++k)
        if (raceNumber(k) > 0) venues.insert(venue(k));
    size_t used = 0;
    for (const std::string_view code : venues) {
        if (used++ == kVenuesOfADay) break;
        long long races = 0;
        for (int k = 0; k < kRaceSlots; ++k) races += venue(k) == code;
        for (int k = 0; k < kRaceSlots; ++k)
            if (venue(k) == code && races - raceNumber(k) < kLastRaces) analyses[size_t(k)].Last4Flag = 1;
    }
}

} // namespace zefa
