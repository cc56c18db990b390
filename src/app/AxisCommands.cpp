#include "app/AxisCommands.h"

#include "analysis/AxisSelection.h"
#include "app/AnalysisCommands.h"
#include "app/DaySelector.h"
#include "app/Session.h"
#include "bets/UserRules.h"

namespace zefa {
namespace {

constexpr int kModes = 4;

// A stored mode outside 0..3 checks no menu item; the choice then works as the first mode.
KaimeMode kaimeMode(int stored) {
    return stored >= 0 && stored < kModes ? KaimeMode(stored) : KaimeMode::HyokaMode;
}

AxisOptions axisOptions(const Session& session) {
    const MenuChecks& menu = session.menu;
    AxisOptions options;
    options.mode = kaimeMode(menu.kaimeMode);
    options.ifnothyokaba = menu.ifnothyokaba;
    options.jikuChange = session.settings.readInt(Setting::JikuChange);
    options.multiHyokaJiku = session.settings.readInt(Setting::MultiHyokaJiku);
    options.jikuX = menu.jikuX;
    options.jikuAAA = menu.jikuAAA;
    options.jikuAA = menu.jikuAA;
    options.jikuF1 = menu.jikuF1;
    options.tenkaiJoi5 = menu.tenkaiJoi5;
    options.ninkiJoi5 = menu.ninkiJoi5;
    return options;
}

} // namespace

void jikuHimoBtnClick(Session& session) {
    const std::string& race = session.store.slot(session.analysisSlot).race;
    RaceAnalysis& analysis = session.analyses[size_t(session.analysisSlot)];
    selectAxisAndPartners(race, findUserRule(session.userRules, race, analysis.PositionPattern), axisOptions(session),
                          analysis);
}

void recomputeDayAxes(Session& session) {
    if (session.raceList.empty()) return;
    forEveryRaceSlot(session, jikuHimoBtnClick);
    datListClick(session, session.selectedRaceSlot);
}

} // namespace zefa
