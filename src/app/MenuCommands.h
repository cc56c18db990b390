#pragma once

#include <array>
#include <string_view>

namespace zefa {

struct Session;

// The four bet selection modes of the options menu, by their number in the settings.
inline constexpr std::array<std::string_view, 4> kKaimeModeCaptions{
    "評価馬優先モード", "複勝朝人気馬優先モード", "ユーザー設定モード(評価馬優先)", "ユーザー設定モード(複勝馬優先)"};

// Reads the mode and the three check items from the settings into the menu.
void readMenuChecks(Session& session);

// A mode item was chosen: it is checked and kept in the settings, and the loaded day's axis and
// partners follow it.
void kaimeModeClick(Session& session, int mode);

// "評価馬がいない場合複勝馬より軸馬を選定する" was toggled: kept in the settings and applied to the day.
void ifnothyokabaClick(Session& session);

// The fixing items "軸馬をX馬に固定", "軸馬をAAA馬に固定", "軸馬をAA馬に固定", "軸馬を複勝1人気馬に固定",
// "ヒモ馬を展開上位５頭に固定" and "ヒモ馬を直前単勝人気上位５頭に固定" toggle for this run only and
// are applied to the day.
void jikuXClick(Session& session);
void jikuAAAClick(Session& session);
void jikuAAClick(Session& session);
void jikuF1Click(Session& session);
void tenkaiJoi5Click(Session& session);
void ninkiJoi5Click(Session& session);

// "ｵｯｽﾞの自動取得機能を停止する" toggles for this run.
void notGetOzClick(Session& session);

// "ヘルプ": opens the user manual.
void helpButtonClick(Session& session);

// A command whose work is not built yet says so in the status label.
void notYetAvailable(Session& session, std::string_view caption);

} // namespace zefa
