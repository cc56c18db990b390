#include "app/OddsCommands.h"

#include "analysis/OddsAnalysis.h"
#include "app/Session.h"
#include "store/RaceOddsReader.h"

namespace zefa {

void ozReadBtnClick(Session& session) {
    if (!session.dayFiles) return;
    RaceSlotRecords& slot = session.store.slot(session.analysisSlot);
    readRaceOdds(*session.dayFiles, slot);
    analyseOdds(slot, session.settings.readInt(Setting::KeshiNin), session.analyses[size_t(session.analysisSlot)]);
}

} // namespace zefa
