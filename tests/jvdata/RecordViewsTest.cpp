#include "jvdata/HrRecord.h"
#include "jvdata/KsChRecords.h"
#include "jvdata/OddsRecords.h"
#include "jvdata/SeRecord.h"
#include "jvdata/TcRecord.h"
#include "jvdata/UmRecord.h"
#include "jvdata/YozLine.h"
#include "support/RecordBuilder.h"

#include <gtest/gtest.h>

#include <string>

namespace zefa {
namespace {

using test::LineBuilder;
using Payout = HrRecord::PayoutBlock;

// Each payout entry is its three fields in a row; the blocks follow each other without overlap.
constexpr bool payoutBlocksTileTheRecord() {
    int next = 1;
    for (const auto& row : HrRecord::PayoutBlocks) {
        const Field c = row.combination, p = row.payout, n = row.popularity;
        if (row.entries.first < next || c.position != 1 || p.position != c.position + c.length ||
            n.position != p.position + p.length || n.position + n.length - 1 != row.entries.entrySize)
            return false;
        next = row.entries.first + row.entries.entries * row.entries.entrySize;
    }
    return next - 1 <= storedLineLength(RecordKind::HR);
}
static_assert(payoutBlocksTileTheRecord());

TEST(RecordViews, RunnerFields) {
    const std::string record = LineBuilder(RecordKind::SE).raceKey("2024010606010111").put(28, "4").put(29, " 7")
                                   .put(31, "2020104567").put(352, "0302 1 1").put(360, "0123").record();
    const SeRecord se(record);
    EXPECT_EQ(se.horseNumber(), 7);
    EXPECT_EQ(se.number(SeRecord::Bracket), 4);
    EXPECT_EQ(se.horseId(), "2020104567");
    EXPECT_EQ(se.field(SeRecord::RaceDate), "20240106");
    const int corners[] = {3, 2, 1, 1};
    for (int c = 1; c <= 4; ++c) EXPECT_EQ(se.cornerPosition(c), corners[c - 1]) << c;
    EXPECT_EQ(se.number(SeRecord::WinOdds), 123);
    EXPECT_TRUE(se.blank(SeRecord::FinishPosition));
}

TEST(RecordViews, O1OddsByHorseAndOrdinal) {
    LineBuilder line(RecordKind::O1);
    line.raceKey("2024010606010111").put(28, "01061520");
    for (int h : {1, 7, 18, 28}) {
        const std::string n = std::to_string(h);
        line.put(46 + 8 * (h - 1), "0123").put(50 + 8 * (h - 1), n.size() == 1 ? "0" + n : n);
        line.put(270 + 12 * (h - 1), "0011").put(274 + 12 * (h - 1), "0025").put(278 + 12 * (h - 1), "03");
    }
    line.put(46 + 8 * 2, "----").put(270 + 12 * 2, "****");
    line.put(604 + 9 * 35, "88").put(606 + 9 * 35, "12345").put(611 + 9 * 35, "36");
    const std::string record = line.record();
    const O1Record o1(record);

    EXPECT_EQ(o1.announcedAt(), "01061520");
    for (int h : {1, 7, 18, 28}) {
        EXPECT_EQ(o1.winOddsText(h), "0123") << h;
        EXPECT_EQ(o1.winOdds(h), 123) << h;
        EXPECT_EQ(o1.winPopularity(h), h) << h;
        EXPECT_EQ(o1.placeOddsLowText(h), "0011") << h;
        EXPECT_EQ(o1.placeOddsLow(h), 11) << h;
        EXPECT_EQ(o1.placeOddsHighText(h), "0025") << h;
        EXPECT_EQ(o1.placePopularity(h), 3) << h;
    }
    EXPECT_EQ(o1.winOddsText(3), "----"); // cancelled: the text tells, the number is 0
    EXPECT_EQ(o1.winOdds(3), 0);
    EXPECT_EQ(o1.placeOddsLowText(3), "****");
    EXPECT_EQ(o1.winOddsText(2), "    ");
    EXPECT_EQ(o1.bracketQuinellaCombination(36), "88");
    EXPECT_EQ(o1.bracketQuinellaOddsText(36), "12345");
    EXPECT_EQ(o1.bracketQuinellaOdds(36), 12345);
    EXPECT_EQ(o1.bracketQuinellaPopularity(36), 36);
    EXPECT_EQ(o1.bracketQuinellaOddsText(35), "     ");
}

// Puts entry k of a combination odds record at the positions the layout gives and reads it back.
template <class R>
void expectComboEntry(int k, int combinationAt, std::string_view combination, int oddsAt, std::string_view odds,
                      int popularityAt, std::string_view popularity) {
    const std::string record = LineBuilder(R::Kind).put(combinationAt, combination).put(oddsAt, odds)
                                   .put(popularityAt, popularity).record();
    const R view(record);
    EXPECT_EQ(view.combination(k), combination) << k;
    EXPECT_EQ(view.oddsText(k), odds) << k;
    EXPECT_EQ(view.odds(k), fieldNumber(odds)) << k;
    EXPECT_EQ(view.popularity(k), fieldNumber(popularity)) << k;
    EXPECT_EQ(view.oddsText(k == 1 ? 2 : k - 1).find_first_not_of(' '), std::string_view::npos) << k;
}

TEST(RecordViews, CombinationOddsByOrdinal) {
    expectComboEntry<O2Record>(1, 41, "0102", 45, "000056", 51, "  1");
    expectComboEntry<O2Record>(153, 41 + 13 * 152, "1718", 45 + 13 * 152, "123456", 51 + 13 * 152, "153");
    expectComboEntry<O3Record>(153, 41 + 17 * 152, "1718", 45 + 17 * 152, "00123", 55 + 17 * 152, "077");
    expectComboEntry<O4Record>(306, 41 + 13 * 305, "1817", 45 + 13 * 305, "------", 51 + 13 * 305, "   ");
    expectComboEntry<O5Record>(816, 41 + 15 * 815, "161718", 12272, "999999", 53 + 15 * 815, "816");
    // The last trifecta entry ends at 83272, before the vote total and the CR LF.
    expectComboEntry<O6Record>(4896, 41 + 17 * 4895, "181716", 47 + 17 * 4895, "1234567", 83269, "4896");
    static_assert(O6Record::Entries.field(4896, O6Record::Popularity).position + 4 - 1 == 83272);
    static_assert(O5Record::ordinals() == 816 && O6Record::ordinals() == 4896);
}

TEST(RecordViews, QuinellaPlaceUpperBound) {
    const std::string record = LineBuilder(RecordKind::O3).put(45, "00012").put(50, "00034").record();
    const O3Record o3(record);
    EXPECT_EQ(o3.oddsText(1), "00012");
    EXPECT_EQ(o3.oddsHighText(1), "00034");
}

TEST(RecordViews, PayoutEntries) {
    LineBuilder line(RecordKind::HR);
    line.raceKey("2024010606010111");
    const char* winners[] = {"07", "03", "00"}; // a dead heat for first, then nothing
    for (int n = 1; n <= 3; ++n) line.put(103 + 13 * (n - 1), winners[n - 1]);
    line.put(105, "000000450").put(114, "02").put(118, "000000620").put(127, "04");
    for (int n = 1; n <= 7; ++n) {
        const std::string combination = "0" + std::to_string(n) + "1" + std::to_string(n);
        const int at = 294 + 16 * (n - 1);
        line.put(at, combination).put(at + 4, "000012340").put(at + 13, "  " + std::to_string(n));
    }
    line.put(604 + 19 * 5, "010203").put(610 + 19 * 5, "123456789").put(619 + 19 * 5, "4896");
    const std::string record = line.record();
    const HrRecord hr(record);

    EXPECT_EQ(HrRecord::entries(Payout::Win), 3);
    EXPECT_EQ(hr.combination(Payout::Win, 1), "07");
    EXPECT_EQ(hr.payout(Payout::Win, 1), 450);
    EXPECT_EQ(hr.popularity(Payout::Win, 1), 2);
    EXPECT_EQ(hr.payout(Payout::Win, 2), 620);
    const bool winPaid[] = {true, true, false};
    for (int n = 1; n <= 3; ++n) EXPECT_EQ(hr.paid(Payout::Win, n), winPaid[n - 1]) << n;

    EXPECT_EQ(HrRecord::entries(Payout::QuinellaPlace), 7);
    for (int n = 1; n <= 7; ++n) {
        EXPECT_TRUE(hr.paid(Payout::QuinellaPlace, n)) << n;
        EXPECT_EQ(hr.combination(Payout::QuinellaPlace, n), "0" + std::to_string(n) + "1" + std::to_string(n));
        EXPECT_EQ(hr.payout(Payout::QuinellaPlace, n), 12340);
        EXPECT_EQ(hr.popularity(Payout::QuinellaPlace, n), n);
    }
    EXPECT_EQ(hr.combination(Payout::Trifecta, 6), "010203");
    EXPECT_EQ(hr.payout(Payout::Trifecta, 6), 123456789);
    EXPECT_EQ(hr.popularity(Payout::Trifecta, 6), 4896);
    EXPECT_FALSE(hr.paid(Payout::Trifecta, 1));
    EXPECT_FALSE(hr.paid(Payout::Exacta, 6)); // the gap before the exacta block is not read
}

TEST(RecordViews, PostTimeChange) {
    const std::string record = LineBuilder(RecordKind::TC).put(3, "120240106").raceKey("2024010606010111")
                                   .put(28, "01061402").put(36, "1540").put(40, "1525").record();
    const TcRecord tc(record);
    EXPECT_EQ(tc.raceKey(), "2024010606010111");
    EXPECT_EQ(tc.announcedAt(), "01061402");
    EXPECT_EQ(tc.newPostTime(), "1540");
    EXPECT_EQ(tc.oldPostTime(), "1525");
}

TEST(RecordViews, HorseMasterTotalsAndCounts) {
    const std::string record = LineBuilder(RecordKind::UM).put(12, "2020104567").put(1021, "000012345")
                                   .put(1066, "987654321").put(1075, "012").put(1075 + 18 * 26 + 15, "345")
                                   .put(1075 + 18 * 2 + 3, "  4").put(1561, "001").put(1570, "010").record();
    const UmRecord um(record);
    EXPECT_EQ(um.horseId(), "2020104567");
    EXPECT_EQ(um.prizeTotal(1), 12345);
    EXPECT_EQ(um.prizeTotal(6), 987654321);
    EXPECT_EQ(um.finishCount(1, 1), 12);
    EXPECT_EQ(um.finishCount(3, 2), 4);
    EXPECT_EQ(um.finishCount(27, 6), 345); // the last count, just before 脚質傾向
    EXPECT_EQ(um.runningStyleCount(1), 1);
    EXPECT_EQ(um.runningStyleCount(4), 10);
}

TEST(RecordViews, JockeyAndTrainerSubBlocks) {
    using Results = SeasonResultsEntry;
    const std::string jockey = LineBuilder(RecordKind::KS).put(12, "01126").put(332 + 64, "03").put(463 + 28, "ABC")
                                   .put(853 + 96, "GRADE6")
                                   .put(2068 + 116 + 72 * 4, "000011").put(2068 + 116 + 72 * 4 + 30, "000066")
                                   .put(3120 + 152 + 72 * 9 + 30, "000099").put(1016 + 836 + 36 * 5 + 30, "000123")
                                   .record();
    const KsRecord ks(jockey);
    EXPECT_EQ(ks.jockeyCode(), "01126");
    EXPECT_EQ(ks.firstRide(2).number(FirstRideEntry::FinishPosition), 3);
    EXPECT_EQ(ks.firstWin(2).text(FirstRideEntry::HorseName), "ABC");
    EXPECT_EQ(ks.recentGradedWin(3).text(RecentGradedWinEntry::RaceShortName6), "GRADE6");
    EXPECT_EQ(ks.seasonResults(2).number(Results::finishCount(Results::venueFlatGroup(5), 1)), 11);
    EXPECT_EQ(ks.seasonResults(2).number(Results::finishCount(Results::venueFlatGroup(5), 6)), 66);
    EXPECT_EQ(ks.seasonResults(3).number(Results::finishCount(Results::venueJumpsGroup(10), 6)), 99);
    EXPECT_EQ(ks.seasonResults(1).number(Results::finishCount(Results::FirstDistanceGroup + 5, 6)), 123);
    static_assert(Results::finishCount(Results::venueFlatGroup(1), 1).position == 117);
    static_assert(Results::finishCount(Results::venueJumpsGroup(1), 1).position == 153);
    static_assert(Results::finishCount(Results::FirstDistanceGroup, 1).position == 837);
    static_assert(Results::finishCount(Results::JumpsGroup, 1).position == 81);

    const std::string trainer = LineBuilder(RecordKind::CH).put(12, "00438").put(216 + 127, "HORSE").put(2809, "0000")
                                    .put(2813, "0000123456").put(705 + 44, "000007").record();
    const ChRecord ch(trainer);
    EXPECT_EQ(ch.trainerCode(), "00438");
    EXPECT_EQ(ch.recentGradedWin(1).text(RecentGradedWinEntry::HorseName), "HORSE");
    EXPECT_EQ(ch.seasonResults(3).field(Results::Year), "0000");
    EXPECT_EQ(ch.seasonResults(3).number(Results::FlatMainPrize), 123456);
    EXPECT_EQ(ch.seasonResults(1).number(Results::finishCount(Results::FlatGroup, 1)), 7);
}

TEST(RecordViews, PredictedOddsLine) {
    const std::string record = LineBuilder(RecordKind::Yoz).put(1, "20080301").put(9, "06").put(11, "010111")
                                   .put(17, "J").put(18, "16").put(20, "   2.5").put(122, "  99.9")
                                   .put(128, "   1.2").put(236, "    12.3").put(1452, "  1234.5").record();
    const YozLine yoz(record);
    EXPECT_EQ(yoz.raceDate(), "20080301");
    EXPECT_EQ(yoz.venueCode(), "06");
    EXPECT_EQ(yoz.raceNumber(), 11);
    EXPECT_TRUE(yoz.jvDataVenueCoding());
    EXPECT_EQ(yoz.fieldSize(), 16);
    EXPECT_EQ(yoz.winOddsText(1), "   2.5");
    EXPECT_EQ(yoz.winOddsText(18), "  99.9");
    EXPECT_EQ(yoz.placeOddsText(1), "   1.2");
    EXPECT_EQ(yoz.placeOddsText(18), "      ");
    EXPECT_EQ(yoz.quinellaOddsText(1), "    12.3");
    EXPECT_EQ(yoz.quinellaOddsText(153), "  1234.5"); // the last field ends at 1459
}

} // namespace
} // namespace zefa
