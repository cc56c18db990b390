#pragma once

namespace zefa {

class DayOddsFiles;
struct Session;

// "オッズ取込": reads the odds of the race in the session's analysis slot and analyses them.
void ozReadBtnClick(Session& session);
// The same, with the odds files of a pass over several races that reads each file once.
void ozReadBtnClick(Session& session, DayOddsFiles& odds);

} // namespace zefa
