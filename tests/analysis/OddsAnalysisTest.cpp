#include "analysis/OddsAnalysis.h"
#include "analysis/OddsText.h"
#include "jvdata/RecordView.h"
#include "support/RecordBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace zefa {
namespace {

using test::LineBuilder;

constexpr std::string_view kRaceKey = "2024010606010111";

// A number as a text of leading zeros.
std::string digits(int value, int width) {
    char text[16];
    std::snprintf(text, sizeof text, "%0*d", width, value);
    return text;
}

// An O1 record under construction: win and place (lower bound) texts by horse.
class O1Line {
public:
    O1Line() { line_.raceKey(kRaceKey); }
    O1Line& win(int h, std::string_view text) { return put(46 + 8 * (h - 1), text); }
    O1Line& place(int h, std::string_view text) { return put(270 + 12 * (h - 1), text); }
    // Win and place odds in tenths.
    O1Line& horse(int h, int winTenths, int placeTenths) { return win(h, digits(winTenths, 4)).place(h, digits(placeTenths, 4)); }
    O1Line& put(int position, std::string_view text) {
        line_.put(position, text);
        return *this;
    }
    std::string record() const { return line_.record(); }

private:
    LineBuilder line_{RecordKind::O1};
};

class OddsAnalysisTest : public ::testing::Test {
protected:
    RaceSlotRecords& slot() { return store.slot(0); }
    void runners(int n) { slot().race = LineBuilder(RecordKind::RA).raceKey(kRaceKey).put(882, digits(n, 2)).record(); }
    void setLatest(const O1Line& o1) { slot().oddsRecord(DayFile::WinOdds) = o1.record(); }
    void setMorning(const O1Line& o1) { slot().oddsRecord(DayFile::MorningOdds) = o1.record(); }
    void analyse(int keshiNin = 0) { analyseOdds(slot(), keshiNin, a); }

