#pragma once

#include "cli/CliSession.h"

#include <optional>
#include <string>

namespace CLI {
class App;
}

namespace zefa::cli {

struct RaceCommandOptions {
    std::string day;          // a stored day, such as 2024年01月06日
    std::string race = "all"; // a race slot 0..35, or "all"
    bool json = false;
    std::optional<int> mode;  // the selection mode for this run; nullopt: the settings' mode
};

// "days": the stored days, newest first.
CLI::App* addDaysCommand(CLI::App& app, CommonOptions& common);
void runDays(const CommonOptions& common);

// "race": loads a day and prints one race or all of them.
CLI::App* addRaceCommand(CLI::App& app, CommonOptions& common, RaceCommandOptions& options);
void runRace(const CommonOptions& common, const RaceCommandOptions& options);

} // namespace zefa::cli
