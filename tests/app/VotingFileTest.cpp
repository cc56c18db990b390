#include "app/BetCommands.h"
#include "app/CommandBoundary.h"
#include "app/VotingFile.h"
#include "bets/BetListOps.h"
#include "bets/BetTestRace.h"
#include "support/StartupFixture.h"

#include <gtest/gtest.h>

#include <functional>

namespace zefa {
namespace {

using Kind = ScriptedUserPort::Kind;

constexpr int kSlot = 4;
// 2006-05-07, venue 05, meeting 3, day 4, race 11.
constexpr std::string_view kRaceKey = "2006050705030411";

std::string raceRecord(std::string_view key) { return test::LineBuilder(RecordKind::RA).raceKey(key).record(); }

// A list of the type with one bet per combination text, odds 10.0, and the given stake cells.
BetList bets(BetType type, const std::vector<std::pair<std::string, std::string>>& combosAndStakes) {
    BetList list = emptyBetList(type);
    list.rows.pop_back();
    for (size_t i = 0; i < combosAndStakes.size(); ++i) {
        BetRow& row = list.rows.emplace_back(size_t(list.columnCount()));
        row[size_t(betColumn(type, BetColumn::Number))] = std::to_string(i + 1);
        row[size_t(betColumn(type, BetColumn::Combination))] = combosAndStakes[i].first;
        row[size_t(betColumn(type, BetColumn::Odds))] = "   10.0";
        row[size_t(betColumn(type, BetColumn::Stake))] = combosAndStakes[i].second;
    }
    return list;
}

struct LineCase {
    BetType type;
    std::string combo;
    std::string_view key;
    std::string line;
};

TEST(VotingLines, OneLinePerBetWithTheRaceAndThePlugInsWriting) {
    const LineCase cases[] = {
        {BetType::Win, " 3", kRaceKey, "20060507,05,11,TAN,NORMAL,500,03,"},
        {BetType::Place, "12", kRaceKey, "20060507,05,11,FUKU,NORMAL,500,12,"},
        {BetType::BracketQuinella, " 3- 5", kRaceKey, "20060507,05,11,WAKU,NORMAL,500,3-5,"},
        {BetType::BracketQuinella, " 8- 8", kRaceKey, "20060507,05,11,WAKU,NORMAL,500,8-8,"},
        {BetType::Quinella, " 3-12", kRaceKey, "20060507,05,11,UMAFUKU,NORMAL,500,03-12,"},
        {BetType::Wide, " 3-12", "2006050705030409", "20060507,05,09,WIDE,NORMAL,500,03-12,"},
        {BetType::Exacta, "12- 3", kRaceKey, "20060507,05,11,UMATAN,NORMAL,500,12-03,"},
        {BetType::Trio, " 1- 7-15", kRaceKey, "20060507,05,11,SANFUKU,NORMAL,500,01-07-15,"},
        {BetType::Trifecta, "15- 1- 7", "2024122810050612", "20241228,10,12,SANTAN,NORMAL,500,15-01-07,"},
    };
    for (const LineCase& c : cases) {
        // The stake cell is right-aligned in six characters.
        EXPECT_EQ(votingLines(bets(c.type, {{c.combo, "   500"}}), c.type, raceRecord(c.key)),
                  std::vector<std::string>{c.line})
            << c.combo;
    }
}

TEST(VotingLines, StruckRowsAndRowsWithoutStakeOrOddsAreLeftOut) {
    BetList list = bets(BetType::Quinella, {{" 1- 3", "   500"}, {" 3- 5", "   500"}, {" 3-12", ""}, {" 3-14", "   200"}});
    list.cell(2, BetColumn::Strike) = std::string(kStrikeMark);
    list.cell(4, BetColumn::Odds) = "  ";
    EXPECT_EQ(votingLines(list, BetType::Quinella, raceRecord(kRaceKey)),
              std::vector<std::string>{"20060507,05,11,UMAFUKU,NORMAL,500,01-03,"});
}

TEST(VotingLines, ASortedListIsWrittenInItsShownOrder) {
    BetList list = test::listWithOdds(BetType::Trio, {5.0, 30.0, 12.0}); // " 1- 2- 3", " 1- 2- 4", " 1- 2- 5"
    for (int row = 1; row <= list.dataRows(); ++row) list.cell(row, BetColumn::Stake) = "   100";
    sortBetList(list, betColumn(BetType::Trio, BetColumn::Odds)); // first press: longest odds first
    EXPECT_EQ(votingLines(list, BetType::Trio, raceRecord(kRaceKey)),
              (std::vector<std::string>{"20060507,05,11,SANFUKU,NORMAL,100,01-02-04,",
                                        "20060507,05,11,SANFUKU,NORMAL,100,01-02-05,",
                                        "20060507,05,11,SANFUKU,NORMAL,100,01-02-03,"}));
}

TEST(VotingLines, TheFileIsNamedAfterTheRaceDay) {
    EXPECT_EQ(votingFileName(raceRecord(kRaceKey)), "060507.csv");
    EXPECT_EQ(votingFileName(""), ".csv"); // no record: no crash
}

// A loaded day with race 11 on show: axis 3 with partners 1 and 12, 3000 yen split equally; the
// plug-in installed in "plugin" with its kaime folder.
class VotingFileTest : public ::testing::Test, protected test::StartupFixture {
protected:
    void SetUp() override {
        test::BetTestRace race(12);
        race.axes({3}).partners({1, 12});
        race.records.race = test::LineBuilder(RecordKind::RA)
                                .raceKey(kRaceKey)
                                .put(RaRecord::RegisteredRunners.position, "12")
                                .record();
        Session& s = session();
        s.selectedDay = "2006年05月07日";
        s.raceList.assign(kRaceSlots, "");
        s.raceList[kSlot] = "東京11R";
        s.store.slot(kSlot) = race.records;
        s.analyses[kSlot] = race.analysis;
        s.raceAmountList.assign(kRaceSlots, "3000");
        s.selectedRaceSlot = kSlot;
        kaimeMakeBtnClick(s);
        std::filesystem::create_directories(kaime());
        s.settings.writeString(Setting::DirZPCTohyo2, plugIn().string());
        port.clear();
    }

