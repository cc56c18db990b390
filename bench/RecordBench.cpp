// How fast the record views cut a race day: builds the RA, SE and O1 … O6 records of 36 races in
// memory, then constructs a view over every record and cuts every field the day load and the
// odds analysis read, over and over, and prints records and fields per second.

#include "jvdata/OddsRecords.h"
#include "jvdata/RaRecord.h"
#include "jvdata/SeRecord.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using namespace zefa;

constexpr int kRaces = 36;
constexpr int kRunners = 18;
constexpr double kMinimumSeconds = 1.0;

constexpr Field kRaTexts[] = {
    RaRecord::RaceKey,        RaRecord::VenueCode,      RaRecord::WeekdayCode,    RaRecord::RaceName,
    RaRecord::RaceShortName6, RaRecord::RaceShortName3, RaRecord::GradeCode,      RaRecord::RaceTypeCode,
    RaRecord::RaceSymbolCode, RaRecord::WeightTypeCode, RaRecord::YoungestConditionCode,
    RaRecord::TrackCode,      RaRecord::CourseCode,     RaRecord::PostTime,       RaRecord::WeatherCode,
    RaRecord::TurfGoingCode,  RaRecord::DirtGoingCode,
};
constexpr Field kRaNumbers[] = {
    RaRecord::RaceNumber, RaRecord::GradedRaceEdition, RaRecord::Distance,  RaRecord::RegisteredRunners,
    RaRecord::Starters,   RaRecord::Finishers,
};
constexpr Field kSeTexts[] = {
    SeRecord::HorseId,      SeRecord::HorseName,       SeRecord::HorseSymbolCode,   SeRecord::SexCode,
    SeRecord::CoatColourCode, SeRecord::TrainerCode,   SeRecord::TrainerShortName,  SeRecord::BlinkerCode,
    SeRecord::JockeyCode,   SeRecord::JockeyShortName, SeRecord::ApprenticeCode,    SeRecord::BodyWeightSign,
    SeRecord::AnomalyCode,  SeRecord::MarginCode,      SeRecord::OpponentHorseName, SeRecord::TimeDifference,
    SeRecord::RunningStyle, SeRecord::WinOdds,
};
constexpr Field kSeNumbers[] = {
    SeRecord::Bracket,        SeRecord::HorseNumber,   SeRecord::Age,          SeRecord::CarriedWeight,
    SeRecord::BodyWeight,     SeRecord::BodyWeightChange, SeRecord::ArrivalOrder, SeRecord::FinishPosition,
    SeRecord::RaceTime,       SeRecord::WinPopularity, SeRecord::MainPrizeWon, SeRecord::AddedPrizeWon,
    SeRecord::Last3FurlongsTime,
};

// A record of the kind: blanks but for its id and the CR LF.
std::string blankRecord(RecordKind kind) {
    std::string record(size_t(recordLength(kind)), ' ');
    record.replace(0, 2, recordKindRow(kind).id);
    record.replace(record.size() - 2, 2, "\r\n");
    return record;
}

// Writes `value` into the field with leading zeros.
void put(std::string& record, Field f, long long value) {
    std::string digits = std::to_string(value);
    digits.insert(0, size_t(f.length) - std::min(digits.size(), size_t(f.length)), '0');
    record.replace(size_t(f.position - 1), size_t(f.length), digits.substr(digits.size() - size_t(f.length)));
}

void putRaceKey(std::string& record, int race) {
    // Three venues of twelve races: year, month-day, venue, meeting, day of meeting, then the race.
    record.replace(11, 14, "20240106" "0" + std::to_string(5 + race / 12) + "0101");
    put(record, RaceRecordView::RaceNumber, race % 12 + 1);
}

template <class R>
std::string comboOdds(int race) {
    std::string record = blankRecord(R::Kind);
    putRaceKey(record, race);
    for (int k = 1; k <= R::ordinals(); ++k) {
        put(record, R::Entries.field(k, R::Combination), k);
        put(record, R::Entries.field(k, R::Odds), 10 * k + race);
        put(record, R::Entries.field(k, R::Popularity), k);
    }
    return record;
}

