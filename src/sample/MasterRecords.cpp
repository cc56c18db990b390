#include "sample/MasterRecords.h"

#include "jvdata/Cp932.h"
#include "jvdata/KsChRecords.h"
#include "jvdata/SeRecord.h"
#include "jvdata/UmRecord.h"
#include "sample/RecordText.h"

#include <array>
#include <cmath>

namespace zefa {
namespace {

constexpr int kPlaces = 6;        // 1着 … 5着 and 着外
constexpr int kStyles = 4;
constexpr int kCentralVenues = 10;
constexpr int kDistanceGroups = 6;
constexpr std::string_view kBreedThoroughbred = "1";
constexpr std::string_view kMaleCode = "1";
constexpr std::string_view kFlatAndJumps = "1";

std::string dateText(const DateTime& d) { return digits(d.year, 4) + digits(d.month, 2) + digits(d.day, 2); }

std::string affiliation(const std::string& code) { return (code.back() - '0') % 2 == 0 ? "1" : "2"; }

using Counts = std::array<long long, kPlaces>;

// A season of `rides`, the better the rider the more of them in the first places.
Counts seasonCounts(SampleRandom& random, int rides) {
    const double rate = 0.04 + 0.08 * random.uniform();
    Counts c{};
    long long placed = 0;
    for (int p = 0; p < kPlaces - 1; ++p) {
        c[size_t(p)] = std::lround(rides * rate * (1.0 - 0.05 * p));
        placed += c[size_t(p)];
    }
    c[kPlaces - 1] = std::max(0LL, rides - placed);
    return c;
}

// Counts split over `parts` groups in random shares; the last group takes what is left.
std::vector<Counts> split(const Counts& total, int parts, SampleRandom& random) {
    std::vector<Counts> out(size_t(parts), Counts{});
    for (int p = 0; p < kPlaces; ++p) {
        long long left = total[size_t(p)];
        for (int g = 0; g + 1 < parts; ++g) {
            const long long share = std::min<long long>(left, std::lround(total[size_t(p)] * random.uniform() * 2.0 / parts));
            out[size_t(g)][size_t(p)] = share;
            left -= share;
        }
        out[size_t(parts - 1)][size_t(p)] = left;
    }
    return out;
}

void putCounts(RecordText& r, Block season, int i, int group, const Counts& counts) {
    for (int p = 1; p <= kPlaces; ++p) {
        const Field inside = SeasonResultsEntry::finishCount(group, p);
        r.number(season.field(i, inside), counts[size_t(p - 1)]);
    }
}

void putSeasons(RecordText& r, Block seasons, int year, SampleRandom& random) {
    const std::array<int, 3> years{year, year - 1, 0};
    Counts career{};
    for (int i = 1; i <= 3; ++i) {
        const int rides = i == 3 ? 0 : random.between(150, 700);
        Counts flat = i == 3 ? career : seasonCounts(random, rides);
        if (i < 3)
            for (int p = 0; p < kPlaces; ++p) career[size_t(p)] += flat[size_t(p)] * 4;
        if (i == 3) flat = career;
        r.number(seasons.field(i, SeasonResultsEntry::Year), years[size_t(i - 1)])
            .number(seasons.field(i, SeasonResultsEntry::FlatMainPrize), flat[0] * 9000 + flat[1] * 3600)
            .number(seasons.field(i, SeasonResultsEntry::JumpsMainPrize), 0)
            .number(seasons.field(i, SeasonResultsEntry::FlatAddedPrize), flat[0] * 300)
            .number(seasons.field(i, SeasonResultsEntry::JumpsAddedPrize), 0);
        putCounts(r, seasons, i, SeasonResultsEntry::FlatGroup, flat);
        putCounts(r, seasons, i, SeasonResultsEntry::JumpsGroup, Counts{});
        const auto byVenue = split(flat, kCentralVenues, random);
        for (int v = 1; v <= kCentralVenues; ++v) {
            putCounts(r, seasons, i, SeasonResultsEntry::venueFlatGroup(v), byVenue[size_t(v - 1)]);
            putCounts(r, seasons, i, SeasonResultsEntry::venueJumpsGroup(v), Counts{});
        }
        const auto byDistance = split(flat, kDistanceGroups, random);
        for (int g = 0; g < kDistanceGroups; ++g)
            putCounts(r, seasons, i, SeasonResultsEntry::FirstDistanceGroup + g, byDistance[size_t(g)]);
    }
}

// The fields a jockey's and a trainer's record share, by their own names.
struct PersonFields {
    Field code, licenceDate, birthDate, name, kana;
};
constexpr PersonFields kJockeyFields{KsRecord::JockeyCode, KsRecord::LicenceDate, KsRecord::BirthDate, KsRecord::JockeyName,
                                     KsRecord::JockeyNameKana};
constexpr PersonFields kTrainerFields{ChRecord::TrainerCode, ChRecord::LicenceDate, ChRecord::BirthDate, ChRecord::TrainerName,
                                      ChRecord::TrainerNameKana};

void putPerson(RecordText& r, const SamplePerson& person, const PersonFields& f) {
    r.text(f.code, person.code)
        .put(f.licenceDate, dateText(addDays(person.birth, 365 * 20)))
        .put(f.birthDate, dateText(person.birth))
        .name(f.name, person.name)
        .text(f.kana, toCp932(person.kana));
}

} // namespace

std::string umRecord(const SampleHorse& horse, const SampleWorld& world, std::span<const std::string> runs) {
    RecordText r(RecordKind::UM);
    r.text(UmRecord::HorseId, horse.id)
        .put(UmRecord::BirthDate, dateText(horse.birth))
        .name(UmRecord::HorseName, horse.name)
        .number(UmRecord::HorseSymbolCode, 0)
        .number(UmRecord::SexCode, horse.sex)
        .text(UmRecord::BreedCode, kBreedThoroughbred)
        .number(UmRecord::CoatColourCode, horse.coat)
        .text(UmRecord::AffiliationCode, affiliation(world.trainers[size_t(horse.trainer)].code))
        .name(UmRecord::TrainerShortName, world.trainers[size_t(horse.trainer)].shortName)
        .name(UmRecord::BreederName, horse.breeder)
        .name(UmRecord::BirthplaceName, horse.birthplace)
        .name(UmRecord::OwnerName, horse.owner);
    Counts counts{};
    std::array<long long, kStyles> styles{};
    long long prize = 0;
    for (const std::string& run : runs) {
        const SeRecord se(run);
        const long long finish = se.number(SeRecord::FinishPosition);
        if (finish == 0) continue;
        ++counts[size_t(std::min<long long>(finish, kPlaces) - 1)];
        const long long style = se.number(SeRecord::RunningStyle);
        if (style >= 1 && style <= kStyles) ++styles[size_t(style - 1)];
        prize += se.number(SeRecord::MainPrizeWon);
    }
    const std::array<long long, 6> totals{prize, 0, 0, 0, prize / 2, 0};
    for (int i = 1; i <= 6; ++i) r.number(UmRecord::PrizeTotals.field(i, UmRecord::PrizeTotal), totals[size_t(i - 1)]);
    for (int b = 1; b <= UmRecord::FinishCountBlocks.entries; ++b) {
        const Block block = UmRecord::FinishCountBlocks.block(b, UmRecord::FinishCounts);
        for (int p = 1; p <= kPlaces; ++p) r.number(block.field(p, UmRecord::Count), b <= 2 ? counts[size_t(p - 1)] : 0);
    }
    for (int s = 1; s <= kStyles; ++s) r.number(UmRecord::RunningStyleCounts.field(s, UmRecord::Count), styles[size_t(s - 1)]);
    return r.bytes();
}

std::string ksRecord(const SamplePerson& jockey, const SampleWorld& world, int year, SampleRandom& random) {
    RecordText r(RecordKind::KS);
    putPerson(r, jockey, kJockeyFields);
    const SamplePerson& stable = world.trainers[size_t(random.between(0, int(world.trainers.size()) - 1))];
    r.text(KsRecord::SexCode, kMaleCode)
        .text(KsRecord::QualificationCode, kFlatAndJumps)
        .number(KsRecord::ApprenticeCode, 0)
        .text(KsRecord::AffiliationCode, affiliation(jockey.code))
        .name(KsRecord::StableTrainerShortName, stable.shortName);
    const DateTime debut = addDays(jockey.birth, 365 * 20 + 35);
    const Field firstRideFields[] = {FirstRideEntry::Date, FirstRideEntry::VenueCode, FirstRideEntry::Meeting,
                                     FirstRideEntry::MeetingDay, FirstRideEntry::RaceNumber, FirstRideEntry::Starters};
    const std::string values[] = {dateText(debut), "06", "01", "01", digits(random.between(1, 12), 2), digits(random.between(8, 16), 2)};
    for (int k = 0; k < 6; ++k) {
        r.put(KsRecord::FirstRides.field(1, firstRideFields[k]), values[k]);
        r.put(KsRecord::FirstWins.field(1, firstRideFields[k]), k == 0 ? dateText(addDays(debut, 60)) : values[k]);
    }
    putSeasons(r, KsRecord::SeasonResults, year, random);
    return r.bytes();
}

std::string chRecord(const SamplePerson& trainer, int year, SampleRandom& random) {
    RecordText r(RecordKind::CH);
    putPerson(r, trainer, kTrainerFields);
    r.text(ChRecord::SexCode, kMaleCode).text(ChRecord::AffiliationCode, affiliation(trainer.code));
    putSeasons(r, ChRecord::SeasonResults, year, random);
    return r.bytes();
}

} // namespace zefa
