#pragma once

namespace zefa {

struct Session;

// "軸ヒモ馬抽出": axis and partner horses of the race in the session's analysis slot, by the
// checked mode, the fixing items, the axis-change options and the user bet rule of the race.
void jikuHimoBtnClick(Session& session);

// After a change of the mode, the menu checks or the rules: the axis and partners of every race
// of the loaded day afresh, and the race on show shown again. Nothing happens without a day.
void recomputeDayAxes(Session& session);

} // namespace zefa
