#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zefa {

// Post-time changes of a day: the ".TC" file of TC lines and the ".NEW" state file in the CHG folder.

// Stores a TC line (kept as received): it replaces the line of its race, or goes in at its place
// in text order.
void storeChangeLine(const std::filesystem::path& tcFile, std::string_view line);

// The announcement time (mmddhhnn) of the latest change already applied: line 4 of the ".NEW"
// file; nullopt when the file is missing or has not exactly five lines, so every change applies.
std::optional<std::string> appliedChangeTime(const std::filesystem::path& newFile);

// Puts the new post time (hhmm) into every RA line of the venue and race number; returns the
// indices of the lines changed, which are the race slots of the day.
std::vector<int> rewritePostTime(std::vector<std::string>& raLines, std::string_view venueCode,
                                 std::string_view raceNumber, std::string_view postTime);

} // namespace zefa
