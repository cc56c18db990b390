#include "sample/SampleData.h"

#include "jvdata/RaceRecord.h"
#include "sample/OddsModel.h"
#include "sample/PastRunLines.h"
#include "sample/RaceRecords.h"
#include "sample/RaceResult.h"
#include "sample/SampleCard.h"
#include "store/DayBaseName.h"
#include "store/DayFileSet.h"
#include "store/PastRuns.h"
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

std::string mmdd(const DateTime& d) { return (d.month < 10 ? "0" : "") + std::to_string(d.month) + (d.day < 10 ? "0" : "") + std::to_string(d.day); }

// The lines of every file of one day, built in memory with the store's rules and saved once each.
struct DayLines {
    std::map<DayFile, std::vector<std::string>> perRace;
    std::map<std::string, std::vector<std::string>> grids; // by venue code
};

// The past-run archives of all runners, saved once at the end.
struct Archive {
    std::map<std::string, std::vector<std::string>> runs; // by horse id
    std::vector<std::string> localRaces;
};

void saveArchive(const ProgramFolder& folder, const Archive& archive, SampleSummary& summary) {
    for (const auto& [id, lines] : archive.runs) {
        if (lines.empty()) continue;
        const auto file = seiFile(folder, id);
        std::filesystem::create_directories(file->parent_path());
        saveLines(*file, lines);
        ++summary.horseFiles;
    }
    std::map<std::filesystem::path, std::vector<std::string>> raceFiles;
    for (const std::string& ra : archive.localRaces) {
        const auto file = seirFile(folder, fieldOf(ra, RaceRecordView::RaceDate), fieldOf(ra, RaceRecordView::VenueCode));
        keyedReplace(raceFiles[*file], ra, kPastRunFileRule);
    }
    for (const auto& [file, lines] : raceFiles) {
        std::filesystem::create_directories(file.parent_path());
        saveLines(file, lines);
    }
}

void addRace(DayLines& day, const SampleRace& race, const SampleWorld& world, SampleRandom& random, Archive& archive) {
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
    const auto add = [&](DayFile file, const std::string& record, const UpdateRule& rule) {
        keyedReplace(day.perRace[file], normalised(storedLineOf(record)), rule);
    };
    add(DayFile::Races, raRecord(race, int(result.order.size()), kCategoryFinalResults), kRaceFileRule);
    add(DayFile::Payouts, hrRecord(race, markets.latest, result), kPayoutFileRule);
    const std::string announced = mmdd(race.date) + race.postTime;
    constexpr std::pair<DayFile, RecordKind> kOddsFiles[] = {
        {DayFile::WinOdds, RecordKind::O1},      {DayFile::QuinellaOdds, RecordKind::O2}, {DayFile::WideOdds, RecordKind::O3},
        {DayFile::ExactaOdds, RecordKind::O4},   {DayFile::TrioOdds, RecordKind::O5},     {DayFile::TrifectaOdds, RecordKind::O6}};
    for (const auto& [file, kind] : kOddsFiles) add(file, oddsRecord(kind, race, markets.latest, announced), kRaceFileRule);
    add(DayFile::MorningOdds, oddsRecord(RecordKind::O1, race, markets.morning, mmdd(race.date) + std::string(kMorningOddsTime)),
        kRaceFileRule);
    auto& grid = day.grids[race.venue];
    if (grid.empty()) grid = blankRunnerGrid();
    for (const SampleRunner& runner : race.runners) {
        const RunnerResult& r = result.byHorse[size_t(runner.number)];
        grid[size_t(*runnerGridLine(race.number, runner.number))] =
            storedLineOf(seRecord(race, runner, world, r, kCategoryFinalResults));
        PastRuns earlier = pastRuns(race, runner, world, random);
        archive.runs[world.horses[size_t(runner.horse)].id] = std::move(earlier.runs);
        for (std::string& ra : earlier.localRaces) archive.localRaces.push_back(std::move(ra));
    }
}

} // namespace

SampleSummary makeSample(const SampleOptions& options) {
    SampleRandom random(options.seed);
    SampleWorld world = sampleWorld(random, options.end);
    const ProgramFolder folder(options.home);
    std::filesystem::create_directories(folder.data());
    std::filesystem::create_directories(folder.chg());
    SampleSummary summary;
    Archive archive;
    for (const DateTime& date : raceDates(options.end, options.days)) {
        const std::vector<SampleRace> races = raceDay(world, random, date);
        DayLines day;
        for (const SampleRace& race : races) {
            addRace(day, race, world, random, archive);
            summary.runners += race.registered();
        }
        const DayFileSet files(folder, dayBaseName(date));
        for (const auto& [file, lines] : day.perRace) saveLines(files.file(file), lines);
        for (const auto& [venue, grid] : day.grids) saveLines(files.runnerFile(venue), grid);
        summary.days.push_back(files.dayBaseName());
        summary.races += int(races.size());
    }
    saveArchive(folder, archive, summary);
    return summary;
}

} // namespace zefa
