#pragma once

#include "jvdata/RecordKind.h"
#include "store/DayFileSet.h"
#include "store/ProgramFolder.h"
#include "store/RaceDayStore.h"

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace zefa {

// Reads a race day's files into a RaceDayStore, one step at a time, so that the day load can show
// its progress between steps. Files read more than once in a load (past race days, archives) are
// read from disk once. Missing files leave blanks. A file that cannot be read or holds records of
// another length is left out like a missing one and noted among the problems, so that the rest of
// the day still loads.
class RaceDayReader {
public:
    RaceDayReader(const ProgramFolder& folder, const DayFileSet& day, RaceDayStore& store);

    // The day's races into slots 0 … 35 in file order; the number of races read.
    int readRaces();
    // The runners of a slot from its venue's runner grid; false when the venue has no runner file.
    bool readRunners(int raceSlot);
    // The five runs of the runner before its race, newest first, from its past-run file; each past
    // race record gets the run's RaceKey.
    void readPastRuns(int raceSlot, int horseSlot);
    // The day's payouts, each into the slot of its race.
    void readPayouts();
    // The day's predicted-odds lines, each into the slot of its race.
    void readPredictedOdds();
    // The whole race record of each past run: from the day file of its date at a central venue, from
    // the archive of races elsewhere.
    void readPastRaces(int raceSlot, int horseSlot);

    // What could not be read, one UTF-8 message per file or race, in the order met.
    const std::vector<std::string>& problems() const { return problems_; }

private:
    // The records of a file, or nothing when it is missing; read once per reader.
    const std::vector<std::string>* records(const std::filesystem::path& file, RecordKind kind);

    const ProgramFolder& folder_;
    const DayFileSet& day_;
    RaceDayStore& store_;
    std::map<std::filesystem::path, std::optional<std::vector<std::string>>> files_;
    std::vector<std::string> problems_;
};

} // namespace zefa
