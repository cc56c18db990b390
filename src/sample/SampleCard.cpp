#include "sample/SampleCard.h"

#include "jvdata/Combinations.h"
#include "jvdata/FixedText.h"
#include "sample/RecordText.h"
#include "sample/SampleNames.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <numeric>
#include <string_view>

namespace zefa {
namespace {

constexpr int kJockeys = 60;
constexpr int kTrainers = 50;
constexpr int kJockeysPerVenue = 20; // each venue of a day has its own riders
constexpr int kRacesPerVenue = 12;
constexpr std::string_view kFirstPostTime = "0950";
constexpr int kMinutesBetweenRaces = 30;
constexpr int kMinutesBetweenVenues = 10;
constexpr double kScratchChance = 0.12;

// The venues of a weekend, in turn.
constexpr std::array<std::array<std::string_view, 3>, 4> kWeekendVenues{{
    {"06", "09", ""}, {"05", "08", "10"}, {"06", "09", "07"}, {"05", "08", ""}}};
constexpr std::array<std::string_view, 3> kLeftHandedVenues{"04", "05", "07"};

// One race of a venue's programme, by race number.
struct ProgrammeRow {
    std::string_view raceType;  // 11 2歳, 13 3歳以上
    std::string_view condition; // 701 新馬, 703 未勝利, 005/010/016 1勝/2勝/3勝クラス, 999 オープン
    int distance;
    bool turf;
    std::string_view grade;     // E 特別, L リステッド; blank for an ordinary race
    std::string_view suffix;    // of the special race's name
};

constexpr std::array<ProgrammeRow, kRacesPerVenue> kProgramme{{
    {kTwoYearOldRace, "703", 1200, false, " ", ""},
    {kTwoYearOldRace, "703", 1600, true, " ", ""},
    {"13", "703", 1800, false, " ", ""},
    {"13", "703", 2000, true, " ", ""},
    {kTwoYearOldRace, "701", 1600, true, " ", ""},
    {"13", "005", 1400, false, " ", ""},
    {"13", "005", 1800, true, " ", ""},
    {"13", "005", 1700, false, " ", ""},
    {"13", "010", 2000, true, "E", "特別"},
    {"13", "010", 1600, false, "E", "特別"},
    {"13", "999", 1800, true, "L", "ステークス"},
    {"13", "016", 1200, true, " ", ""},
}};
constexpr int kNewcomerRace = 5;
constexpr int kSteeplechaseRace = 4;      // at the first venue on Saturdays
constexpr int kGradedRace = 11;           // a G3 at the first venue on Sundays
constexpr std::string_view kSteeplechaseTrack = "54";
constexpr std::array<int, 4> kSteeplechaseDistances{2880, 3000, 3110, 3200};

int daysSinceEpoch(const DateTime& d) {
    using namespace std::chrono;
    return int(sys_days{year_month_day{year{d.year}, month{unsigned(d.month)}, day{unsigned(d.day)}}}.time_since_epoch().count());
}

// 0 Monday … 5 Saturday, 6 Sunday (1970-01-01 was a Thursday).
int weekdayOf(const DateTime& d) { return (daysSinceEpoch(d) + 3) % 7; }
constexpr int kSaturday = 5;
constexpr int kSunday = 6;

std::string trackCode(std::string_view venue, bool turf) {
    const bool left = std::ranges::find(kLeftHandedVenues, venue) != kLeftHandedVenues.end();
    return turf ? (left ? "11" : "17") : (left ? "23" : "24");
}

int styleOf(SampleRandom& random) {
    const double u = random.uniform();
    return u < 0.15 ? 1 : u < 0.5 ? 2 : u < 0.85 ? 3 : 4;
}

SampleHorse newHorse(SampleWorld& world, SampleRandom& random, const DateTime& date, int age) {
    SampleHorse horse;
    horse.age = age;
    horse.birth = {date.year - age, random.between(2, 5), random.between(1, 28)};
    horse.id = digits(horse.birth.year, 4) + "1" + digits(int(world.horses.size()) + 1, 5);
    horse.name = horseName(random);
    horse.sex = age >= 4 && random.chance(0.08) ? 3 : random.between(1, 2);
    horse.coat = std::array{1, 3, 3, 4, 4, 5, 7}[size_t(random.between(0, 6))];
    horse.trainer = random.between(0, kTrainers - 1);
    horse.ability = random.normal();
    horse.style = styleOf(random);
    HorseOrigin origin = horseOrigin(random);
    horse.breeder = std::move(origin.breeder);
    horse.birthplace = std::move(origin.birthplace);
    horse.owner = std::move(origin.owner);
    return horse;
}

SamplePerson newPerson(SampleRandom& random, std::string code, int bornYear) {
    const PersonName name = personName(random);
    return {std::move(code), name.full, name.surname, name.kana, {bornYear, random.between(1, 12), random.between(1, 28)}};
}

int ageFor(const SampleRace& race, SampleRandom& random) {
    if (race.forTwoYearOlds()) return 2;
    if (race.steeplechase()) return random.between(4, 8);
    return std::min(7, 3 + int(std::abs(random.normal()) * 1.5));
}

void drawRunners(SampleRace& race, SampleWorld& world, SampleRandom& random, int venueIndex) {
    const int runners = race.number == kGradedRace ? random.between(12, 18) : random.between(8, 18);
    std::array<int, kJockeysPerVenue> riders{};
    std::iota(riders.begin(), riders.end(), venueIndex * kJockeysPerVenue);
    for (int i = kJockeysPerVenue - 1; i > 0; --i) std::swap(riders[size_t(i)], riders[size_t(random.between(0, i))]);
    for (int n = 1; n <= runners; ++n) {
        const int age = ageFor(race, random);
        world.horses.push_back(newHorse(world, random, race.date, age));
        const SampleHorse& horse = world.horses.back();
        SampleRunner runner;
        runner.horse = int(world.horses.size()) - 1;
        runner.jockey = riders[size_t(n - 1)];
        runner.number = n;
        runner.carried = (age == 2 ? 550 : race.steeplechase() ? 600 : 570) - (horse.sex == 2 ? 20 : 0);
        runner.bodyWeight = std::clamp(int(470 + 24 * random.normal()), 400, 560);
        runner.weightChange = race.newcomer ? 0 : 2 * random.between(-5, 5);
        race.runners.push_back(runner);
    }
    for (SampleRunner& runner : race.runners) runner.bracket = bracketOf(runners, runner.number);
    if (!race.newcomer && random.chance(kScratchChance)) race.runners[size_t(random.between(0, runners - 1))].scratched = true;
}

SampleRace programmedRace(const DateTime& date, std::string_view venue, int venueIndex, int number, SampleRandom& random) {
    const ProgrammeRow& row = kProgramme[size_t(number - 1)];
    SampleRace race;
    race.date = date;
    race.venue = venue;
    race.number = number;
    race.meeting = 1 + (date.month - 1) / 3 % 5;
    race.meetingDay = 1 + (daysSinceEpoch(date) / 7 * 2 + (weekdayOf(date) == kSunday ? 1 : 0)) % 8;
    race.postTime = addMinutes(kFirstPostTime, kMinutesBetweenRaces * (number - 1) + kMinutesBetweenVenues * venueIndex);
    race.raceType = row.raceType;
    race.condition = row.condition;
    race.distance = row.distance;
    race.track = trackCode(venue, row.turf);
    race.grade = row.grade;
    race.newcomer = number == kNewcomerRace;
    race.saturday = weekdayOf(date) == kSaturday;
    if (!row.suffix.empty()) race.name = raceTitle(random) + std::string(row.suffix);
    const bool firstVenue = venueIndex == 0;
    if (firstVenue && number == kSteeplechaseRace && weekdayOf(date) == kSaturday) {
        race.raceType = kSteeplechaseRace;
        race.track = kSteeplechaseTrack;
        race.distance = kSteeplechaseDistances[size_t(random.between(0, 3))];
    }
    if (firstVenue && number == kGradedRace && weekdayOf(date) == kSunday) {
        race.grade = kGradeThree;
        race.weightType = "2";
        race.name = raceTitle(random) + "記念";
    }
    return race;
}

} // namespace

SampleWorld sampleWorld(SampleRandom& random, const DateTime& end) {
    SampleWorld world;
    for (int j = 0; j < kJockeys; ++j)
        world.jockeys.push_back(newPerson(random, "01" + digits(j + 1, 3), end.year - random.between(20, 50)));
    for (int t = 0; t < kTrainers; ++t)
        world.trainers.push_back(newPerson(random, "01" + digits(t + 101, 3), end.year - random.between(35, 70)));
    return world;
}

std::vector<SampleRace> raceDay(SampleWorld& world, SampleRandom& random, const DateTime& date) {
    const auto& venues = kWeekendVenues[size_t((daysSinceEpoch(date) + 3) / 7 % int(kWeekendVenues.size()))];
    const char weather = char('1' + random.between(0, 2));
    std::vector<SampleRace> races;
    for (int v = 0; v < int(venues.size()) && !venues[size_t(v)].empty(); ++v) {
        const char going = char('1' + std::min(3, random.between(0, 4) / 2 + (weather == '3' ? 1 : 0)));
        for (int number = 1; number <= kRacesPerVenue; ++number) {
            SampleRace race = programmedRace(date, venues[size_t(v)], v, number, random);
            race.weather = weather;
            race.turfGoing = going;
            race.dirtGoing = going;
            drawRunners(race, world, random, v);
            races.push_back(std::move(race));
        }
    }
    return races;
}

std::vector<DateTime> raceDates(const DateTime& end, int days) {
    std::vector<DateTime> dates;
    for (DateTime d = end; int(dates.size()) < days; d = addDays(d, -1))
        if (weekdayOf(d) == kSaturday || weekdayOf(d) == kSunday) dates.insert(dates.begin(), DateTime{d.year, d.month, d.day});
    return dates;
}

DateTime lastSundayBefore(const DateTime& today) {
    DateTime d = addDays(DateTime{today.year, today.month, today.day}, -1);
    while (weekdayOf(d) != kSunday) d = addDays(d, -1);
    return d;
}

} // namespace zefa
