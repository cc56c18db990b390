#pragma once

#include "jvdata/RecordKind.h"
#include "store/DayFileSet.h"
#include "store/RaceDayStore.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zefa {

// The first record of a per-race file whose venue code (20..21) and race number (26..27) are
// the race's; nullopt when the file is missing or holds no such record. Records are read one at a
// time up to the match, so a large file costs only the records before the race. Error naming the
// file when it cannot be read, its size is not a whole number of records, or the record found
// does not end in CR LF.
std::optional<std::string> scanForRaceRecord(const std::filesystem::path& file, RecordKind kind,
                                             std::string_view venueCode, std::string_view raceNumber);

// Copies the race's record of every odds file of the day into the slot, matched by the venue
// code and race number of the slot's race record. A missing file, or one without the race, leaves
// that record of the slot as it was; so does a slot whose race number is not at least 1. On an
// Error the slot is left as it was.
void readRaceOdds(const DayFileSet& files, RaceSlotRecords& slot);

} // namespace zefa
