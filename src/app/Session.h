#pragma once

#include "analysis/PayoutSummary.h"
#include "analysis/RaceAnalysis.h"
#include "app/SettingsFile.h"
#include "bets/BetList.h"
#include "store/DayFileSet.h"
#include "store/ProgramFolder.h"
#include "store/RaceDayStore.h"

#include <optional>

#include <string>
#include <vector>

namespace zefa {

class Clock;
class JvLink;
class Registry;
class UserPort;

// The check items of the options menu.
struct MenuChecks {
    int kaimeMode = 0;         // 0 … 3 checks that mode item; any other value checks none
    bool ifnothyokaba = true;  // "評価馬がいない場合複勝馬より軸馬を選定する"
    bool tenkaiJoi5 = false;   // "ヒモ馬を展開上位５頭に固定"
    bool ninkiJoi5 = false;    // "ヒモ馬を直前単勝人気上位５頭に固定"
    bool notGetOz = false;     // "ｵｯｽﾞの自動取得機能を停止する"
    // Fixing items of the administrator's menu, unchecked at every start.
    bool jikuX = false;        // "軸馬をX馬に固定"
    bool jikuAAA = false;      // "軸馬をAAA馬に固定"
    bool jikuAA = false;       // "軸馬をAA馬に固定"
    bool jikuF1 = false;       // "軸馬を複勝1人気馬に固定"
};

// The timers and the check box of the automatic acquisition of a live day.
struct AcquisitionState {
    bool resultTimer = false; // the automatic result fetch runs every resultIntervalMinutes
    bool changeTimer = false; // the post-time changes are read periodically
    bool autoOzCheck = false; // the automatic odds fetches are armed
    bool autoOzBusy = false;  // an automatic odds fetch is running
};

// Everything the main window keeps for the whole run. Commands are functions over a Session.
struct Session {
    Session(ProgramFolder folder, JvLink& jvLink, UserPort& port, const Clock& clock, const Registry& registry);

    ProgramFolder folder;
    SettingsFile settings;
    JvLink& jvLink;
    UserPort& port;
    const Clock& clock;
    const Registry& registry;

    std::vector<std::string> errorLogLines;
    std::vector<std::string> userRules; // CP932 lines of the user bet-rule table
    std::vector<std::string> dayList;   // the day selector's items, newest first
    std::string selectedDay;            // the day selector's text; empty: no day loaded

    // The loaded day.
    std::optional<DayFileSet> dayFiles;
    RaceDayStore store;
    std::vector<RaceAnalysis> analyses = std::vector<RaceAnalysis>(kRaceSlots); // by race slot
    std::vector<PayoutSummaryEntry> payoutSummary; // by race slot, once the day is loaded
    std::vector<std::string> raceList;        // the race list's entries (UTF-8); entry i is race slot i
    std::vector<std::string> raceAmountList;  // stake per race slot, as text
    bool dayFrom2005 = false;                 // the loaded day's year is 2005 or later
    bool liveDay = false;                     // the loaded day is today, or tomorrow after 18:00
    int resultIntervalMinutes = 10;           // interval of the automatic result fetch
    int analysisSlot = 0;                     // the race slot the analysis steps work on
    int selectedRaceSlot = -1;                // the race on show; -1: none
    AcquisitionState acquisition;

    int haibunSet = 0; // fund distribution method of the bet page
    std::array<BetList, 8> betLists; // the bet lists of the race on show, by BetType order
    int kaimeAmount = 3000;          // the amount box of the bet page
    MenuChecks menu;

    bool batchMode = false;
    bool quietAcquisition = false;
};

} // namespace zefa
