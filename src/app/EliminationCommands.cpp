#include "app/EliminationCommands.h"

#include "analysis/Elimination.h"
#include "app/Session.h"

namespace zefa {
namespace {

// Read afresh at every run, so a changed option applies at once.
EliminationSettings eliminationSettings(const SettingsFile& settings) {
    EliminationSettings chosen;
    for (int n = 1; n <= kKeshiCriteria; ++n) chosen.keshi[size_t(n)] = settings.readBool(Setting::Keshi, n);
    chosen.keshi2CK = settings.readInt(Setting::Keshi2CK);
    for (int n = 1; n <= kSkipRules; ++n) chosen.miokuri[size_t(n)] = settings.readBool(Setting::Miokuri, n);
    chosen.miokuriTosu = settings.readInt(Setting::MiokuriTosu);
    for (int v = 1; v <= kJraVenues; ++v) chosen.bashoMiokuri[size_t(v)] = settings.readBool(Setting::BashoMiokuri, v);
    return chosen;
}

} // namespace

void markEliminationCriteria(Session& session) {
    const int keshi2CK = session.settings.readInt(Setting::Keshi2CK);
    for (int k = 0; k < kRaceSlots; ++k) markEliminationCriteria(session.store.slot(k), keshi2CK, session.analyses[size_t(k)]);
}

void keshiBtnClick(Session& session) {
    const EliminationSettings settings = eliminationSettings(session.settings);
    for (int k = 0; k < kRaceSlots; ++k) decideElimination(session.store.slot(k), settings, session.analyses[size_t(k)]);
}

} // namespace zefa
