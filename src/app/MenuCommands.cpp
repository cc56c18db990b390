#include "app/MenuCommands.h"

#include "app/AxisCommands.h"
#include "app/Session.h"
#include "app/UserPort.h"

#include <filesystem>

namespace zefa {
namespace {

// A check item that steers the axis and partner choice: toggled, then applied to the whole day.
void toggleAxisItem(Session& session, bool MenuChecks::*item) {
    session.menu.*item = !(session.menu.*item);
    recomputeDayAxes(session);
}

} // namespace

void readMenuChecks(Session& session) {
    const SettingsFile& settings = session.settings;
    session.menu.kaimeMode = settings.readInt(Setting::KaimeModeSelected);
    session.menu.ifnothyokaba = settings.readBool(Setting::IncludeFukushoba);
    session.menu.tenkaiJoi5 = settings.readBool(Setting::Tenkai5);
    session.menu.ninkiJoi5 = settings.readBool(Setting::NinkiJoi5);
}

void kaimeModeClick(Session& session, int mode) {
    session.menu.kaimeMode = mode;
    session.settings.writeInt(Setting::KaimeModeSelected, mode);
    recomputeDayAxes(session);
}

void ifnothyokabaClick(Session& session) {
    session.menu.ifnothyokaba = !session.menu.ifnothyokaba;
    session.settings.writeBool(Setting::IncludeFukushoba, session.menu.ifnothyokaba);
    recomputeDayAxes(session);
}

void jikuXClick(Session& session) { toggleAxisItem(session, &MenuChecks::jikuX); }
void jikuAAAClick(Session& session) { toggleAxisItem(session, &MenuChecks::jikuAAA); }
void jikuAAClick(Session& session) { toggleAxisItem(session, &MenuChecks::jikuAA); }
void jikuF1Click(Session& session) { toggleAxisItem(session, &MenuChecks::jikuF1); }
void tenkaiJoi5Click(Session& session) { toggleAxisItem(session, &MenuChecks::tenkaiJoi5); }
void ninkiJoi5Click(Session& session) { toggleAxisItem(session, &MenuChecks::ninkiJoi5); }

void notGetOzClick(Session& session) { session.menu.notGetOz = !session.menu.notGetOz; }

void helpButtonClick(Session& session) {
    const auto manual = session.folder.manual();
    if (!std::filesystem::exists(manual)) {
        session.port.beep();
        session.port.information("使用解説書[Zefa2.pdf]が見つかりません。");
        return;
    }
    if (!session.port.openFile(manual)) {
        session.port.beep();
        session.port.information("使用解説書[Zefa2.pdf]を開けません。");
    }
}

void notYetAvailable(Session& session, std::string_view caption) {
    session.port.setStatus("「" + std::string(caption) + "」はまだ使えません。");
}

} // namespace zefa
