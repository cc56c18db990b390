#include "app/PayoutCommands.h"

#include "analysis/PayoutSummary.h"
#include "app/Session.h"

namespace zefa {

void calcBtnClick(Session& session) { session.payoutSummary = payoutSummary(session.store); }

} // namespace zefa
