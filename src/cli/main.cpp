#include "app/Startup.h"
#include "cli/CliSession.h"
#include "cli/DayCommands.h"
#include "cli/SampleCommand.h"
#include "jvdata/Error.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <iostream>

namespace {

// "start": starts the program without windows and tells what the start found.
void runStart(const zefa::cli::CommonOptions& options, bool json) {
    zefa::cli::CliSession started(options);
    const zefa::Session& session = started.session();
    if (json) {
        nlohmann::json out = {{"home", session.folder.root().string()},
                              {"version", zefa::kVersionText},
                              {"jvlink_version", session.jvLink.versionProperty()},
                              {"user_rules", session.userRules.size()},
                              {"days", session.dayList}};
        std::cout << out.dump(2) << '\n';
        return;
    }
    std::cout << "program folder: " << session.folder.root().string() << '\n'
              << "user bet rules: " << session.userRules.size() << '\n'
              << "stored days:    " << session.dayList.size() << '\n';
    for (const auto& day : session.dayList) std::cout << "  " << day << '\n';
}

} // namespace

int main(int argc, char** argv) {
    CLI::App app{std::string(zefa::kApplicationTitle) + " " + std::string(zefa::kVersionText) + " without windows"};
    app.require_subcommand(1);

    zefa::cli::CommonOptions options;
    bool json = false;
    CLI::App* start = app.add_subcommand("start", "start the program folder and list its stored days");
    zefa::cli::addCommonOptions(*start, options);
    start->add_flag("--json", json, "print JSON");

    zefa::cli::SampleCommandOptions sampleOptions;
    CLI::App* sample = zefa::cli::addSampleCommand(app, options, sampleOptions);
    CLI::App* days = zefa::cli::addDaysCommand(app, options);
    zefa::cli::RaceCommandOptions raceOptions;
    CLI::App* race = zefa::cli::addRaceCommand(app, options, raceOptions);

    CLI11_PARSE(app, argc, argv);
    try {
        if (start->parsed()) runStart(options, json);
        if (sample->parsed()) zefa::cli::runSample(options, sampleOptions);
        if (days->parsed()) zefa::cli::runDays(options);
        if (race->parsed()) zefa::cli::runRace(options, raceOptions);
    } catch (const zefa::Error& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
    return 0;
}
