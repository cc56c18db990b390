#include "app/DaySelector.h"

#include "app/Session.h"
#include "store/DayBaseName.h"

namespace zefa {

void makeDataListBtnClick(Session& session) {
    session.dayList = storedDays(session.folder.data());
    session.selectedDay.clear();
}

} // namespace zefa
