#pragma once

#include "jvdata/DateTime.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace zefa {

struct SampleOptions {
    std::filesystem::path home; // the program folder to fill
    std::uint64_t seed = 1;
    int days = 8;               // race days, Saturdays and Sundays
    DateTime end;               // the last race day, or the last Saturday or Sunday before it
    std::optional<std::filesystem::path> feed; // also write the records as a feed folder here
};

struct SampleSummary {
    std::vector<std::string> days; // DayBaseNames, oldest first
    int races = 0;
    int runners = 0;
    int horseFiles = 0;            // SEI files written
};

// Writes a complete sample program folder: the day files of every race day, the past-run files
// and masters of every runner, the masters of the jockeys and trainers, and a post-time change.
// The same options give byte-identical files.
SampleSummary makeSample(const SampleOptions& options);

} // namespace zefa
