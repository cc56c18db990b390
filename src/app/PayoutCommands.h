#pragma once

namespace zefa {

struct Session;

// The payout summary of the loaded day's races.
void calcBtnClick(Session& session);

} // namespace zefa
