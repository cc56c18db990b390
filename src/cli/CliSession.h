#pragma once

#include "acquire/JvLink.h"
#include "app/Registry.h"
#include "app/ScriptedUserPort.h"
#include "app/Session.h"
#include "jvdata/Clock.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace CLI {
class App;
}

namespace zefa::cli {

// The options every command shares.
struct CommonOptions {
    std::optional<std::filesystem::path> home;
    std::optional<std::filesystem::path> feed;
    std::string now; // "yyyymmddhhnnss"; empty: the computer's clock
};

void addCommonOptions(CLI::App& command, CommonOptions& options);

// A started program without windows: messages go to standard error, questions are answered Yes.
class CliSession {
public:
    // Throws Error when the start cannot be made (bad clock text, no JV-Link, a folder that cannot be made).
    explicit CliSession(const CommonOptions& options);

    Session& session() { return *session_; }
    ScriptedUserPort& port() { return port_; }

private:
    std::unique_ptr<Clock> clock_;
    FileRegistry registry_;
    ScriptedUserPort port_;
    std::unique_ptr<JvLink> jvLink_;
    std::unique_ptr<Session> session_;
};

} // namespace zefa::cli
