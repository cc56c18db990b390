#include "store/RaceDayStore.h"

#include "jvdata/Error.h"
#include "jvdata/RaRecord.h"
#include "jvdata/RecordKind.h"

#include <algorithm>

namespace zefa {
namespace {

std::string blank(RecordKind kind) { return std::string(size_t(recordLength(kind)), ' '); }

} // namespace

bool RaceSlotRecords::holdsARace() const {
    const std::string_view year = fieldOf(race, RaRecord::Year);
    return !trimmed(year).empty() && year != "0000";
}

int RaceSlotRecords::registeredRunners() const {
    return std::clamp(int(fieldNumber(fieldOf(race, RaRecord::RegisteredRunners))), 0, kMaxHorses);
}

size_t RaceSlotRecords::oddsIndex(DayFile file) {
    const auto* found = std::find(std::begin(kOddsFiles), std::end(kOddsFiles), file);
    if (found == std::end(kOddsFiles)) throw Error("オッズのファイルではありません。");
    return size_t(found - std::begin(kOddsFiles));
}

RaceDayStore::RaceDayStore() : slots_(kRaceSlots) { clear(); }

void RaceDayStore::clear() {
    const std::string race = blank(RecordKind::RA);
    const std::string runner = blank(RecordKind::SE);
    for (auto& slot : slots_) {
        slot.race = race;
        slot.runners.fill(runner);
        for (auto& runs : slot.pastRuns) runs.fill(runner);
        for (auto& races : slot.pastRaces) races.fill(race);
        slot.payout = blank(RecordKind::HR);
        slot.predictedOdds = blank(RecordKind::Yoz);
        for (const DayFile file : kOddsFiles) slot.oddsRecord(file) = blank(dayFileRow(file).kind);
    }
}

} // namespace zefa
