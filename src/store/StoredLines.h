#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zefa {

// A stored line is a JV-Data record without its final CR LF; files of stored lines are saved with
// CR LF after every line, so that they can be read back as fixed-size records.

// The record as a stored line: its final CR LF dropped.
std::string storedLineOf(std::string_view record);

// Positions 3..11 (data category and creation date) set to "000000000", so that all lines of a
// file share positions 1..11 and sort by their RaceKey.
std::string normalised(std::string_view line);

// Byte order with ASCII letters folded: the order of every sorted stored file.
void sortStoredLines(std::vector<std::string>& lines);

// How a file takes a record.
struct UpdateRule {
    enum class Sort { Always, WhenAdded };
    Sort sort = Sort::Always;
    // Drop the first line when it is blank after trimming (race, odds and change files).
    bool dropBlankFirstLine = false;
};

inline constexpr UpdateRule kRaceFileRule{UpdateRule::Sort::Always, true};     // .jvRA, .jvO1 … .jvO6, .jvO1a
inline constexpr UpdateRule kPayoutFileRule{UpdateRule::Sort::Always, false};  // .jvHR
inline constexpr UpdateRule kPastRunFileRule{UpdateRule::Sort::Always, false}; // .jvSEI, .jvSERA
inline constexpr UpdateRule kChangeFileRule{UpdateRule::Sort::WhenAdded, true}; // .TC

// Replaces the first line with the line's RaceKey, or adds the line; then sorts and drops a
// blank first line as the rule says.
void keyedReplace(std::vector<std::string>& lines, std::string line, const UpdateRule& rule);

// keyedReplace on a file: loads it (a missing file is empty), updates it and saves it whole.
void updateStoredFile(const std::filesystem::path& file, std::string line, const UpdateRule& rule);

} // namespace zefa