    RaceDayStore store;
    RaceAnalysis a;
};

TEST_F(OddsAnalysisTest, CancelledAndBlankEntriesTakeNoLatestRanks) {
    runners(6);
    O1Line o1;
    o1.horse(1, 56, 20).win(2, "----").place(2, "----").horse(3, 30, 12).win(4, "0040");
    o1.horse(5, 80, 25).win(6, "----").place(6, "0015").horse(7, 10, 10); // horse 7 is not registered
    setLatest(o1);
    analyse();

    const struct {
        int h;
        double tan, fuk;
        int tanNinki, fukNinki;
    } horses[] = {
        {1, 5.6, 2.0, 2, 3}, {2, kCancelledOdds, kCancelledOdds, 0, 0}, {3, 3.0, 1.2, 1, 1},
        {4, 4.0, kBlankOdds, 0, 0}, // valid win odds, but no place entry: no ranks at all
        {5, 8.0, 2.5, 3, 4}, {6, kCancelledOdds, 1.5, 0, 2}, {7, 0, 0, 0, 0},
    };
    for (const auto& h : horses) {
        const size_t i = size_t(h.h);
        EXPECT_DOUBLE_EQ(a.TanOdds[i], h.tan) << h.h;
        EXPECT_DOUBLE_EQ(a.FukOdds[i], h.fuk) << h.h;
        EXPECT_EQ(a.TanNinki[i], h.tanNinki) << h.h;
        EXPECT_EQ(a.FukNinki[i], h.fukNinki) << h.h;
    }
}

// Each ranking: where its odds come from and the rank it fills.
enum class Market { Latest, Morning, Predicted };
struct Ranking {
    const char* name;
    Market market;
    bool byPlace; // ranked by place odds first, win odds second
    ByHorse<int> RaceAnalysis::*rank;
};
void PrintTo(const Ranking& ranking, std::ostream* out) { *out << ranking.name; }

class RankingTieTest : public OddsAnalysisTest, public ::testing::WithParamInterface<Ranking> {
protected:
    // Gives horse h its odds (tenths) in the ranking's market: `first` is the odds it is ranked by.
    void put(O1Line& o1, int h, int first, int second) {
        const int win = GetParam().byPlace ? second : first, place = GetParam().byPlace ? first : second;
        if (GetParam().market == Market::Predicted) {
            a.YozTanOdds[size_t(h)] = win / 10.0;
            a.YozFukOdds[size_t(h)] = place / 10.0;
        } else {
            o1.horse(h, win, place);
        }
    }
    void store(const O1Line& o1) {
        if (GetParam().market == Market::Latest) setLatest(o1);
        if (GetParam().market == Market::Morning) setMorning(o1);
    }
};

TEST_P(RankingTieTest, OddsThenOtherOddsThenDevelopmentRankThenHorseNumber) {
    // Horses 5 and 3: odds, other odds and development rank of each; who ranks first.
    const struct {
        const char* why;
        int first5, second5, tenkai5;
        int first3, second3, tenkai3;
        int winner;
    } cases[] = {
        {"lower odds", 55, 30, 0, 56, 10, 0, 5},
        {"equal odds 5.6: better other odds", 56, 18, 4, 56, 20, 0, 5},
        {"equal odds twice: development rank 0 before 4", 56, 20, 0, 56, 20, 4, 5},
        {"equal odds twice: development rank 2 before 4", 56, 20, 2, 56, 20, 4, 5},
        {"all equal: lower horse number", 56, 20, 3, 56, 20, 3, 3},
    };
    runners(6);
    for (const auto& c : cases) {
        a = RaceAnalysis{};
        a.TenkaiRank[5] = c.tenkai5;
        a.TenkaiRank[3] = c.tenkai3;
        O1Line o1;
        put(o1, 5, c.first5, c.second5);
        put(o1, 3, c.first3, c.second3);
        store(o1);
        analyse();
        const ByHorse<int>& rank = a.*GetParam().rank;
        EXPECT_EQ(rank[size_t(c.winner)], 1) << c.why;
        EXPECT_EQ(rank[size_t(c.winner == 5 ? 3 : 5)], 2) << c.why;
        EXPECT_EQ(rank[1] + rank[2] + rank[4] + rank[6], 0) << c.why;
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryRanking, RankingTieTest,
    ::testing::Values(Ranking{"LatestWin", Market::Latest, false, &RaceAnalysis::TanNinki},
                      Ranking{"LatestPlace", Market::Latest, true, &RaceAnalysis::FukNinki},
                      Ranking{"MorningWin", Market::Morning, false, &RaceAnalysis::AsaTanNinki},
                      Ranking{"MorningPlace", Market::Morning, true, &RaceAnalysis::AsaFukNinki},
                      Ranking{"PredictedWin", Market::Predicted, false, &RaceAnalysis::AsaTanNinki},
                      Ranking{"PredictedPlace", Market::Predicted, true, &RaceAnalysis::AsaFukNinki}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(OddsAnalysisTest, OddsTieWhenTheyAgreeToOneDecimal) {
    runners(5);
    a.YozTanOdds[3] = 5.64;
    a.YozFukOdds[3] = 2.0;
    a.YozTanOdds[5] = 5.61;
    a.YozFukOdds[5] = 1.8;
    analyse();
    EXPECT_EQ(a.AsaTanNinki[5], 1); // 5.6 both: the place odds decide
    EXPECT_EQ(a.AsaTanNinki[3], 2);
}

TEST_F(OddsAnalysisTest, CriterionFiveTakesTheLastOfTheRankedBeyondTenth) {
    const struct {
        int registered, cancelled, keshiNin;
        std::vector<int> ranks; // latest win ranks that meet criterion 5
    } cases[] = {
        {16, 0, 2, {14, 15, 16}},
        {12, 0, 4, {11, 12}}, // ranks 1..10 never meet it
        {18, 2, 2, {14, 15, 16}}, // 16 ranked of 18: the cancelled horses do not count
        {18, 0, 0, {18}},
        {10, 0, 3, {}},
    };
    for (const auto& c : cases) {
        a = RaceAnalysis{};
        runners(c.registered);
        O1Line o1;
        for (int h = 1; h <= c.registered; ++h) {
            if (h <= c.cancelled) o1.win(h, "----").place(h, "----");
            else o1.horse(h, 10 * (c.registered - h + 2), 20); // horse n is the favourite
        }
        setLatest(o1);
        analyse(c.keshiNin);
        for (int h = 1; h <= kMaxHorses; ++h) {
            const int rank = a.TanNinki[size_t(h)];
            const bool meets = std::find(c.ranks.begin(), c.ranks.end(), rank) != c.ranks.end();
            EXPECT_EQ(a.KeshiCriteria[5][size_t(h)], meets ? 1 : 0)
                << c.registered << " horses, KeshiNin " << c.keshiNin << ", horse " << h << " rank " << rank;
        }
    }
}

class MarkTest : public OddsAnalysisTest {
protected:
    // 18 runners with morning odds that give horse 1 morning win rank w and place rank f (0: its
    // odds are "0000", so it is unranked there); `placeText` replaces its place odds.
    void morningRanks(int w, int f, std::string_view placeText = {}) {
        runners(kMaxHorses);
        O1Line o1;
        for (int j = 2; j <= kMaxHorses; ++j) o1.horse(j, 10 * j, 10 * j + 10);
        o1.win(1, digits(w == 0 ? 0 : 10 * w + 5, 4)).place(1, digits(f == 0 ? 0 : 10 * f + 15, 4));
        if (!placeText.empty()) o1.place(1, placeText);
        setMorning(o1);
        analyse();
        ASSERT_EQ(a.AsaTanNinki[1], w);
        ASSERT_EQ(a.AsaFukNinki[1], f);
    }
};

TEST_F(MarkTest, MarkByMorningRanks) {
    const struct {
        int w, f;
        const char* mark;
    } cases[] = {
        {12, 2, "AAA"}, {10, 1, "AAA"},
        {6, 2, " AA"},  {9, 1, " AA"},  {4, 1, " AA"},
        {13, 3, " AB"}, {10, 4, " AB"}, {7, 3, " AB"},
        {7, 4, " AC"},  {9, 4, " AC"},
        {12, 9, " AD"}, {8, 5, " AD"},
        {13, 10, "  A"}, {18, 15, "  A"},
        {5, 3, ""},  // gap 2
        {3, 1, ""},  {2, 5, ""},
        {0, 2, ""},  // no morning win rank
        {5, 0, ""},  // no morning place rank
    };
    for (const auto& c : cases) {
        morningRanks(c.w, c.f);
        EXPECT_EQ(a.AsaRankGap[1], c.w - c.f) << c.w << "/" << c.f;
        EXPECT_EQ(a.HyokaMark[1], c.mark) << c.w << "/" << c.f;
    }
}

TEST_F(MarkTest, MorningPlaceOddsOfOneOrLessMarkX) {
    const struct {
        int w;
        const char* placeText;
        const char* mark;
    } cases[] = {
        {6, "0010", "XAA"}, {6, "0009", "XAA"}, {6, "0011", " AA"}, {6, "0008", " AA"},
        {2, "0010", "  X"}, {2, "0009", "  X"}, {2, "0011", ""},
        {12, "0010", "  X"}, // any mark but " AA" becomes "  X"
    };
    for (const auto& c : cases) {
        morningRanks(c.w, 1, c.placeText);
        EXPECT_EQ(a.HyokaMark[1], c.mark) << c.w << " " << c.placeText;
    }
}

TEST_F(OddsAnalysisTest, PredictedOddsStandInForMissingMorningOdds) {
    runners(4);
    a.YozTanOdds = {0, 3.0, 0, 5.0, 0};
    a.YozFukOdds = {0, 0, 1.5, 2.0, 0};
    analyse();
    EXPECT_EQ(a.AsaMissing, 1);
    EXPECT_EQ(a.AsaTanOdds, a.YozTanOdds);
    EXPECT_EQ(a.AsaFukOdds, a.YozFukOdds);
    // Horse 1 has no predicted place odds and still has a morning win rank.
    EXPECT_EQ(a.AsaTanNinki, (ByHorse<int>{0, 1, 0, 2, 0}));
    EXPECT_EQ(a.AsaFukNinki, (ByHorse<int>{0, 0, 1, 2, 0}));
}

TEST_F(OddsAnalysisTest, RealMorningOddsWithoutAPlaceEntryRankNeither) {
    runners(3);
    a.YozTanOdds = {0, 9.9, 9.9, 9.9};
    setMorning(O1Line().win(1, "0030").horse(3, 50, 20));
    analyse();
    EXPECT_EQ(a.AsaMissing, 0);
    EXPECT_DOUBLE_EQ(a.AsaTanOdds[1], 3.0);
    EXPECT_DOUBLE_EQ(a.AsaFukOdds[1], kBlankOdds);
    EXPECT_DOUBLE_EQ(a.AsaTanOdds[2], kBlankOdds);
    EXPECT_EQ(a.AsaTanNinki, (ByHorse<int>{0, 0, 0, 1}));
    EXPECT_EQ(a.AsaFukNinki, (ByHorse<int>{0, 0, 0, 1}));
}

TEST_F(OddsAnalysisTest, PatternFromTheClassesOfTheFirstTwoOnMorningPlaceOdds) {
    const struct {
        int class1, class2; // development classes of morning place ranks 1 and 2
        const char* pattern;
    } cases[] = {{3, 0, "c-"}, {1, 2, "ab"}, {0, 2, "-b"}, {2, 3, "bc"}};
    runners(4);
    // Place ranks: horse 3 first, horse 1 second, then horses 4 and 2 (of class 1).
    setMorning(O1Line().horse(1, 40, 15).horse(2, 20, 30).horse(3, 60, 11).horse(4, 30, 20));
    for (const auto& c : cases) {
        a.TenkaiClass = {0, c.class2, 1, c.class1, 1};
        analyse();
        EXPECT_EQ(a.PositionPattern, c.pattern);
    }
}

TEST_F(OddsAnalysisTest, ARaceWithoutOddsRecordsHasNoOddsRanksOrMarks) {
    runners(12);
    for (int h = 1; h <= 12; ++h) a.TenkaiRank[size_t(h)] = h;
    analyse();
    const auto allZero = [](const auto& values) { // from element 1: horse 1 or ordinal 1
        return std::all_of(values.begin() + 1, values.end(), [](auto v) { return v == 0; });
    };
    for (const auto* odds : {&a.TanOdds, &a.FukOdds, &a.AsaTanOdds, &a.AsaFukOdds}) EXPECT_TRUE(allZero(*odds));
    for (const auto* ranks : {&a.TanNinki, &a.FukNinki, &a.AsaTanNinki, &a.AsaFukNinki, &a.AsaRankGap})
        EXPECT_TRUE(allZero(*ranks));
    EXPECT_TRUE(allZero(a.WROdds) && allZero(a.UROdds) && allZero(a.WDOdds) && allZero(a.UTOdds) &&
                allZero(a.SRFOdds) && allZero(a.SRTOdds));
    EXPECT_TRUE(allZero(a.WRNinki) && allZero(a.SRTNinki) && allZero(a.KeshiCriteria[5]));
    EXPECT_EQ(a.AsaMissing, 1);
    EXPECT_EQ(a.PositionPattern, "--");
    for (const auto& mark : a.HyokaMark) EXPECT_EQ(mark, "");
}

// A combination block by the positions of its record, and the analysis fields it fills.
struct ComboBlock {
    DayFile file;
    RecordKind kind;
    int first, entrySize, entries;
    Field odds, popularity; // inside an entry
    double (*oddsOf)(const RaceAnalysis&, int k);
    int (*ninkiOf)(const RaceAnalysis&, int k);
};

const ComboBlock kComboBlocks[] = {
    {DayFile::WinOdds, RecordKind::O1, 604, 9, 36, {3, 5}, {8, 2},
     [](const RaceAnalysis& a, int k) { return a.WROdds[size_t(k)]; },
     [](const RaceAnalysis& a, int k) { return a.WRNinki[size_t(k)]; }},
    {DayFile::QuinellaOdds, RecordKind::O2, 41, 13, 153, {5, 6}, {11, 3},
     [](const RaceAnalysis& a, int k) { return a.UROdds[size_t(k)]; },
     [](const RaceAnalysis& a, int k) { return a.URNinki[size_t(k)]; }},
    {DayFile::WideOdds, RecordKind::O3, 41, 17, 153, {5, 5}, {15, 3},
     [](const RaceAnalysis& a, int k) { return a.WDOdds[size_t(k)]; },
     [](const RaceAnalysis& a, int k) { return a.WDNinki[size_t(k)]; }},
    {DayFile::ExactaOdds, RecordKind::O4, 41, 13, 306, {5, 6}, {11, 3},
     [](const RaceAnalysis& a, int k) { return a.UTOdds[size_t(k)]; },
     [](const RaceAnalysis& a, int k) { return a.UTNinki[size_t(k)]; }},
    {DayFile::TrioOdds, RecordKind::O5, 41, 15, 816, {7, 6}, {13, 3},
     [](const RaceAnalysis& a, int k) { return a.SRFOdds[size_t(k)]; },
     [](const RaceAnalysis& a, int k) { return a.SRFNinki[size_t(k)]; }},
    {DayFile::TrifectaOdds, RecordKind::O6, 41, 17, 4896, {7, 7}, {14, 4},
     [](const RaceAnalysis& a, int k) { return a.SRTOdds[size_t(k)]; },
     [](const RaceAnalysis& a, int k) { return a.SRTNinki[size_t(k)]; }},
};

TEST_F(OddsAnalysisTest, CombinationOddsAndPopularityByOrdinal) {
    for (const ComboBlock& block : kComboBlocks) {
        store.clear();
        LineBuilder line(block.kind);
        line.raceKey(kRaceKey);
        const auto put = [&](int k, std::string_view odds, int popularity) {
            const int entry = block.first + block.entrySize * (k - 1);
            line.put(entry + block.odds.position - 1, odds);
            line.put(entry + block.popularity.position - 1, digits(popularity, block.popularity.length));
        };
        const int w = block.odds.length;
        put(1, digits(123, w), 7);
        put(2, std::string(size_t(w), '-'), 2);
        put(3, std::string(size_t(w), '*'), 3);
        put(block.entries, digits(4567, w), block.entries);
        slot().oddsRecord(block.file) = line.record();
        analyse();

        const auto name = recordKindRow(block.kind).id;
        EXPECT_DOUBLE_EQ(block.oddsOf(a, 1), 12.3) << name;
        EXPECT_EQ(block.ninkiOf(a, 1), 7) << name;
        for (int k : {2, 3}) {
            EXPECT_DOUBLE_EQ(block.oddsOf(a, k), kCancelledOdds) << name << " " << k;
            EXPECT_EQ(block.ninkiOf(a, k), 0) << name << " " << k;
        }
        EXPECT_DOUBLE_EQ(block.oddsOf(a, 4), kBlankOdds) << name; // a blank entry of a record that is there
        EXPECT_EQ(block.ninkiOf(a, 4), 0) << name;
        EXPECT_DOUBLE_EQ(block.oddsOf(a, block.entries), 456.7) << name;
        EXPECT_EQ(block.ninkiOf(a, block.entries), block.entries) << name;
    }
}

TEST_F(OddsAnalysisTest, EachRunReplacesItsOwnFieldsAndClearsAxisAndPartners) {
    runners(3);
    a.JikuFlag[2] = 1;
    a.HimoFlag[3] = 1;
    a.KeshiCriteria[5][2] = 1;
    a.TanOdds[3] = 9.9;
    a.SRTOdds[kOrderedTriples] = 123.4;
    a.HyokaMark[2] = "AAA";
    a.PositionPattern = "ab";
    // Fields of other steps stay as they are.
    a.KeshiCriteria[1][2] = 1;
    a.KeshiFlag[2] = 1;
    a.MiokuriFlag = 1;
    a.TenkaiRank[1] = 3;
    a.TenkaiClass[1] = 2;
    a.PayoutPresent = 1;
    setMorning(O1Line().horse(1, 30, 12));
    analyse();

    EXPECT_EQ(a.JikuFlag, ByHorse<int>{});
    EXPECT_EQ(a.HimoFlag, ByHorse<int>{});
    EXPECT_EQ(a.KeshiCriteria[5], ByHorse<int>{});
    EXPECT_DOUBLE_EQ(a.TanOdds[3], 0);
    EXPECT_DOUBLE_EQ(a.SRTOdds[kOrderedTriples], 0);
    EXPECT_EQ(a.HyokaMark[2], "");
    EXPECT_EQ(a.PositionPattern, "b-");

    EXPECT_EQ(a.KeshiCriteria[1][2], 1);
    EXPECT_EQ(a.KeshiFlag[2], 1);
    EXPECT_EQ(a.MiokuriFlag, 1);
    EXPECT_EQ(a.TenkaiRank[1], 3);
    EXPECT_EQ(a.PayoutPresent, 1);
}

} // namespace
} // namespace zefa
