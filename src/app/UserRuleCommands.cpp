#include "app/UserRuleCommands.h"

#include "app/AxisCommands.h"
#include "app/DaySelector.h"
#include "app/Session.h"

namespace zefa {

void kaimeSetInputFormClose(Session& session) {
    if (session.selectedDay.empty()) return;
    jikuHimoBtnClick(session);
    if (session.selectedRaceSlot >= 0) datListClick(session, session.selectedRaceSlot);
}

} // namespace zefa
