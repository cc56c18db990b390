#include "app/AnalysisCommands.h"

#include "app/Session.h"

namespace zefa {

void iniBtnClick(Session& session) {
    for (auto& analysis : session.analyses) analysis = RaceAnalysis{};
}

} // namespace zefa
