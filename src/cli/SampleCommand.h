#pragma once

#include "cli/CliSession.h"

#include <cstdint>
#include <string>

namespace CLI {
class App;
}

namespace zefa::cli {

struct SampleCommandOptions {
    std::uint64_t seed = 1;
    int days = 8;
    std::string end; // yyyymmdd; empty: the last Sunday before today
};

// "sample": adds the subcommand and its options.
CLI::App* addSampleCommand(CLI::App& app, CommonOptions& common, SampleCommandOptions& options);

// Writes the sample program folder and tells what it made.
void runSample(const CommonOptions& common, const SampleCommandOptions& options);

} // namespace zefa::cli