    std::filesystem::path plugIn() const { return folder / "plugin"; }
    std::filesystem::path kaime() const { return plugIn() / "kaime"; }
    std::filesystem::path csv() const { return kaime() / "060507.csv"; }
    std::string csvText() const { return readFileIfExists(csv()).value_or("(no file)"); }
    // The command as the page runs it, at the command boundary.
    bool vote(BetType type) {
        return runCommand(port, [&] { tohyoCSVBtnClick(session(), type); });
    }
};

TEST_F(VotingFileTest, TheBetsAreConfirmedWrittenAndHandedToThePlugIn) {
    ASSERT_TRUE(vote(BetType::Quinella));
    EXPECT_EQ(port.texts(Kind::Confirm),
              std::vector<std::string>{"[東京11R:馬連]に投票します。実行してよろしいですか？"});
    EXPECT_EQ(csvText(), "20060507,05,11,UMAFUKU,NORMAL,1500,01-03,\r\n"
                         "20060507,05,11,UMAFUKU,NORMAL,1500,03-12,\r\n");
    EXPECT_EQ(port.texts(Kind::StartProgram),
              std::vector<std::string>{(plugIn() / "ZPCTohyoPlugIn2.exe").string() + "|" + csv().string() + "|" +
                                       plugIn().string()});
    EXPECT_TRUE(port.texts(Kind::Information).empty());
}

TEST_F(VotingFileTest, TheWideListAfterTheQuinellaListReplacesTheDaysFile) {
    ASSERT_TRUE(vote(BetType::Quinella));
    ASSERT_TRUE(vote(BetType::Wide));
    EXPECT_EQ(csvText(), "20060507,05,11,WIDE,NORMAL,1500,01-03,\r\n"
                         "20060507,05,11,WIDE,NORMAL,1500,03-12,\r\n");
    EXPECT_EQ(port.texts(Kind::StartProgram).size(), 2u);
    EXPECT_EQ(port.texts(Kind::Confirm).back(), "[東京11R:ワイド]に投票します。実行してよろしいですか？");
}

TEST_F(VotingFileTest, TheTrioIsNamedWithItsFullWidthDigit) {
    ASSERT_TRUE(vote(BetType::Trio));
    EXPECT_EQ(port.texts(Kind::Confirm),
              std::vector<std::string>{"[東京11R:３連複]に投票します。実行してよろしいですか？"});
    EXPECT_EQ(csvText(), "20060507,05,11,SANFUKU,NORMAL,3000,01-03-12,\r\n");
}

TEST_F(VotingFileTest, AnswerNoWritesNothing) {
    port.answer(false);
    ASSERT_TRUE(vote(BetType::Quinella));
    EXPECT_FALSE(std::filesystem::exists(csv()));
    EXPECT_TRUE(port.texts(Kind::StartProgram).empty());
}

struct Refusal {
    const char* what;
    std::function<void(Session&)> arrange;
    std::string message;
};

TEST_F(VotingFileTest, EachMissingPieceIsToldAndNothingIsWritten) {
    const auto strikeAll = [](Session& s) {
        const int rows = s.betLists[size_t(BetType::Quinella)].dataRows();
        for (int row = 1; row <= rows; ++row) betGridClick(s, BetType::Quinella, row, 0);
    };
    const Refusal refusals[] = {
        {"no day", [](Session& s) { s.selectedDay = " "; }, "開催日ﾃﾞｰﾀを読み込んでください。"},
        {"no race", [](Session& s) { s.selectedRaceSlot = -1; }, "レースデータを読み込んでください。"},
        {"every bet struck", strikeAll, "買い目が作成されていません。"},
        // Below 100 yen striking keeps the old stakes; the struck bets still are no bets to vote.
        {"struck below 100 yen",
         [&](Session& s) {
             saNumEditExC1Change(s, "99");
             strikeAll(s);
         },
         "買い目が作成されていません。"},
        {"no plug-in folder", [](Session& s) { s.settings.writeString(Setting::DirZPCTohyo2, "  "); },
         "「ZPC投票プラグイン２」が正常にインストールされていません。再インストールしてください。"},
    };
    for (const Refusal& refusal : refusals) {
        SCOPED_TRACE(refusal.what);
        const auto savedLists = session().betLists;
        refusal.arrange(session());
        port.clear();
        EXPECT_TRUE(vote(BetType::Quinella));
        EXPECT_EQ(port.events(), (std::vector<ScriptedUserPort::Event>{{Kind::Beep, ""},
                                                                       {Kind::Information, refusal.message}}));
        EXPECT_FALSE(std::filesystem::exists(csv()));
        // Back to the day on show for the next case.
        session().selectedDay = "2006年05月07日";
        session().selectedRaceSlot = kSlot;
        session().betLists = savedLists;
        session().kaimeAmount = 3000;
        session().settings.writeString(Setting::DirZPCTohyo2, plugIn().string());
    }
}

TEST_F(VotingFileTest, AMissingKaimeFolderIsToldAndNotCreated) {
    std::filesystem::remove(kaime());
    EXPECT_FALSE(vote(BetType::Quinella));
    const auto messages = port.texts(Kind::Information);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find(kaime().string()), std::string::npos) << messages[0];
    EXPECT_FALSE(std::filesystem::exists(kaime()));
    EXPECT_TRUE(port.texts(Kind::StartProgram).empty());
}

TEST_F(VotingFileTest, APlugInThatDoesNotStartIsTold) {
    port.setStartProgramWorks(false);
    ASSERT_TRUE(vote(BetType::Win));
    EXPECT_EQ(csvText(), "20060507,05,11,TAN,NORMAL,3000,03,\r\n");
    EXPECT_EQ(port.events().back(), (ScriptedUserPort::Event{Kind::Information,
                                                             "投票プラグイン２の呼び出しでエラーが発生しました。\r\n"
                                                             "投票プラグイン２が正しくインストールされているか確認してください。"}));
    EXPECT_EQ(port.events()[port.events().size() - 2].kind, Kind::Beep);
}

TEST_F(VotingFileTest, ThePlugInFolderIsKeptOnlyWhenTheUserChoseOne) {
    session().settings.writeString(Setting::DirZPCTohyo2, "");
    zpc1Click(session()); // cancelled
    EXPECT_EQ(port.texts(Kind::ChooseFolder), std::vector<std::string>{"ZPC投票プラグイン２フォルダの指定"});
    EXPECT_EQ(session().settings.readString(Setting::DirZPCTohyo2), "");

    port.answerFolder(folder / "other");
    zpc1Click(session());
    EXPECT_EQ(session().settings.readString(Setting::DirZPCTohyo2), (folder / "other").string());
}

} // namespace
} // namespace zefa
