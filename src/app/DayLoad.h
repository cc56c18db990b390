#pragma once

namespace zefa {

struct Session;

// The user picked a day (the session's selected day): its races, runners, past runs, payouts and
// predicted odds go into the store, the race list is built and the day's schedule is set.
// A day without its race file is reported and nothing is loaded.
void dateComboChange(Session& session);

} // namespace zefa
