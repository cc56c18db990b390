#include "app/CommandBoundary.h"
#include "app/ScriptedUserPort.h"
#include "app/UserRuleFiles.h"
#include "store/TextLines.h"
#include "store/WholeFile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace zefa {
namespace {

using Kind = ScriptedUserPort::Kind;
using Texts = std::vector<std::string>;

class UserRuleFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(user);
        saveLines(ruleFile, rules);
    }
    void writeRuleFile(const std::string& name, const Texts& lines) { saveLines(user / name, lines); }

    test::TempFolder folder;
    std::filesystem::path user = folder / "User";
    std::filesystem::path ruleFile = folder / "userkaimeset.dat";
    Texts rules{"05 3 1 100050050", "09 6 5 800050004"};
    ScriptedUserPort port;
};

TEST_F(UserRuleFilesTest, ListsTheDatFilesInOrder) {
    writeRuleFile("b.dat", {});
    writeRuleFile("設定20240106.DAT", {});
    writeRuleFile("c.txt", {});
    std::filesystem::create_directories(user / "d.dat");
    EXPECT_EQ(listRuleFiles(user), (Texts{"b.dat", "設定20240106.DAT"}));
    EXPECT_TRUE(listRuleFiles(folder / "none").empty());
    EXPECT_EQ(defaultRuleFileName({2024, 1, 6, 9, 30, 5}), "設定20240106");
}

TEST_F(UserRuleFilesTest, SavesTheTableUnderTheTrimmedNameAfterAsking) {
    EXPECT_TRUE(saveRuleFileAs(rules, user, "  設定A ", port));
    EXPECT_EQ(loadLines(user / "設定A.dat"), rules);
    EXPECT_EQ(port.texts(Kind::Confirm), (Texts{"[設定A.dat]というﾌｧｲﾙ名で現在の設定を保存します。よろしいですか?"}));
    EXPECT_EQ(port.texts(Kind::Information), (Texts{"現在の設定を[設定A.dat]に保存ました。"}));

    port.clear();
    port.answer(true);
    port.answer(false);
    EXPECT_FALSE(saveRuleFileAs({"other"}, user, "設定A", port));
    EXPECT_EQ(port.texts(Kind::Confirm).back(), "[設定A.dat]はすでに存在しています。上書きしますか?");
    EXPECT_EQ(loadLines(user / "設定A.dat"), rules);

    port.answer(false);
    EXPECT_FALSE(saveRuleFileAs(rules, user, "設定B", port));
    EXPECT_FALSE(std::filesystem::exists(user / "設定B.dat"));
}

TEST_F(UserRuleFilesTest, RefusesAnEmptyNameAndNamesThatLeaveTheFolder) {
    for (const char* name : {"   ", "../x", "a/b", "..", "a\\b", "x:y", "/tmp/x"}) {
        port.clear();
        EXPECT_FALSE(saveRuleFileAs(rules, user, name, port)) << name;
        EXPECT_TRUE(port.texts(Kind::Confirm).empty()) << name;
        ASSERT_EQ(port.texts(Kind::Information).size(), 1u);
        EXPECT_EQ(port.events().front().kind, Kind::Beep);
    }
    EXPECT_TRUE(port.texts(Kind::Information).front().starts_with("設定ﾌｧｲﾙ名[/tmp/x]は使えません。"));
    EXPECT_TRUE(listRuleFiles(user).empty());
    EXPECT_FALSE(std::filesystem::exists(folder / "x.dat"));
}

TEST_F(UserRuleFilesTest, LoadingReplacesTheTableAndTheRuleFile) {
    EXPECT_FALSE(loadRuleFile(rules, user, std::nullopt, ruleFile, port));
    EXPECT_EQ(port.texts(Kind::Information), (Texts{"読み込みたい設定ﾌｧｲﾙを選択してください。"}));

    writeRuleFile("old.dat", {"0101 1 100050005", "short"});
    port.answer(false);
    EXPECT_FALSE(loadRuleFile(rules, user, "old.dat", ruleFile, port));
    EXPECT_EQ(loadLines(ruleFile), rules);

    EXPECT_TRUE(loadRuleFile(rules, user, "old.dat", ruleFile, port));
    EXPECT_EQ(port.texts(Kind::Confirm).back(), "[old.dat]の内容を現在の設定へ読み込みます。現在の設定内容は消去されますが、よろしいですか?");
    EXPECT_EQ(rules, (Texts{"0101 1 100050005", "short"}));
    EXPECT_EQ(loadLines(ruleFile), rules);

    // A file gone since the list was filled leaves the table alone.
    EXPECT_FALSE(runCommand(port, [&] { loadRuleFile(rules, user, "gone.dat", ruleFile, port); }));
    EXPECT_EQ(rules, (Texts{"0101 1 100050005", "short"}));
}

TEST_F(UserRuleFilesTest, DeletesOneFileOrAllOfThemButNeverTheTable) {
    EXPECT_FALSE(deleteRuleFile(user, std::nullopt, port));
    EXPECT_EQ(port.texts(Kind::Information), (Texts{"削除したい設定ﾌｧｲﾙを選択してください。"}));

    for (const char* name : {"a.dat", "b.dat", "c.dat"}) writeRuleFile(name, {"x"});
    port.clear();
    EXPECT_TRUE(deleteRuleFile(user, "b.dat", port));
    EXPECT_EQ(port.texts(Kind::Confirm), (Texts{"設定ﾌｧｲﾙ[b.dat]を削除します。よろしいですか?"}));
    EXPECT_EQ(port.texts(Kind::Information), (Texts{"設定ﾌｧｲﾙ[b.dat]を削除しました。"}));
    EXPECT_EQ(listRuleFiles(user), (Texts{"a.dat", "c.dat"}));

    port.clear();
    port.answer(false);
    EXPECT_FALSE(deleteAllRuleFiles(user, port));
    EXPECT_TRUE(deleteAllRuleFiles(user, port));
    EXPECT_EQ(port.texts(Kind::Confirm), (Texts(2, "2個の設定ﾌｧｲﾙを全て削除します。よろしいですか?")));
    EXPECT_EQ(port.texts(Kind::Information), (Texts{"全ての設定ﾌｧｲﾙを削除しました。"}));
    EXPECT_TRUE(listRuleFiles(user).empty());
    EXPECT_EQ(rules, (Texts{"05 3 1 100050050", "09 6 5 800050004"}));
    EXPECT_EQ(loadLines(ruleFile), rules);

    port.clear();
    EXPECT_FALSE(deleteAllRuleFiles(user, port)); // an empty list asks nothing
    EXPECT_TRUE(port.events().empty());
}

} // namespace
} // namespace zefa
