#include "app/PayoutCommands.h"

#include "app/Session.h"

namespace zefa {

// The summary table is built with the payouts display; until then the day has no summary.
void calcBtnClick(Session&) {}

} // namespace zefa
