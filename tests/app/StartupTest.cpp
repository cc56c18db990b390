#include "app/MenuCommands.h"
#include "app/Startup.h"
#include "bets/DefaultUserRules.h"
#include "jvdata/Cp932.h"
#include "jvdata/Error.h"
#include "store/TextLines.h"
#include "support/StartupFixture.h"

#include <gtest/gtest.h>

namespace zefa {
namespace {

using Kind = ScriptedUserPort::Kind;

class StartupTest : public ::testing::Test, protected test::StartupFixture {
protected:
    std::string file(const std::string& name) { return readFileIfExists(home() / name).value_or("<missing>"); }
};

TEST_F(StartupTest, AFreshStartCreatesTheFoldersTheRuleFileAndTheLog) {
    mainFormCreate(session());
    mainFormShow(session());

    for (const auto name : ProgramFolder::kStartupFolders)
        EXPECT_TRUE(std::filesystem::is_directory(home() / name)) << name;

    const auto rules = loadLines(home() / "userkaimeset.dat");
    ASSERT_EQ(rules.size(), 85u);
    EXPECT_EQ(rules, defaultUserRuleLines());
    EXPECT_EQ(rules[3], "05 3 1 100050050");
    EXPECT_EQ(rules[61].size(), 16u + 120u);
    EXPECT_EQ(toUtf8(rules[61].substr(16, 5)), "　U複"); // the comment opens with an ideographic space
    EXPECT_EQ(session().userRules, rules);

    EXPECT_EQ(file("ErrorLog.txt"),
              toCp932("ソフト起動：2024/01/06 09:30:05\r\n") + ProgramFolder(home()).root().string() + "\r\n");
    EXPECT_EQ(session().errorLogLines.size(), 2u);

    EXPECT_EQ(mainFormPlacement(session()), (WindowPlacement{10, 10, 1200, 800}));
    EXPECT_TRUE(port.events().empty()) << port.events().front().text;
    EXPECT_EQ(file("zefa.ini"), "<missing>"); // nothing is written before the window closes

    mainFormCloseQuery(session(), {30, 40, 1000, 700});
    EXPECT_EQ(file("zefa.ini"), "[locate]\r\ntop=30\r\nleft=40\r\nwidth=1000\r\nheight=700\r\n");
    EXPECT_EQ(mainFormPlacement(session()), (WindowPlacement{30, 40, 1000, 700}));
}

TEST_F(StartupTest, AnExistingRuleFileAndLogAreKept) {
    saveLines(home() / "userkaimeset.dat", {"0101 1 100050005"});
    std::vector<std::string> log;
    for (int i = 1; i <= 150; ++i) log.push_back("line " + std::to_string(i));
    saveLines(home() / "ErrorLog.txt", log);

    mainFormCreate(session());

    EXPECT_EQ(session().userRules, (std::vector<std::string>{"0101 1 100050005"}));
    const auto lines = loadLines(home() / "ErrorLog.txt");
    ASSERT_EQ(lines.size(), 102u);
    EXPECT_EQ(lines.front(), "line 51");
}

TEST_F(StartupTest, CompanionFoldersComeFromTheRegistryOnlyWhileTheSettingIsBlank) {
    writeRegistry("[SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\ZPC投票プラグイン２_is1]\n"
                  "Inno Setup: App Path=/opt/zpc\n"
                  "[SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\ゼファ時系列ビューア２ for JRA-VAN Data Lab._is1]\n"
                  "Inno Setup: App Path=/opt/jikeiretu\n");
    saveFileWhole(home() / "zefa.ini", "[Dir]\r\nZPCTohyo2=/home/me/zpc\r\njikeiretu=  \r\n");

    mainFormCreate(session());

    EXPECT_EQ(session().settings.readString(Setting::DirZPCTohyo2), "/home/me/zpc");
    EXPECT_EQ(session().settings.readString(Setting::DirJikeiretu), "/opt/jikeiretu/Data");
}

TEST_F(StartupTest, MissingRegistryKeysLeaveTheFoldersEmpty) {
    mainFormCreate(session());
    EXPECT_EQ(session().settings.storedString(Setting::DirZPCTohyo2), std::nullopt);
    EXPECT_EQ(session().settings.storedString(Setting::DirJikeiretu), std::nullopt);
}

TEST_F(StartupTest, MenuChecksAndTheDistributionMethodComeFromTheSettings) {
    saveFileWhole(home() / "zefa.ini", "[KaimeMode]\r\nSelected=7\r\n[nohyokaba]\r\nincludefukushoba=0\r\n"
                                       "[Develop]\r\ntenkai5=1\r\n[KaimeSet]\r\nHaibunSet=2\r\n");
    mainFormCreate(session());
    EXPECT_EQ(session().menu.kaimeMode, 7); // checks none of the four items
    EXPECT_FALSE(session().menu.ifnothyokaba);
    EXPECT_TRUE(session().menu.tenkaiJoi5);
    EXPECT_FALSE(session().menu.ninkiJoi5);
    EXPECT_EQ(session().haibunSet, 2);

    kaimeModeClick(session(), 3);
    ifnothyokabaClick(session());
    EXPECT_EQ(session().settings.readInt(Setting::KaimeModeSelected), 3);
    EXPECT_TRUE(session().settings.readBool(Setting::IncludeFukushoba));
}

TEST_F(StartupTest, TheDayListHoldsTheStoredDaysNewestFirst) {
    std::filesystem::create_directories(home() / "Data");
    for (const char* name : {"2023年12月30日.jvRA", "2024年01月06日.jvRA", "2024年01月06日.jvHR", "notes.jvRA"})
        saveFileWhole(home() / "Data" / name, "");
    mainFormCreate(session());
    EXPECT_EQ(session().dayList, (std::vector<std::string>{"2024年01月06日", "2023年12月30日"}));
    EXPECT_TRUE(session().selectedDay.empty());
}

TEST_F(StartupTest, AFolderThatCannotBeCreatedEndsTheStart) {
    saveFileWhole(home() / "SEI", "a file where the folder should be");
    EXPECT_THROW(mainFormCreate(session()), Error);
}

TEST_F(StartupTest, AnUnreadableLogIsReportedAndTheStartGoesOn) {
    std::filesystem::create_directories(home() / "ErrorLog.txt");
    mainFormCreate(session());
    ASSERT_EQ(port.texts(Kind::Information).size(), 1u);
    EXPECT_NE(port.texts(Kind::Information)[0].find("ErrorLog.txt"), std::string::npos);
    EXPECT_EQ(session().dayList.size(), 0u);
    EXPECT_EQ(session().userRules.size(), 85u);
}

TEST_F(StartupTest, JvInitFailureIsShownInWords) {
    writeFeedSettings("[Faults]\nJVInit=-101\n");
    mainFormShow(session());
    EXPECT_EQ(port.events(), (std::vector<ScriptedUserPort::Event>{
                                 {Kind::Information, "JVInitエラー：sid が設定されていません。(-101)"}}));
}

TEST_F(StartupTest, AnOldJvLinkIsReportedAndTheProgramGoesOn) {
    writeFeedSettings("[JVLink]\nVersion=0480\n");
    mainFormShow(session());
    EXPECT_EQ(port.events(), (std::vector<ScriptedUserPort::Event>{
                                 {Kind::Beep, ""},
                                 {Kind::Information,
                                  "ご利用中のJV-Linkのバージョンは[4.8.0]です。\r\n"
                                  "本ソフトのご利用にはバージョン[4.9.0]以上が必要です。\r\n"
                                  "JRA-VANのホームページより最新のJV-Linkを入手し、インストールしてください。"}}));
}

TEST(JvLinkPresence, AJvLinkThatCannotBeMadeEndsTheProgramWithAdvice) {
    ScriptedUserPort port;
    EXPECT_EQ(createJvLinkOrExplain([] { return std::unique_ptr<JvLink>(); }, port), nullptr);
    EXPECT_EQ(port.events(), (std::vector<ScriptedUserPort::Event>{
                                 {Kind::Beep, ""},
                                 {Kind::Information, "JRA-VANのホームページより【JV-Link】を入手し、インストールしてください。"}}));
}

TEST_F(StartupTest, AMalformedFeedIsReportedByItsFileName) {
    writeFeedSettings("[Faults]\nJVOpn=-504\n");
    EXPECT_EQ(createJvLinkOrExplain([&] { return std::make_unique<FeedJvLink>(feed(), clock); }, port), nullptr);
    ASSERT_EQ(port.texts(Kind::Information).size(), 1u);
    EXPECT_NE(port.texts(Kind::Information)[0].find("feed.ini"), std::string::npos);
}

TEST_F(StartupTest, HelpOpensTheManualOrSaysItIsMissing) {
    helpButtonClick(session());
    EXPECT_EQ(port.texts(Kind::Information), (std::vector<std::string>{"使用解説書[Zefa2.pdf]が見つかりません。"}));
    port.clear();
    saveFileWhole(home() / "Zefa2.pdf", "%PDF");
    helpButtonClick(session());
    EXPECT_EQ(port.texts(Kind::OpenFile), (std::vector<std::string>{(ProgramFolder(home()).manual()).string()}));
    EXPECT_TRUE(port.texts(Kind::Information).empty());
}

} // namespace
} // namespace zefa
