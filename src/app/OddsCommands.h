#pragma once

namespace zefa {

struct Session;

// "オッズ取込": reads the odds of the race in the session's analysis slot and analyses them.
void ozReadBtnClick(Session& session);

} // namespace zefa
