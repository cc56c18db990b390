#pragma once

namespace zefa {

struct Session;

// "初期化": every race slot's analysis back to its reset state.
void iniBtnClick(Session& session);

} // namespace zefa