struct Day {
    std::vector<std::string> records; // kind by kind: RA, SE, O1 … O6
    size_t ra = 0, se = 0, o1 = 0, o2 = 0, o3 = 0, o4 = 0, o5 = 0, o6 = 0; // first record of each kind
};

Day buildDay() {
    Day day;
    auto& r = day.records;
    day.ra = r.size();
    for (int race = 0; race < kRaces; ++race) {
        std::string record = blankRecord(RecordKind::RA);
        putRaceKey(record, race);
        put(record, RaRecord::Distance, 1200 + 200 * (race % 6));
        put(record, RaRecord::PostTime, 1000 + 30 * (race % 12));
        put(record, RaRecord::RegisteredRunners, kRunners);
        for (int n = 1; n <= 5; ++n) put(record, RaRecord::MainPrizes.field(n, RaRecord::Prize), 1000 * (6 - n));
        r.push_back(record);
    }
    day.se = r.size();
    for (int race = 0; race < kRaces; ++race)
        for (int h = 1; h <= kRunners; ++h) {
            std::string record = blankRecord(RecordKind::SE);
            putRaceKey(record, race);
            put(record, SeRecord::HorseNumber, h);
            put(record, SeRecord::Bracket, (h + 1) / 2 > 8 ? 8 : (h + 1) / 2);
            put(record, SeRecord::HorseId, 2020100000 + h);
            put(record, SeRecord::CarriedWeight, 560);
            put(record, SeRecord::FinishPosition, h);
            for (int c = 1; c <= SeRecord::Corners.entries; ++c)
                put(record, SeRecord::Corners.field(c, SeRecord::CornerPosition), (h + c) % kRunners + 1);
            put(record, SeRecord::WinOdds, 15 * h);
            r.push_back(record);
        }
    day.o1 = r.size();
    for (int race = 0; race < kRaces; ++race) {
        std::string record = blankRecord(RecordKind::O1);
        putRaceKey(record, race);
        for (int h = 1; h <= kRunners; ++h) {
            put(record, O1Record::Win.field(h, O1Record::WinOdds), 15 * h);
            put(record, O1Record::Win.field(h, O1Record::WinPopularity), h);
            put(record, O1Record::Place.field(h, O1Record::PlaceOddsLow), 11 + h);
            put(record, O1Record::Place.field(h, O1Record::PlaceOddsHigh), 20 + h);
            put(record, O1Record::Place.field(h, O1Record::PlacePopularity), h);
        }
        for (int k = 1; k <= O1Record::BracketQuinella.entries; ++k) {
            put(record, O1Record::BracketQuinella.field(k, O1Record::BracketOdds), 30 * k);
            put(record, O1Record::BracketQuinella.field(k, O1Record::BracketPopularity), k);
        }
        r.push_back(record);
    }
    day.o2 = r.size();
    for (int race = 0; race < kRaces; ++race) r.push_back(comboOdds<O2Record>(race));
    day.o3 = r.size();
    for (int race = 0; race < kRaces; ++race) r.push_back(comboOdds<O3Record>(race));
    day.o4 = r.size();
    for (int race = 0; race < kRaces; ++race) r.push_back(comboOdds<O4Record>(race));
    day.o5 = r.size();
    for (int race = 0; race < kRaces; ++race) r.push_back(comboOdds<O5Record>(race));
    day.o6 = r.size();
    for (int race = 0; race < kRaces; ++race) r.push_back(comboOdds<O6Record>(race));
    return day;
}

// Takes every cut field into a checksum, so that no cut can be left out by the optimiser.
struct Cuts {
    unsigned long long checksum = 0;
    long long fields = 0;

    void take(std::string_view text) {
        checksum = checksum * 31 + text.size() + (text.empty() ? 0 : static_cast<unsigned char>(text.back()));
        ++fields;
    }
    void take(long long number) {
        checksum = checksum * 31 + static_cast<unsigned long long>(number);
        ++fields;
    }
};

