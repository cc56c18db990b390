#pragma once

#include "jvdata/DateTime.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace zefa {

struct SampleOptions {
    std::filesystem::path home; // the program folder to fill
    std::uint64_t seed = 1;
    int days = 8;               // race days, Saturdays and Sundays
    DateTime end;               // the last race day, or the last Saturday or Sunday before it
};

struct SampleSummary {
    std::vector<std::string> days; // DayBaseNames, oldest first
    int races = 0;
    int runners = 0;
    int horseFiles = 0;            // SEI files written
};

// Writes a complete sample program folder: the day files of every race day and the past-run
// file of every runner. The same options give byte-identical files.
SampleSummary makeSample(const SampleOptions& options);

} // namespace zefa
