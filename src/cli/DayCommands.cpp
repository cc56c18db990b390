#include "cli/DayCommands.h"

#include "app/DayLoad.h"
#include "jvdata/Cp932.h"
#include "jvdata/Error.h"
#include "jvdata/FullWidthText.h"
#include "jvdata/RaRecord.h"
#include "jvdata/SeRecord.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <iostream>

namespace zefa::cli {
namespace {

constexpr Field kFinish{335, 2}; // 確定着順

std::string text(std::string_view cp932) { return toUtf8(trimmed(stripFullWidthSpaces(cp932))); }

nlohmann::json pastRunJson(std::string_view run, std::string_view race) {
    return {{"date", std::string(fieldOf(run, SeRecord::RaceDate))},
            {"venue", std::string(fieldOf(run, SeRecord::VenueCode))},
            {"race", fieldNumber(fieldOf(run, SeRecord::RaceNumber))},
            {"race_name", text(fieldOf(race, RaRecord::RaceName))},
            {"finish", fieldNumber(fieldOf(run, kFinish))}};
}

nlohmann::json raceJson(const Session& session, int raceSlot) {
    const RaceSlotRecords& slot = session.store.slot(raceSlot);
    const int registered = std::clamp(int(fieldNumber(fieldOf(slot.race, RaRecord::RegisteredRunners))), 0, kMaxHorses);
    nlohmann::json horses = nlohmann::json::array();
    for (int h = 0; h < registered; ++h) {
        const std::string& runner = slot.runners[size_t(h)];
        nlohmann::json runs = nlohmann::json::array();
        for (int j = 0; j < kPastRuns && !trimmed(fieldOf(slot.pastRuns[size_t(h)][size_t(j)], SeRecord::Year)).empty(); ++j)
            runs.push_back(pastRunJson(slot.pastRuns[size_t(h)][size_t(j)], slot.pastRaces[size_t(h)][size_t(j)]));
        horses.push_back({{"number", h + 1}, {"name", text(fieldOf(runner, SeRecord::HorseName))}, {"past_runs", runs}});
    }
    return {{"slot", raceSlot},
            {"venue", std::string(fieldOf(slot.race, RaRecord::VenueCode))},
            {"race", fieldNumber(fieldOf(slot.race, RaRecord::RaceNumber))},
            {"name", text(fieldOf(slot.race, RaRecord::RaceName))},
            {"post_time", std::string(fieldOf(slot.race, RaRecord::PostTime))},
            {"registered", registered},
            {"horses", horses}};
}

void printRace(const Session& session, const nlohmann::json& race) {
    const int slot = race["slot"];
    std::cout << session.raceList[size_t(slot)] << "  " << race["name"].get<std::string>() << "  "
              << race["post_time"].get<std::string>() << "  " << race["registered"].get<int>() << "頭\n";
    for (const auto& horse : race["horses"]) {
        std::cout << "  " << horse["number"].get<int>() << " " << horse["name"].get<std::string>();
        for (const auto& run : horse["past_runs"])
            std::cout << "  [" << run["date"].get<std::string>() << " " << run["venue"].get<std::string>() << " "
                      << run["race"].get<long long>() << "R " << run["finish"].get<long long>() << "着]";
        std::cout << '\n';
    }
}

} // namespace

CLI::App* addDaysCommand(CLI::App& app, CommonOptions& common) {
    CLI::App* days = app.add_subcommand("days", "list the stored race days, newest first");
    addCommonOptions(*days, common);
    return days;
}

void runDays(const CommonOptions& common) {
    CliSession started(common);
    for (const auto& day : started.session().dayList) std::cout << day << '\n';
}

CLI::App* addRaceCommand(CLI::App& app, CommonOptions& common, RaceCommandOptions& options) {
    CLI::App* race = app.add_subcommand("race", "load a day and print one race or all of them");
    addCommonOptions(*race, common);
    race->add_option("--day", options.day, "the day, such as 2024年01月06日")->required();
    race->add_option("--race", options.race, "a race slot 0..35, or all")->capture_default_str();
    race->add_flag("--json", options.json, "print JSON");
    return race;
}

void runRace(const CommonOptions& common, const RaceCommandOptions& options) {
    CliSession started(common);
    Session& session = started.session();
    session.selectedDay = options.day;
    dateComboChange(session);
    if (session.raceList.empty()) throw Error("開催日[" + options.day + "]のレースがありません。");

    std::vector<int> slots;
    if (options.race == "all") {
        for (int k = 0; k < int(session.raceList.size()); ++k) slots.push_back(k);
    } else {
        int slot = -1;
        try {
            slot = std::stoi(options.race);
        } catch (const std::exception&) {
        }
        if (slot < 0 || slot >= int(session.raceList.size()))
            throw Error("--race は 0 から " + std::to_string(session.raceList.size() - 1) + " のレース番号か all です：" + options.race);
        slots.push_back(slot);
    }

    nlohmann::json races = nlohmann::json::array();
    for (const int slot : slots) races.push_back(raceJson(session, slot));
    if (options.json) {
        std::cout << (options.race == "all" ? races : races.front()).dump(2) << '\n';
        return;
    }
    for (const auto& race : races) printRace(session, race);
}

} // namespace zefa::cli
