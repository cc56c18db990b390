#include "sample/SampleData.h"

#include "sample/OddsModel.h"
#include "sample/PastRunLines.h"
#include "sample/RaceRecords.h"
#include "sample/RaceResult.h"
#include "sample/RecordText.h"
#include "sample/SampleArchive.h"
#include "sample/SampleCard.h"
#include "sample/SampleFeed.h"
#include "jvdata/FixedText.h"
#include "jvdata/RaceRecord.h"
#include "store/ChangeFiles.h"
#include "store/DayBaseName.h"
#include "store/DayFileSet.h"
#include "store/RunnerGrid.h"
#include "store/StoredLines.h"
#include "store/TextLines.h"

#include <cmath>
#include <map>

namespace zefa {
namespace {

// How sharply ability turns into chances, and how far the market and the morning stray from it.
constexpr double kAbilityWeight = 1.1;
constexpr double kMarketError = 0.35;
constexpr double kPlaceMarketError = 0.2;
constexpr double kMorningError = 0.3;
constexpr double kMorningPlaceError = 0.45;
constexpr std::string_view kMorningOddsTime = "0930";
// The post-time change: on the last day, this race of the first venue starts later.
constexpr int kDelayedRace = 8;
constexpr int kDelayMinutes = 10;
constexpr int kDelayAnnouncedBefore = 40;
constexpr int kFeedHour = 18; // accumulated data of a race day is there by the evening

struct RaceMarkets {
    std::vector<double> truth;
    Market latest;
    Market morning;
};

RaceMarkets marketsOf(const SampleRace& race, const SampleWorld& world, SampleRandom& random) {
    const size_t n = race.runners.size() + 1;
    std::vector<double> truth(n, 0.0), win(n, 0.0), place(n, 0.0), morningWin(n, 0.0), morningPlace(n, 0.0);
    for (const SampleRunner& runner : race.runners) {
        if (runner.scratched) continue;
        const double ability = world.horses[size_t(runner.horse)].ability;
        const size_t h = size_t(runner.number);
        truth[h] = std::exp(kAbilityWeight * ability);
        win[h] = truth[h] * std::exp(kAbilityWeight * kMarketError * random.normal());
        place[h] = win[h] * std::exp(kPlaceMarketError * random.normal());
        morningWin[h] = win[h] * std::exp(kMorningError * random.normal());
        morningPlace[h] = morningWin[h] * std::exp(kMorningPlaceError * random.normal());
    }
    return {truth, Market(win, place, race.registered()), Market(morningWin, morningPlace, race.registered())};
}

std::string mmdd(const DateTime& d) { return digits(d.month, 2) + digits(d.day, 2); }

// The lines of every file of one day, built in memory with the store's rules and saved once each,
// and the day's records as they came.
struct DayLines {
    std::map<DayFile, std::vector<std::string>> perRace;
    std::map<std::string, std::vector<std::string>> grids; // by venue code
    std::vector<std::string> records;
};

void addRace(DayLines& day, const SampleRace& race, const SampleWorld& world, bool predicted, SampleRandom& random,
             SampleArchive& archive) {
    const RaceMarkets markets = marketsOf(race, world, random);
    RaceResult result = drawResult(race, world, markets.truth, random);
    const TypeOdds& win = markets.latest.odds(BetType::Win);
    for (const SampleRunner& runner : race.runners) {
        RunnerResult& r = result.byHorse[size_t(runner.number)];
        r.winOdds = win.low[size_t(runner.number - 1)];
        r.popularity = win.popularity[size_t(runner.number - 1)];
        r.prize = placePrize(race, r.finish);
        const int opponent = r.finish == 1 ? result.order[1] : result.order[0];
        r.opponent = runner.scratched ? "" : world.horses[size_t(race.runners[size_t(opponent - 1)].horse)].name;
    }
    const auto add = [&](DayFile file, std::string record, const UpdateRule& rule) {
        keyedReplace(day.perRace[file], normalised(storedLineOf(record)), rule);
        if (file != DayFile::MorningOdds) day.records.push_back(std::move(record));
    };
    add(DayFile::Races, raRecord(race, int(result.order.size()), kCategoryFinalResults), kRaceFileRule);
    add(DayFile::Payouts, hrRecord(race, markets.latest, result), kPayoutFileRule);
    const std::string announced = mmdd(race.date) + race.postTime;
    constexpr std::pair<DayFile, RecordKind> kOddsFiles[] = {
        {DayFile::WinOdds, RecordKind::O1},    {DayFile::QuinellaOdds, RecordKind::O2}, {DayFile::WideOdds, RecordKind::O3},
        {DayFile::ExactaOdds, RecordKind::O4}, {DayFile::TrioOdds, RecordKind::O5},     {DayFile::TrifectaOdds, RecordKind::O6}};
    for (const auto& [file, kind] : kOddsFiles) add(file, oddsRecord(kind, race, markets.latest, announced), kRaceFileRule);
    add(DayFile::MorningOdds, oddsRecord(RecordKind::O1, race, markets.morning, mmdd(race.date) + std::string(kMorningOddsTime)),
        kRaceFileRule);
    // Predicted odds are written as imported: one line per race in race order.
    if (predicted) day.perRace[DayFile::PredictedOdds].push_back(storedLineOf(yozLine(race, markets.morning, random)));
    auto& grid = day.grids[race.venue];
    if (grid.empty()) grid = blankRunnerGrid();
    for (const SampleRunner& runner : race.runners) {
        std::string se = seRecord(race, runner, world, result.byHorse[size_t(runner.number)], kCategoryFinalResults);
        grid[size_t(*runnerGridLine(race.number, runner.number))] = storedLineOf(se);
        PastRuns earlier = pastRuns(race, runner, world, random);
        for (std::string& ra : earlier.localRaces) archive.localRaces.push_back(std::move(ra));
        archive.pastRuns[runner.horse] = std::move(earlier.runs);
        archive.sampleRuns[runner.horse] = se;
        day.records.push_back(std::move(se));
    }
}

// One post-time change on the day, stored as the change fetch stores it.
std::string delayOneRace(const DayFileSet& files, const std::vector<SampleRace>& races) {
    const SampleRace& race = races[size_t(kDelayedRace - 1)];
    const std::string tc = tcRecord(race, addMinutes(race.postTime, kDelayMinutes),
                                    mmdd(race.date) + addMinutes(race.postTime, -kDelayAnnouncedBefore));
    storeChangeLine(files.changeFile(), storedLineOf(tc));
    return tc;
}

std::vector<std::string> allRecords(const SampleArchive& archive) {
    std::vector<std::string> records = archive.localRaces;
    for (const auto& [horse, runs] : archive.pastRuns) records.insert(records.end(), runs.begin(), runs.end());
    return records;
}

DateTime atHour(const DateTime& date, int hour) { return {date.year, date.month, date.day, hour, 0, 0}; }

} // namespace

SampleSummary makeSample(const SampleOptions& options) {
    SampleRandom random(options.seed);
    SampleWorld world = sampleWorld(random, options.end);
    const ProgramFolder folder(options.home);
    std::filesystem::create_directories(folder.data());
    std::filesystem::create_directories(folder.chg());
    SampleSummary summary;
    SampleArchive archive;
    const std::vector<DateTime> dates = raceDates(options.end, options.days);
    for (size_t d = 0; d < dates.size(); ++d) {
        const std::vector<SampleRace> races = raceDay(world, random, dates[d]);
        DayLines day;
        const bool predicted = d % 2 == 0; // predicted odds for every other day only
        for (const SampleRace& race : races) {
            addRace(day, race, world, predicted, random, archive);
            summary.runners += race.registered();
        }
        const DayFileSet files(folder, dayBaseName(dates[d]));
        for (const auto& [file, lines] : day.perRace) saveLines(files.file(file), lines);
        for (const auto& [venue, grid] : day.grids) saveLines(files.runnerFile(venue), grid);
        if (d + 1 == dates.size()) day.records.push_back(delayOneRace(files, races));
        if (options.feed) writeFeedFile(*options.feed, atHour(dates[d], kFeedHour), "day", day.records);
        summary.days.push_back(files.dayBaseName());
        summary.races += int(races.size());
    }
    summary.horseFiles = saveArchive(folder, archive, world, options.end.year, random);
    if (options.feed && !dates.empty()) writeFeedFile(*options.feed, addDays(atHour(dates.front(), 0), -1), "past", allRecords(archive));
    return summary;
}

} // namespace zefa
