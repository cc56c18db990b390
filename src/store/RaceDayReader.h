#pragma once

#include "jvdata/RecordKind.h"
#include "store/DayFileSet.h"
#include "store/ProgramFolder.h"
#include "store/RaceDayStore.h"
#include "store/RecordFile.h"

#include <filesystem>
#include <optional>
#include <unordered_map>
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
    const RecordBytes* records(const std::filesystem::path& file, RecordKind kind);
    // The race file of a past run's date: the day's race file for a central venue (venue empty),
    // else the archive of that date and venue.
    const RecordBytes* pastRaceFile(std::string_view date, std::string_view venue);

    const ProgramFolder& folder_;
    const DayFileSet& day_;
    RaceDayStore& store_;
    std::unordered_map<std::string, std::optional<RecordBytes>> files_; // by path

    std::unordered_map<std::string, const RecordBytes*> pastRaceFiles_; // by date and venue
    std::vector<std::string> problems_;
};

} // namespace zefa
