#include "acquire/FeedJvLink.h"
#include "jvdata/Error.h"
#include "store/WholeFile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace zefa {
namespace {

constexpr std::string_view kSid = "ZEFA0000000000000000000000/Ver.1.20";
constexpr int kReadBuffer = 100000;

void write(const std::filesystem::path& file, std::string_view bytes) {
    std::filesystem::create_directories(file.parent_path());
    saveFileWhole(file, bytes);
}

// What successive JVRead calls give: record texts, other codes as numbers.
std::vector<std::string> readTrace(JvLink& link, int calls) {
    std::vector<std::string> trace;
    for (int i = 0; i < calls; ++i) {
        const auto result = link.JVRead(kReadBuffer);
        trace.push_back(result.code > 0 ? result.record : std::to_string(result.code));
    }
    return trace;
}

class FeedJvLinkTest : public ::testing::Test {
protected:
    // A link over the feed, initialised.
    std::unique_ptr<FeedJvLink> link() {
        auto made = std::make_unique<FeedJvLink>(feed.path(), clock);
        EXPECT_EQ(made->JVInit(kSid), 0);
        return made;
    }

    test::TempFolder feed;
    FixedClock clock{DateTime{2024, 6, 8, 9, 0, 0}};
};

TEST_F(FeedJvLinkTest, ServesTheFilesNewerThanTheFromDateInTimestampOrder) {
    write(feed / "RACE/20240601090000.jvd", "RAold\r\n");
    write(feed / "RACE/20240608090000-RA.jvd", "RA\x83\x41\r\nSE1\r\n");
    write(feed / "DIFN/20240605120000.jvd", "UM1\r\n");
    write(feed / "RACE/notes.txt", "not a feed file");
    const auto jv = link();

    const auto opened = jv->JVOpen("RACEDIFN", "20240601090000", 1);
    EXPECT_EQ(opened.code, 0);
    EXPECT_EQ(opened.readCount, 2);
    EXPECT_EQ(opened.downloadCount, 2);
    EXPECT_EQ(opened.lastFileTimestamp, "20240608090000");

    EXPECT_EQ(jv->JVStatus(), 1);
    const auto first = jv->JVRead(kReadBuffer);
    EXPECT_EQ(first.code, 5);
    EXPECT_EQ(first.record, "UM1\r\n");
    EXPECT_EQ(first.fileName, "20240605120000.jvd");
    // The second file is not downloaded yet: the read waits once, and that wait downloads it.
    EXPECT_EQ(readTrace(*jv, 6), (std::vector<std::string>{"-1", "-3", "RA\x83\x41\r\n", "SE1\r\n", "-1", "0"}));
    EXPECT_EQ(jv->JVStatus(), 2);
    EXPECT_EQ(jv->JVRead(kReadBuffer).code, 0);

    EXPECT_EQ(jv->JVClose(), 0);
    EXPECT_EQ(jv->JVRead(kReadBuffer).code, -203);
}

TEST_F(FeedJvLinkTest, NothingNewerAndAMissingFeedGiveMinusOneAndOpenNothing) {
    write(feed / "RACE/20240601090000.jvd", "RA1\r\n");
    FeedJvLink missing(feed / "absent", clock);
    ASSERT_EQ(missing.JVInit(kSid), 0);
    EXPECT_EQ(missing.JVOpen("RACEDIFN", "20000101000000", 1).code, -1);

    const auto jv = link();
    EXPECT_EQ(jv->JVOpen("RACEDIFN", "20240601090000", 3).code, -1);
    EXPECT_EQ(jv->JVRead(kReadBuffer).code, -203);
    EXPECT_EQ(jv->JVStatus(), -203);
}

TEST_F(FeedJvLinkTest, OneStreamAtATimeUntilClosedOrCancelled) {
    write(feed / "RACE/20240601090000.jvd", "RA1\r\n");
    const auto jv = link();
    ASSERT_EQ(jv->JVOpen("RACEDIFN", "20240101000000", 1).code, 0);
    EXPECT_EQ(jv->JVOpen("RACEDIFN", "20240101000000", 1).code, -202);
    EXPECT_EQ(jv->JVRTOpen("0B12", "20240608"), -202);
    EXPECT_EQ(jv->JVCourseFile("2024060805160011").code, -202);
    jv->JVCancel();
    EXPECT_EQ(jv->JVRead(kReadBuffer).code, -203);
    EXPECT_EQ(jv->JVOpen("RACEDIFN", "20240101000000", 1).code, 0);
    EXPECT_EQ(jv->JVClose(), 0);
    EXPECT_EQ(jv->JVOpen("RACEDIFN", "20240101000000", 1).code, 0);
}

TEST_F(FeedJvLinkTest, OpenParametersAreChecked) {
    struct Case {
        std::string_view dataspec;
        std::string_view fromDate;
        int option;
        int code;
    };
    const Case cases[] = {
        {"", "20240101000000", 1, -111},         {"RAC", "20240101000000", 1, -111},
        {"race", "20240101000000", 1, -111},     {"RACERACE", "20240101000000", 1, -111},
        {"RACEDIFN", "20240101", 1, -112},       {"RACEDIFN", "20241301000000", 1, -112},
        {"RACEDIFN", "20240101000000", 0, -115}, {"RACEDIFN", "20240101000000", 5, -115},
        {"RACEDIFN", "20240101000000", 4, -1},
    };
    const auto jv = link();
    for (const auto& c : cases)
        EXPECT_EQ(jv->JVOpen(c.dataspec, c.fromDate, c.option).code, c.code) << c.dataspec << " " << c.fromDate;
}

TEST_F(FeedJvLinkTest, JVInitChecksTheSidAndComesFirst) {
    FeedJvLink jv(feed.path(), clock);
    EXPECT_EQ(jv.JVOpen("RACEDIFN", "20240101000000", 1).code, -201);
    EXPECT_EQ(jv.JVRTOpen("0B12", "20240608"), -201);
    EXPECT_EQ(jv.JVStatus(), -201);
    EXPECT_EQ(jv.JVRead(kReadBuffer).code, -201);
    EXPECT_EQ(jv.JVCourseFile("2024060805160011").code, -201);
    EXPECT_EQ(jv.JVSetUIProperties(), 0);
    EXPECT_EQ(jv.JVClose(), 0);

    const std::pair<std::string, int> sids[] = {
        {"", -101}, {std::string(64, 'Z'), -102}, {" ZEFA/", -103}, {std::string(63, 'Z'), 0}, {std::string(kSid), 0},
    };
    for (const auto& [sid, code] : sids) EXPECT_EQ(jv.JVInit(sid), code) << sid;
    EXPECT_EQ(jv.JVOpen("RACEDIFN", "20240101000000", 1).code, -1);
}

TEST_F(FeedJvLinkTest, MalformedFeedFilesGiveReadErrors) {
    const std::pair<std::string_view, int> files[] = {
        {"", -402}, {"RA1\n", -403}, {"RA1\r\nRA2", -403}, {"RA1\r\n\r\n", -403}, {"RA1\rRA2\r\n", -403},
    };
    const auto file = feed / "RACE/20240601090000.jvd";
    const auto jv = link();
    for (const auto& [bytes, code] : files) {
        write(file, bytes);
        ASSERT_EQ(jv->JVOpen("RACE", "20240101000000", 1).code, 0);
        jv->JVStatus();
        EXPECT_EQ(jv->JVRead(kReadBuffer).code, code) << bytes;
        jv->JVClose();
    }
    ASSERT_EQ(jv->JVOpen("RACE", "20240101000000", 1).code, 0);
    std::filesystem::remove(file);
    jv->JVStatus();
    EXPECT_EQ(jv->JVRead(kReadBuffer).code, -503);
}

TEST_F(FeedJvLinkTest, RealTimeSnapshotsAppearOnceTheClockPassesTheirAnnouncement) {
    write(feed / "0B30/2024060805010211/20240608093000.jvd", "O1first\r\n");
    write(feed / "0B30/2024060805010211/20240608100000.jvd", "O1second\r\nO2second\r\n");
    const auto jv = link();
    const std::pair<DateTime, std::vector<std::string>> moments[] = {
        {{2024, 6, 8, 9, 29, 59}, {}},
        {{2024, 6, 8, 9, 30, 0}, {"O1first\r\n", "-1", "0"}},
        {{2024, 6, 8, 15, 0, 0}, {"O1second\r\n", "O2second\r\n", "-1", "0"}},
    };
    for (const auto& [time, records] : moments) {
        clock.set(time);
        EXPECT_EQ(jv->JVRTOpen("0B30", "2024060805010211"), records.empty() ? -1 : 0);
        EXPECT_EQ(readTrace(*jv, int(records.size())), records);
        jv->JVClose();
    }
}

TEST_F(FeedJvLinkTest, RealTimeParametersAreChecked) {
    write(feed / "0B12/20240608/20240608080000.jvd", "HR1\r\n");
    const std::tuple<std::string_view, std::string_view, int> cases[] = {
        {"0B3", "20240608", -111},         {"1B12", "20240608", -111},     {"0BAB", "20240608", -111},
        {"0B12", "2024060", -114},         {"0B12", "20241308", -114},     {"0B12", "2024060805", -114},
        {"0B12", "2024O608", -114},        {"0B14", "20240608", -1},       {"0B12", "20240608", 0},
    };
    const auto jv = link();
    for (const auto& [dataspec, key, code] : cases) {
        EXPECT_EQ(jv->JVRTOpen(dataspec, key), code) << dataspec << " " << key;
        jv->JVClose();
    }
}

TEST_F(FeedJvLinkTest, CoursePictureInUseOnTheDateWithItsExplanation) {
    write(feed / "pictures/2000010105160011.gif", "GIF89a");
    write(feed / "pictures/2020010105160011.gif", "GIF89a");
    write(feed / "pictures/2020010105160011.txt", "\x83\x52\x81\x5B\x83\x58");
    const auto jv = link();

    const auto recent = jv->JVCourseFile("2024060805160011");
    EXPECT_EQ(recent.code, 0);
    EXPECT_EQ(recent.filePath, (feed / "pictures/2020010105160011.gif").string());
    EXPECT_EQ(recent.explanation, "\x83\x52\x81\x5B\x83\x58");
    const auto older = jv->JVCourseFile("2010060805160011");
    EXPECT_EQ(older.filePath, (feed / "pictures/2000010105160011.gif").string());
    EXPECT_EQ(older.explanation, "");

    EXPECT_EQ(jv->JVCourseFile("2024060805180011").code, -1);
    EXPECT_EQ(jv->JVCourseFile("1999060805160011").code, -1);
    EXPECT_EQ(jv->JVCourseFile("20240608051600").code, -114);
    EXPECT_EQ(jv->JVCourseFile("2024133105160011").code, -114);
}

TEST_F(FeedJvLinkTest, VersionAndSavePathDefaultToTheFeedAndFollowItsSettings) {
    EXPECT_EQ(link()->versionProperty(), "0490");
    EXPECT_EQ(link()->savePathProperty(), feed.path().string());

    write(feed / "feed.ini", "; test feed\r\n[JVLink]\r\nVersion = 0510\r\nSavePath=save\r\n");
    write(feed / "save/pictures/2020010105160011.gif", "GIF89a");
    const auto jv = link();
    EXPECT_EQ(jv->versionProperty(), "0510");
    EXPECT_EQ(jv->savePathProperty(), (feed / "save").string());
    EXPECT_EQ(jv->JVCourseFile("2024060805160011").code, 0);
}

TEST_F(FeedJvLinkTest, FaultsHitEveryCallOrOnlyTheNthAndChangeNothing) {
    write(feed / "RACE/20240601090000.jvd", "RA1\r\nRA2\r\n");
    write(feed / "feed.ini",
          "[Faults]\r\nJVSetUIProperties=-100\r\nJVSetUIProperties#2=-101\r\nJVRTOpen=-504\r\n"
          "JVOpen#1=-504\r\nJVRead#3=-502\r\nJVClose#1=-1\r\n");
    const auto jv = link();
    EXPECT_EQ(jv->JVSetUIProperties(), -100);
    EXPECT_EQ(jv->JVSetUIProperties(), -101);
    EXPECT_EQ(jv->JVSetUIProperties(), -100);
    EXPECT_EQ(jv->JVRTOpen("0B12", "20240608"), -504);
    EXPECT_EQ(jv->JVRTOpen("0B12", "20240608"), -504);

    EXPECT_EQ(jv->JVOpen("RACE", "20240101000000", 1).code, -504);
    EXPECT_EQ(jv->JVRead(kReadBuffer).code, -203);
    EXPECT_EQ(jv->JVOpen("RACE", "20240101000000", 1).code, 0);
    EXPECT_EQ(jv->JVStatus(), 1);
    EXPECT_EQ(readTrace(*jv, 5), (std::vector<std::string>{"RA1\r\n", "-502", "RA2\r\n", "-1", "0"}));

    EXPECT_EQ(jv->JVClose(), -1);
    EXPECT_EQ(jv->JVOpen("RACE", "20240101000000", 1).code, -202);
    EXPECT_EQ(jv->JVClose(), 0);
    EXPECT_EQ(jv->JVOpen("RACE", "20240101000000", 1).code, 0);
}

TEST_F(FeedJvLinkTest, MalformedSettingsRaiseAnErrorNamingTheFileAndTheFault) {
    const std::pair<std::string_view, std::string_view> settings[] = {
        {"[JVLink]\r\nVersion=490\r\n", "Version=490"},
        {"[JVLink]\r\nVerison=0490\r\n", "Verison"},
        {"[Fault]\r\nJVOpen=-504\r\n", "Fault"},
        {"[Faults]\r\nJVOpn=-504\r\n", "JVOpn"},
        {"[Faults]\r\nJVRead#0=-502\r\n", "JVRead#0"},
        {"[Faults]\r\nJVRead=fail\r\n", "fail"},
        {"[Faults]\r\nJVOpen=-1\r\nJVOPEN=-2\r\n", "JVOPEN"},
        {"[JVLink]\r\n[JVLink]\r\n", "JVLink"},
        {"Version=0490\r\n", "1行目"},
        {"[Faults]\r\nJVOpen -504\r\n", "2行目"},
    };
    for (const auto& [text, fault] : settings) {
        write(feed / "feed.ini", text);
        try {
            FeedJvLink jv(feed.path(), clock);
            ADD_FAILURE() << "accepted " << text;
        } catch (const Error& e) {
            const std::string message = e.what();
            EXPECT_NE(message.find("feed.ini"), std::string::npos) << message;
            EXPECT_NE(message.find(fault), std::string::npos) << message;
        }
    }
}

} // namespace
} // namespace zefa
