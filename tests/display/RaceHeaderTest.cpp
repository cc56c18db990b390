#include "display/RaceHeader.h"
#include "display/DisplayColours.h"
#include "display/RaceFixture.h"
#include "jvdata/RecordView.h"

#include <gtest/gtest.h>

namespace zefa {
namespace {

using test::LineBuilder;
using test::RaceFixture;

TEST(RaceHeaderTest, TheConditionLabelsOfARace) {
    RaceFixture race(16);
    const RaceHeader header = raceHeader(race.slot(), race.analysis, {}, 0);
    EXPECT_EQ(header.BashoLabel, "東京");
    EXPECT_EQ(header.RaceLabel, "11");
    EXPECT_EQ(header.Label1, "2024年01月06日(土)東京01回02日11R   15.45発走  晴　芝:良　ダ:稍重");
    EXPECT_EQ(header.Label2, "第61回 ゼファー記念" + std::string(60 - 12, ' '));
    EXPECT_EQ(header.Label3, "16頭[入線:16頭] 1600ﾒｰﾄﾙ 芝 左回り(A) G3    サラ系４歳以上　 (混合)(指定)　　　　　　");
    EXPECT_EQ(header.Label4, "定量 4歳上オープン");
    EXPECT_EQ(header.Label6, "【本 賞 金】1着:    5400/2着:    2200/3着:    1400/4着:     810/5着:     540");
    EXPECT_EQ(header.Label7, "【付加賞金】1着:     100/2着:      30/3着:      10　　　　　　　　(単位：百円)");
    EXPECT_EQ(header.Panel3Colour, colour::kTurfGreen);
    EXPECT_EQ(header.Label3Dj1, "");
}

TEST(RaceHeaderTest, AnEditionOfZeroAndADirtRace) {
    RaceFixture race;
    race.race.put(612, "000").put(706, "24");
    const RaceHeader header = raceHeader(race.slot(), race.analysis, {}, 0);
    EXPECT_EQ(header.Label2.substr(0, 18), "ゼファー記念");
    EXPECT_EQ(header.Panel3Colour, colour::kMaroon);
}

TEST(RaceHeaderTest, AcquisitionTimesAndTheMorningOddsMark) {
    RaceFixture race;
    RaceSlotRecords& slot = race.slot();
    slot.oddsRecord(DayFile::MorningOdds) = LineBuilder(RecordKind::O1).put(28, "01060945").record();
    slot.oddsRecord(DayFile::TrioOdds) = LineBuilder(RecordKind::O5).put(28, "01061532").record();
    RaceHeader header = raceHeader(slot, race.analysis, {}, 0);
    EXPECT_EQ(header.TFWtimeAsaLabel, "09:45");
    EXPECT_EQ(header.SRFtimeLabel, "15:32");
    EXPECT_EQ(header.TFWtimeLabel, ""); // no record
    EXPECT_EQ(header.TFWtimeAsaColour, colour::kCream);

    race.analysis.AsaMissing = 1; // the morning odds are predicted odds
    header = raceHeader(slot, race.analysis, {}, 0);
    EXPECT_EQ(header.TFWtimeAsaColour, (Rgb{0, 255, 255}));
}

TEST(RaceHeaderTest, FlagsAndTheModeMark) {
    RaceFixture race;
    race.analysis.MiokuriFlag = 1;
    race.analysis.Last4Flag = 1;
    race.analysis.PositionPattern = "ab";
    const char* marks[] = {"評", "複", "U評", "U複", ""};
    for (int mode = 0; mode <= 4; ++mode) {
        const RaceHeader header = raceHeader(race.slot(), race.analysis, {}, mode);
        EXPECT_EQ(header.KaisetLabel, marks[mode]) << mode;
        EXPECT_EQ(header.MiokuriLabel, "見送り");
        EXPECT_EQ(header.Kohan4RLabel, "後4R");
        EXPECT_EQ(header.PositionLabel, "ab");
    }
}

struct RuleCase {
    const char* pattern;
    std::vector<std::string> rules;
    const char* key;
    const char* values; // FJiku label, then Hup Hb4 Hrr Hnn Fup Fb4 Frr Fnn
    const char* comment;
};

TEST(RaceHeaderTest, TheUserBetRuleOfTheRace) {
    const std::string comment = toCp932("　東京の勝負") + std::string(108, ' ');
    const RuleCase cases[] = {
        {"aa", {"05 3 1 100050050" + comment}, "05 3 1", "a 00050050", "　東京の勝負"},
        {"bb", {"05 3 5 811210005"}, "05 3 5", "bb11210005", ""},
        {"ab", {"05 3 1 100050050"}, "05 3 2", "  00050005", ""}, // no rule for the key
        {"-a", {"05 3   100050050"}, "05 3  ", "  00050005", ""}, // a blank key part fits no rule
    };
    for (const RuleCase& c : cases) {
        RaceFixture race;
        race.analysis.PositionPattern = c.pattern;
        const RaceHeader h = raceHeader(race.slot(), race.analysis, c.rules, 0);
        EXPECT_EQ(h.DidLabel, c.key) << c.pattern;
        EXPECT_EQ(h.UserSetFJikuLabel + h.UserSetHup + h.UserSetHb4 + h.UserSetHrr + h.UserSetHnn + h.UserSetFup +
                      h.UserSetFb4 + h.UserSetFrr + h.UserSetFnn,
                  c.values)
            << c.pattern;
        EXPECT_EQ(std::string(trimmed(h.CommentLabel)), c.comment) << c.pattern;
    }
}

} // namespace
} // namespace zefa
