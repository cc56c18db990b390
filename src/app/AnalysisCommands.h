#pragma once

namespace zefa {

struct Session;

// "初期化": every race slot's analysis back to its reset state.
void iniBtnClick(Session& session);

// Runs a per-race command for every race slot in turn, with the analysis slot set to it.
void forEveryRaceSlot(Session& session, void (*command)(Session&));

} // namespace zefa
