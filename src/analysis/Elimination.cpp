#include "analysis/Elimination.h"

#include "jvdata/RaRecord.h"
#include "jvdata/SeRecord.h"

#include <algorithm>
#include <string_view>

namespace zefa {
namespace {

constexpr int kBadFinish = 10;             // a two-digit finishing position
constexpr int kKeshi2Base = 5;             // criterion 2 threshold without Keshi2CK
constexpr int kSmallFieldBase = 9;         // skip rule 3 limit without MiokuriTosu
constexpr int kJumpTrackFrom = 51, kJumpTrackTo = 59;
constexpr int kFromJumpTrackAbove = 49;    // criterion 4 looks at the last race's track this way
constexpr int kEnoughJraRuns = 2;
constexpr std::string_view kG1GradeCode = "A";
constexpr std::string_view kNewcomerConditionCodes[] = {"701", "702"};

int numberAt(std::string_view record, Field f) { return int(fieldNumber(fieldOf(record, f))); }

bool isJumpRace(std::string_view race) {
    const int track = numberAt(race, RaRecord::TrackCode);
    return track >= kJumpTrackFrom && track <= kJumpTrackTo;
}

bool holdsARace(std::string_view race) { return numberAt(race, RaRecord::RaceNumber) > 0; }

// Horse h of a race with its past runs 1..5.
struct Runner {
    const RaceSlotRecords& slot;
    const RaceAnalysis& analysis;
    int h;

