#pragma once

#include "jvdata/DateTime.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zefa {

// Saves records (each with its CR LF) as one accumulated-data file of a feed folder:
// "RACE/<yyyymmddhhnnss>-<what>.jvd", which FeedJvLink serves to the import.
void writeFeedFile(const std::filesystem::path& feed, const DateTime& stamp, std::string_view what,
                   const std::vector<std::string>& records);

} // namespace zefa
