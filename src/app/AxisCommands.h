#pragma once

namespace zefa {

struct Session;

// "軸ヒモ馬抽出": axis and partner horses of the race in the session's analysis slot.
void jikuHimoBtnClick(Session& session);

} // namespace zefa
