#include "acquire/ErrorLog.h"

#include "jvdata/Cp932.h"
#include "jvdata/Error.h"
#include "store/TextLines.h"
#include "store/WholeFile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace zefa {
namespace {

constexpr DateTime kStart{2024, 1, 6, 9, 5, 7};

TEST(ErrorLog, AFreshLogHoldsTheTwoStartLines) {
    test::TempFolder folder;
    const auto log = folder / "ErrorLog.txt";
    const auto lines = startErrorLog(log, kStart, "/home/太郎/zefa");
    // "ソフト起動：" and "太郎" in CP932.
    const std::string expected = "\x83\x5c\x83\x74\x83\x67\x8b\x4e\x93\xae\x81\x46" "2024/01/06 09:05:07\r\n"
                                 "/home/\x91\xbe\x98\x59/zefa\r\n";
    EXPECT_EQ(readFileIfExists(log), expected);
    EXPECT_EQ(lines, splitLines(expected));
}

TEST(ErrorLog, StartKeepsTheNewestHundredLinesAsBytes) {
    for (const size_t before : {99u, 100u, 101u, 150u}) {
        test::TempFolder folder;
        const auto log = folder / "ErrorLog.txt";
        std::vector<std::string> old;
        for (size_t i = 0; i < before; ++i) old.push_back("\xff\x83\x5c line " + std::to_string(i)); // not all CP932
        saveLines(log, old);

        const auto lines = startErrorLog(log, kStart, "/opt/zefa");
        const size_t kept = std::min<size_t>(before, 100);
        ASSERT_EQ(lines.size(), kept + 2) << before;
        EXPECT_TRUE(std::equal(old.end() - kept, old.end(), lines.begin())) << before;
        EXPECT_EQ(lines.back(), "/opt/zefa");
        EXPECT_EQ(readFileIfExists(log), joinLines(lines));
    }
}

TEST(ErrorLog, AnErrorLineIsAddedAfterTheExistingBytes) {
    test::TempFolder folder;
    const auto log = folder / "ErrorLog.txt";
    const std::string old = "\xff\xfe old line\r\n";
    saveFileWhole(log, old);
    appendErrorLine(log, {2024, 1, 6, 15, 20, 3}, "オッズ取得エラー：サーバーがメンテナンス中です。(-504)");
    const auto bytes = readFileIfExists(log);
    ASSERT_TRUE(bytes);
    ASSERT_TRUE(bytes->starts_with(old));
    EXPECT_EQ(toUtf8(bytes->substr(old.size())),
              "【エラー】15:20:03：オッズ取得エラー：サーバーがメンテナンス中です。(-504)\r\n");
}

TEST(ErrorLog, AnUnreadableLogIsAnErrorNamingItAndStaysUntouched) {
    test::TempFolder folder;
    const auto log = folder / "ErrorLog.txt";
    std::filesystem::create_directory(log);
    saveFileWhole(log / "inside", "kept");
    const std::function<void()> calls[] = {
        [&] { startErrorLog(log, kStart, "/opt/zefa"); },
        [&] { appendErrorLine(log, kStart, "エラー"); },
    };
    for (const auto& call : calls) {
        try {
            call();
            ADD_FAILURE() << "expected an error";
        } catch (const Error& e) {
            EXPECT_NE(std::string(e.what()).find("ErrorLog.txt"), std::string::npos) << e.what();
        }
    }
    EXPECT_TRUE(std::filesystem::is_directory(log));
    EXPECT_EQ(readFileIfExists(log / "inside"), "kept");
}

} // namespace
} // namespace zefa
