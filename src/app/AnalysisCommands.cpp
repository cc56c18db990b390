#include "app/AnalysisCommands.h"

#include "app/Session.h"

namespace zefa {

void iniBtnClick(Session& session) {
    for (auto& analysis : session.analyses) analysis = RaceAnalysis{};
}

void forEveryRaceSlot(Session& session, void (*command)(Session&)) {
    for (int k = 0; k < kRaceSlots; ++k) {
        session.analysisSlot = k;
        command(session);
    }
}

} // namespace zefa
