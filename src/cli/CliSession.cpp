#include "cli/CliSession.h"

#include "acquire/FeedJvLink.h"
#include "app/ProgramHome.h"
#include "app/Startup.h"
#include "jvdata/Error.h"

#include <CLI/CLI.hpp>

#include <iostream>

namespace zefa::cli {
namespace {

std::unique_ptr<Clock> clockFor(const std::string& now) {
    if (now.empty()) return std::make_unique<SystemClock>();
    const auto time = parseDateTime(now);
    if (!time) throw Error("--now は yyyymmddhhnnss の日時で指定してください：" + now);
    return std::make_unique<FixedClock>(*time);
}

} // namespace

void addCommonOptions(CLI::App& command, CommonOptions& options) {
    command.add_option("--home", options.home, "program folder (default: $ZEFA_HOME, else the program's folder)");
    command.add_option("--feed", options.feed, "JV-Data feed folder (default: $ZEFA_FEED, else feed in the program folder)");
    command.add_option("--now", options.now, "the time to run at, yyyymmddhhnnss (default: now)");
}

CliSession::CliSession(const CommonOptions& options)
    : clock_(clockFor(options.now)), registry_(FileRegistry::defaultFile()), port_(&std::cerr) {
    const auto home = resolveProgramFolder(options.home);
    const auto feed = resolveFeedFolder(options.feed, home);
    jvLink_ = createJvLinkOrExplain([&] { return std::make_unique<FeedJvLink>(feed, *clock_); }, port_);
    if (!jvLink_) throw Error("JV-Linkを用意できません。");
    std::filesystem::create_directories(home);
    session_ = std::make_unique<Session>(ProgramFolder(home), *jvLink_, port_, *clock_, registry_);
    mainFormCreate(*session_);
    mainFormShow(*session_);
}

} // namespace zefa::cli
