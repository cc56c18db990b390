#pragma once

#include "acquire/FeedJvLink.h"
#include "app/Registry.h"
#include "app/ScriptedUserPort.h"
#include "app/Session.h"
#include "jvdata/Clock.h"
#include "store/WholeFile.h"
#include "support/TempFolder.h"

#include <memory>

namespace zefa::test {

// A program folder and a feed in a temporary folder, a set clock, a registry file and a scripted
// user: what a start of the program needs, without windows.
class StartupFixture {
public:
    StartupFixture() { std::filesystem::create_directories(home()); }

    std::filesystem::path home() const { return folder / "home"; }
    std::filesystem::path feed() const { return folder / "feed"; }
    void writeFeedSettings(const std::string& text) {
        std::filesystem::create_directories(feed());
        saveFileWhole(feed() / "feed.ini", text);
    }
    void writeRegistry(const std::string& text) { saveFileWhole(folder / "registry.ini", text); }

    // The session of a start, made on first use (after the test has laid out its files).
    Session& session() {
        if (!session_) {
            jvLink_ = std::make_unique<FeedJvLink>(feed(), clock);
            session_ = std::make_unique<Session>(ProgramFolder(home()), *jvLink_, port, clock, registry_);
        }
        return *session_;
    }

    TempFolder folder;
    FixedClock clock{{2024, 1, 6, 9, 30, 5}};
    ScriptedUserPort port;

private:
    FileRegistry registry_{folder / "registry.ini"};
    std::unique_ptr<FeedJvLink> jvLink_;
    std::unique_ptr<Session> session_;
};

} // namespace zefa::test
