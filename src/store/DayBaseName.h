#pragma once

#include "jvdata/DateTime.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zefa {

// The name of a race day's files, "2007年03月04日" (UTF-8, as file names are on this machine).
// Its parts have fixed widths, so text order is date order.
std::string dayBaseName(const DateTime& date);

// The DayBaseName a file name begins with, or nullopt.
std::optional<std::string> dayBaseNamePrefix(std::string_view fileName);

// The days that have a ".jvRA" file in the data folder, newest first; none when the folder is missing.
std::vector<std::string> storedDays(const std::filesystem::path& dataFolder);

} // namespace zefa
