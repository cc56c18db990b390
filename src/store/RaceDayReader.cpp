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

const std::vector<std::string>* RaceDayReader::records(const std::filesystem::path& file, RecordKind kind) {
    auto found = files_.find(file);
    if (found == files_.end()) {
        std::optional<std::vector<std::string>> read;
        try {
            read = readRecords(file, kind);
        } catch (const Error& error) {
            problems_.push_back(error.what());
        }
        found = files_.emplace(file, std::move(read)).first;
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
    for (auto run = runs->rbegin(); run != runs->rend() && kept < kPastRuns; ++run) {
        const long long date = fieldNumber(cut(*run, SeRecord::RaceDate));
        if (date <= 0 || date >= raceDate) continue;
        slot.pastRuns[size_t(horseSlot)][size_t(kept)] = *run;
        std::string& pastRace = slot.pastRaces[size_t(horseSlot)][size_t(kept)];
        const Field key = RaceRecordView::RaceKey;
        pastRace.replace(size_t(key.position - 1), size_t(key.length), cut(*run, key));
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

void RaceDayReader::readPastRaces(int raceSlot, int horseSlot) {
    RaceSlotRecords& slot = store_.slot(raceSlot);
    for (int j = 0; j < kPastRuns; ++j) {
        const std::string& run = slot.pastRuns[size_t(horseSlot)][size_t(j)];
        if (trimmed(cut(run, RaceRecordView::Year)).empty()) break;
        const std::string_view venue = cut(run, kVenueCode);
        const std::string_view raceNumber = cut(run, kRaceNumber);
        const long long venueNumber = fieldNumber(venue);
        const bool central = venueNumber >= 1 && venueNumber <= kCentralVenues;
        std::optional<std::filesystem::path> file;
        if (central) {
            if (const auto date = parseDateTime(cut(run, RaceRecordView::RaceDate)))
                file = DayFileSet(folder_, dayBaseName(*date)).file(DayFile::Races);
        } else {
            file = seirFile(folder_, cut(run, RaceRecordView::RaceDate), venue);
        }
        const auto* races = file ? records(*file, RecordKind::RA) : nullptr;
        if (!races) continue;
        const auto race = std::find_if(races->begin(), races->end(), [&](const std::string& r) {
            return cut(r, kRaceNumber) == raceNumber && (!central || cut(r, kVenueCode) == venue);
        });
        if (race != races->end()) slot.pastRaces[size_t(horseSlot)][size_t(j)] = *race;
    }
}

} // namespace zefa
