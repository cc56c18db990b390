#pragma once

#include "jvdata/DateTime.h"
#include "store/ProgramFolder.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zefa {

// The two archives of past runs: one SEI file per horse (its normalised SE lines, oldest run
// first) and one SEIR file per date and venue outside the ten central venues (normalised RA lines).

// Year of birth, and race year, that a past run must be newer than: the current year minus 15,
// as four digits.
std::string pastYearLimit(const DateTime& today);

// "SEI/<first four characters>/<registration number>.jvSEI"; nullopt unless the registration
// number is ten letters or digits (a record's text never makes a path outside the folder).
std::optional<std::filesystem::path> seiFile(const ProgramFolder& folder, std::string_view registrationNumber);

// "SEIR/<year>/<yyyymmdd><venue code>.jvSERA"; nullopt unless the date is eight digits and the
// venue code two letters or digits.
std::optional<std::filesystem::path> seirFile(const ProgramFolder& folder, std::string_view date, std::string_view venueCode);

// Stores a past run (a SE line) in its horse's file when the horse is born after the limit.
// Returns false when the run is not kept.
bool storePastRun(const ProgramFolder& folder, std::string_view seLine, std::string_view yearLimit);

// Stores a race outside the central venues (a RA line) in its date and venue's file when the race
// is of a year after the limit. Returns false when the race is not kept.
bool storePastRace(const ProgramFolder& folder, std::string_view raLine, std::string_view yearLimit);

} // namespace zefa
