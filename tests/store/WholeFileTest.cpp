#include "store/TextLines.h"
#include "store/WholeFile.h"
#include "jvdata/Error.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace zefa {
namespace {

TEST(TextLines, SplitsLikeAStringListAndJoinsWithCrLf) {
    EXPECT_EQ(splitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(splitLines("a\r\n\r\nb\r\n"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_TRUE(splitLines("").empty());
    EXPECT_EQ(joinLines({"a", "", "b"}), "a\r\n\r\nb\r\n");
}

TEST(WholeFile, SaveReplacesTheFileAndLeavesNoTemporaryFile) {
    test::TempFolder folder;
    const auto file = folder / "x.txt";
    EXPECT_FALSE(readFileIfExists(file));
    saveFileWhole(file, "old");
    saveFileWhole(file, "new\r\n");
    EXPECT_EQ(readFileIfExists(file), "new\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST(WholeFile, FailuresNameTheFileAndKeepTheOldContents) {
    test::TempFolder folder;
    const auto file = folder / "kept.txt";
    saveFileWhole(file, "old");
    // A folder in the temporary file's place makes the save fail before anything is renamed.
    std::filesystem::path blocker = file;
    blocker += ".tmp" + std::to_string(::getpid());
    std::filesystem::create_directory(blocker);
    try {
        saveFileWhole(file, "new");
        FAIL() << "expected an error";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("kept.txt"), std::string::npos) << e.what();
    }
    EXPECT_EQ(readFileIfExists(file), "old");
    EXPECT_THROW(readFileIfExists(folder.path()), Error); // a folder cannot be read as a file
}

} // namespace
} // namespace zefa
