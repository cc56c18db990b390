#include "cli/SampleCommand.h"

#include "app/ProgramHome.h"
#include "jvdata/Clock.h"
#include "jvdata/Error.h"
#include "sample/SampleCard.h"
#include "sample/SampleData.h"

#include <CLI/CLI.hpp>

#include <iostream>

namespace zefa::cli {
namespace {

DateTime dateOption(const std::string& text, const char* name) {
    const auto date = parseDateTime(text);
    if (!date || text.size() != 8) throw Error(std::string(name) + " は yyyymmdd の日付で指定してください：" + text);
    return *date;
}

} // namespace

CLI::App* addSampleCommand(CLI::App& app, CommonOptions& common, SampleCommandOptions& options) {
    CLI::App* sample = app.add_subcommand("sample", "write a program folder of made-up race days");
    addCommonOptions(*sample, common);
    sample->add_option("--seed", options.seed, "seed of the draws (default 1)");
    sample->add_option("--days", options.days, "race days, Saturdays and Sundays (default 8)")->check(CLI::Range(1, 60));
    sample->add_option("--end", options.end, "last race day, yyyymmdd (default: the last Sunday before today)");
    return sample;
}

void runSample(const CommonOptions& common, const SampleCommandOptions& options) {
    SampleOptions sample;
    sample.home = resolveProgramFolder(common.home);
    sample.seed = options.seed;
    sample.days = options.days;
    sample.feed = common.feed;
    if (!options.end.empty()) {
        sample.end = dateOption(options.end, "--end");
    } else {
        const DateTime now = common.now.empty() ? SystemClock().now() : dateOption(common.now.substr(0, 8), "--now");
        sample.end = lastSundayBefore(now);
    }
    const SampleSummary made = makeSample(sample);
    std::cout << "sample folder: " << sample.home.string() << '\n'
              << "race days:     " << made.days.size() << " (" << made.races << " races, " << made.runners << " runners)\n"
              << "past-run files: " << made.horseFiles << '\n';
    if (sample.feed) std::cout << "feed folder:   " << sample.feed->string() << '\n';
    for (const auto& day : made.days) std::cout << "  " << day << '\n';
}

} // namespace zefa::cli
