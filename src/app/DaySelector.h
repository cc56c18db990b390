#pragma once

#include <optional>

namespace zefa {

struct Session;

// "リスト作成": fills the day selector with the stored days, newest first, none selected.
void makeDataListBtnClick(Session& session);

// The user picked entry `index` of the race list: it becomes the race on show.
void datListClick(Session& session, int index);

// "直前ﾚｰｽ": on a day that is today, shows the race that starts next; the race-list index shown,
// or nullopt when there is none (another day, no races, or every race has started).
std::optional<int> nextRaceBtnClick(Session& session);

} // namespace zefa