template <class R>
void cutComboOdds(const std::string& bytes, Cuts& cuts) {
    const R view(bytes);
    cuts.take(view.venueCode());
    cuts.take(view.raceNumber());
    for (int k = 1; k <= R::ordinals(); ++k) {
        cuts.take(view.oddsText(k));
        cuts.take(view.popularity(k));
    }
}

void cutDay(const Day& day, Cuts& cuts) {
    const auto& r = day.records;
    for (size_t i = day.ra; i < day.se; ++i) {
        const RaRecord ra(r[i]);
        for (const Field f : kRaTexts) cuts.take(ra.text(f));
        for (const Field f : kRaNumbers) cuts.take(ra.number(f));
        for (int group = 1; group <= RaRecord::ConditionCodes.entries; ++group) cuts.take(ra.conditionCode(group));
        for (int n = 1; n <= RaRecord::MainPrizes.entries; ++n) cuts.take(ra.mainPrize(n));
        for (int n = 1; n <= RaRecord::AddedPrizes.entries; ++n) cuts.take(ra.addedPrize(n));
    }
    for (size_t i = day.se; i < day.o1; ++i) {
        const SeRecord se(r[i]);
        cuts.take(se.raceKey());
        for (const Field f : kSeTexts) cuts.take(se.text(f));
        for (const Field f : kSeNumbers) cuts.take(se.number(f));
        for (int c = 1; c <= SeRecord::Corners.entries; ++c) cuts.take(se.cornerPosition(c));
    }
    for (size_t i = day.o1; i < day.o2; ++i) {
        const O1Record o1(r[i]);
        cuts.take(o1.venueCode());
        cuts.take(o1.raceNumber());
        for (int h = 1; h <= kRunners; ++h) {
            cuts.take(o1.winOddsText(h));
            cuts.take(o1.winPopularity(h));
            cuts.take(o1.placeOddsLowText(h));
            cuts.take(o1.placePopularity(h));
        }
        for (int k = 1; k <= O1Record::BracketQuinella.entries; ++k) {
            cuts.take(o1.bracketQuinellaOddsText(k));
            cuts.take(o1.bracketQuinellaPopularity(k));
        }
    }
    for (size_t i = day.o2; i < day.o3; ++i) cutComboOdds<O2Record>(r[i], cuts);
    for (size_t i = day.o3; i < day.o4; ++i) cutComboOdds<O3Record>(r[i], cuts);
    for (size_t i = day.o4; i < day.o5; ++i) cutComboOdds<O4Record>(r[i], cuts);
    for (size_t i = day.o5; i < day.o6; ++i) cutComboOdds<O5Record>(r[i], cuts);
    for (size_t i = day.o6; i < r.size(); ++i) cutComboOdds<O6Record>(r[i], cuts);
}

} // namespace

int main() {
    const Day day = buildDay();
    size_t bytes = 0;
    for (const auto& record : day.records) bytes += record.size();

    Cuts cuts;
    long long passes = 0;
    const auto start = std::chrono::steady_clock::now();
    double seconds = 0;
    do {
        cutDay(day, cuts);
        ++passes;
        seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    } while (seconds < kMinimumSeconds);

    const double records = double(passes) * double(day.records.size());
    std::printf("record views, %s build of the core\n", ZEFA_BUILD_TYPE);
    std::printf("a day: %d races, %zu records (RA, SE, O1..O6), %.1f MB, %lld fields cut\n", kRaces,
                day.records.size(), double(bytes) / 1e6, cuts.fields / passes);
    std::printf("%lld passes in %.2f s\n", passes, seconds);
    std::printf("%.3g records/s\n", records / seconds);
    std::printf("%.3g fields/s\n", double(cuts.fields) / seconds);
    std::printf("%.3g days/s\n", double(passes) / seconds);
    std::printf("(checksum %llx)\n", cuts.checksum);
}
