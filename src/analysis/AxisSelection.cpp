#include "analysis/AxisSelection.h"

#include "analysis/AxisPartners.h"
#include "analysis/HyokaMark.h"
#include "jvdata/RaRecord.h"

#include <algorithm>
#include <tuple>

namespace zefa {
namespace {

// Mark classes order the axis candidates: lower is preferred, kOtherMarkClass is no evaluation horse.
constexpr int kLoneAClass = 1;
constexpr int kOtherMarkClass = 7;

struct MarkClass {
    std::string_view mark;
    int markClass;
};
constexpr MarkClass kMarkClasses[] = {{mark::AAA, 2}, {mark::AA, 2}, {mark::AB, 2},
                                      {mark::AC, 2},  {mark::AD, 2}, {mark::XAA, 3}};

// The axis patterns of FJiku 1..12, one letter per place favourite; any other code names none.
constexpr std::string_view kAxisPatterns[] = {"a ", "b ", "c ", "aa", "ab", "ac", "ba", "bb", "bc", "ca", "cb", "cc"};
constexpr std::string_view kNoAxisPattern = "  ";
constexpr std::string_view kClassLetters = "abc"; // development classes 1, 2, 3
// Race patterns whose two place favourites share a development class.
constexpr std::string_view kSharedClassPatterns[] = {"aa", "bb", "cc"};

// The mark the axis moves to, by JikuChange 1..8.
constexpr std::string_view kJikuChangeMarks[] = {mark::AAA, mark::AA, mark::AB, mark::AC,
                                                 mark::AD,  mark::A,  mark::XAA, mark::X};

struct RuleField {
    int RuleValues::*value;
    Field field;
};
constexpr RuleField kRuleFields[] = {
    {&RuleValues::FJiku, {1, 2}}, {&RuleValues::Hup, {3, 1}}, {&RuleValues::Hb4, {4, 1}},
    {&RuleValues::Hrr, {5, 1}},   {&RuleValues::Hnn, {6, 1}}, {&RuleValues::Fup, {7, 1}},
    {&RuleValues::Fb4, {8, 1}},   {&RuleValues::Frr, {9, 1}}, {&RuleValues::Fnn, {10, 1}},
};

// Digits padded with blanks; anything else is 0.
int ruleNumber(std::string_view text) {
    const std::string_view digits = trimmed(text);
    if (digits.empty() || !std::ranges::all_of(digits, [](char c) { return c >= '0' && c <= '9'; })) return 0;
    return int(fieldNumber(digits));
}

bool userMode(KaimeMode mode) { return mode == KaimeMode::UserModeH || mode == KaimeMode::UserModeF; }
bool placeFirst(KaimeMode mode) { return mode == KaimeMode::FukniMode || mode == KaimeMode::UserModeF; }

int asaFukNinki(const AxisRace& race, int h) { return race.analysis.AsaFukNinki[size_t(h)]; }

// "  A" ranks first only as the race's one and only evaluation horse.
int markClass(std::string_view text, bool loneA) {
    if (text == mark::A) return loneA ? kLoneAClass : kOtherMarkClass;
    const auto* row = std::ranges::find(kMarkClasses, text, &MarkClass::mark);
    return row == std::end(kMarkClasses) ? kOtherMarkClass : row->markClass;
}

// True when the one evaluation horse among the eligible horses not marked "  X" is an "  A".
bool loneAHorse(const AxisRace& race) {
    int aHorses = 0, markedHorses = 0;
    for (int h = 1; h <= race.runners; ++h) {
        if (!race.eligible(h) || race.mark(h) == mark::X) continue;
        if (race.mark(h) == mark::A) ++aHorses;
        if (!trimmed(race.mark(h)).empty()) ++markedHorses;
    }
    return aHorses == 1 && markedHorses == 1;
}

void setAxis(AxisRace& race, int h) { race.analysis.JikuFlag[size_t(h)] = 1; }

// The eligible morning place favourites 1 and 2, the better developed first.
std::vector<int> placeFavourites(const AxisRace& race) {
    return sortedCandidates(
        race.runners, [&](int h) { return race.eligible(h) && (asaFukNinki(race, h) == 1 || asaFukNinki(race, h) == 2); },
        [&](int h) { return std::tuple{race.rank(h), asaFukNinki(race, h)}; });
}

// The eligible horse of development class `devClass` whose morning place rank lies in
// fromRank..toRank, the higher number when two qualify; 0 for none or for class 0.
int favouriteOfClass(const AxisRace& race, int devClass, int fromRank, int toRank) {
    int found = 0;
    for (int h = 1; h <= race.runners; ++h)
        if (devClass != 0 && race.eligible(h) && race.analysis.TenkaiClass[size_t(h)] == devClass &&
            asaFukNinki(race, h) >= fromRank && asaFukNinki(race, h) <= toRank)
            found = h;
    return found;
}

int letterClass(char letter) {
    const size_t at = kClassLetters.find(letter);
    return at == std::string_view::npos ? 0 : int(at) + 1;
}

// The place favourites that the axis pattern of FJiku names (0: none).
std::vector<int> patternCandidates(const AxisRace& race, int fJiku) {
    const bool listed = fJiku >= 1 && fJiku <= int(std::size(kAxisPatterns));
    const std::string_view pattern = listed ? kAxisPatterns[size_t(fJiku - 1)] : kNoAxisPattern;
    const int p1 = letterClass(pattern[0]), p2 = letterClass(pattern[1]);
    if (p1 != 0 && p1 == p2) return {favouriteOfClass(race, p1, 1, 1), favouriteOfClass(race, p1, 2, 2)};
    const bool sharedClassRace = std::ranges::find(kSharedClassPatterns, race.analysis.PositionPattern) !=
                                 std::end(kSharedClassPatterns);
    if (!sharedClassRace || (p1 != 0) == (p2 != 0))
        return {favouriteOfClass(race, p1, 1, 2), favouriteOfClass(race, p2, 1, 2)};
    // One letter, and both favourites share its class: only the better developed one.
    const int q = p1 != 0 ? p1 : p2;
    const int first = favouriteOfClass(race, q, 1, 1), second = favouriteOfClass(race, q, 2, 2);
    if (first != 0 && second != 0) return {race.rank(second) < race.rank(first) ? second : first};
    return {first, second};
}

void chooseAxis(AxisRace& race, const AxisOptions& options) {
    const bool loneA = loneAHorse(race);
    const bool user = userMode(options.mode);
    // The user modes leave the morning place rank out of the key.
    const std::vector<int> marked = sortedCandidates(
        race.runners, [&](int h) { return race.eligible(h) && race.mark(h) != mark::X; },
        [&](int h) { return std::tuple{markClass(race.mark(h), loneA), race.rank(h), user ? 0 : asaFukNinki(race, h)}; });
    if (marked.empty()) return;
    if (!placeFirst(options.mode) && markClass(race.mark(marked.front()), loneA) != kOtherMarkClass) {
        setAxis(race, marked.front());
        return;
    }
    if (!placeFirst(options.mode) && !options.ifnothyokaba) return;
    if (user && race.analysis.Rule.FJiku > 0) {
        for (const int h : patternCandidates(race, race.analysis.Rule.FJiku))
            if (h > 0) setAxis(race, h);
        return;
    }
    const std::vector<int> favourites = placeFavourites(race);
    if (!favourites.empty()) setAxis(race, favourites.front());
}

// Moves the axis to the horse with the JikuChange mark; returns the preferred axis afterwards.
int changeAxis(AxisRace& race, const AxisOptions& options, int preferred) {
    const bool markModes = options.mode == KaimeMode::HyokaMode || options.mode == KaimeMode::UserModeH;
    if (!markModes || preferred == 0 || options.jikuChange < 1 || options.jikuChange > int(std::size(kJikuChangeMarks)))
        return preferred;
    const std::string_view target = trimmed(kJikuChangeMarks[size_t(options.jikuChange - 1)]);
    const bool worse = options.multiHyokaJiku == 1;
    const std::vector<int> marked = sortedCandidates(
        race.runners,
        [&](int h) { return race.eligible(h) && race.hasOdds(h) && trimmed(race.mark(h)) == target; },
        [&](int h) { return std::tuple{worse ? kUnrankedLast + 1 - race.rank(h) : race.rank(h), race.popularity(h)}; });
    if (marked.empty()) return preferred;
    race.analysis.JikuFlag.fill(0);
    setAxis(race, marked.front());
    return marked.front();
}

} // namespace

RuleValues ruleValuesOf(std::string_view ruleText) {
    RuleValues values;
    for (const RuleField& rule : kRuleFields) values.*rule.value = ruleNumber(fieldOf(ruleText, rule.field));
    return values;
}

void selectAxisAndPartners(std::string_view raceRecord, std::string_view ruleText, const AxisOptions& options,
                           RaceAnalysis& analysis) {
    analysis.JikuFlag.fill(0);
    analysis.HimoFlag.fill(0);
    analysis.Rule = ruleValuesOf(ruleText);
    const int runners = std::clamp(int(fieldNumber(fieldOf(raceRecord, RaRecord::RegisteredRunners))), 0, kMaxHorses);
    AxisRace race{analysis, runners};
    chooseAxis(race, options);
    const std::vector<int> axes =
        sortedCandidates(runners, [&](int h) { return race.axis(h); }, [&](int h) { return race.rank(h); });
    const int preferred = changeAxis(race, options, axes.empty() ? 0 : axes.front());
    choosePartners(race, options, preferred, int(axes.size()));
    applyFixing(race, options, int(axes.size()));
}

} // namespace zefa