    const std::string& run(int j) const { return slot.pastRuns[size_t(h - 1)][size_t(j - 1)]; }
    const std::string& runRace(int j) const { return slot.pastRaces[size_t(h - 1)][size_t(j - 1)]; }
    // 0 also for a run without a finishing position.
    int finish(int j) const { return numberAt(run(j), SeRecord::FinishPosition); }
    bool longBreakBefore(int j) const { return analysis.RestDays[size_t(h)][size_t(j)] > kLongBreakDays; }
};

bool backFromLongBreak(const Runner& r) { return r.longBreakBefore(1); }

bool badLastRun(const Runner& r) { return r.finish(1) >= kBadFinish; }

bool fewJraRuns(const Runner& r) {
    int jraRuns = 0;
    for (int j = 1; j <= kPastRuns; ++j) {
        const int venue = numberAt(r.run(j), SeRecord::VenueCode);
        if (venue >= 1 && venue <= kJraVenues && numberAt(r.run(j), SeRecord::RaceNumber) > 0) ++jraRuns;
    }
    return jraRuns < kEnoughJraRuns;
}

// Criterion 1: back from two long breaks in a row, unless it won one of its last two races or the
// last one was a G1.
bool twoLongBreaks(const Runner& r) {
    return r.longBreakBefore(1) && r.longBreakBefore(2) && r.finish(1) != 1 && r.finish(2) != 1 &&
           fieldOf(r.runRace(1), RaRecord::GradeCode) != kG1GradeCode;
}

// Criterion 2: a two-digit finish last time and a bad one before it; after a run without a
// finishing position the run before last must be a two-digit finish.
bool badLastTwoRuns(const Runner& r, int keshi2CK) {
    const int fin1 = r.finish(1), fin2 = r.finish(2);
    return (fin1 >= kBadFinish && fin2 >= keshi2CK + kKeshi2Base) || (fin1 == 0 && fin2 >= kBadFinish);
}

// Criterion 3: back from a long break after a two-digit finish.
bool breakAfterBadRun(const Runner& r) { return backFromLongBreak(r) && badLastRun(r); }

// Criterion 4: last ran over jumps, unless this race is a jump race too.
bool fromJumpRace(const Runner& r) {
    return !isJumpRace(r.slot.race) && numberAt(r.runRace(1), RaRecord::TrackCode) > kFromJumpTrackAbove;
}

struct FixedCriterion {
    int number;
    bool (*holds)(const Runner&);
};

// The criteria that stay fixed for the day once they are set.
constexpr FixedCriterion kFixedCriteria[] = {{1, twoLongBreaks}, {3, breakAfterBadRun}, {4, fromJumpRace}};

void markBadLastTwoRuns(const RaceSlotRecords& slot, int keshi2CK, RaceAnalysis& analysis) {
    for (int h = 1; h <= kMaxHorses; ++h)
        analysis.KeshiCriteria[2][size_t(h)] = badLastTwoRuns(Runner{slot, analysis, h}, keshi2CK) ? 1 : 0;
}

// The race of a slot with its field size (RA 登録頭数, at most kMaxHorses).
struct Race {
    const RaceSlotRecords& slot;
    const RaceAnalysis& analysis;
    const EliminationSettings& settings;
    int runners;
};

// At least half of the field, counted in real numbers: 7 of 14 is, 6 of 13 is not.
bool atLeastHalf(const Race& race, bool (*holds)(const Runner&)) {
    int count = 0;
    for (int h = 1; h <= race.runners; ++h)
        if (holds(Runner{race.slot, race.analysis, h})) ++count;
    return race.runners > 0 && 2 * count >= race.runners;
}

bool newcomerRace(const Race& race) {
    const std::string_view code = fieldOf(race.slot.race, RaRecord::YoungestConditionCode);
    return std::ranges::find(kNewcomerConditionCodes, code) != std::end(kNewcomerConditionCodes);
}
bool jumpRace(const Race& race) { return isJumpRace(race.slot.race); }
bool smallField(const Race& race) { return race.runners <= race.settings.miokuriTosu + kSmallFieldBase; }
bool manyBreaks(const Race& race) { return atLeastHalf(race, backFromLongBreak); }
bool littleJraRecord(const Race& race) { return atLeastHalf(race, fewJraRuns); }
bool manyBadLastRuns(const Race& race) { return atLeastHalf(race, badLastRun); }

// Skip rule n (miokuri n) at index n - 1.
constexpr bool (*kSkipRuleTests[kSkipRules])(const Race&) = {newcomerRace, jumpRace,         smallField,
                                                              manyBreaks,   littleJraRecord, manyBadLastRuns};

bool skippedVenue(const Race& race) {
    const int venue = numberAt(race.slot.race, RaRecord::VenueCode);
    return venue >= 1 && venue <= kJraVenues && race.settings.bashoMiokuri[size_t(venue)];
}

bool skipped(const Race& race) {
    for (int n = 1; n <= kSkipRules; ++n)
        if (race.settings.miokuri[size_t(n)] && kSkipRuleTests[n - 1](race)) return true;
    return skippedVenue(race);
}

} // namespace

void markEliminationCriteria(const RaceSlotRecords& slot, int keshi2CK, RaceAnalysis& analysis) {
    if (!holdsARace(slot.race)) return;
    for (int h = 1; h <= kMaxHorses; ++h)
        for (const FixedCriterion& criterion : kFixedCriteria)
            if (criterion.holds(Runner{slot, analysis, h})) analysis.KeshiCriteria[size_t(criterion.number)][size_t(h)] = 1;
    markBadLastTwoRuns(slot, keshi2CK, analysis);
}

void decideElimination(const RaceSlotRecords& slot, const EliminationSettings& settings, RaceAnalysis& analysis) {
    markBadLastTwoRuns(slot, settings.keshi2CK, analysis);
    for (int h = 1; h <= kMaxHorses; ++h) {
        analysis.KeshiFlag[size_t(h)] = 0;
        for (int n = 1; n <= kKeshiCriteria; ++n)
            if (settings.keshi[size_t(n)] && analysis.KeshiCriteria[size_t(n)][size_t(h)] == 1) analysis.KeshiFlag[size_t(h)] = 1;
    }
    const int runners = std::clamp(numberAt(slot.race, RaRecord::RegisteredRunners), 0, kMaxHorses);
    analysis.MiokuriFlag = skipped(Race{slot, analysis, settings, runners}) ? 1 : 0;
}

} // namespace zefa
