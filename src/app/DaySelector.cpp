#include "app/DaySelector.h"

#include "app/Session.h"
#include "jvdata/Clock.h"
#include "jvdata/RaRecord.h"
#include "store/DayBaseName.h"

namespace zefa {
namespace {

constexpr long long kNoRaceYet = 10000; // more than any difference of two "hhnn" clocks

} // namespace

void makeDataListBtnClick(Session& session) {
    session.dayList = storedDays(session.folder.data());
    session.selectedDay.clear();
}

void datListClick(Session& session, int index) {
    if (index < 0 || index >= int(session.raceList.size())) return;
    session.selectedRaceSlot = index;
}

std::optional<int> nextRaceBtnClick(Session& session) {
    if (trimmed(session.selectedDay).empty() || session.raceList.empty()) return std::nullopt;
    const DateTime now = session.clock.now();
    if (fieldOf(session.store.slot(0).race, RaRecord::RaceDate) != formatDateTime(now, "yyyymmdd")) return std::nullopt;
    const std::string clock = formatDateTime(now, "hhnn");
    std::optional<int> next;
    long long nearest = kNoRaceYet;
    for (int i = 0; i < int(session.raceList.size()) && i < kRaceSlots; ++i) {
        const std::string_view post = fieldOf(session.store.slot(i).race, RaRecord::PostTime);
        if (!(clock < post)) continue;
        const long long wait = fieldNumber(post) - fieldNumber(clock);
        if (wait < nearest) {
            nearest = wait;
            next = i;
        }
    }
    if (next) datListClick(session, *next);
    return next;
}

} // namespace zefa
