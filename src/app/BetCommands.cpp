#include "app/BetCommands.h"

#include "app/Session.h"
#include "bets/BetGeneration.h"
#include "bets/BetHits.h"
#include "bets/BetListOps.h"
#include "bets/FundDistribution.h"

#include <algorithm>
#include <optional>
#include <string>

namespace zefa {
namespace {

constexpr size_t kMaxAmountDigits = 6;

// The threshold key of each bet type's level, by BetType order.
constexpr std::array<Setting, 8> kLevelSettings{
    Setting::TanMiokuri1, Setting::FukMiokuri1, Setting::WRMiokuri1,  Setting::URMiokuri1,
    Setting::WDMiokuri1,  Setting::UTMiokuri1,  Setting::SRFMiokuri1, Setting::SRTMiokuri1,
};

// The order in which a build goes through the lists.
constexpr std::array<BetType, 8> kBuildOrder{BetType::Win,   BetType::Place,  BetType::Quinella, BetType::BracketQuinella,
                                             BetType::Wide,  BetType::Exacta, BetType::Trio,     BetType::Trifecta};

BetChecks betChecks(const SettingsFile& settings) {
    return {settings.readBool(Setting::Tan1Check), settings.readBool(Setting::UT1Check),
            settings.readBool(Setting::UT2Check),  settings.readBool(Setting::SRT1Check),
            settings.readBool(Setting::SRT2Check), settings.readBool(Setting::SRT3Check)};
}

Distribution distribution(const Session& session) {
    Distribution d{session.haibunSet, session.kaimeAmount, {}};
    for (size_t t = 0; t < kLevelSettings.size(); ++t) d.thresholds.miokuri[t] = session.settings.readInt(kLevelSettings[t]);
    d.thresholds.tanMiokuri2 = session.settings.readInt(Setting::TanMiokuri2);
    return d;
}

bool raceOnShow(const Session& session) {
    return session.selectedRaceSlot >= 0 && session.selectedRaceSlot < kRaceSlots &&
           size_t(session.selectedRaceSlot) < session.analyses.size();
}

std::string_view payoutOnShow(const Session& session) {
    return raceOnShow(session) ? std::string_view(session.store.slot(session.selectedRaceSlot).payout)
                               : std::string_view();
}

// Every list's stakes by the current mode and amount, then every list's hits.
void redistributeAll(Session& session) {
    const Distribution d = distribution(session);
    for (BetList& list : session.betLists) distributeFunds(list, d);
    for (BetList& list : session.betLists) checkHits(list, payoutOnShow(session));
}

// 1 to 6 decimal digits, nothing else.
std::optional<int> amountOf(std::string_view text) {
    if (text.empty() || text.size() > kMaxAmountDigits) return std::nullopt;
    if (!std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; })) return std::nullopt;
    return std::stoi(std::string(text));
}

} // namespace

void kaimeMakeBtnClick(Session& session) {
    if (!raceOnShow(session)) {
        for (const BetTypeRow& row : kBetTypes) session.betLists[size_t(row.type)] = emptyBetList(row.type);
        return;
    }
    const int slot = session.selectedRaceSlot;
    const BetSource source = betSource(session.store.slot(slot), session.analyses[size_t(slot)], betChecks(session.settings));
    const Distribution d = distribution(session);
    for (const BetType type : kBuildOrder) {
        BetList& list = session.betLists[size_t(type)];
        list = generateBetList(type, source);
        distributeFunds(list, d);
        checkHits(list, payoutOnShow(session));
    }
}

void radioGroup1Click(Session& session, int mode) {
    session.haibunSet = mode;
    session.settings.writeInt(Setting::HaibunSet, mode);
    redistributeAll(session);
}

void saNumEditExC1Change(Session& session, std::string_view text) {
    const std::optional<int> amount = amountOf(text);
    if (!amount) return;
    session.kaimeAmount = *amount;
    if (raceOnShow(session) && size_t(session.selectedRaceSlot) < session.raceAmountList.size())
        session.raceAmountList[size_t(session.selectedRaceSlot)] = std::to_string(*amount);
    redistributeAll(session);
}

void betGridClick(Session& session, BetType type, int row, int column) {
    clickBetRow(session.betLists[size_t(type)], row, column, distribution(session), payoutOnShow(session));
}

void betGridHeaderClick(Session& session, BetType type, int column) {
    sortBetList(session.betLists[size_t(type)], column);
}

} // namespace zefa
