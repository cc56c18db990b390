#include "app/OddsCommands.h"

#include "analysis/OddsAnalysis.h"
#include "app/Session.h"
#include "store/RaceOddsReader.h"

namespace zefa {

void ozReadBtnClick(Session& session) {
    if (!session.dayFiles) return;
    DayOddsFiles odds(*session.dayFiles);
    ozReadBtnClick(session, odds);
}

void ozReadBtnClick(Session& session, DayOddsFiles& odds) {
    RaceSlotRecords& slot = session.store.slot(session.analysisSlot);
    odds.readRace(slot);
    analyseOdds(slot, session.settings.readInt(Setting::KeshiNin), session.analyses[size_t(session.analysisSlot)]);
}

} // namespace zefa
