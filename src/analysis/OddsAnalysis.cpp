#include "analysis/OddsAnalysis.h"

#include "analysis/HyokaMark.h"
#include "analysis/OddsRanking.h"
#include "analysis/OddsText.h"
#include "jvdata/OddsRecords.h"

namespace zefa {
namespace {

constexpr int kCriterion5 = 5;
constexpr int kRanksNeverEliminated = 10; // latest win ranks 1..10 never meet criterion 5
constexpr int kPatternRanks = 2;          // the pattern describes morning place ranks 1 and 2
constexpr std::string_view kPatternLetters = "abc"; // by development class 1..3

// A slot's odds record is there when its race number is at least 1. Without it every value
// stays 0 ("no odds"); a blank entry of a record that is there is kBlankOdds.
bool holdsOdds(std::string_view record) { return fieldNumber(fieldOf(record, RaceRecordView::RaceNumber)) >= 1; }

// The win and place rankings of one market.
struct Rankings {
    OddsRanking win, place;

    // Enters the horse in each ranking for which it has positive odds.
    void enter(int horse, double winOdds, double placeOdds, int tenkaiRank) {
        if (winOdds > 0) win.add(horse, winOdds, placeOdds, tenkaiRank);
        if (placeOdds > 0) place.add(horse, placeOdds, winOdds, tenkaiRank);
    }
};

// Win odds and place odds (lower bound) of horses 1..runners, by entry position. Only a horse
// whose place text is a number enters the rankings.
void readWinPlace(const O1Record& o1, int runners, const RaceAnalysis& analysis, ByHorse<double>& win,
                  ByHorse<double>& place, Rankings& rankings) {
    for (int h = 1; h <= runners; ++h) {
        const size_t i = size_t(h);
        win[i] = oddsValue(o1.winOddsText(h));
        place[i] = oddsValue(o1.placeOddsLowText(h));
        if (isOddsNumber(place[i])) rankings.enter(h, win[i], place[i], analysis.TenkaiRank[i]);
    }
}

// Odds and popularity of ordinals 1..N-1; popularity only where the odds are a number.
template <size_t N, class OddsText, class Popularity>
void readCombinations(std::array<double, N>& odds, std::array<int, N>& ninki, OddsText text, Popularity popularity) {
    for (int k = 1; k < int(N); ++k) {
        odds[size_t(k)] = oddsValue(text(k));
        if (isOddsNumber(odds[size_t(k)])) ninki[size_t(k)] = popularity(k);
    }
}

template <class Record, size_t N>
void readCombinations(const RaceSlotRecords& slot, DayFile file, std::array<double, N>& odds, std::array<int, N>& ninki) {
    static_assert(size_t(Record::ordinals()) + 1 == N);
    const std::string& bytes = slot.oddsRecord(file);
    if (!holdsOdds(bytes)) return;
    const Record record(bytes);
    readCombinations(odds, ninki, [&](int k) { return record.oddsText(k); }, [&](int k) { return record.popularity(k); });
}

// Back to the reset values: every field this analysis writes.
void clearOdds(RaceAnalysis& a) {
    static const RaceAnalysis reset{};
    a.AsaMissing = reset.AsaMissing;
    a.PositionPattern = reset.PositionPattern;
    a.TanOdds = reset.TanOdds;
    a.FukOdds = reset.FukOdds;
    a.AsaTanOdds = reset.AsaTanOdds;
    a.AsaFukOdds = reset.AsaFukOdds;
    a.KeshiCriteria[kCriterion5] = reset.KeshiCriteria[kCriterion5];
    a.TanNinki = reset.TanNinki;
    a.FukNinki = reset.FukNinki;
    a.AsaTanNinki = reset.AsaTanNinki;
    a.AsaFukNinki = reset.AsaFukNinki;
    a.AsaRankGap = reset.AsaRankGap;
    a.HyokaMark = reset.HyokaMark;
    a.JikuFlag = reset.JikuFlag;
    a.HimoFlag = reset.HimoFlag;
    a.WROdds = reset.WROdds;
    a.WRNinki = reset.WRNinki;
    a.UROdds = reset.UROdds;
    a.URNinki = reset.URNinki;
    a.WDOdds = reset.WDOdds;
    a.WDNinki = reset.WDNinki;
    a.UTOdds = reset.UTOdds;
    a.UTNinki = reset.UTNinki;
    a.SRFOdds = reset.SRFOdds;
    a.SRFNinki = reset.SRFNinki;
    a.SRTOdds = reset.SRTOdds;
    a.SRTNinki = reset.SRTNinki;
}

// Latest win, place and bracket-quinella odds, the latest ranks and criterion 5.
void analyseLatest(const RaceSlotRecords& slot, int runners, int keshiNin, RaceAnalysis& a) {
    const std::string& bytes = slot.oddsRecord(DayFile::WinOdds);
    if (!holdsOdds(bytes)) return;
    const O1Record o1(bytes);
    Rankings rankings;
    readWinPlace(o1, runners, a, a.TanOdds, a.FukOdds, rankings);
    readCombinations(a.WROdds, a.WRNinki, [&](int k) { return o1.bracketQuinellaOddsText(k); },
                     [&](int k) { return o1.bracketQuinellaPopularity(k); });

    a.TanNinki = rankings.win.ranks();
    a.FukNinki = rankings.place.ranks();
    const int eliminatedAfter = rankings.win.size() - (keshiNin + 1);
    for (size_t h = 1; h <= size_t(kMaxHorses); ++h) {
        const int rank = a.TanNinki[h];
        if (rank > kRanksNeverEliminated && rank > eliminatedAfter) a.KeshiCriteria[kCriterion5][h] = 1;
    }
}

// Morning win and place odds and ranks; the predicted odds when there is no morning record,
// where a horse enters each ranking on its own odds alone.
void analyseMorning(const RaceSlotRecords& slot, int runners, RaceAnalysis& a) {
    const std::string& bytes = slot.oddsRecord(DayFile::MorningOdds);
    Rankings rankings;
    if (holdsOdds(bytes)) {
        readWinPlace(O1Record(bytes), runners, a, a.AsaTanOdds, a.AsaFukOdds, rankings);
    } else {
        a.AsaMissing = 1;
        for (int h = 1; h <= runners; ++h) {
            const size_t i = size_t(h);
            a.AsaTanOdds[i] = a.YozTanOdds[i];
            a.AsaFukOdds[i] = a.YozFukOdds[i];
            rankings.enter(h, a.AsaTanOdds[i], a.AsaFukOdds[i], a.TenkaiRank[i]);
        }
    }
    a.AsaTanNinki = rankings.win.ranks();
    a.AsaFukNinki = rankings.place.ranks();
}

// Letter n of the pattern: the development class of the horse ranked n-th on morning place odds.
void setPositionPattern(int runners, RaceAnalysis& a) {
    for (size_t h = 1; h <= size_t(runners); ++h) {
        const int rank = a.AsaFukNinki[h], tenkaiClass = a.TenkaiClass[h];
        if (rank >= 1 && rank <= kPatternRanks && tenkaiClass >= 1 && tenkaiClass <= int(kPatternLetters.size()))
            a.PositionPattern[size_t(rank - 1)] = kPatternLetters[size_t(tenkaiClass - 1)];
    }
}

void setMarks(RaceAnalysis& a) {
    for (size_t h = 1; h <= size_t(kMaxHorses); ++h) {
        a.AsaRankGap[h] = a.AsaTanNinki[h] - a.AsaFukNinki[h];
        a.HyokaMark[h] = hyokaMark(a.AsaTanNinki[h], a.AsaFukNinki[h], a.AsaFukOdds[h]);
    }
}

} // namespace

void analyseOdds(const RaceSlotRecords& slot, int keshiNin, RaceAnalysis& analysis) {
    clearOdds(analysis);
    const int runners = slot.registeredRunners();
    analyseLatest(slot, runners, keshiNin, analysis);
    readCombinations<O2Record>(slot, DayFile::QuinellaOdds, analysis.UROdds, analysis.URNinki);
    analyseMorning(slot, runners, analysis);
    setPositionPattern(runners, analysis);
    setMarks(analysis);
    readCombinations<O3Record>(slot, DayFile::WideOdds, analysis.WDOdds, analysis.WDNinki);
    readCombinations<O4Record>(slot, DayFile::ExactaOdds, analysis.UTOdds, analysis.UTNinki);
    readCombinations<O5Record>(slot, DayFile::TrioOdds, analysis.SRFOdds, analysis.SRFNinki);
    readCombinations<O6Record>(slot, DayFile::TrifectaOdds, analysis.SRTOdds, analysis.SRTNinki);
}

} // namespace zefa
