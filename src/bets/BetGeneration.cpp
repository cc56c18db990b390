#include "bets/BetGeneration.h"

#include "jvdata/Combinations.h"
#include "jvdata/NumberFormat.h"
#include "jvdata/OddsRecords.h"
#include "jvdata/RecordView.h"

#include <algorithm>
#include <span>

namespace zefa {
namespace {

using Candidates = std::set<std::string>;

inline constexpr int kMinBracketRunners = 9; // fewer runners have one horse per bracket: no bracket bets
inline constexpr int kMaxListedBets = 306;   // trio and trifecta lists are cut here

// How a bet type's rows are written, and where its odds and popularity are kept.
struct BetRowFormat {
    int numberWidth;
    int oddsWidth;
    int popularityWidth;
    bool cut; // cut to kMaxListedBets
    std::span<const double> (*odds)(const RaceAnalysis&);
    std::span<const int> (*popularity)(const RaceAnalysis&);
};

constexpr std::array<BetRowFormat, 8> kRowFormats{{
    {2, 6, 2, false, [](const RaceAnalysis& a) -> std::span<const double> { return a.TanOdds; },
     [](const RaceAnalysis& a) -> std::span<const int> { return a.TanNinki; }},
    {2, 6, 2, false, [](const RaceAnalysis& a) -> std::span<const double> { return a.FukOdds; },
     [](const RaceAnalysis& a) -> std::span<const int> { return a.FukNinki; }},
    {2, 7, 2, false, [](const RaceAnalysis& a) -> std::span<const double> { return a.WROdds; },
     [](const RaceAnalysis& a) -> std::span<const int> { return a.WRNinki; }},
    {3, 7, 3, false, [](const RaceAnalysis& a) -> std::span<const double> { return a.UROdds; },
     [](const RaceAnalysis& a) -> std::span<const int> { return a.URNinki; }},
    {3, 7, 3, false, [](const RaceAnalysis& a) -> std::span<const double> { return a.WDOdds; },
     [](const RaceAnalysis& a) -> std::span<const int> { return a.WDNinki; }},
    {3, 7, 3, false, [](const RaceAnalysis& a) -> std::span<const double> { return a.UTOdds; },
     [](const RaceAnalysis& a) -> std::span<const int> { return a.UTNinki; }},
    {3, 7, 3, true, [](const RaceAnalysis& a) -> std::span<const double> { return a.SRFOdds; },
     [](const RaceAnalysis& a) -> std::span<const int> { return a.SRFNinki; }},
    {4, 9, 4, true, [](const RaceAnalysis& a) -> std::span<const double> { return a.SRTOdds; },
     [](const RaceAnalysis& a) -> std::span<const int> { return a.SRTNinki; }},
}};

bool runs(const BetSource& s, int horse) { return s.analysis.TanNinki[size_t(horse)] > 0; }
bool isAxis(const BetSource& s, int horse) { return s.analysis.JikuFlag[size_t(horse)] == 1; }

void addPair(Candidates& out, int a, int b) { out.insert(comboText(std::array{std::min(a, b), std::max(a, b)})); }
void addOrdered(Candidates& out, std::span<const int> numbers) { out.insert(comboText(numbers)); }
// Triples repeating a horse are no bets.
void addTriple(Candidates& out, BetType type, const std::string& text) {
    if (!text.empty() && comboOrdinal(type, text) > 0) out.insert(text);
}

void winCandidates(const BetSource& s, Candidates& out) {
    const int d = s.sets.preferred;
    const size_t k = s.sets.axes.size();
    if ((k != 1 && k != 2) || !isAxis(s, d) || !runs(s, d)) return;
    const bool evaluationHorse = !trimmed(s.analysis.HyokaMark[size_t(d)]).empty();
    if (k == 1 && s.checks.Tan1Check && evaluationHorse) return;
    addOrdered(out, std::array{d});
}

void placeCandidates(const BetSource& s, Candidates& out) {
    const int d = s.sets.preferred;
    if (d > 0 && isAxis(s, d) && s.analysis.FukOdds[size_t(d)] > 0) addOrdered(out, std::array{d});
}

// Every axis horse that runs with every partner, and with every other axis when `withAxes` is set.
template <typename Add>
void axisPartnerPairs(const BetSource& s, bool withAxes, Add add) {
    for (const int i : s.sets.axes) {
        if (!runs(s, i)) continue;
        for (const int j : s.sets.partners)
            if (i != j) add(i, j);
        if (!withAxes) continue;
        for (const int j : s.sets.axes)
            if (i != j) add(i, j);
    }
}

void bracketQuinellaCandidates(const BetSource& s, Candidates& out) {
    if (!s.quinellaOdds || s.runners < kMinBracketRunners) return;
    axisPartnerPairs(s, true, [&](int i, int j) {
        addPair(out, bracketOf(s.runners, std::min(i, j)), bracketOf(s.runners, std::max(i, j)));
    });
}

void quinellaCandidates(const BetSource& s, Candidates& out) {
    axisPartnerPairs(s, false, [&](int i, int j) { addPair(out, i, j); });
    if (s.sets.axes.size() == 2) addPair(out, s.sets.preferred, s.sets.second);
}

void wideCandidates(const BetSource& s, Candidates& out) {
    axisPartnerPairs(s, false, [&](int i, int j) { addPair(out, i, j); });
}

void exactaCandidates(const BetSource& s, Candidates& out) {
    const size_t k = s.sets.axes.size();
    if (k != 1 && k != 2) return;
    for (const int axis : s.sets.axes) {
        for (const int partner : s.sets.partners) {
            if (axis == partner) continue;
            if (s.checks.UT2Check && runs(s, partner)) addOrdered(out, std::array{partner, axis});
            if (s.checks.UT1Check && runs(s, axis)) addOrdered(out, std::array{axis, partner});
        }
    }
    if (k == 2) {
        addOrdered(out, std::array{s.sets.preferred, s.sets.second});
        addOrdered(out, std::array{s.sets.second, s.sets.preferred});
    }
}

void trioCandidates(const BetSource& s, Candidates& out) {
    const auto& partners = s.sets.partners;
    for (const int a : s.sets.axes)
        for (const int b : partners)
            for (const int c : partners) addTriple(out, BetType::Trio, sortedTriple(a, b, c));
    if (s.sets.axes.size() < 2) return;
    for (const int c : partners) addTriple(out, BetType::Trio, sortedTriple(s.sets.preferred, s.sets.second, c));
}

void trifectaCandidates(const BetSource& s, Candidates& out) {
    const size_t k = s.sets.axes.size();
    if (k != 1 && k != 2) return;
    const auto add = [&](int x, int y, int z) { addTriple(out, BetType::Trifecta, comboText(std::array{x, y, z})); };
    const std::array onPlace{s.checks.SRT1Check, s.checks.SRT2Check, s.checks.SRT3Check};
    for (const int axis : s.sets.axes) {
        for (const int p : s.sets.partners) {
            for (const int q : s.sets.partners) {
                if (onPlace[0]) add(axis, p, q);
                if (onPlace[1]) add(p, axis, q);
                if (onPlace[2]) add(p, q, axis);
            }
        }
    }
    if (k != 2) return;
    const int d = s.sets.preferred, e = s.sets.second;
    const auto settingsOn = std::count(onPlace.begin(), onPlace.end(), true);
    for (const int p : s.sets.partners) {
        add(e, d, p);
        add(d, e, p);
        if (settingsOn == 1 || settingsOn == 3) {
            add(e, p, d);
            add(d, p, e);
        }
        if (settingsOn == 3) {
            add(p, e, d);
            add(p, d, e);
        }
    }
}

using CandidateRule = void (*)(const BetSource&, Candidates&);
constexpr std::array<CandidateRule, 8> kCandidateRules{
    winCandidates,     placeCandidates,   bracketQuinellaCandidates, quinellaCandidates,
    wideCandidates,    exactaCandidates,  trioCandidates,            trifectaCandidates,
};

bool checksOdds(BetType type) { return type != BetType::Win && type != BetType::Place; }

// The win popularity of each horse of the combination, " 3- 7"; empty unless every horse has one.
std::string popularityPattern(const RaceAnalysis& analysis, const Combination& combination) {
    std::vector<int> ranks;
    for (const int horse : combination.numbers()) {
        const int rank = analysis.TanNinki[size_t(horse)];
        if (rank <= 0) return {};
        ranks.push_back(rank);
    }
    return comboText(ranks);
}

} // namespace

AxisSets axisSets(int runners, const RaceAnalysis& analysis) {
    AxisSets sets;
    for (int horse = 1; horse <= std::min(runners, kMaxHorses); ++horse) {
        if (analysis.JikuFlag[size_t(horse)] == 1) sets.axes.push_back(horse);
        if (analysis.HimoFlag[size_t(horse)] == 1) sets.partners.push_back(horse);
    }
    if (sets.axes.empty()) return sets;
    sets.preferred = sets.axes[0];
    if (sets.axes.size() < 2) return sets;
    sets.second = sets.axes[1];
    // A horse with a development rank goes before one without; otherwise the better rank first.
    const auto rank = [&](int horse) { return analysis.TenkaiRank[size_t(horse)]; };
    const int d = rank(sets.preferred), e = rank(sets.second);
    if (e != 0 && (d == 0 || e < d)) std::swap(sets.preferred, sets.second);
    return sets;
}

BetSource betSource(const RaceSlotRecords& records, const RaceAnalysis& analysis, const BetChecks& checks) {
    const int runners = records.registeredRunners();
    const std::string& quinella = records.oddsRecord(DayFile::QuinellaOdds);
    return {analysis, axisSets(runners, analysis), runners,
            fieldNumber(fieldOf(quinella, RaceRecordView::RaceNumber)) != 0, checks};
}

std::set<std::string> betCandidates(BetType type, const BetSource& source) {
    Candidates candidates;
    kCandidateRules[size_t(type)](source, candidates);
    return candidates;
}

BetList generateBetList(BetType type, const BetSource& source) {
    const BetRowFormat& format = kRowFormats[size_t(type)];
    const std::span<const double> odds = format.odds(source.analysis);
    const std::span<const int> popularity = format.popularity(source.analysis);
    const int patternColumn = type == BetType::BracketQuinella ? -1 : betColumn(type, BetColumn::PopularityPattern);

    BetList list = emptyBetList(type);
    list.rows.pop_back();
    for (const std::string& text : betCandidates(type, source)) {
        const int ordinal = comboOrdinal(type, text);
        if (ordinal <= 0 || (checksOdds(type) && !(odds[size_t(ordinal)] > 0))) continue;
        if (format.cut && list.dataRows() == kMaxListedBets) break;
        BetRow& row = list.rows.emplace_back(size_t(list.columnCount()));
        const auto put = [&](BetColumn role, std::string value) { row[size_t(betColumn(type, role))] = std::move(value); };
        put(BetColumn::Number, rightAligned(list.dataRows(), format.numberWidth));
        put(BetColumn::Combination, text);
        put(BetColumn::Odds, decimalText(odds[size_t(ordinal)], format.oddsWidth, 1));
        put(BetColumn::Popularity, rightAligned(popularity[size_t(ordinal)], format.popularityWidth));
        if (patternColumn >= 0) row[size_t(patternColumn)] = popularityPattern(source.analysis, combinationAt(type, ordinal));
    }
    if (list.dataRows() == 0) list.rows.emplace_back(size_t(list.columnCount()));
    return list;
}

std::array<BetList, 8> buildBetLists(const RaceSlotRecords& records, const RaceAnalysis& analysis,
                                     const BetChecks& checks) {
    const BetSource source = betSource(records, analysis, checks);
    std::array<BetList, 8> lists;
    for (const BetTypeRow& row : kBetTypes) lists[size_t(row.type)] = generateBetList(row.type, source);
    return lists;
}

} // namespace zefa
