#pragma once

namespace zefa {

struct Session;

// "リスト作成": fills the day selector with the stored days, newest first, none selected.
void makeDataListBtnClick(Session& session);

} // namespace zefa
