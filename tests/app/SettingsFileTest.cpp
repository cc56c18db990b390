#include "app/SettingsFile.h"
#include "jvdata/Clock.h"
#include "jvdata/Cp932.h"
#include "jvdata/Error.h"
#include "store/WholeFile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <set>

namespace zefa {
namespace {

class SettingsFileTest : public ::testing::Test {
protected:
    void store(const std::string& text) { saveFileWhole(folder / "zefa.ini", text); }
    std::string stored() const { return readFileIfExists(folder / "zefa.ini").value_or("<missing>"); }

    test::TempFolder folder;
    FixedClock clock{{2024, 1, 6, 10, 0, 0}};
    SettingsFile settings{folder / "zefa.ini", folder.path(), clock};
};

TEST_F(SettingsFileTest, AMissingFileReadsTheMasterTableDefaults) {
    EXPECT_EQ(settings.readInt(Setting::LocateWidth), 1200);
    EXPECT_EQ(settings.readInt(Setting::TanMiokuri2), 1200);
    EXPECT_TRUE(settings.readBool(Setting::IncludeFukushoba));
    EXPECT_FALSE(settings.readBool(Setting::Keshi, 3));
    EXPECT_EQ(settings.readString(Setting::TimeFirst), "0945");
    EXPECT_EQ(settings.readString(Setting::DirZPCTohyo2), "");
    EXPECT_EQ(settings.readString(Setting::DirJikeiretu), folder.path().string());
    EXPECT_EQ(settings.readString(Setting::DirYoso), (folder / "ylzh").string());
    EXPECT_EQ(settings.readString(Setting::StartCSV), "202301"); // 365 days before 2024-01-06
    EXPECT_EQ(stored(), "<missing>"); // reading never creates the file
}

TEST_F(SettingsFileTest, StringValuesLoseTheirQuotesAndBrackets) {
    const struct { std::string stored, read; } cases[] = {
        {"\"\"", ""},
        {"\xA2\xA3", ""},                 // ｢｣
        {"\"0930\"", "0930"},
        {"\xA2" "0930" "\xA3", "0930"},   // ｢0930｣
        {"\"", "\""},                     // one quote is not a pair
        {"\"0930", "\"0930"},
        {"\"0930\xA3", "\"0930｣"},        // mixed marks stay
        {"  0930  ", "0930"},
        {"\x92\x86\x8E\x52", "中山"},
    };
    for (const auto& c : cases) {
        store("[Time]\r\nFirst=" + c.stored + "\r\n");
        EXPECT_EQ(settings.readString(Setting::TimeFirst), c.read) << c.stored;
    }
}

TEST_F(SettingsFileTest, NumbersThatAreNotNumbersReadAsTheirDefault) {
    const struct { std::string stored; int read; } cases[] = {
        {"25", 25}, {" -3 ", -3}, {"+7", 7}, {"", 10}, {"abc", 10}, {"12px", 10}, {"99999999999", 10}, {"0x10", 10},
    };
    for (const auto& c : cases) {
        store("[locate]\r\ntop=" + c.stored + "\r\n");
        EXPECT_EQ(settings.readInt(Setting::LocateTop), c.read) << c.stored;
    }
    store("[nohyokaba]\r\nincludefukushoba=0\r\n[Option]\r\nKeshi2=2\r\nKeshi3=yes\r\n");
    EXPECT_FALSE(settings.readBool(Setting::IncludeFukushoba));
    EXPECT_TRUE(settings.readBool(Setting::Keshi, 2));
    EXPECT_FALSE(settings.readBool(Setting::Keshi, 3));
}

TEST_F(SettingsFileTest, WritesAreCp932WithCrLfAndKeepTheOtherLines) {
    store("; kept\r\n[locate]\r\ntop=1\r\n");
    settings.writeInt(Setting::LocateTop, 40);
    settings.writeInt(Setting::LocateHeight, 700);
    settings.writeBool(Setting::Miokuri, true, 6);
    settings.writeString(Setting::DirZPCTohyo2, "/opt/投票");
    EXPECT_EQ(stored(), "; kept\r\n[locate]\r\ntop=40\r\nheight=700\r\n[Option]\r\nmiokuri6=1\r\n[Dir]\r\nZPCTohyo2=/opt/" +
                            toCp932("投票") + "\r\n");
    EXPECT_EQ(settings.readString(Setting::DirZPCTohyo2), "/opt/投票");
    EXPECT_TRUE(settings.readBool(Setting::Miokuri, 6));
}

TEST_F(SettingsFileTest, UnreadableFilesAndBadBytesAreErrorsNamingTheFile) {
    store("[Dir]\r\nyoso=\x81\r\n");
    try {
        settings.readString(Setting::DirYoso);
        FAIL() << "expected an error";
    } catch (const Error& e) {
        const std::string message = e.what();
        EXPECT_NE(message.find("zefa.ini"), std::string::npos) << message;
        EXPECT_NE(message.find("yoso"), std::string::npos) << message;
    }
    EXPECT_EQ(settings.readInt(Setting::LocateTop), 10); // other keys still read

    std::filesystem::remove(folder / "zefa.ini");
    std::filesystem::create_directory(folder / "zefa.ini");
    EXPECT_THROW(settings.readInt(Setting::LocateTop), Error);
    EXPECT_THROW(settings.writeInt(Setting::LocateTop, 1), Error);
}

TEST(SettingsTable, EveryKeyIsListedOnce) {
    std::set<std::pair<std::string, std::string>> keys;
    for (const auto& row : settingsTable())
        EXPECT_TRUE(keys.emplace(row.section, row.key).second) << row.section << "/" << row.key;
}

} // namespace
} // namespace zefa
