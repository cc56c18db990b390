#include "sample/PastRunLines.h"

#include "jvdata/Combinations.h"
#include "jvdata/RaceRecord.h"
#include "sample/RaceRecords.h"
#include "sample/RecordText.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

namespace zefa {
namespace {

constexpr int kMostRuns = 10;
constexpr double kLocalRunChance = 0.1;
constexpr std::array<std::string_view, 8> kLocalVenues{"30", "35", "42", "43", "44", "45", "47", "50"};
constexpr std::array<std::string_view, 10> kCentralVenues{"01", "02", "03", "04", "05", "06", "07", "08", "09", "10"};

// A past run: a finishing place from the horse's ability, the rest of the result around it.
RunnerResult pastResult(const SampleHorse& horse, int field, SampleRandom& random) {
    RunnerResult r;
    const double u = std::pow(random.uniform(), std::exp(0.6 * horse.ability));
    r.finish = 1 + std::min(field - 1, int(u * field));
    r.arrival = r.finish;
    const int seconds = 95 + random.between(-25, 60);
    r.time = digits(seconds / 60, 1) + digits(seconds % 60, 2) + digits(random.between(0, 9), 1);
    r.margin = r.finish == 1 ? "   " : "1  ";
    for (int c = 0; c < 4; ++c) r.corners[size_t(c)] = std::clamp(int(horse.style * field / 4.0 + 2 * random.normal()), 1, field);
    r.lastThreeFurlongs = 340 + random.between(0, 60);
    r.timeDifference = r.finish == 1 ? "-002" : "+" + digits(2 * r.finish, 3);
    r.style = char('0' + horse.style);
    r.popularity = std::clamp(r.finish + random.between(-3, 3), 1, field);
    r.winOdds = std::min(9999LL, (long long)(15 + 8 * r.popularity * r.popularity + random.between(0, 30)));
    return r;
}

} // namespace

PastRuns pastRuns(const SampleRace& race, const SampleRunner& runner, const SampleWorld& world, SampleRandom& random) {
    const SampleHorse& horse = world.horses[size_t(runner.horse)];
    PastRuns out;
    if (race.newcomer) return out;
    const int runs = random.between(1, horse.age == 2 ? 3 : kMostRuns);
    DateTime date = race.date;
    for (int i = 0; i < runs; ++i) {
        date = addDays(date, -7 * random.between(2, 6));
        const bool local = random.chance(kLocalRunChance);
        SampleRace past = race;
        past.date = date;
        past.venue = local ? kLocalVenues[size_t(random.between(0, int(kLocalVenues.size()) - 1))]
                           : kCentralVenues[size_t(random.between(0, int(kCentralVenues.size()) - 1))];
        past.number = random.between(1, 12);
        past.meetingDay = random.between(1, 8);
        past.name.clear();
        past.grade = " ";
        const int field = random.between(8, 16);
        past.runners.assign(size_t(field), SampleRunner{});
        SampleRunner pastRunner = runner;
        pastRunner.number = random.between(1, field);
        pastRunner.bracket = bracketOf(field, pastRunner.number);
        pastRunner.scratched = false;
        RunnerResult result = pastResult(horse, field, random);
        result.prize = local ? 0 : placePrize(past, result.finish);
        const char category = local ? kCategoryLocalRace : kCategoryFinalResults;
        out.runs.push_back(seRecord(past, pastRunner, world, result, category));
        if (local) out.localRaces.push_back(raRecord(past, field, category));
    }
    return out;
}

} // namespace zefa
