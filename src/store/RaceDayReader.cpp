#include "store/RaceDayReader.h"

#include "jvdata/DateTime.h"
#include "jvdata/Error.h"
#include "jvdata/RaRecord.h"
#include "jvdata/SeRecord.h"
#include "jvdata/VenueTables.h"
#include "jvdata/YozLine.h"
#include "store/DayBaseName.h"
#include "store/PastRuns.h"
#include "store/RecordFile.h"
#include "store/RunnerGrid.h"
#include "store/WholeFile.h"

#include <algorithm>

namespace zefa {
namespace {

constexpr int kCentralVenues = 10;
constexpr Field kVenueCode = RaceRecordView::VenueCode;
constexpr Field kRaceNumber = RaceRecordView::RaceNumber;

std::string_view cut(std::string_view record, Field f) { return fieldOf(record, f); }

// Year, month-day, venue and race number: how payout records find their race.
std::string payoutKey(std::string_view record) {
    return std::string(cut(record, RaceRecordView::RaceDate)) + std::string(cut(record, kVenueCode)) +
           std::string(cut(record, kRaceNumber));
}

// Date, venue name and race number: how predicted-odds lines find their race.
std::string predictedOddsKey(std::string_view date, std::string_view venueName, std::string_view raceNumber) {
    return std::string(date) + std::string(venueName) + std::string(raceNumber);
}

} // namespace

RaceDayReader::RaceDayReader(const ProgramFolder& folder, const DayFileSet& day, RaceDayStore& store)
    : folder_(folder), day_(day), store_(store) {}

const RecordBytes* RaceDayReader::records(const std::filesystem::path& file, RecordKind kind) {
    auto found = files_.find(file.native());
    if (found == files_.end()) {
        std::optional<RecordBytes> read;
        try {
            read = readRecordBytes(file, kind);
        } catch (const Error& error) {
            problems_.push_back(error.what());
        }
        found = files_.emplace(file.native(), std::move(read)).first;
    }
    return found->second ? &*found->second : nullptr;
}

int RaceDayReader::readRaces() {
    const auto* races = records(day_.file(DayFile::Races), RecordKind::RA);
    if (!races) return 0;
    const int count = std::min<int>(int(races->size()), kRaceSlots);
    for (int k = 0; k < count; ++k) {
        const std::string& race = store_.slot(k).race = (*races)[size_t(k)];
        const long long registered = fieldNumber(cut(race, RaRecord::RegisteredRunners));
        if (registered > kMaxHorses)
            problems_.push_back("ファイル[" + displayPath(day_.file(DayFile::Races)) + "]の" + std::to_string(k + 1) +
                                "番目のレースは登録頭数が" + std::to_string(registered) + "頭です。" +
                                std::to_string(kMaxHorses) + "頭までを読み込みました。");
    }
    return count;
}

bool RaceDayReader::readRunners(int raceSlot) {
    RaceSlotRecords& slot = store_.slot(raceSlot);
    const auto* grid = records(day_.runnerFile(cut(slot.race, kVenueCode)), RecordKind::SE);
    if (!grid) return false;
    const int race = int(fieldNumber(cut(slot.race, kRaceNumber)));
    for (int i = 0; i < slot.registeredRunners(); ++i) {
        const auto line = runnerGridLine(race, i + 1);
        if (line && size_t(*line) < grid->size()) slot.runners[size_t(i)] = (*grid)[size_t(*line)];
    }
    return true;
}

void RaceDayReader::readPastRuns(int raceSlot, int horseSlot) {
    RaceSlotRecords& slot = store_.slot(raceSlot);
    const std::string& runner = slot.runners[size_t(horseSlot)];
    const long long raceDate = fieldNumber(cut(runner, SeRecord::RaceDate));
    const auto file = seiFile(folder_, cut(runner, SeRecord::HorseId));
    if (raceDate <= 0 || !file) return;
    const auto* runs = records(*file, RecordKind::SE);
    if (!runs) return;
    int kept = 0;
    for (size_t i = runs->size(); i-- > 0 && kept < kPastRuns;) {
        const std::string_view run = (*runs)[i];
        const long long date = fieldNumber(cut(run, SeRecord::RaceDate));
        if (date <= 0 || date >= raceDate) continue;
        slot.pastRuns[size_t(horseSlot)][size_t(kept)] = run;
        std::string& pastRace = slot.pastRaces[size_t(horseSlot)][size_t(kept)];
        const Field key = RaceRecordView::RaceKey;
        pastRace.replace(size_t(key.position - 1), size_t(key.length), cut(run, key));
        ++kept;
    }
}

void RaceDayReader::readPayouts() {
    const auto* payouts = records(day_.file(DayFile::Payouts), RecordKind::HR);
    if (!payouts) return;
    for (size_t i = 0; i < payouts->size() && i < size_t(kRaceSlots); ++i) {
        const std::string key = payoutKey((*payouts)[i]);
        for (int k = 0; k < kRaceSlots; ++k) {
            if (payoutKey(store_.slot(k).race) != key) continue;
            store_.slot(k).payout = (*payouts)[i];
            break;
        }
    }
}

void RaceDayReader::readPredictedOdds() {
    const auto* lines = records(day_.file(DayFile::PredictedOdds), RecordKind::Yoz);
    if (!lines) return;
    for (size_t i = 0; i < lines->size() && i < size_t(kRaceSlots); ++i) {
        const YozLine line((*lines)[i]);
        const std::string venue = line.jvDataVenueCoding() ? venueName(line.venueCode(), 2) : predictedOddsVenueName(line.venueCode());
        const std::string key = predictedOddsKey(line.raceDate(), venue, line.field(YozLine::RaceNumber));
        for (int k = 0; k < kRaceSlots; ++k) {
            const std::string& race = store_.slot(k).race;
            if (predictedOddsKey(cut(race, RaceRecordView::RaceDate), venueName(cut(race, kVenueCode), 2), cut(race, kRaceNumber)) != key)
                continue;
            store_.slot(k).predictedOdds = (*lines)[i];
            break;
        }
    }
}

const RecordBytes* RaceDayReader::pastRaceFile(std::string_view date, std::string_view venue) {
    const std::string key = std::string(date) + std::string(venue);
    if (const auto known = pastRaceFiles_.find(key); known != pastRaceFiles_.end()) return known->second;
    std::optional<std::filesystem::path> file;
    if (venue.empty()) {
        if (const auto day = parseDateTime(date)) file = DayFileSet(folder_, dayBaseName(*day)).file(DayFile::Races);
    } else {
        file = seirFile(folder_, date, venue);
    }
    const RecordBytes* races = file ? records(*file, RecordKind::RA) : nullptr;
    pastRaceFiles_.emplace(key, races);
    return races;
}

void RaceDayReader::readPastRaces(int raceSlot, int horseSlot) {
    RaceSlotRecords& slot = store_.slot(raceSlot);
    for (int j = 0; j < kPastRuns; ++j) {
        const std::string& run = slot.pastRuns[size_t(horseSlot)][size_t(j)];
        if (trimmed(cut(run, RaceRecordView::Year)).empty()) break;
        const std::string_view venue = cut(run, kVenueCode);
        const std::string_view raceNumber = cut(run, kRaceNumber);
        const long long venueNumber = fieldNumber(venue);
        const bool central = venueNumber >= 1 && venueNumber <= kCentralVenues;
        const RecordBytes* races = pastRaceFile(cut(run, RaceRecordView::RaceDate), central ? std::string_view{} : venue);
        if (!races) continue;
        for (size_t i = 0; i < races->size(); ++i) {
            const std::string_view race = (*races)[i];
            if (cut(race, kRaceNumber) != raceNumber || (central && cut(race, kVenueCode) != venue)) continue;
            slot.pastRaces[size_t(horseSlot)][size_t(j)] = race;
            break;
        }
    }
}

} // namespace zefa
