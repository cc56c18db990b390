#pragma once

namespace zefa {

struct Session;

// The rule editor closed: on a loaded day the axis step runs again for the analysis slot and the
// race on show is shown again, so that its bets follow the changed rules.
void kaimeSetInputFormClose(Session& session);

} // namespace zefa
