#pragma once

#include "bets/BetList.h"

#include <string>
#include <string_view>
#include <vector>

namespace zefa {

struct Session;

inline constexpr std::string_view kPlugInProgram = "ZPCTohyoPlugIn2.exe";
inline constexpr std::string_view kPlugInKaimeFolder = "kaime";

// The voting plug-in's word for a bet type ("UMAFUKU").
std::string_view votingWord(BetType type);

// Whether a row is handed to the plug-in: its combination, odds and stake are filled and it is not
// struck out.
bool votedRow(const BetList& list, int row);

// One CSV line per voted row, in the list's row order, each without its line end:
// "20060507,05,11,UMAFUKU,NORMAL,500,03-12,". Date, venue and race come from the race's RA record.
std::vector<std::string> votingLines(const BetList& list, BetType type, std::string_view raceRecord);

// The CSV file's name from the race's RA record: two-digit year, month and day, "060507.csv".
std::string votingFileName(std::string_view raceRecord);

// "ZPC2投票": writes the bets of the list on show into the plug-in's kaime folder, after the user
// confirmed, and starts the plug-in with that file. Every reason not to is told to the user; a
// file that cannot be saved raises Error and the plug-in is not started.
void tohyoCSVBtnClick(Session& session, BetType type);

// "ZPC投票プラグイン２フォルダ指定": the plug-in's folder, chosen by the user, is kept in the settings.
void zpc1Click(Session& session);

} // namespace zefa
