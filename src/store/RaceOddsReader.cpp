#include "store/RaceOddsReader.h"

#include "jvdata/Error.h"
#include "jvdata/RaceRecord.h"
#include "store/RecordFile.h"


namespace zefa {

DayOddsFiles::DayOddsFiles(const DayFileSet& files) : files_(files) {}

const std::optional<RecordBytes>& DayOddsFiles::records(size_t file) {
    Loaded& loaded = loaded_[file];
    if (!loaded.read) {
        loaded.read = true;
        const DayFileRow& row = dayFileRow(kOddsFiles[file]);
        try {
            loaded.records = readRecordBytes(files_.file(row.file), row.kind);
        } catch (const Error& error) {
            loaded.error = error.what();
        }
    }
    if (!loaded.error.empty()) throw Error(loaded.error);
    return loaded.records;
}

void DayOddsFiles::readRace(RaceSlotRecords& slot) {
    const std::string_view raceNumber = fieldOf(slot.race, RaceRecordView::RaceNumber);
    if (fieldNumber(raceNumber) < 1) return;
    const std::string_view venueCode = fieldOf(slot.race, RaceRecordView::VenueCode);
    std::array<std::optional<std::string_view>, kOddsFileCount> found;
    for (size_t i = 0; i < kOddsFileCount; ++i) {
        const auto& file = records(i);
        for (size_t r = 0; file && r < file->size() && !found[i]; ++r)
            if (fieldOf((*file)[r], RaceRecordView::VenueCode) == venueCode && fieldOf((*file)[r], RaceRecordView::RaceNumber) == raceNumber)
                found[i] = (*file)[r];
    }
    for (size_t i = 0; i < kOddsFileCount; ++i)
        if (found[i]) slot.oddsRecord(kOddsFiles[i]) = *found[i];
}

void readRaceOdds(const DayFileSet& files, RaceSlotRecords& slot) { DayOddsFiles(files).readRace(slot); }

} // namespace zefa
