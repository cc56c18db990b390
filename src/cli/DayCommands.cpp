#include "cli/DayCommands.h"

#include "app/DayLoad.h"
#include "cli/RaceJson.h"
#include "jvdata/Error.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <iostream>

namespace zefa::cli {
namespace {

void printRace(const Session& session, const nlohmann::json& race) {
    const int slot = race["slot"];
    std::cout << session.raceList[size_t(slot)] << "  " << race["name"].get<std::string>() << "  "
              << race["post_time"].get<std::string>() << "  " << race["registered"].get<int>() << "頭  位置"
              << race["PositionPattern"].get<std::string>() << (race["MiokuriFlag"].get<int>() ? "  見送り" : "") << '\n';
    for (const auto& horse : race["horses"]) {
        std::cout << "  " << horse["number"].get<int>() << " " << horse["name"].get<std::string>() << "  印["
                  << horse["HyokaMark"].get<std::string>() << "] 単" << horse["TanNinki"].get<int>() << " 朝複"
                  << horse["AsaFukNinki"].get<int>() << " 展" << horse["TenkaiRank"].get<int>()
                  << (horse["JikuFlag"].get<int>() ? " 軸" : "") << (horse["HimoFlag"].get<int>() ? " ヒモ" : "")
                  << (horse["KeshiFlag"].get<int>() ? " 消" : "");
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
    race->add_option("--mode", options.mode, "the selection mode 0..3 for this run (the settings stay as they are)")
        ->check(CLI::Range(0, 3));
    return race;
}

void runRace(const CommonOptions& common, const RaceCommandOptions& options) {
    CliSession started(common);
    Session& session = started.session();
    if (options.mode) session.menu.kaimeMode = *options.mode;
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
