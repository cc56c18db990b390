#pragma once

#include "store/DayFileSet.h"
#include "store/RaceDayStore.h"
#include "store/RecordFile.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace zefa {

// The day's odds files, each read whole at its first use, so that a pass over all race slots
// reads every file once.
class DayOddsFiles {
public:
    explicit DayOddsFiles(const DayFileSet& files);

    // Copies the race's record of every odds file into the slot: the first record whose venue code
    // (20..21) and race number (26..27) are those of the slot's race record. A missing file, or one
    // without the race, leaves that record of the slot as it was; so does a slot whose race number
    // is not at least 1. Error naming the file when one cannot be read as records of its kind (then
    // at every later use too); the slot is then left as it was.
    void readRace(RaceSlotRecords& slot);

private:
    struct Loaded {
        bool read = false;
        std::optional<RecordBytes> records; // nullopt: no such file
        std::string error;                               // why the file cannot be read
    };
    const std::optional<RecordBytes>& records(size_t file);

    const DayFileSet& files_;
    std::array<Loaded, kOddsFileCount> loaded_;
};

// The race's odds records of one slot, the files read afresh.
void readRaceOdds(const DayFileSet& files, RaceSlotRecords& slot);

} // namespace zefa
