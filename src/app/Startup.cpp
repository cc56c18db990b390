#include "app/Startup.h"

#include "acquire/ErrorLog.h"
#include "acquire/JvResultMessage.h"
#include "app/CommandBoundary.h"
#include "app/DaySelector.h"
#include "app/MenuCommands.h"
#include "app/Registry.h"
#include "app/Session.h"
#include "app/UserPort.h"
#include "bets/DefaultUserRules.h"
#include "jvdata/Clock.h"
#include "jvdata/Error.h"
#include "store/TextLines.h"

#include <array>

namespace zefa {
namespace {

constexpr std::string_view kJvLinkMissing = "JRA-VANのホームページより【JV-Link】を入手し、インストールしてください。";
constexpr std::string_view kMinimumJvLinkVersion = "0490";
constexpr std::string_view kInstallPathValue = "Inno Setup: App Path";

// A companion program's folder: taken from the registry only while the setting is blank.
struct CompanionFolder {
    Setting setting;
    std::string_view uninstallKey;
    std::string_view subFolder; // appended to the install path; empty: the install path itself
};

constexpr std::array kCompanionFolders{
    CompanionFolder{Setting::DirZPCTohyo2, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\ZPC投票プラグイン２_is1", ""},
    CompanionFolder{Setting::DirJikeiretu,
                    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\ゼファ時系列ビューア２ for JRA-VAN Data Lab._is1",
                    "Data"},
};

bool blank(std::string_view text) { return text.find_first_not_of(" \t") == std::string_view::npos; }

void fillCompanionFolders(Session& session) {
    for (const auto& companion : kCompanionFolders) {
        if (!blank(session.settings.storedString(companion.setting).value_or(""))) continue;
        const auto installPath = session.registry.localMachineValue(companion.uninstallKey, kInstallPathValue);
        if (!installPath || blank(*installPath)) continue;
        const auto folder = companion.subFolder.empty() ? std::filesystem::path(*installPath)
                                                        : std::filesystem::path(*installPath) / companion.subFolder;
        session.settings.writeString(companion.setting, folder.string());
    }
}

void createFolders(Session& session) {
    for (const auto name : ProgramFolder::kStartupFolders) {
        const auto folder = session.folder / name;
        std::error_code error;
        if (!std::filesystem::create_directories(folder, error) && error)
            throw Error("フォルダ[" + folder.string() + "]を作成できません。(" + error.message() + ")");
    }
}

void loadUserRules(Session& session) {
    const auto file = session.folder.userRuleFile();
    if (std::filesystem::exists(file)) {
        session.userRules = loadLines(file);
        return;
    }
    session.userRules = defaultUserRuleLines();
    saveLines(file, session.userRules);
}

void startLog(Session& session) {
    session.errorLogLines = startErrorLog(session.folder.errorLog(), session.clock.now(), session.folder.root().string());
}

void readBetSettings(Session& session) { session.haibunSet = session.settings.readInt(Setting::HaibunSet); }

void fillDayList(Session& session) { makeDataListBtnClick(session); }

struct StartupStep {
    void (*run)(Session&);
    bool endsTheStartWhenItFails;
};

constexpr std::array kCreateSteps{
    StartupStep{fillCompanionFolders, false},
    StartupStep{createFolders, true},
    StartupStep{loadUserRules, false},
    StartupStep{startLog, false},
    StartupStep{readBetSettings, false},
    StartupStep{readMenuChecks, false},
    StartupStep{fillDayList, false},
};

} // namespace

std::unique_ptr<JvLink> createJvLinkOrExplain(const JvLinkFactory& factory, UserPort& port) {
    std::unique_ptr<JvLink> jvLink;
    try {
        jvLink = factory();
    } catch (const Error& e) {
        port.beep();
        port.information(e.what());
        return nullptr;
    }
    if (!jvLink) {
        port.beep();
        port.information(kJvLinkMissing);
    }
    return jvLink;
}

void mainFormCreate(Session& session) {
    for (const auto& step : kCreateSteps) {
        if (step.endsTheStartWhenItFails)
            step.run(session);
        else
            runCommand(session.port, [&] { step.run(session); });
    }
}

WindowPlacement mainFormPlacement(const Session& session) {
    const SettingsFile& settings = session.settings;
    return {settings.readInt(Setting::LocateTop), settings.readInt(Setting::LocateLeft),
            settings.readInt(Setting::LocateWidth), settings.readInt(Setting::LocateHeight)};
}

void mainFormShow(Session& session) {
    const int code = session.jvLink.JVInit(std::string(kSoftwareId) + std::string(kVersionText));
    if (code != 0) {
        session.port.information("JVInitエラー：" + jvResultMessage("JVInit", code));
        return;
    }
    const std::string version = session.jvLink.versionProperty();
    if (version >= kMinimumJvLinkVersion) return;
    const std::string digits = version.size() >= 4 ? version.substr(1, 1) + "." + version.substr(2, 1) + "." + version.substr(3, 1)
                                                   : version;
    session.port.beep();
    session.port.information("ご利用中のJV-Linkのバージョンは[" + digits + "]です。\r\n" +
                             "本ソフトのご利用にはバージョン[4.9.0]以上が必要です。\r\n" +
                             "JRA-VANのホームページより最新のJV-Linkを入手し、インストールしてください。");
}

void mainFormCloseQuery(Session& session, const WindowPlacement& placement) {
    runCommand(session.port, [&] {
        SettingsFile& settings = session.settings;
        settings.writeInt(Setting::LocateTop, placement.top);
        settings.writeInt(Setting::LocateLeft, placement.left);
        settings.writeInt(Setting::LocateWidth, placement.width);
        settings.writeInt(Setting::LocateHeight, placement.height);
    });
}

} // namespace zefa
