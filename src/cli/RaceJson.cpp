#include "cli/RaceJson.h"

#include "bets/UserRules.h"
#include "jvdata/Cp932.h"
#include "jvdata/FullWidthText.h"
#include "jvdata/RaRecord.h"
#include "jvdata/SeRecord.h"

namespace zefa::cli {
namespace {

std::string text(std::string_view cp932) { return toUtf8(trimmed(stripFullWidthSpaces(cp932))); }

nlohmann::json pastRunJson(std::string_view run, std::string_view race) {
    return {{"date", std::string(fieldOf(run, SeRecord::RaceDate))},
            {"venue", std::string(fieldOf(run, SeRecord::VenueCode))},
            {"race", fieldNumber(fieldOf(run, SeRecord::RaceNumber))},
            {"race_name", text(fieldOf(race, RaRecord::RaceName))},
            {"finish", fieldNumber(fieldOf(run, SeRecord::FinishPosition))}};
}

// Values of past runs 1..5 (index 0 of the analysis arrays is not used).
template <typename Row>
nlohmann::json byPastRun(const Row& row) {
    return nlohmann::json(std::vector<int>(row.begin() + 1, row.end()));
}

nlohmann::json criteriaJson(const RaceAnalysis& analysis, int h) {
    nlohmann::json criteria = nlohmann::json::array();
    for (size_t n = 1; n < analysis.KeshiCriteria.size(); ++n) criteria.push_back(analysis.KeshiCriteria[n][size_t(h)]);
    return criteria;
}

// Every per-horse field of the analysis, by horse number.
nlohmann::json horseAnalysisJson(const RaceAnalysis& a, int h) {
    const size_t i = size_t(h);
    return {{"TanOdds", a.TanOdds[i]},         {"FukOdds", a.FukOdds[i]},
            {"TanNinki", a.TanNinki[i]},       {"FukNinki", a.FukNinki[i]},
            {"AsaTanOdds", a.AsaTanOdds[i]},   {"AsaFukOdds", a.AsaFukOdds[i]},
            {"AsaTanNinki", a.AsaTanNinki[i]}, {"AsaFukNinki", a.AsaFukNinki[i]},
            {"AsaRankGap", a.AsaRankGap[i]},   {"HyokaMark", a.HyokaMark[i]},
            {"YozTanOdds", a.YozTanOdds[i]},   {"YozFukOdds", a.YozFukOdds[i]},
            {"TenkaiValue", a.TenkaiValue[i]}, {"TenkaiRank", a.TenkaiRank[i]},
            {"TenkaiClass", a.TenkaiClass[i]}, {"KeshiCriteria", criteriaJson(a, h)},
            {"KeshiFlag", a.KeshiFlag[i]},     {"JikuFlag", a.JikuFlag[i]},
            {"HimoFlag", a.HimoFlag[i]},       {"TrackedFlag", a.TrackedFlag[i]},
            {"RestDays", byPastRun(a.RestDays[i])}, {"CornerSum", byPastRun(a.CornerSum[i])}};
}

nlohmann::json ruleJson(const Session& session, std::string_view race, const RaceAnalysis& analysis) {
    const RuleValues& v = analysis.Rule;
    return {{"key", toUtf8(userRuleKey(race, analysis.PositionPattern))},
            {"text", toUtf8(findUserRule(session.userRules, race, analysis.PositionPattern))},
            {"FJiku", v.FJiku}, {"Hup", v.Hup}, {"Hb4", v.Hb4}, {"Hrr", v.Hrr}, {"Hnn", v.Hnn},
            {"Fup", v.Fup}, {"Fb4", v.Fb4}, {"Frr", v.Frr}, {"Fnn", v.Fnn}};
}

} // namespace

nlohmann::json raceJson(const Session& session, int raceSlot) {
    const RaceSlotRecords& slot = session.store.slot(raceSlot);
    const RaceAnalysis& analysis = session.analyses[size_t(raceSlot)];
    nlohmann::json horses = nlohmann::json::array();
    for (int h = 1; h <= slot.registeredRunners(); ++h) {
        const auto& runs = slot.pastRuns[size_t(h - 1)];
        nlohmann::json pastRuns = nlohmann::json::array();
        for (int j = 0; j < kPastRuns && !trimmed(fieldOf(runs[size_t(j)], SeRecord::Year)).empty(); ++j)
            pastRuns.push_back(pastRunJson(runs[size_t(j)], slot.pastRaces[size_t(h - 1)][size_t(j)]));
        nlohmann::json horse = {{"number", h},
                                {"name", text(fieldOf(slot.runners[size_t(h - 1)], SeRecord::HorseName))},
                                {"past_runs", pastRuns}};
        horse.update(horseAnalysisJson(analysis, h));
        horses.push_back(horse);
    }
    return {{"slot", raceSlot},
            {"venue", std::string(fieldOf(slot.race, RaRecord::VenueCode))},
            {"race", fieldNumber(fieldOf(slot.race, RaRecord::RaceNumber))},
            {"name", text(fieldOf(slot.race, RaRecord::RaceName))},
            {"post_time", std::string(fieldOf(slot.race, RaRecord::PostTime))},
            {"registered", slot.registeredRunners()},
            {"PositionPattern", analysis.PositionPattern},
            {"MiokuriFlag", analysis.MiokuriFlag},
            {"Last4Flag", analysis.Last4Flag},
            {"AsaMissing", analysis.AsaMissing},
            {"rule", ruleJson(session, slot.race, analysis)},
            {"horses", horses}};
}

} // namespace zefa::cli
