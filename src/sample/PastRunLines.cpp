#include "sample/PastRunLines.h"

#include "jvdata/RaceRecord.h"
#include "sample/RaceRecords.h"
#include "sample/RecordText.h"
#include "store/StoredLines.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

namespace zefa {
namespace {

constexpr int kMostRuns = 10;
constexpr std::array<std::string_view, 10> kCentralVenues{"01", "02", "03", "04", "05", "06", "07", "08", "09", "10"};

// A past run: a finishing place from the horse's ability, the rest of the result around it.
RunnerResult pastResult(const SampleHorse& horse, int field, SampleRandom& random) {
    RunnerResult r;
    const double u = std::pow(random.uniform(), std::exp(0.6 * horse.ability));
    r.finish = 1 + std::min(field - 1, int(u * field));
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

std::vector<std::string> pastRunLines(const SampleRace& race, const SampleRunner& runner, const SampleWorld& world,
                                      SampleRandom& random) {
    const SampleHorse& horse = world.horses[size_t(runner.horse)];
    if (race.newcomer) return {};
    const int runs = random.between(1, horse.age == 2 ? 3 : kMostRuns);
    std::vector<std::string> lines;
    DateTime date = race.date;
    for (int i = 0; i < runs; ++i) {
        date = addDays(date, -7 * random.between(2, 6));
        SampleRace past;
        past.date = date;
        past.venue = kCentralVenues[size_t(random.between(0, 9))];
        past.number = random.between(1, 12);
        past.meetingDay = random.between(1, 8);
        SampleRunner pastRunner = runner;
        const int field = random.between(8, 18);
        pastRunner.number = random.between(1, field);
        pastRunner.bracket = (pastRunner.number + 1) / 2 > 8 ? 8 : (pastRunner.number + 1) / 2;
        pastRunner.scratched = false;
        RunnerResult result = pastResult(horse, field, random);
        result.prize = placePrize(race, result.finish);
        lines.push_back(normalised(storedLineOf(seRecord(past, pastRunner, world, result, kCategoryFinalResults))));
    }
    sortStoredLines(lines);
    return lines;
}

} // namespace zefa
