#include "store/RaceDayStore.h"

#include "jvdata/RecordKind.h"

namespace zefa {
namespace {

std::string blank(RecordKind kind) { return std::string(size_t(recordLength(kind)), ' '); }

} // namespace

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
    }
}

} // namespace zefa
