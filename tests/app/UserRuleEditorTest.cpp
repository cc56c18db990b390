#include "app/CommandBoundary.h"
#include "app/ScriptedUserPort.h"
#include "bets/DefaultUserRules.h"
#include "app/UserRuleEditor.h"
#include "bets/UserRuleGrid.h"
#include "jvdata/Cp932.h"
#include "store/TextLines.h"
#include "store/WholeFile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace zefa {
namespace {

using Kind = ScriptedUserPort::Kind;

const std::string kBlankComment(kRuleCommentBytes, ' ');

// 東京芝1600m以下aa, place axis "a": built-in line 4 as the editor writes it.
RuleInput tokyoMile() {
    RuleInput input;
    input.venue = 4;
    input.course = 2;
    input.position = 0;
    input.fJiku = 0;
    input.evaluation = {0, 0, 0, 5};
    input.place = {0, 0, 5, 0};
    return input;
}

class UserRuleEditorTest : public ::testing::Test {
protected:
    void SetUp() override { saveLines(ruleFile, rules); }
    std::string fileBytes() const { return readFileIfExists(ruleFile).value_or("<missing>"); }

    test::TempFolder folder;
    std::filesystem::path ruleFile = folder / "userkaimeset.dat";
    std::vector<std::string> rules = defaultUserRuleLines();
    ScriptedUserPort port;
};

TEST_F(UserRuleEditorTest, ByOddsCountsFillUpToFiveAndSix) {
    RuleInput input;
    input.evaluation = {1, 2, 0, 5};
    evaluationCountChanged(input);
    EXPECT_EQ(input.evaluation[kByOdds], 2);
    input.evaluation = {3, 3, 0, 2};
    evaluationCountChanged(input);
    EXPECT_EQ(input.evaluation[kByOdds], 0);

    input.place = {1, 0, 0, 5};
    placeCountChanged(input, port); // no place axis yet
    EXPECT_EQ(input.place[kByOdds], 5);
    EXPECT_EQ(port.texts(Kind::Information), (std::vector<std::string>{"複勝軸を選択してください。"}));
    EXPECT_EQ(port.events().front().kind, Kind::Beep);

    input.fJiku = 3; // "aa"
    fJikuChanged(input);
    EXPECT_EQ(input.place[kByOdds], 3);
    input.place = {2, 2, 1, 3};
    placeCountChanged(input, port);
    EXPECT_EQ(input.place[kByOdds], 0);
}

TEST_F(UserRuleEditorTest, RecordChecksInOrderAndChangesNothingWhenOneFails) {
    struct Case {
        void (*change)(RuleInput&);
        std::string_view message;
    };
    const Case cases[] = {
        {[](RuleInput& in) { in.venue.reset(); }, "競馬場を選択してください。"},
        {[](RuleInput& in) { in.course.reset(), in.position.reset(); }, "コースを選択してください。"},
        {[](RuleInput& in) { in.position.reset(), in.fJiku.reset(); }, "位置を選択してください。"},
        {[](RuleInput& in) { in.fJiku.reset(); }, "複勝軸を選択してください。"},
        {[](RuleInput& in) { in.position = 3, in.fJiku = 4; }, "複勝軸は位置で指定されている文字の範囲でなければなりません。"}, // "ab" in "ba"
        {[](RuleInput& in) { in.evaluation = {3, 3, 0, 0}; }, "評価馬数値の入力が不正です。"},
        {[](RuleInput& in) { in.fJiku = 3, in.place = {3, 2, 0, 0}; }, "複勝馬数値の入力が不正です。"}, // "aa" and 5 horses
    };
    const std::string before = fileBytes();
    for (const auto& c : cases) {
        RuleInput input = tokyoMile();
        c.change(input);
        port.clear();
        EXPECT_EQ(recordUserRule(rules, input, ruleFile, port), std::nullopt) << c.message;
        EXPECT_EQ(port.events(), (std::vector<ScriptedUserPort::Event>{{Kind::Beep, ""}, {Kind::Information, std::string(c.message)}}));
    }
    EXPECT_EQ(rules, defaultUserRuleLines());
    EXPECT_EQ(fileBytes(), before);
}

TEST_F(UserRuleEditorTest, PlaceAxisPatternsInsideThePositionPatternAreTaken) {
    for (const int fJiku : {0, 1, 4}) { // "a", "b", "ab" in "ab"
        RuleInput input = tokyoMile();
        input.venue = 0;
        input.position = 1;
        input.fJiku = fJiku;
        input.place = {0, 0, 4, 0};
        EXPECT_TRUE(recordUserRule(rules, input, ruleFile, port)) << fJiku;
    }
}

TEST_F(UserRuleEditorTest, ANewRuleIsSortedInSavedAndNamed) {
    RuleInput input = tokyoMile();
    input.venue = 0;
    input.course = 0;
    input.place = {1, 0, 0, 4};
    input.comment = "逃げ馬";
    EXPECT_EQ(recordUserRule(rules, input, ruleFile, port), 0);

    std::string comment = toCp932("逃げ馬");
    comment.resize(kRuleCommentBytes, ' ');
    ASSERT_EQ(rules.size(), 86u);
    EXPECT_EQ(rules.front(), "01 1 1 100051004" + comment);
    EXPECT_EQ(rules[1], "03 4 1 400050004");
    EXPECT_EQ(loadLines(ruleFile), rules);
    EXPECT_EQ(port.texts(Kind::Information), (std::vector<std::string>{"No.1に[札幌芝1200m以下aa]を書き込みました。"}));
}

TEST_F(UserRuleEditorTest, AnExistingKeyIsReplacedOnlyWhenTheUserAgrees) {
    const std::string before = fileBytes();
    port.answer(false);
    EXPECT_EQ(recordUserRule(rules, tokyoMile(), ruleFile, port), std::nullopt);
    EXPECT_EQ(port.texts(Kind::Confirm), (std::vector<std::string>{"[東京芝1600m以下aa]の設定はすでに存在しています。上書きしますか？"}));
    EXPECT_TRUE(port.texts(Kind::Information).empty());
    EXPECT_EQ(fileBytes(), before);
    EXPECT_EQ(rules, defaultUserRuleLines());

    port.clear();
    RuleInput changed = tokyoMile();
    changed.place = {0, 0, 4, 1};
    EXPECT_EQ(recordUserRule(rules, changed, ruleFile, port), 3);
    ASSERT_EQ(rules.size(), 85u);
    EXPECT_EQ(rules[3], "05 3 1 100050041" + kBlankComment);
    EXPECT_EQ(loadLines(ruleFile), rules);
    EXPECT_EQ(port.texts(Kind::Information), (std::vector<std::string>{"No.4に[東京芝1600m以下aa]を書き込みました。"}));
}

TEST_F(UserRuleEditorTest, TheCommentIsCutTo120BytesBetweenCharacters) {
    struct Case {
        std::string comment, stored; // UTF-8
    };
    std::string wide;
    for (int i = 0; i < 61; ++i) wide += "あ";
    const std::string sixty = wide.substr(0, 60 * 3), fiftyNine = wide.substr(0, 59 * 3);
    const Case cases[] = {
        {std::string(130, 'x'), std::string(120, 'x')},
        {wide, sixty},
        {"a" + wide, "a" + fiftyNine + " "},
        {"", std::string(120, ' ')},
    };
    for (const auto& c : cases) {
        RuleInput input = tokyoMile();
        input.comment = c.comment;
        const std::string line = ruleLine(input);
        EXPECT_EQ(line.size(), 136u);
        EXPECT_EQ(toUtf8(line.substr(16)), c.stored);
    }
}

TEST_F(UserRuleEditorTest, AnUnwritableRuleFileLeavesTheTableAsItWas) {
    const auto unwritable = folder / "missing" / "userkaimeset.dat";
    RuleInput input = tokyoMile();
    input.venue = 0;
    EXPECT_FALSE(runCommand(port, [&] { recordUserRule(rules, input, unwritable, port); }));
    EXPECT_FALSE(runCommand(port, [&] { deleteUserRule(rules, ruleGridRows(rules)[3], unwritable, port); }));
    EXPECT_EQ(rules, defaultUserRuleLines());
    const auto messages = port.texts(Kind::Information);
    ASSERT_EQ(messages.size(), 2u);
    for (const auto& message : messages) EXPECT_NE(message.find("を保存できません"), std::string::npos) << message;
}

TEST_F(UserRuleEditorTest, DeletingARowAsksAndRemovesItsLine) {
    const auto rows = ruleGridRows(rules);
    port.answer(false);
    EXPECT_FALSE(deleteUserRule(rules, rows[3], ruleFile, port));
    EXPECT_EQ(rules.size(), 85u);

    EXPECT_TRUE(deleteUserRule(rules, rows[3], ruleFile, port));
    EXPECT_EQ(port.texts(Kind::Confirm), (std::vector<std::string>(2, "[No.  4 東京芝1600m以下aa]の設定を削除しますか？")));
    EXPECT_EQ(port.texts(Kind::Information), (std::vector<std::string>{"[No.  4 東京芝1600m以下aa]の設定を削除しました。"}));
    ASSERT_EQ(rules.size(), 84u);
    EXPECT_EQ(rules[3], "05 3 2 100050032");
    EXPECT_EQ(loadLines(ruleFile), rules);
}

TEST_F(UserRuleEditorTest, AMalformedLineShowsBlankCellsAndCanBeDeleted) {
    rules = {"99X", "05 3 1 10005"};
    const auto rows = ruleGridRows(rules);
    ASSERT_EQ(rows.size(), 2u);
    for (size_t c = 1; c < kRuleGridColumns.size(); ++c) EXPECT_EQ(rows[0].cells[c], "") << c;
    EXPECT_EQ(rows[1].cells[ruleColumn::Evaluation + 3], "5");
    EXPECT_EQ(rows[1].cells[ruleColumn::Place], "");
    EXPECT_TRUE(deleteUserRule(rules, rows[0], ruleFile, port));
    EXPECT_EQ(rules, (std::vector<std::string>{"05 3 1 10005"}));
}

TEST_F(UserRuleEditorTest, GridRowsShowTheTableAndAPressedRowFillsTheControls) {
    const auto rows = ruleGridRows(rules);
    ASSERT_EQ(rows.size(), 85u);
    const std::array<std::string, 15> line4{"  4", "東京", "芝1600m以下", "aa", "", "0", "0", "0", "5",
                                            "a",   "0",    "0",           "5",  "0", ""};
    EXPECT_EQ(rows[3].cells, line4);
    EXPECT_EQ(rows[61].cells[ruleColumn::Comment].substr(0, 4), "　U"); // the comment opens with an ideographic space

    const RuleInput input = ruleInputOfRow(rows[3]);
    EXPECT_EQ(input, tokyoMile());
    EXPECT_EQ(ruleLine(input), rules[3] + kBlankComment);
    EXPECT_EQ(ruleInputOfRow(rows[61]).comment.substr(0, 4), "　U"); // trimmed of blanks only
}

} // namespace
} // namespace zefa
